// SPDX-License-Identifier: GPL-3.0-or-later
#include "style.h"

#include <QDebug>
#include <QFont>

namespace {
int checkedColourIndex(const QString &key)
{
    const int i = stylekeys::colourIndex(key);
    if (i < 0)
        qCritical("Unknown colour key \"%s\"", qPrintable(key));
    return i;
}

int checkedFontGroupIndex(const QString &prefix)
{
    const int i = stylekeys::fontGroupIndex(prefix);
    if (i < 0)
        qCritical("Unknown font group \"%s\"", qPrintable(prefix));
    return i;
}
} // namespace

QString colourName(const QColor &c, bool alpha)
{
    if (!c.isValid())
        return alpha ? QStringLiteral("#ff000000") : QStringLiteral("#000000");
    return c.name(alpha ? QColor::HexArgb : QColor::HexRgb);
}

QString colourName(const stylekeys::ColourKey &key, const QColor &c)
{
    return colourName(c, key.alpha || (key.transparent && c.isValid() && c.alpha() != 255));
}

QColor Style::colour(const QString &key) const
{
    const int i = checkedColourIndex(key);
    return i < 0 ? QColor() : colours[std::size_t(i)];
}

void Style::setColour(const QString &key, const QColor &c)
{
    const int i = checkedColourIndex(key);
    if (i >= 0)
        colours[std::size_t(i)] = c;
}

const FontSpec &Style::font(const QString &prefix) const
{
    static const FontSpec none;
    const int i = checkedFontGroupIndex(prefix);
    return i < 0 ? none : fonts[std::size_t(i)];
}

FontSpec &Style::font(const QString &prefix)
{
    // A write through an unknown prefix lands here and is dropped with the next lookup.
    static FontSpec scratch;
    const int i = checkedFontGroupIndex(prefix);
    if (i >= 0)
        return fonts[std::size_t(i)];
    scratch = FontSpec();
    return scratch;
}

int FontSpec::qtWeight() const
{
    return weight == QLatin1String("Bold") ? QFont::Bold : QFont::Normal;
}

QString FontSpec::weightWord(int qtWeight)
{
    return qtWeight <= QFont::Normal ? QStringLiteral("Normal") : QStringLiteral("Bold");
}

QString Style::colourName(const QString &key) const
{
    const int i = checkedColourIndex(key);
    if (i < 0)
        return QString();
    return ::colourName(stylekeys::colourKeys[i], colours[std::size_t(i)]);
}
