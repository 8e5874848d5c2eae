// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/systemerror.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#endif

namespace platform {
namespace {

const char noSpace[] = QT_TRANSLATE_NOOP("systemerror", "No space left on device");
const char readOnly[] = QT_TRANSLATE_NOOP("systemerror", "Read-only file system");
const char noPermission[] = QT_TRANSLATE_NOOP("systemerror", "Permission denied");
const char notFound[] = QT_TRANSLATE_NOOP("systemerror", "No such file or folder");
const char inUse[] = QT_TRANSLATE_NOOP("systemerror", "The file or folder is in use");

struct KnownError
{
    int code;
    const char *reason;
};

#ifdef Q_OS_WIN
const KnownError knownErrors[] = {
    {ERROR_DISK_FULL, noSpace},
    {ERROR_HANDLE_DISK_FULL, noSpace},
    {ERROR_WRITE_PROTECT, readOnly},
    {ERROR_ACCESS_DENIED, noPermission},
    {ERROR_PRIVILEGE_NOT_HELD, noPermission},
    {ERROR_FILE_NOT_FOUND, notFound},
    {ERROR_PATH_NOT_FOUND, notFound},
    {ERROR_SHARING_VIOLATION, inUse},
    {ERROR_LOCK_VIOLATION, inUse},
    {ERROR_BUSY, inUse},
};

// Qt words a code in two ways: qt_error_string() puts its own English words on a few numbers
// (2 is "No such file or directory"), the temporary and save files take the system's message.
bool saysCode(const QString &words, int code)
{
    if (words == qt_error_string(code))
        return true;
    wchar_t *message = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, DWORD(code),
                   MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&message), 0, nullptr);
    const QString system = QString::fromWCharArray(message).trimmed();
    LocalFree(message);
    return !system.isEmpty() && words.trimmed() == system;
}
#else
const KnownError knownErrors[] = {
    {ENOSPC, noSpace},     {EDQUOT, noSpace},  {EROFS, readOnly}, {EACCES, noPermission},
    {EPERM, noPermission}, {ENOENT, notFound}, {EBUSY, inUse},    {ETXTBSY, inUse},
};

bool saysCode(const QString &words, int code)
{
    return words == qt_error_string(code);
}
#endif

} // namespace

QString systemErrorText(int code)
{
    return systemErrorText(qt_error_string(code));
}

QString systemErrorText(const QString &systemWords)
{
    for (const KnownError &known : knownErrors) {
        if (saysCode(systemWords, known.code))
            return QCoreApplication::translate("systemerror", known.reason);
    }
    return QCoreApplication::translate("systemerror", "System error: %1").arg(systemWords);
}

} // namespace platform
