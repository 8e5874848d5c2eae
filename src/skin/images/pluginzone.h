// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where things sit in a grown skin image: the icon sheet below the picture, and the row of
// plugin-zone controls that fxpainter paints and that the browser block tells the host to cut
// out. Both sides read their positions from here, so the painted controls and the frames the
// host cuts cannot drift apart.

#include <optional>

namespace pluginzone {

// The sheet starts one row below the picture and adds ten rows to the image beyond its own height.
constexpr int sheetGap = 1;
constexpr int sheetSpace = 10;

// The controls' row: 601 rows below the picture's top when a sheet is appended (further down
// when the sheet is taller than the usual 590 rows, rather than painting over it), 6 without.
constexpr int rowBelowSheet = 601;
constexpr int rowWithoutSheet = 6;
constexpr int row(int pictureHeight, std::optional<int> sheetHeight)
{
    if (!sheetHeight)
        return pictureHeight + rowWithoutSheet;
    return pictureHeight + (*sheetHeight + sheetGap + sheetSpace > rowBelowSheet
                                ? *sheetHeight + sheetGap + sheetSpace
                                : rowBelowSheet);
}

// The row inside the floating browser's own image.
constexpr int floatingRow = 210;

// Height of the painted controls below their row.
constexpr int rowHeight = 60;

// Each control has its frames (off, on, over, ...) side by side, this far apart.
constexpr int frameStep = 50;

// Knob frames are cut as squares from this column, starting this far above and left of the
// painted ring.
constexpr int knobX = 10;
constexpr int knobInset = 3;
constexpr int knobFrame = 47;
constexpr int knobRing = 40;

// Button frames are cut one pixel around the painted buttons, the first at this column.
constexpr int buttonX = 170;
constexpr int buttonInset = 1;
constexpr int buttonWidth = 45;
constexpr int buttonHeight = 25;

} // namespace pluginzone
