#pragma once

// The plugin-zone controls the host cuts out of the skin image: a knob ring, a pointer, a
// value arc and three button states, placed as pluginzone.h says.

class QPainter;
class Style;

namespace fxpainter {

// Paints the controls with their top at `row` onto an already started painter.
void paint(QPainter &painter, int row, const Style &style);

} // namespace fxpainter
