// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the window keeps its files. Tests pass temporary folders.

#include <QString>

// The title of the window and of every message box.
inline const QString programName = QStringLiteral("Panelcraft");

struct AppPaths
{
    QString documentsFolder;  // the user's: the program's folder with its profiles, the host's skins
    QString executableFolder; // a portable marker, or settings.dat of an earlier version
    QString configFolder;     // the user's config folder for this program
    static AppPaths system();

    QString settingsFile() const;
    QString profilesFolder() const; // Documents/Panelcraft/projects
};

// Earlier versions worked in fixed folders beside the profiles; each build now has its own
// temporary folder. Removes only the names they made there, never the profiles.
void removeOldScratch(const QString &documentsFolder);
