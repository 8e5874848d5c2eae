// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's own settings: its theme, whether tooltips are shown, the folders its file dialogs
// last chose from, the profiles last opened or saved and the window's place. They live in the
// user's config folder; a portable copy keeps them beside its executable when a marker file there
// asks for it.

#include "theme.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

struct AppSettings
{
    ThemeChoice theme = ThemeChoice::Dark;
    bool showtooltips = true;
    QMap<QString, QString> folders; // the folder each file dialog last chose from, by its name
    QStringList recentProfiles;     // newest first, at most recentProfileCount
    // Whether the scratch folders of earlier versions were taken out of the documents folder.
    bool oldScratchRemoved = false;
    QByteArray windowGeometry; // the window's place and size when last shown, as Qt saves it
};

namespace settingsfile {

constexpr int recentProfileCount = 5;

// A file of this name beside the executable makes the copy portable: its settings stay beside it.
inline const QString portableMarker = QStringLiteral("panelcraft.portable");

// The settings file: in `configFolder`, or in `programFolder` when that holds the marker.
QString location(const QString &programFolder, const QString &configFolder);

// Reads the settings at `path`. Until that file exists, an earlier version's settings.dat found in
// `programFolder` is read instead, so they carry over on the next save. Missing or unreadable
// files give the defaults.
AppSettings load(const QString &path, const QString &programFolder);
// Writes the settings, making the folder first, all at once: a program killed while it writes
// leaves the file as it was. False when they could not be written.
bool save(const QString &path, const AppSettings &settings);
// Writes only what changed from `before` (as a window read or last wrote them) to `now`, over what
// the file holds at this moment: a second window running beside the first never undoes what the
// first saved. Reading and writing are one step for every window that saves this way. False when
// they could not be written.
bool saveChanges(const QString &path, const QString &programFolder, const AppSettings &before,
                 const AppSettings &now);

} // namespace settingsfile
