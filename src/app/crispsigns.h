// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The small signs beside options are bitmaps drawn for one, two and three device pixels a point
// (the resource "x.png" and beside it "x@2x.png", "x@3x.png"). Enlarging the one-pixel drawing on
// a screen scaled by 2 blurs it; a label is given the drawing made for its screen instead.

#include <QPixmap>

class QLabel;
class QWidget;

// The sign `resource` at `size` points, for a screen of `devicePixelRatio` device pixels a point:
// the drawing made for that ratio, or the next finer one reduced to it.
QPixmap signPixmap(const QString &resource, int size, qreal devicePixelRatio);

// Shows the sign on `label` at `size` points, drawn for the screen of its window, now and after
// keepSignsCrisp's window moves to a screen of another scale.
void showCrispSign(QLabel *label, const QString &resource, int size);

// Every label under `window` whose pixmap is one of the signs as the form loads them gets the
// drawing for the window's screen, and again whenever the window changes screens.
void keepSignsCrisp(QWidget *window);
