#include "platform/folders.h"

#include <QDir>
#include <QFileInfo>
#include <string>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QFile>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

#ifdef Q_OS_WIN
std::wstring native(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}
#else
QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}
#endif

} // namespace

QString makeOneFolder(const QString &path)
{
#ifdef Q_OS_WIN
    if (CreateDirectoryW(native(path).c_str(), nullptr))
        return {};
    const int error = int(GetLastError());
    // A file in the way: "already exists" would hide that it is not a folder.
    const int notFolder = ERROR_DIRECTORY, exists = ERROR_ALREADY_EXISTS;
#else
    if (::mkdir(native(path).constData(), 0777) == 0)
        return {};
    const int error = errno;
    const int notFolder = ENOTDIR, exists = EEXIST;
#endif
    if (QFileInfo(path).isDir())
        return {};
    return qt_error_string(error == exists ? notFolder : error);
}

QString removeEmptyFolder(const QString &path)
{
#ifdef Q_OS_WIN
    if (RemoveDirectoryW(native(path).c_str()))
        return {};
    return qt_error_string(int(GetLastError()));
#else
    if (::rmdir(native(path).constData()) == 0)
        return {};
    return qt_error_string(errno);
#endif
}

} // namespace platform
