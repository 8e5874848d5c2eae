// SPDX-License-Identifier: GPL-3.0-or-later
#include "listsheets.h"

namespace preview {

namespace {

// The rules after the opening "#list {...}" rule.
const char plainRules[] =
    " #${widget}::item { background-color: ${backgroundcolor}; color: ${list_text}; height: ${rowheight}px; }"
    "#${widget}::item:selected:!active { background-color: ${list_selected} ; color: ${list_text}; }"
    "#${widget}::item:selected:active { background-color: ${list_focus} ; color: ${list_focustext}; }"
    "#${widget}::item:hover:!selected { background-color: ${list_over} ; color: ${list_text}; }";

const char stripedRules[] =
    " #${widget}::item { background-color: ${backgroundcolor}; color: ${list_text}; height: ${rowheight}px; }"
    "#${widget}::item:alternate { background-color: ${list_stripes}; color: ${list_text}; }"
    "#${widget}::item:selected:!active { background-color: ${list_selected} ; color: ${list_text}; }"
    "#${widget}::item:selected:active { background-color: ${list_focus} ; color: ${list_focustext}; }"
    "#${widget}::item:hover:!selected:!alternate { background-color: ${list_over} ; color: ${list_text}; } "
    "#${widget}::item:hover:!selected:alternate "
    "{ background-color: ${list_overstripes} ; color: ${list_text};  }";

// Both openings are in use: the file list's striped form has one blank after "0px;", every other
// form two.
const char wideOpening[] =
    "#${widget} {border:0px;  background-color: ${backgroundcolor}; font: normal ${font}; }";
const char narrowOpening[] =
    "#${widget} {border:0px; background-color: ${backgroundcolor}; font: normal ${font}; }";

// The played automix row keeps the automix colour unless it holds the active selection.
const char playedRowSheet[] =
    "#${widget} {border:0px;  background-color: ${list_automix}; font: normal ${font}; } "
    "#${widget}::item { background-color: ${list_automix}; color: ${list_text}; height: ${rowheight}px; }"
    "#${widget}::item:selected:!active { background-color: ${list_automix} ; color: ${list_text}; }"
    "#${widget}::item:selected:active { background-color: ${list_focus} ; color: ${list_text}; }"
    "#${widget}::item:hover { background-color: ${list_automix} ; color: ${list_text}; } ";

WidgetSheet filled(const QString &widget, const QString &sheetTemplate, const Lookup &colours)
{
    return {widget, fillTemplate(sheetTemplate, widget, colours)};
}

WidgetSheet stripableList(const QString &widget, bool alternating, const char *stripedOpening,
                          const Lookup &colours)
{
    const QString sheetTemplate =
        alternating ? QLatin1String(stripedOpening) + QLatin1String(stripedRules)
                    : QLatin1String(wideOpening) + QLatin1String(plainRules) + QLatin1Char(' ');
    return filled(widget, sheetTemplate, colours);
}

// The mock shows the browser font 8 px smaller, like the other 20 px texts of the browser.
constexpr int fontDrop = 8;

// A row is a line of the font (1.2 times its size) times the line height percentage, as the host
// sizes its rows; an empty or zero percentage shows as 100, since the build then leaves the skin's.
int rowHeight(const FontSpec &font, int lineHeightPercent)
{
    const int percent = lineHeightPercent > 0 ? lineHeightPercent : 100;
    return qMax(1, qRound((font.size - fontDrop) * 1.2 * percent / 100));
}

} // namespace

Sheets listSheets(const Style &style, int lineHeightPercent, bool alternatingFiles, bool alternatingAutomix)
{
    const QString height = QString::number(rowHeight(style.font(QStringLiteral("skin")), lineHeightPercent));
    const Lookup colours =
        withFont(style, "skin", fontDrop, [height, names = colourNames(style)](const QString &name) {
            return name == QLatin1String("rowheight") ? height : names(name);
        });
    return {
        filled(QStringLiteral("folderList"), QLatin1String(wideOpening) + QLatin1String(plainRules), colours),
        stripableList(QStringLiteral("trackList"), alternatingFiles, narrowOpening, colours),
        stripableList(QStringLiteral("automixList"), alternatingAutomix, wideOpening, colours),
        filled(QStringLiteral("automixPlayedRow"), QLatin1String(playedRowSheet), colours),
    };
}

} // namespace preview
