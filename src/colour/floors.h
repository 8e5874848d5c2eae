// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two floors every generated style keeps, shared by the styles drawn from a skin's palette
// and from a colour scheme: texts readable on what they are drawn on, and states and marks that
// stay apart for every eye.

#include "colourspace.h"

#include <QColor>
#include <QPair>
#include <QVector>
#include <algorithm>
#include <optional>
#include <utility>

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

// The colour at another OKLab lightness (clamped to 0..1), its hue and chroma kept as far as
// sRGB allows.
QColor withLightness(const QColor &c, double lightness);

// What `sources` can become, least moved (CIEDE2000) first: themselves, their hue at every
// lightness, and greys (alike in hue to every eye, but apart in lightness for all of them). `fit`
// keeps a choice usable where it is drawn.
template <typename Fit> QVector<QColor> choices(const QVector<QColor> &sources, const Fit &fit)
{
    QVector<QPair<double, QColor>> found;
    const auto add = [&](const QColor &c) {
        const QColor fitted = fit(c);
        double move = 1e9;
        for (const QColor &source : sources)
            move = std::min(move, colourspace::ciede2000(source, fitted));
        found << qMakePair(move, fitted);
    };
    for (const QColor &source : sources) {
        add(source);
        for (int step = 0; step <= 100; ++step)
            add(withLightness(source, step * 0.01));
    }
    for (int step = 0; step <= 100; ++step)
        add(colourspace::fromOklab({step * 0.01, 0, 0}));
    std::stable_sort(found.begin(), found.end(),
                     [](const auto &x, const auto &y) { return x.first < y.first; });
    QVector<QColor> ordered;
    for (const auto &choice : qAsConst(found))
        if (!ordered.contains(choice.second))
            ordered << choice.second;
    return ordered;
}

// A choice of each that stands apart from `fixed` and from the other: the least moved of `first`
// for which some choice of `second` does, with the least moved of those. Among greys spread over
// the lightness a text's grounds may take there is always such a pair; the first choices come
// back only when none was given.
std::pair<QColor, QColor> apartPair(const QVector<QColor> &first, const QVector<QColor> &second,
                                    const QVector<QColor> &fixed);

} // namespace floors
