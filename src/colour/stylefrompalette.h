#pragma once

// A whole browser style drawn from a skin's palette: grounds from its dominant tones, dark or
// light as the skin is, an accent from its most prominent saturated colour, states as distinct
// lightness steps, and every text readable on every background it is drawn on.

#include "skinpalette.h"
#include "style/style.h"

#include <optional>

namespace stylefrompalette {

// Every text colour reaches at least this contrast on each of its backgrounds.
constexpr double leastContrast = 4.5;
// The list and grid states over, focus and selected, and the Download, Live Feedback and Scan
// marks, differ at least this much (CIEDE2000) under normal vision and every colour-vision
// simulation.
constexpr double statesApart = 11.0;

// All 79 colours of `base` proposed anew from the palette (opaque); its fonts are kept.
// `accent`, when given, replaces the palette's own accent. The same input gives the same style.
Style generate(const QVector<skinpalette::Swatch> &palette, const std::optional<QColor> &accent, Style base);

} // namespace stylefrompalette
