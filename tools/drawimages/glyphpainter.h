// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Our browser icons and signs are written as short scripts on a 64 x 64 grid, so a glyph reads as
// a line of data instead of a page of painter calls, and every image is drawn from the same few
// strokes. A script is whitespace-separated: a one-letter command followed by its numbers.
//
// Shapes add to the current path (angles in degrees, counter-clockwise, as QPainterPath takes them):
//   M x y | L x y | C x1 y1 x2 y2 x y | Q cx cy x y | Z      pen moves, lines, curves, close
//   O cx cy r                                               circle
//   E cx cy rx ry                                           ellipse
//   R x y w h radius                                        rounded rectangle
//   A x y w h start sweep                                   arc of the ellipse in the rectangle
//   Y x y w h start sweep head                              the same arc with an arrowhead at its end
//   V x1 y1 x2 y2 head                                      straight arrow pointing at (x2, y2)
//   P cx cy outer inner points                              star polygon, first point straight up
//   N cx cy r1 r2 count start                               radial ticks, e.g. gear teeth
// Settings:
//   W width      stroke width for the following strokes (4.5 to begin with)
//   G angle      rotate the following shapes about the grid centre (G 0 ends it)
// Painting consumes the current path:
//   S stroke   F fill   H fill with the half-tone ink   B half-tone fill, then stroke
//   X erase to transparent (holes, cut lines)

#include <QColor>

class QPainter;

struct GlyphInk
{
    QColor colour;
    // Glyphs shown much smaller than the grid need heavier strokes to stay legible.
    qreal strokeScale = 1.0;
};

// Paints a script with the painter's current transform; a malformed script is a fault in our own
// data and stops the program.
void paintGlyph(QPainter &painter, const char *script, const GlyphInk &ink);
