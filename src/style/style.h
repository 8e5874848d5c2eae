// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The current style: 79 colours and 8 font groups, a plain copyable value.

#include "stylekeys.h"

#include <QColor>
#include <QString>
#include <array>

struct FontSpec
{
    QString family;
    QString weight; // "Bold" or "Normal" (as stored; free text when read from a file)
    int size = 0;   // point size

    bool operator==(const FontSpec &o) const
    {
        return family == o.family && weight == o.weight && size == o.size;
    }
    bool operator!=(const FontSpec &o) const { return !(*this == o); }

    // The weight as a QFont weight, and the word stored for one: anything heavier than normal
    // (a demibold too) is "Bold", since the host knows only the two.
    int qtWeight() const;
    static QString weightWord(int qtWeight);
};

class Style
{
public:
    std::array<QColor, stylekeys::colourKeyCount> colours; // in key-table order
    std::array<FontSpec, stylekeys::fontGroupCount> fonts; // in font-table order

    // An unknown key is a programming error (the callers pass literals): it is reported with
    // qCritical, reads as an invalid colour or an empty font, and writes change nothing.
    QColor colour(const QString &key) const;
    void setColour(const QString &key, const QColor &c);
    const FontSpec &font(const QString &prefix) const;
    FontSpec &font(const QString &prefix);

    // The colour as written everywhere: lower-case #rrggbb, or #aarrggbb for the alpha keys.
    // An invalid colour reads #000000 (#ff000000 in the long form).
    QString colourName(const QString &key) const;
};

QString colourName(const QColor &c, bool alpha);
// A key's colour as written and shown: the long form for the alpha keys, and for the rows that
// offer transparency whenever the colour is not opaque, so a transparent choice survives a save;
// the short form otherwise, as files of earlier versions hold it.
QString colourName(const stylekeys::ColourKey &key, const QColor &c);
