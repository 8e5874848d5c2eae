// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folders.h"
#include "platform/systemerror.h"

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
// Work names grow longer than the entries they stand for, and a deep temporary folder adds its
// own: without the "\\?\" prefix the system refuses paths past 260 characters. The prefix asks
// for a whole path with backslashes, which the system then takes as it is.
std::wstring native(const QString &path)
{
    const QString whole = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (whole.startsWith(QLatin1String("\\\\"))) // a share: \\server\share
        return (QLatin1String("\\\\?\\UNC\\") + whole.mid(2)).toStdWString();
    return (QLatin1String("\\\\?\\") + whole).toStdWString();
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
    return systemErrorText(error == exists ? notFolder : error);
}

QString removeEmptyFolder(const QString &path)
{
#ifdef Q_OS_WIN
    if (RemoveDirectoryW(native(path).c_str()))
        return {};
    return systemErrorText(int(GetLastError()));
#else
    if (::rmdir(native(path).constData()) == 0)
        return {};
    return systemErrorText(errno);
#endif
}

} // namespace platform
