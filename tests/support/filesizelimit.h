// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A full disk that holds even for root: while the object lives, writes past `bytes` fail with
// EFBIG instead of stopping the process (and the CLI it starts, which inherits both).

#include <QtGlobal>

// Windows has no such limit: the tests that need one are skipped there.
#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

#endif
