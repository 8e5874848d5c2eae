// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How readable the browser's texts are on what they are drawn on (WCAG 2 contrast ratio), so the
// editor can warn before a skin is built with unreadable colours.

#include "style.h"

#include <QVector>

namespace contrast {

// Below this a text-colour row shows its warning sign.
constexpr double warnBelow = 3.0;

// 1 (same luminance) to 21 (black on white); both colours taken as opaque and as written, each
// channel rounded to 8 bits.
double ratio(const QColor &a, const QColor &b);

struct Hint
{
    int key;            // the text colour's index in the key table
    double ratio;       // on the background where it reads worst
    QString background; // that background's key
};

// The key-table indexes of the text colours, which get a warning sign.
QVector<int> textKeys();

// Each text colour with the backgrounds it is drawn on, as key-table indexes.
struct TextOnGrounds
{
    int text;
    QVector<int> backgrounds;
};
QVector<TextOnGrounds> table();

// One entry per text colour whose every background can be known: a translucent background is
// seen over the browser background, and over the skin's own picture (unknown) when that is
// translucent too, in which case the pair is left out.
QVector<Hint> hints(const Style &style);

} // namespace contrast
