#include "style.h"

QString colourName(const QColor &c, bool alpha)
{
    if (!c.isValid())
        return alpha ? QStringLiteral("#ff000000") : QStringLiteral("#000000");
    return c.name(alpha ? QColor::HexArgb : QColor::HexRgb);
}

QString colourName(const stylekeys::ColourKey &key, const QColor &c)
{
    const bool offersTransparency = *key.transparency != '\0';
    return colourName(c, key.alpha || (offersTransparency && c.isValid() && c.alpha() != 255));
}

QString Style::colourName(const QString &key) const
{
    const int i = stylekeys::colourIndex(key);
    return ::colourName(stylekeys::colourKeys[i], colours[std::size_t(i)]);
}
