// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's compiled-in images, drawn by our own code. The generator writes them into
// resources/myfiles; the resources test draws them again and compares with the committed files.

#include <QImage>
#include <array>

namespace artwork {

// The browser icon sheets: 144 icons of 64 x 64 in 9 rows of 16 from the top-left corner, the rest
// of the sheet transparent. Light glyphs for dark browsers, dark glyphs for white browsers.
QImage alternativeIconSheet();
QImage whiteIconSheet();

// Background of the floating browser window, with its title strip and toggle button.
QImage floatingBrowser();

// The small signs beside options, and the program's logo. The signs are 21 pixels a side at scale
// 1; the files "name@2x.png" and "name@3x.png" hold them for screens of that many pixels a point.
QImage helpSign(int scale = 1);
QImage warningSign(int scale = 1);
// The mark inside a checked check box of the dark theme, whose box is white.
QImage checkMark();
QImage logo();

struct File
{
    const char *name; // file name in resources/myfiles
    QImage (*draw)();
};

inline constexpr std::array<File, 11> files{{
    {"ICONS.png", alternativeIconSheet},
    {"ICONSWHITE.png", whiteIconSheet},
    {"browserfloat.png", floatingBrowser},
    {"question.png", [] { return helpSign(); }},
    {"question@2x.png", [] { return helpSign(2); }},
    {"question@3x.png", [] { return helpSign(3); }},
    {"Warning.png", [] { return warningSign(); }},
    {"Warning@2x.png", [] { return warningSign(2); }},
    {"Warning@3x.png", [] { return warningSign(3); }},
    {"quillologo.png", logo},
    {"checkmark.png", checkMark},
}};

} // namespace artwork
