// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheettemplate.h"

namespace preview {

// The browser mock's sheets except the four lists and the grid page: toolbars, column headers,
// scroll bars, separators, info panel, sampler buttons, search box and pre-listen player.
Sheets initguiSheets(const Style &style);

} // namespace preview
