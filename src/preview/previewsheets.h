// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything the window applies to its preview: the style sheets of the browser mock, its lists,
// its grid page and the plugin zone, and the knob picture. All are pure functions of a Style.

#include "browsersheets.h"
#include "gridsheets.h"
#include "knobimage.h"
#include "listsheets.h"
#include "pluginsheets.h"
