// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A whole browser style drawn from a colour scheme, the scheme's roles kept: base00 is the
// browser's ground, base01 the panels and the over state, base02 the selection, base03 greyed
// text, base05 the text, base08..base0F the accents. A scheme colour moves only as far as the
// floors of colour/floors.h need; the rows no role names are drawn as from a skin's palette.

#include "scheme.h"
#include "style/style.h"

#include <QVector>

namespace stylefromscheme {

// All 79 colours of `base` drawn from the scheme (opaque); its fonts are kept. A palette without
// roles is ranked as a skin's palette is and drawn the same way.
Style generate(const scheme::Scheme &scheme, Style base);

// The style's colours in the base16 roles, named `name` (an export names it as its file).
scheme::Scheme fromStyle(const Style &style, const QString &name);

// For each role of a base16 or base24 scheme, the largest CIEDE2000 difference between its colour
// and a row of the style that it colours (0 for a role that colours no row); nothing for a palette.
QVector<double> roleChanges(const scheme::Scheme &scheme, const Style &style);

} // namespace stylefromscheme
