#pragma once

// The two floors every generated style keeps, shared by the styles drawn from a skin's palette
// and from a colour scheme: texts readable on what they are drawn on, and states and marks that
// stay apart for every eye.

#include "colourspace.h"

#include <QColor>
#include <QVector>
#include <optional>

namespace floors {

// Every text colour reaches at least this contrast on each of its backgrounds.
constexpr double leastContrast = 4.5;
// The list and grid states over, focus and selected, and the Download, Live Feedback and Scan
// marks, differ at least this much (CIEDE2000) under normal vision and every colour-vision
// simulation.
constexpr double statesApart = 11.0;

// The lowest contrast of the text on any of the backgrounds (21 when there are none).
double worstContrast(const QColor &text, const QVector<QColor> &backgrounds);

// From the tint's lightness toward white (or black), the first colour that reads on every
// background; white or black, whichever reads better, when none of the tint does.
QColor readable(const QVector<QColor> &backgrounds, const colourspace::Oklab &tint, bool lightText);

// Whether the colour stands `statesApart` from each of `others` for every eye.
bool apart(const QColor &colour, const QVector<QColor> &others);

// The colour `make` gives for a lightness in [low, high], nearest `start`, that stays apart from
// each of `others`; nothing when no lightness there does.
template <typename Make>
std::optional<QColor> nearestApart(const QVector<QColor> &others, const Make &make, double start, double low,
                                   double high)
{
    for (int k = 0; k <= 100; ++k) {
        for (const double sign : {1.0, -1.0}) {
            const double l = start + sign * k * 0.01;
            if (l < low || l > high || (k == 0 && sign < 0))
                continue;
            const QColor c = make(l);
            if (apart(c, others))
                return c;
        }
    }
    return std::nullopt;
}

} // namespace floors
