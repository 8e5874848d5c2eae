#pragma once

// settings.dat: the program's theme, whether tooltips are shown, the folders its skin dialogs
// last chose from and the profiles last opened or saved.

#include <QMap>
#include <QString>
#include <QStringList>

struct AppSettings
{
    int themenumber = 0; // 0 dark, anything else bright (kept as read)
    bool showtooltips = true;
    QMap<QString, QString> folders; // the folder each file dialog last chose from, by its name
    QStringList recentProfiles;     // newest first, at most recentProfileCount
};

namespace settingsfile {

constexpr int recentProfileCount = 5;

// The folder for settings.dat: the program's own folder when it is writable, so a portable copy
// keeps its settings with it; otherwise (an installed copy) the user's config folder.
QString folder(const QString &programFolder, const QString &configFolder);

// Reads key=value lines. A missing, unreadable or unrecognisable file gives the defaults.
AppSettings load(const QString &path);
// Writes the two lines (and a line per remembered folder and recent profile) atomically, making the folder
// first; false when the file could not be written.
bool save(const QString &path, const AppSettings &settings);

} // namespace settingsfile
