// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The plugin-zone controls the host cuts out of the skin image: a knob ring, a pointer, a
// value ring and three button states, placed as pluginzone.h says. The editor's knob preview
// draws the same parts, one over the other, as the host shows them.

class QPainter;
class QRect;
class Style;

namespace fxpainter {

// Paints the controls with their top at `row` onto an already started painter.
void paint(QPainter &painter, int row, const Style &style);

// The knob's parts, each in the square `ring` (pluginzone::knobRing wide): the open ring on its
// dark face with the gradient body, the pointer at twelve o'clock, and the value ring over
// `span` sixteenths of a degree from `start` (counter-clockwise from three o'clock).
void knobFace(QPainter &painter, const QRect &ring, const Style &style);
void knobPointer(QPainter &painter, const QRect &ring, const Style &style);
void valueRing(QPainter &painter, const QRect &ring, const Style &style, int start, int span);

// The whole open ring, in QPainter's sixteenths of a degree: its 90-degree gap faces down.
constexpr int ringStart = -45 * 16;
constexpr int ringSpan = 270 * 16;

} // namespace fxpainter
