// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheettemplate.h"

namespace preview {

// The sheets of the four list widgets: folders, files, automix list and the automix row being
// played. The file and automix lists get their alternate-row rules only while their
// alternating-rows flag is on; the window turns that flag off when the stripes go transparent.
// The lists use the browser font, their rows as high as the line height percentage makes them.
Sheets listSheets(const Style &style, int lineHeightPercent, bool alternatingFiles, bool alternatingAutomix);

} // namespace preview
