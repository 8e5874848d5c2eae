#include "style.h"

QString colourName(const QColor &c, bool alpha)
{
    if (!c.isValid())
        return alpha ? QStringLiteral("#ff000000") : QStringLiteral("#000000");
    return c.name(alpha ? QColor::HexArgb : QColor::HexRgb);
}

QString Style::colourName(const QString &key) const
{
    const int i = stylekeys::colourIndex(key);
    return ::colourName(colours[std::size_t(i)], stylekeys::colourKeys[i].alpha);
}
