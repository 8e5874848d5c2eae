// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheettemplate.h"

namespace preview {

QString fillTemplate(const QString &sheetTemplate, const QString &widget, const Lookup &lookup)
{
    return placeholders::fill(sheetTemplate, [&](const QString &name) {
        return name == QLatin1String("widget") ? widget : lookup(name);
    });
}

Lookup colourNames(const Style &style)
{
    return [&style](const QString &key) {
        return stylekeys::colourIndex(key) < 0 ? QString() : style.colourName(key);
    };
}

void appendSheets(Sheets &sheets, std::initializer_list<const char *> widgets, const QString &sheetTemplate,
                  const Lookup &lookup)
{
    for (const char *widget : widgets) {
        const QString name = QLatin1String(widget);
        sheets.append({name, fillTemplate(sheetTemplate, name, lookup)});
    }
}

QString fontClause(const FontSpec &font, int sizeDrop)
{
    return font.weight + QLatin1Char(' ') + QString::number(font.size - sizeDrop) + QLatin1String("px \"") +
           font.family + QLatin1Char('"');
}

Lookup withFont(const Style &style, const char *fontGroup, int sizeDrop, const Lookup &lookup)
{
    if (!fontGroup)
        return lookup;
    const QString clause = fontClause(style.font(QLatin1String(fontGroup)), sizeDrop);
    return [clause, lookup](const QString &name) {
        return name == QLatin1String("font") ? clause : lookup(name);
    };
}

} // namespace preview
