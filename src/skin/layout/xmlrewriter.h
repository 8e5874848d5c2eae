#pragma once

// One skin XML file copied line by line: the <browser> element gets the generated block,
// the icon, floating-browser and imported-window elements go before </skin>, the skin's own
// custom-icon line is dropped and the global font option is applied. Lines in, lines out,
// so every rule can be checked without files.

#include "skin/images/iconsheets.h"
#include "skin/skinbuildoptions.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Style;

struct RewriteContext
{
    const SkinBuildOptions &options;
    const Style &style;
    // The sheet "From another Skin" found in the icon skin, if any.
    std::optional<iconsheets::CustomSheet> customSheet;
    // The lines of each XML file of the window skin, in name order; empty: nothing imported.
    QList<QStringList> windowFiles;
    // Height of a skin image of the unpacked skin; 0 when it is missing.
    std::function<int(const QString &imageName)> imageHeight;
    // The archive entries the build adds (floating browser image, imported window images), recorded
    // in the file so that a later build on the output can take them out again.
    QStringList addedFiles = {};
};

// What one rewritten file may hold at most: skins are kilobytes; a crafted file could ask for gigabytes.
constexpr qint64 maxOutputCharacters = qint64(64) << 20;

struct RewrittenXml
{
    QStringList lines;
    QString error;     // set when the output would exceed maxOutputCharacters; `lines` is then incomplete
    QString imageName; // the image of the last <skin line; empty when there is none
    int iconRow = 0;   // where an appended icon sheet starts
    int pluginRow = 0; // where the plugin graphics start
    int grownFrom = 0; // the image's height before an earlier build grew it; 0 when it was not
    bool wroteFloatingWindow = false;
};

RewrittenXml rewriteSkinXml(const QStringList &lines, const QString &xmlBaseName,
                            const RewriteContext &context);
