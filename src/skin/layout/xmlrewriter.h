// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One layout restyled: the <browser> elements get the generated block, the icon-sheet,
// floating-browser and imported-window elements go before </skin>, the skin's own <customicons>
// go and the global font option is applied. The layout is read as XML and only the parts that
// change are spliced: every other character stays as it was. A pure function of the text, the
// options, the images measured beforehand and the imported windows, so every rule can be checked
// without files.

#include "skin/images/iconsheets.h"
#include "skin/images/skinimages.h"
#include "skin/layout/layoutchoices.h"
#include "skin/layout/xmltokens.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class Style;

struct RewriteContext
{
    const LayoutChoices &options;
    const Style &style;
    std::optional<iconsheets::Layout> sheet; // the icon sheet appended below each image, if any
    QStringList windowLines;                 // the imported windows' lines; empty: nothing imported
    ImageTable images;
    // The archive entries the build adds (floating browser image, imported window images) as
    // "name:length:crc", recorded in the file so that a later build on the output can take them
    // out again.
    QStringList addedFiles = {};
    // By the skin's file: the grown images as "length:crc", for a later build to know them by.
    QHash<QString, QString> grownImages = {};
    QString floatingImage = QStringLiteral("browserfloat.png"); // the floating browser's picture
    bool fontsChangedBefore = false; // an earlier build rewrote the skin's font names or sizes
    // Whether the skin images a layout names grow (when they can be used).
    bool growsImages() const { return sheet.has_value() || options.changeColours; }
};

// What one rewritten file may hold at most: skins are kilobytes; a crafted file could ask for gigabytes.
constexpr qint64 maxOutputCharacters = qint64(64) << 20;

struct RewrittenXml
{
    QString text;
    QString error;     // set when the output would exceed maxOutputCharacters; `text` is then empty
    QString imageName; // the image of the last <skin> element; empty when there is none
    int iconRow = 0;   // where an appended icon sheet starts
    int pluginRow = 0; // where the plugin graphics start
    QVector<ImageJob> jobs;
};

// The element names whose attributes the rewrite reads: pass them to xmltokens::read.
QStringList rewrittenElements();

// The skin image a <skin> element names, or `xmlBaseName` + ".png" when it names none. The
// result comes from an untrusted file: check it with archive::safeRelativePath before building a
// path from it.
QString skinImageName(const xmltokens::Element &skin, const QString &xmlBaseName);

// The images the layout's <skin> elements name, resolved as rewriteSkinXml resolves them.
QStringList skinImageNames(const xmltokens::Document &layout, const QString &xmlBaseName);
// The same for the layout file at `path`, read as a build reads it; none when it cannot be read.
QStringList skinImageNames(const QString &path);

RewrittenXml rewriteSkinXml(const xmltokens::Document &layout, const QString &xmlBaseName,
                            const RewriteContext &context);
