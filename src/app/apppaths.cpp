// SPDX-License-Identifier: GPL-3.0-or-later
#include "apppaths.h"

#include "settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString programFolder(const QString &documentsFolder)
{
    return documentsFolder + QStringLiteral("/Panelcraft");
}
} // namespace

AppPaths AppPaths::system()
{
    return {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)};
}

QString AppPaths::settingsFile() const
{
    return settingsfile::location(executableFolder, configFolder);
}

QString AppPaths::profilesFolder() const
{
    return programFolder(documentsFolder) + QStringLiteral("/projects");
}

void removeOldScratch(const QString &documentsFolder)
{
    const QDir folder(programFolder(documentsFolder));
    for (const char *name : {"temp", "temp2", "skin", "tempwind", "tempicons", "customicons.png", "unpacked",
                             "changed", "windowskin", "iconskin"}) {
        const QFileInfo entry(folder.filePath(QLatin1String(name)));
        // A link is taken away itself; what it points to is not ours.
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else if (entry.exists() || entry.isSymLink())
            QFile::remove(entry.filePath());
    }
}
