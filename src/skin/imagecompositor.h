#pragma once

// Grows skin images: an icon sheet below the picture and the painted plugin-zone row.

#include <QImage>
#include <optional>

class Style;

namespace imagecompositor {

// Rows of a grown skin image of height h: the sheet starts at h+1, the plugin graphics at
// h+601 below a sheet and at h+6 without one.
constexpr int sheetGap = 1;
constexpr int pluginRowBelowSheet = 601;
constexpr int pluginRowWithoutSheet = 6;

// The skin image with `sheet` (when not null) drawn below it and the plugin-zone controls
// painted at `pluginRow` (when given). The width stays the skin image's; the height covers
// everything drawn and never cuts the picture. Pixels not drawn are transparent.
QImage compose(const QImage &skin, const QImage &sheet, std::optional<int> pluginRow, const Style &style);

// The built-in floating browser image with the controls at its plugin row.
QImage floatingBrowserImage(const Style &style);

} // namespace imagecompositor
