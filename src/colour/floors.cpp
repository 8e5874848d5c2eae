// SPDX-License-Identifier: GPL-3.0-or-later
#include "floors.h"

#include "colourvision.h"
#include "style/contrast.h"

#include <algorithm>

namespace floors {

double worstContrast(const QColor &text, const QVector<QColor> &backgrounds)
{
    double worst = 21;
    for (const QColor &b : backgrounds)
        worst = std::min(worst, contrast::ratio(text, b));
    return worst;
}

QColor readable(const QVector<QColor> &backgrounds, const colourspace::Oklab &tint, bool lightText)
{
    for (double l = tint.L; l >= 0 && l <= 1; l += lightText ? 0.01 : -0.01) {
        const QColor c = colourspace::fromOklab({l, tint.a, tint.b});
        if (worstContrast(c, backgrounds) >= leastContrast)
            return c;
    }
    const QColor white(Qt::white), black(Qt::black);
    return worstContrast(white, backgrounds) >= worstContrast(black, backgrounds) ? white : black;
}

bool apart(const QColor &colour, const QVector<QColor> &others)
{
    return std::all_of(others.cbegin(), others.cend(), [&colour](const QColor &o) {
        return colourvision::leastDifference(colour, o) >= statesApart;
    });
}

QColor withLightness(const QColor &c, double lightness)
{
    colourspace::Oklab o = colourspace::oklab(c);
    o.L = std::clamp(lightness, 0.0, 1.0);
    return colourspace::fromOklab(o);
}

std::pair<QColor, QColor> apartPair(const QVector<QColor> &first, const QVector<QColor> &second,
                                    const QVector<QColor> &fixed)
{
    QVector<QColor> seconds;
    for (const QColor &c : second)
        if (apart(c, fixed))
            seconds << c;
    for (const QColor &a : first) {
        if (!apart(a, fixed))
            continue;
        for (const QColor &b : qAsConst(seconds))
            if (apart(b, {a}))
                return {a, b};
    }
    return {first.value(0), second.value(0)};
}

} // namespace floors
