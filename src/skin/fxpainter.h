#pragma once

// The plugin-zone controls the host cuts out of the skin image: a knob ring, a pointer, a
// value arc and three button states. The positions match the <pluginzone> block that
// browserblock writes for the same row.

class QPainter;
class Style;

namespace fxpainter {

// Height of the painted row below its top.
constexpr int rowHeight = 60;

// Paints the controls with their top at `row` onto an already started painter.
void paint(QPainter &painter, int row, const Style &style);

} // namespace fxpainter
