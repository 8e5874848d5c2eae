// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The entries a build copies as they are stored are never unpacked, so nothing else would look
// at their data: they are checked to the end of their streams here, on helper threads, while
// the caller copies them, and the damage stops the build as unpacking them would.

#include "skin/archive/entrystream.h"

#include <QString>
#include <QVector>
#include <memory>

class HelperThreads;

namespace archive {

class StreamChecks
{
public:
    // Starts checking the entries of the archive at `zipPath`, largest first.
    StreamChecks(const QString &zipPath, QVector<StoredEntry> entries);
    // Stops the checks still to come and waits for those under way.
    ~StreamChecks();

    // Checks on this thread what no worker has taken yet, then waits for the workers. When no
    // thread could be made, this one checks everything.
    bool passed();

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    std::unique_ptr<HelperThreads> m_workers;
};

} // namespace archive
