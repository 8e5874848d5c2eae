// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one table of every fact about the 79 colour keys and the 8 font groups.
// Reading and writing table files, the editor rows, the reset logic, the preview and the
// browser block all iterate these tables instead of naming keys again.

#include <QString>

namespace stylekeys {

// The settings tab widget's pages, in the form's order.
enum class Page : int {
    Background,
    Lists,
    Grids,
    Info,
    Toolbar,
    Scrollbar,
    Columns,
    Search,
    Prelisten,
    Separator,
    Fonts,
    Plugin,
    PluginText,
};

struct ColourKey
{
    const char *key;       // name in table files and profiles
    bool alpha;            // written and shown as #aarrggbb
    bool transparent;      // the row has an "x" button that makes the colour transparent
    Page page;             // settings page holding the row
    int group;             // column group 1..3
    int y;                 // row position on the page
    const char *caption;   // row caption text
    const char *resetText; // text of the reset button
};

struct FontGroupKey
{
    const char *prefix; // <prefix>fontname / fontsize / fontweight
    Page page;
    int x; // caption x; the row's other widgets follow at fixed offsets
    int y;
    const char *caption;
};

// A row's widgets are named after its key: "list_stripes" gives "listStripesPick", "skin" gives
// "skinFontPick". Tooltips, help texts and tests find them by these names.
enum class RowPart { Caption, Pick, Swatch, Value, Reset, Transparent, ContrastSign, VisionSign };
enum class FontPart { Caption, Pick, Reset, Name, Size, Weight };
QString widgetName(const ColourKey &key, RowPart part);
QString widgetName(const FontGroupKey &group, FontPart part);

constexpr int colourKeyCount = 79;
constexpr int fontGroupCount = 8;
constexpr int tableLineCount = colourKeyCount + 3 * fontGroupCount + 1; // 104, the last the line height

// In table-file order.
extern const ColourKey colourKeys[colourKeyCount];
extern const FontGroupKey fontGroups[fontGroupCount];

// Index of a colour key or font prefix, -1 when unknown.
int colourIndex(const QString &key);
int fontGroupIndex(const QString &prefix);
const ColourKey &colourKey(const QString &key); // the key must exist

inline QString nameKey(const FontGroupKey &g)
{
    return QLatin1String(g.prefix) + QLatin1String("fontname");
}
inline QString sizeKey(const FontGroupKey &g)
{
    return QLatin1String(g.prefix) + QLatin1String("fontsize");
}
inline QString weightKey(const FontGroupKey &g)
{
    return QLatin1String(g.prefix) + QLatin1String("fontweight");
}

} // namespace stylekeys
