// SPDX-License-Identifier: GPL-3.0-or-later
#include "colourvision.h"

#include "colourspace.h"

#include <algorithm>
#include <initializer_list>

namespace colourvision {
namespace {

using Matrix = double[3][3];

// Full-severity matrices of the model, applied to linear RGB, out = M * (r, g, b).
// clang-format off
const Matrix protanopia = {{0.152286, 1.052583, -0.204868},
                           {0.114503, 0.786281, 0.099216},
                           {-0.003882, -0.048116, 1.051998}};
const Matrix deuteranopia = {{0.367322, 0.860646, -0.227968},
                             {0.280085, 0.672501, 0.047413},
                             {-0.011820, 0.042940, 0.968881}};
const Matrix tritanopia = {{1.255528, -0.076749, -0.178779},
                           {-0.078411, 0.930809, 0.147602},
                           {0.004733, 0.691367, 0.303900}};
// clang-format on

colourspace::Linear times(const Matrix &m, const colourspace::Linear &c)
{
    return {m[0][0] * c.r + m[0][1] * c.g + m[0][2] * c.b, m[1][0] * c.r + m[1][1] * c.g + m[1][2] * c.b,
            m[2][0] * c.r + m[2][1] * c.g + m[2][2] * c.b};
}

// Rows whose colours tell states or marks apart where they meet side by side.
const std::initializer_list<const char *> distinctGroups[] = {
    {"list_over", "list_focus", "list_selected"},
    {"grids_over", "grids_focus", "grids_selected"},
    {"list_download", "list_livefeedback", "list_scan"},
};

} // namespace

QColor simulate(Vision vision, const QColor &c)
{
    if (vision == Vision::Normal || !c.isValid())
        return c;
    const colourspace::Linear in = colourspace::linear(c);
    colourspace::Linear out{};
    switch (vision) {
    case Vision::Protanopia:
        out = times(protanopia, in);
        break;
    case Vision::Deuteranopia:
        out = times(deuteranopia, in);
        break;
    case Vision::Tritanopia:
        out = times(tritanopia, in);
        break;
    case Vision::Achromatopsia: {
        const double y = 0.2126 * in.r + 0.7152 * in.g + 0.0722 * in.b;
        out = {y, y, y};
        break;
    }
    case Vision::Normal:
        break;
    }
    QColor seen = colourspace::fromLinear(out);
    seen.setAlpha(c.alpha());
    return seen;
}

Style simulate(Vision vision, Style style)
{
    for (QColor &c : style.colours)
        c = simulate(vision, c);
    return style;
}

double leastDifference(const QColor &a, const QColor &b)
{
    double least = colourspace::ciede2000(a, b);
    for (Vision vision : simulations)
        least = std::min(least, colourspace::ciede2000(simulate(vision, a), simulate(vision, b)));
    return least;
}

QVector<QPair<int, int>> pairsToTellApart()
{
    // Worked out once: each row asks whether it is in a pair as its page is built.
    static const QVector<QPair<int, int>> pairs = [] {
        QVector<QPair<int, int>> all;
        for (const auto &group : distinctGroups)
            for (auto first = group.begin(); first != group.end(); ++first)
                for (auto second = first + 1; second != group.end(); ++second)
                    all << qMakePair(stylekeys::colourIndex(QLatin1String(*first)),
                                     stylekeys::colourIndex(QLatin1String(*second)));
        return all;
    }();
    return pairs;
}

bool mustStandApart(int key)
{
    const auto pairs = pairsToTellApart();
    return std::any_of(pairs.cbegin(), pairs.cend(),
                       [key](const QPair<int, int> &p) { return p.first == key || p.second == key; });
}

QVector<Confusion> confusions(const Style &style)
{
    QVector<Confusion> found;
    for (const auto &[i, j] : pairsToTellApart()) {
        const QColor a = style.colours[std::size_t(i)], b = style.colours[std::size_t(j)];
        if (colourspace::ciede2000(a, b) < tooClose)
            continue;
        for (Vision vision : simulations) {
            const double seen = colourspace::ciede2000(simulate(vision, a), simulate(vision, b));
            if (seen < tooClose) {
                found << Confusion{vision, i, j, seen};
                break;
            }
        }
    }
    return found;
}

} // namespace colourvision
