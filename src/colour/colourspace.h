// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Colour spaces for judging colours as people see them: linear RGB (where light adds up and
// the colour-vision models apply), OKLab (even steps of lightness and hue, for clustering and
// for deriving colours) and CIEDE2000 (how different two colours look).

#include <QColor>

namespace colourspace {

struct Linear
{
    double r, g, b; // 0..1 each when in gamut
};

struct Oklab
{
    double L, a, b; // L 0 (black) .. 1 (white)
    double chroma() const;
    double hue() const; // radians
    static Oklab fromLch(double L, double chroma, double hue);
};

Linear linear(const QColor &c);
// Clamped into 0..1 before encoding; the alpha is opaque.
QColor fromLinear(const Linear &c);

Oklab oklab(const QColor &c);
Oklab oklab(const Linear &c);
Linear linear(const Oklab &c);
// The nearest colour of the same lightness and hue that sRGB can show (chroma is given up).
QColor fromOklab(const Oklab &c);

// CIEDE2000 colour difference under D65; about 1 is the smallest difference one can see on
// large patches side by side.
double ciede2000(const QColor &x, const QColor &y);

} // namespace colourspace
