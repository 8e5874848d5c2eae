// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "style/style.h"

#include <QImage>

namespace preview {

// The plugin zone's knob as the preview shows it: a 200 x 50 picture on the zone background with
// the knob the skin's image holds, turned halfway.
QImage knobImage(const Style &style);

} // namespace preview
