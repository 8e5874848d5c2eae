// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scans the window runs when a source skin is chosen: which floating windows it holds and
// whether it declares custom browser icons. The builder imports with the same reading.

#include <QString>
#include <QStringList>

namespace sourceskins {

struct WindowScan
{
    QString error; // empty when the skin could be unpacked and holds XML files
    QStringList names;
};
// Unpacks `zipPath` into `workFolder`, scans it and empties the folder again.
WindowScan scanWindowSkin(const QString &zipPath, const QString &workFolder);

struct IconScan
{
    QString error;
    bool customIcons = false; // a usable `<customicons` declaration was found
};
IconScan scanIconSkin(const QString &zipPath, const QString &workFolder);

} // namespace sourceskins
