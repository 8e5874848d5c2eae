// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheettemplate.h"

namespace preview {

// The plugin zone mock: frame, background, title, parameter name and value, text string and the
// effect button with its normal, hover and pressed gradients.
Sheets pluginSheets(const Style &style);

} // namespace preview
