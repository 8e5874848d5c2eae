// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Style-sheet templates with named placeholders, and the (widget, sheet) lists the window applies.

#include "style/placeholders.h"
#include "style/style.h"

#include <QString>
#include <QVector>
#include <initializer_list>

namespace preview {

struct WidgetSheet
{
    QString widget; // object name
    QString sheet;
};
using Sheets = QVector<WidgetSheet>; // in the order they are applied

using placeholders::Lookup;

// Replaces ${widget} by the widget's object name and every other ${name} by lookup(name).
QString fillTemplate(const QString &sheetTemplate, const QString &widget, const Lookup &lookup);

// ${key} reads the style's colour name of that key (#aarrggbb for the alpha keys). The lookup
// refers to the style, which must outlive it.
Lookup colourNames(const Style &style);

// One sheet per widget, each filled for its own object name.
void appendSheets(Sheets &sheets, std::initializer_list<const char *> widgets, const QString &sheetTemplate,
                  const Lookup &lookup);

// The part of a font declaration after "font: normal ": weight word, size minus `sizeDrop` in px
// (not clamped, so a small size may give 0 or less), family in double quotes.
QString fontClause(const FontSpec &font, int sizeDrop);

// ${font} reads the font clause of `fontGroup` (a font prefix) lowered by `sizeDrop`; every other
// name goes to `lookup`. With no group the lookup is returned as it is.
Lookup withFont(const Style &style, const char *fontGroup, int sizeDrop, const Lookup &lookup);

} // namespace preview
