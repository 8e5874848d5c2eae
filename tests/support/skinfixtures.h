#pragma once

// Skins built in code for the skin-builder tests, and readers for what a build wrote.

#include "style/style.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace fixtures {

struct ZipEntry
{
    QString name;
    QByteArray data;
    quint32 unixMode = 0100644; // regular file; 0120777 makes a symbolic link to `data`
};

// Writes the entries as they are, names included (so hostile archives can be made).
bool writeZip(const QString &path, const QList<ZipEntry> &entries);

// Every file entry of an archive, by name.
QMap<QString, QByteArray> readZip(const QString &path);

// A PNG of one colour.
QByteArray png(int width, int height, const QColor &colour = QColor(40, 40, 40));

// UTF-8 text lines joined with line ends, as a skin XML file.
QByteArray xml(const QStringList &lines);
QStringList lines(const QByteArray &text);

// A small skin layout on `image`: a browser with its own colours, then `extraLines`.
QStringList skinLayout(const QString &image, const QStringList &extraLines = {});

// The style a freshly started window has: the built-in default table.
Style defaultStyle();

// The project's sample skin archive.
QString sampleSkin();

QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &data);
// The paths below a folder, relative to it and sorted; files and folders by default.
QStringList entriesBelow(const QString &folder, QDir::Filters filters = QDir::AllEntries);

} // namespace fixtures
