#include "workspace.h"

#include <QDir>
#include <QFile>

namespace {

QStringList topLevelFiles(const QString &folder, const QString &filter, QDir::SortFlags sort = QDir::NoSort)
{
    return QDir(folder).entryList({filter}, QDir::Files | QDir::Hidden, sort);
}

} // namespace

QString Workspace::reset() const
{
    for (const QString &path : {skin(), temp(), temp2(), tempWindows()})
        QDir(path).removeRecursively();
    for (const QString &path : {temp(), skin(), temp2(), tempWindows(), tempIcons()}) {
        if (!QDir().mkpath(path))
            return QStringLiteral("Cannot create the work folder \"%1\"").arg(QDir::toNativeSeparators(path));
    }
    return {};
}

void Workspace::emptyFolder(const QString &folder)
{
    QDir dir(folder);
    for (const QString &name : topLevelFiles(folder, QStringLiteral("*.*")))
        dir.remove(name);
}

void Workspace::moveImages(const QString &from, const QString &to)
{
    for (const QString &name : topLevelFiles(from, QStringLiteral("*.png")))
        QFile::rename(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name);
}

void Workspace::replaceImages(const QString &from, const QString &to)
{
    for (const QString &name : topLevelFiles(from, QStringLiteral("*.png"))) {
        QFile::remove(to + QLatin1Char('/') + name);
        QFile::rename(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name);
    }
}

QStringList Workspace::xmlFiles(const QString &folder)
{
    return topLevelFiles(folder, QStringLiteral("*.xml"), QDir::Name | QDir::IgnoreCase);
}
