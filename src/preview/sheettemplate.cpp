#include "sheettemplate.h"

namespace preview {

QString fillTemplate(const QString &sheetTemplate, const QString &widget, const Lookup &lookup)
{
    static const QLatin1String open("${");
    static const QLatin1String widgetName("widget");

    QString text;
    text.reserve(sheetTemplate.size() * 2);
    int done = 0;
    for (int start = sheetTemplate.indexOf(open); start >= 0; start = sheetTemplate.indexOf(open, done)) {
        const int end = sheetTemplate.indexOf(QLatin1Char('}'), start);
        if (end < 0)
            break;
        text += sheetTemplate.midRef(done, start - done);
        const QString name = sheetTemplate.mid(start + 2, end - start - 2);
        const QString value = name == widgetName ? widget : lookup(name);
        if (value.isNull())
            text += sheetTemplate.midRef(start, end + 1 - start);
        else
            text += value;
        done = end + 1;
    }
    text += sheetTemplate.midRef(done);
    return text;
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

} // namespace preview
