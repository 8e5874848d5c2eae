#include "listsheets.h"

namespace preview {

namespace {

// The rules after the opening "#list {...}" rule.
const char plainRules[] =
    " #${widget}::item { background-color: ${backgroundcolor}; color: ${list_text}; }"
    "#${widget}::item:selected:!active { background-color: ${list_selected} ; color: ${list_text}; }"
    "#${widget}::item:selected:active { background-color: ${list_focus} ; color: ${list_focustext}; }"
    "#${widget}::item:hover:!selected { background-color: ${list_over} ; color: ${list_text}; }";

const char stripedRules[] =
    " #${widget}::item { background-color: ${backgroundcolor}; color: ${list_text}; }"
    "#${widget}::item:alternate { background-color: ${list_stripes}; color: ${list_text}; }"
    "#${widget}::item:selected:!active { background-color: ${list_selected} ; color: ${list_text}; }"
    "#${widget}::item:selected:active { background-color: ${list_focus} ; color: ${list_focustext}; }"
    "#${widget}::item:hover:!selected:!alternate { background-color: ${list_over} ; color: ${list_text}; } "
    "#${widget}::item:hover:!selected:alternate "
    "{ background-color: ${list_overstripes} ; color: ${list_text};  }";

// Both openings are in use: the file list's striped form has one blank after "0px;", every other
// form two.
const char wideOpening[] = "#${widget} {border:0px;  background-color: ${backgroundcolor}; }";
const char narrowOpening[] = "#${widget} {border:0px; background-color: ${backgroundcolor}; }";

// The played automix row keeps the automix colour unless it holds the active selection.
const char playedRowSheet[] =
    "#${widget} {border:0px;  background-color: ${list_automix}; } "
    "#${widget}::item { background-color: ${list_automix}; color: ${list_text}; }"
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

} // namespace

Sheets listSheets(const Style &style, bool alternatingFiles, bool alternatingAutomix)
{
    const Lookup colours = colourNames(style);
    return {
        filled(QStringLiteral("listWidget"), QLatin1String(wideOpening) + QLatin1String(plainRules), colours),
        stripableList(QStringLiteral("listWidget_2"), alternatingFiles, narrowOpening, colours),
        stripableList(QStringLiteral("listWidget_3"), alternatingAutomix, wideOpening, colours),
        filled(QStringLiteral("listWidget_4"), QLatin1String(playedRowSheet), colours),
    };
}

} // namespace preview
