// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfile.h"

#include "support/keyvaluefile.h"
#include "support/regularfile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

namespace settingsfile {

namespace {
const QString themeKey = QStringLiteral("themenumber");
const QString tooltipsKey = QStringLiteral("showtooltips");
const QString foldersGroup = QStringLiteral("folders");
const QString recentKey = QStringLiteral("recentProfiles");
const QString scratchKey = QStringLiteral("oldScratchRemoved");
const QString geometryKey = QStringLiteral("windowGeometry");

// Only "1" means shown, as earlier versions wrote it.
AppSettings fromMap(const QMap<QString, QString> &map)
{
    AppSettings settings;
    // A number, as earlier versions wrote it: 0 dark, any other bright.
    settings.theme = map.value(themeKey).toInt() == 0 ? ThemeChoice::Dark : ThemeChoice::Bright;
    settings.showtooltips = map.value(tooltipsKey) == QLatin1String("1");
    return settings;
}

// settings.dat of earlier versions: key=value lines beside the executable.
AppSettings legacy(const QString &programFolder)
{
    const QString folderPrefix = QStringLiteral("folder_");
    const QString recentPrefix = QStringLiteral("recent_"); // recent_1 is the newest
    QMap<QString, QString> map;
    // A file holding neither key is not ours (or is damaged): keep the defaults rather than
    // silently switching tooltips off.
    if (!readKeyValueFile(programFolder + QStringLiteral("/settings.dat"), map) ||
        (!map.contains(themeKey) && !map.contains(tooltipsKey)))
        return {};
    AppSettings settings = fromMap(map);
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        if (it.key().startsWith(folderPrefix) && !it.value().isEmpty())
            settings.folders.insert(it.key().mid(folderPrefix.size()), it.value());
    for (int i = 1; i <= recentProfileCount; ++i)
        if (const QString profile = map.value(recentPrefix + QString::number(i)); !profile.isEmpty())
            settings.recentProfiles.append(profile);
    return settings;
}

// `onDisk` with what changed from `before` to `now`; a dialog's folder is a setting of its own.
AppSettings merged(AppSettings onDisk, const AppSettings &before, const AppSettings &now)
{
    const auto take = [&](auto AppSettings::*setting) {
        if (now.*setting != before.*setting)
            onDisk.*setting = now.*setting;
    };
    take(&AppSettings::theme);
    take(&AppSettings::showtooltips);
    take(&AppSettings::recentProfiles);
    take(&AppSettings::oldScratchRemoved);
    take(&AppSettings::windowGeometry);
    const QStringList dialogs = before.folders.keys() + now.folders.keys();
    for (const QString &dialog : dialogs) {
        if (now.folders.value(dialog) == before.folders.value(dialog))
            continue;
        if (now.folders.contains(dialog))
            onDisk.folders.insert(dialog, now.folders.value(dialog));
        else
            onDisk.folders.remove(dialog);
    }
    return onDisk;
}
} // namespace

QString location(const QString &programFolder, const QString &configFolder)
{
    // Never chosen for being writable: root can write anywhere, /usr/bin included.
    const bool portable = QFileInfo::exists(QDir(programFolder).filePath(portableMarker));
    return QDir(portable ? programFolder : configFolder).filePath(QStringLiteral("settings.ini"));
}

AppSettings load(const QString &path, const QString &programFolder)
{
    if (!QFileInfo::exists(path))
        return legacy(programFolder);
    // A pipe would hold the window's start for ever.
    if (!regularfile::problem(path).isEmpty())
        return {};
    QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError || (!file.contains(themeKey) && !file.contains(tooltipsKey)))
        return {};
    AppSettings settings = fromMap(
        {{themeKey, file.value(themeKey).toString()}, {tooltipsKey, file.value(tooltipsKey).toString()}});
    file.beginGroup(foldersGroup);
    for (const QString &dialog : file.childKeys())
        if (const QString folder = file.value(dialog).toString(); !folder.isEmpty())
            settings.folders.insert(dialog, folder);
    file.endGroup();
    settings.recentProfiles = file.value(recentKey).toStringList().mid(0, recentProfileCount);
    settings.oldScratchRemoved = file.value(scratchKey).toBool();
    settings.windowGeometry = file.value(geometryKey).toByteArray();
    return settings;
}

bool saveChanges(const QString &path, const QString &programFolder, const AppSettings &before,
                 const AppSettings &now)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    // Another window reading between this one's reading and writing would lose what this one
    // writes. A lock left by a program that was killed is taken over once it is this old. (QSettings
    // holds "<file>.lock" while it reads or writes, so this one needs a name of its own.)
    QLockFile lock(path + QStringLiteral(".saving"));
    lock.setStaleLockTime(5000);
    if (!lock.tryLock(5000))
        return false;
    return save(path, merged(load(path, programFolder), before, now));
}

bool save(const QString &path, const AppSettings &settings)
{
    // The new file would take the place of a device or a pipe of that name.
    if (!regularfile::problem(path).isEmpty())
        return false;
    // The config folder does not exist before the first save.
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSettings file(path, QSettings::IniFormat);
    // Written to a new file that then takes the old one's name, never over the old one.
    file.setAtomicSyncRequired(true);
    file.clear();
    file.setValue(themeKey, settings.theme == ThemeChoice::Dark ? 0 : 1);
    file.setValue(tooltipsKey, settings.showtooltips ? 1 : 0);
    file.beginGroup(foldersGroup);
    for (auto it = settings.folders.cbegin(); it != settings.folders.cend(); ++it)
        file.setValue(it.key(), it.value());
    file.endGroup();
    file.setValue(recentKey, QStringList(settings.recentProfiles.mid(0, recentProfileCount)));
    file.setValue(scratchKey, settings.oldScratchRemoved);
    if (!settings.windowGeometry.isEmpty())
        file.setValue(geometryKey, settings.windowGeometry);
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace settingsfile
