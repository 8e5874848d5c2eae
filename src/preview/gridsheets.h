// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheettemplate.h"

namespace preview {

// The grid page: its background, then the four track cards (normal, mouse over, selected without
// focus, selected with focus), each with its own background, texts and strike-line colours.
Sheets gridSheets(const Style &style);

} // namespace preview
