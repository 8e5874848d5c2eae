// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a style looks to people with a colour-vision deficiency (the Machado, Oliveira and
// Fernandes model at full severity, and luminance alone for achromatopsia), and which rows that
// must be told apart side by side then look alike.

#include "style/style.h"

#include <QColor>
#include <QVector>

namespace colourvision {

enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };
constexpr Vision simulations[] = {Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia,
                                  Vision::Achromatopsia};

// The colour as seen; the alpha is kept.
QColor simulate(Vision vision, const QColor &c);
// Every colour of the style as seen; the fonts are kept.
Style simulate(Vision vision, Style style);

// Below this CIEDE2000 difference two rows count as hard to tell apart. About 1 is the least
// difference seen between large patches side by side; a list row's ground or a mark a few
// pixels wide, taken in at a glance while reading, needs several times that. 10 is where
// colours stop reading as "the same colour, a little lighter" and start to read as different.
constexpr double tooClose = 10.0;

// The least CIEDE2000 difference between the two colours under normal vision and every
// simulation.
double leastDifference(const QColor &a, const QColor &b);

struct Confusion
{
    Vision vision; // the first simulation under which the pair is too close
    int first;     // key-table indexes of the two rows
    int second;
    double difference; // CIEDE2000 under that simulation
};

// The pairs of rows (key-table indexes) that must be told apart side by side: the list and
// grid states over, focus and selected, and the Download, Live Feedback and Scan marks.
QVector<QPair<int, int>> pairsToTellApart();
// Whether the row is in one of those pairs.
bool mustStandApart(int key);

// Pairs of rows that must be told apart which look distinct with normal vision but too close
// under some simulation. Pairs already alike with normal vision were chosen so and are left out.
QVector<Confusion> confusions(const Style &style);

} // namespace colourvision
