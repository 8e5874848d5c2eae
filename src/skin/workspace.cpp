#include "skin/workspace.h"

#include <QDir>

QString Workspace::reset() const
{
    for (const QString &path : {unpacked(), changed(), windowSkin()})
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
    return QStringLiteral("Cannot create the work folder \"%1\"").arg(QDir::toNativeSeparators(path));
}

void Workspace::emptyFolder(const QString &folder)
{
    QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.*")}, QDir::Files | QDir::Hidden))
        dir.remove(name);
}
