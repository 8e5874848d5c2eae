#pragma once

#include "style/style.h"

#include <QImage>

namespace preview {

// The plugin zone's knob as the preview shows it: a 200 x 50 picture on the zone background with
// an open ring, its value arc from twelve o'clock to the ring's left end, the gradient knob body
// and the pointer.
QImage knobImage(const Style &style);

} // namespace preview
