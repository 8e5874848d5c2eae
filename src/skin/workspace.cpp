#include "skin/workspace.h"

#include <QCoreApplication>
#include <QDir>

QString Workspace::reset() const
{
    for (const QString &path : folders())
        QDir(path).removeRecursively();
    for (const QString &path : folders()) {
        const QString error = makeFolder(path);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString Workspace::makeFolder(const QString &path)
{
    if (QDir().mkpath(path))
        return {};
    return QCoreApplication::translate("workspace", "Cannot create the work folder \"%1\"")
        .arg(QDir::toNativeSeparators(path));
}

void Workspace::emptyFolder(const QString &folder)
{
    // Whole: anything left, even in a sub-folder, would be found by the next build or scan.
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
}
