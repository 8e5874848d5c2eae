// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Colour schemes as people share them: base16 and base24 YAML files, whose colours have roles
// (ground, text, accents), and GIMP/Inkscape palettes, which are only a list of colours.

#include "support/result.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QVector>

namespace scheme {

enum class Kind { Base16, Base24, Palette };

// base00..base0F, and base10..base17 in a base24 scheme.
constexpr int base16Count = 16;
constexpr int base24Count = 24;
// Published schemes and palettes are a few kilobytes; anything far larger is not one.
constexpr qint64 maxFileSize = 1024 * 1024;
constexpr int maxPaletteColours = 1024;

struct Scheme
{
    Kind kind = Kind::Base16;
    QString name;
    QString author;
    QVector<QColor> colours; // by role (base00 first) for base16/24, in file order for a palette
};

struct ReadResult
{
    QString error; // empty when the file is a scheme; otherwise says which line and why
    Scheme scheme;
};

// The format is told by the content, not the file name: a palette starts with "GIMP Palette",
// anything else must be base16 or base24 YAML (schemeyaml.h). Either may be UTF-8, UTF-16 or
// UTF-32, with any line ends. A palette whose colours are named base00..base0F
// (as the export names them) keeps those roles.
ReadResult parse(const QByteArray &content);
ReadResult read(const QString &path);

// Whether a dropped file is one to try as a scheme.
bool looksLikeScheme(const QString &path);

// The first 16 colours as base16 YAML, and all colours as a palette named by role.
QByteArray base16Text(const Scheme &scheme);
QByteArray paletteText(const Scheme &scheme);
// A palette when the name ends in ".gpl", base16 YAML otherwise; atomically, or says why the file
// could not be written.
Result<void> write(const QString &path, const Scheme &scheme);

} // namespace scheme
