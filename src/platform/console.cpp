// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/console.h"

#include <QFile>
#include <QProcess>
#include <fcntl.h>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <csignal>
#include <unistd.h>
#endif

namespace platform {

#ifdef Q_OS_WIN

FILE *setAsideStandardError()
{
    const int own = _dup(_fileno(stderr));
    const int nowhere = _wopen(reinterpret_cast<const wchar_t *>(QProcess::nullDevice().utf16()), _O_WRONLY);
    FILE *stream = stderr;
    if (own >= 0 && nowhere >= 0 && _dup2(nowhere, _fileno(stderr)) == 0)
        stream = _fdopen(own, "w");
    if (nowhere >= 0)
        _close(nowhere);
    if (stream != stderr)
        std::setvbuf(stream, nullptr, _IONBF, 0);
    return stream ? stream : stderr;
}

void writeLine(FILE *stream, const QString &text)
{
    const QString line = text + QLatin1Char('\n');
    std::fflush(stream);
    const HANDLE handle = HANDLE(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        DWORD written = 0;
        WriteConsoleW(handle, reinterpret_cast<const wchar_t *>(line.utf16()), DWORD(line.size()), &written,
                      nullptr);
        return;
    }
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void failOversizedWrites() {}

#else

FILE *setAsideStandardError()
{
    // Not handed on to programs this one starts.
    const int own = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    const int nowhere = open(QFile::encodeName(QProcess::nullDevice()).constData(), O_WRONLY | O_CLOEXEC);
    FILE *stream = stderr;
    if (own >= 0 && nowhere >= 0 && dup2(nowhere, STDERR_FILENO) >= 0)
        stream = fdopen(own, "w");
    if (nowhere >= 0)
        close(nowhere);
    if (stream != stderr && stream)
        std::setvbuf(stream, nullptr, _IONBF, 0);
    return stream ? stream : stderr;
}

void writeLine(FILE *stream, const QString &text)
{
    const QByteArray bytes = (text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void failOversizedWrites()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

#endif

} // namespace platform
