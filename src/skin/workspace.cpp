#include "skin/workspace.h"

#include "skin/archive/writefailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QString Workspace::reset() const
{
    for (const QString &path : folders()) {
        const QString error = emptyFolder(path);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString Workspace::emptyFolder(const QString &folder)
{
    // Whole: anything left, even in a sub-folder, would be found by the next build or scan.
    QDir(folder).removeRecursively();
    if (const QString error = makeFolder(folder); !error.isEmpty())
        return error;
    // What is left tells why: a file that cannot be removed, else a folder.
    QString left;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext() && (left.isEmpty() || QFileInfo(left).isDir()))
        left = entries.next();
    if (left.isEmpty())
        return {};
    const QByteArray name = QFile::encodeName(left);
    const int removed = QFileInfo(left).isDir() ? ::rmdir(name.constData()) : ::unlink(name.constData());
    return tr("Cannot remove \"%1\" from the work folder: %2")
        .arg(QDir::toNativeSeparators(left), systemReason(removed == 0 ? EBUSY : errno));
}

QString Workspace::move(const QString &from, const QString &to)
{
    if (const QString error = makeFolder(QFileInfo(to).path()); !error.isEmpty())
        return error;
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return tr("Cannot move \"%1\" to \"%2\": %3")
            .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to), systemReason(errno));
    return {};
}
