// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The browser's line height, in percent of the host's own: what the editor, profiles, skins and
// the command line all take.

namespace lineheight {

constexpr int standard = 100; // the host's own; a skin or profile without one has it
constexpr int smallest = 1;
constexpr int largest = 999;

constexpr bool inRange(int percent)
{
    return percent >= smallest && percent <= largest;
}

} // namespace lineheight
