#include "platform/console.h"

#include <QFile>
#include <QProcess>
#include <fcntl.h>

#ifdef Q_OS_WIN
#include <io.h>
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

void failOversizedWrites()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

#endif

} // namespace platform
