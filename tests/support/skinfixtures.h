// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Skins built in code for the skin-builder tests, and readers for what a build wrote.

#include "skin/skinbuildoptions.h"
#include "style/style.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

Q_DECLARE_METATYPE(IconSet)

namespace fixtures {

struct ZipEntry
{
    QString name;
    QByteArray data;
    quint32 unixMode = 0100644; // regular file; 0120777 makes a symbolic link to `data`
    int level = -1;             // deflate level; -1 for zlib's default
    bool utf8Name = true;       // false: stored without the UTF-8 flag, one byte per character (Latin-1)
    const char *password = nullptr;
    QByteArray stored = {}; // when set: the entry's bytes as stored with `method`, unpacking to `data`
    int method = 0;
    QByteArray extra = {}; // the extra field of both headers
    QString comment = {};
};

// Writes the entries as they are, names included (so hostile archives can be made).
bool writeZip(const QString &path, const QList<ZipEntry> &entries);

// Every file entry of an archive by name, with its data unpacked or as stored (still compressed).
// Names without the UTF-8 flag read as their bytes, one character each (Latin-1), here and below.
QMap<QString, QByteArray> readZip(const QString &path, bool stored = false);
// The entries' names in archive order.
QStringList zipNames(const QString &path);
// Each entry's name as its bytes, in archive order, and whether its central record flags it UTF-8.
QList<QPair<QByteArray, bool>> storedNames(const QString &path);
// Null, with a warning, when a strict reader would refuse it.
QImage imageIn(const QMap<QString, QByteArray> &files, const QString &name);

// A PNG of one colour.
QByteArray png(int width, int height, const QColor &colour = QColor(40, 40, 40));

// The first bytes of a PNG claiming the given size, with no picture data behind them.
QByteArray pngDeclaring(quint32 width, quint32 height);

// Random bytes, the same on every run.
QByteArray noise(int bytes);

// UTF-8 text lines joined with line ends, as a skin XML file.
QByteArray xml(const QStringList &lines);
QStringList lines(const QByteArray &text);

// The style a freshly started window has: the built-in default table.
Style defaultStyle();
// Every colour key a colour of its own, half transparent where the key can be, and every font
// group a family (with an "&" to escape), weight and size of its own: each value names its key.
Style distinctStyle();

// Same size, and no channel of any pixel more than `maxStep` apart, except on at most
// `maxShare` of the pixels: images drawn on machines whose raster code differs.
bool nearlyEqual(const QImage &a, const QImage &b, int maxStep = 2, double maxShare = 0.01);
// How many pixels of the image are `counted`.
int pixelsWhere(const QImage &image, const std::function<bool(QRgb)> &counted);

// A file name Windows cannot make, or that opens a device there.
bool refusedByWindows(const QString &name);

// A file of the source tree, by its path there; the sample skin most tests build.
QString sourcePath(const QString &relative);
QString sampleSkin();

QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &data);
// The paths below a folder, relative to it and sorted; files and folders by default.
QStringList entriesBelow(const QString &folder, QDir::Filters filters = QDir::AllEntries);
// The contents of every file below a folder, by relative path.
QMap<QString, QByteArray> filesBelow(const QString &folder);

// panelcraft-cli (or `program`) started as a user would, with `home` as its home and working folder
// and `home`/tmp as its temporary folder, without a display, speaking `language`; the caller owns
// the process.
QProcess *startCli(const QString &home, const QStringList &arguments, const QString &program = {},
                   const QString &language = QStringLiteral("en"));
struct CliRun
{
    int code; // -1 when it crashed or hung
    QString out, err;
};
CliRun runCli(const QString &home, const QStringList &arguments, const QString &program = {},
              const QString &language = QStringLiteral("en"));

} // namespace fixtures
