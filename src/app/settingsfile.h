#pragma once

// settings.dat beside the executable: the program's theme and whether tooltips are shown.

#include <QMap>
#include <QString>

struct AppSettings
{
    int themenumber = 0; // 0 dark, anything else bright (kept as read)
    bool showtooltips = true;
};

namespace settingsfile {

// Reads key=value lines. A missing, unreadable or unrecognisable file gives the defaults.
AppSettings load(const QString &path, QMap<QString, QString> *settingsmap = nullptr);
// Writes the two lines atomically; false when the file could not be written.
bool save(const QString &path, const AppSettings &settings);

} // namespace settingsfile
