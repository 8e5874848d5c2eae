#pragma once

// What another skin offers before it is used: the floating windows it holds and whether it
// declares custom browser icons. The window uses these scans when a source skin is chosen,
// the builder when it imports.

#include <QList>
#include <QString>
#include <QStringList>

namespace sourcescan {

// The names of the floating windows windowElements() finds, in the order found, duplicates
// kept: a line holding "<window" (in any case) and name="...".
QStringList windowNames(const QList<QStringList> &xmlFiles);

// The lines a build imports from a window skin's XML files: each <window> element from its
// opening line to its closing line, a self-closing one alone. Commented-out windows are left
// out, and a window left open ends with its file or its </skin>, which is not taken.
QStringList windowElements(const QList<QStringList> &xmlFiles);

// The lines of each top-level XML file of an unpacked skin, in name order.
QList<QStringList> xmlFileLines(const QString &folder);

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

} // namespace sourcescan
