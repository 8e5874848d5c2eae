// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A whole browser style drawn from a skin's palette: grounds from its dominant tones, dark or
// light as the skin is, an accent from its most prominent saturated colour, states as distinct
// lightness steps, and every text readable on every background it is drawn on (colour/floors.h).

#include "skinpalette.h"
#include "style/style.h"

#include <optional>

namespace stylefrompalette {

// All 79 colours of `base` proposed anew from the palette (opaque); its fonts are kept.
// `accent`, when given, replaces the palette's own accent. The same input gives the same style.
Style generate(const QVector<skinpalette::Swatch> &palette, const std::optional<QColor> &accent, Style base);

} // namespace stylefrompalette
