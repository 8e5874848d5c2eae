#pragma once

// Grows skin images: an icon sheet below the picture and the painted plugin-zone row.

#include <QImage>
#include <QString>
#include <optional>

class Style;

namespace imagecompositor {

// Rows of a grown skin image of height h: the sheet starts at h+1, the plugin graphics at
// h+601 below a sheet and at h+6 without one.
constexpr int sheetGap = 1;
constexpr int pluginRowBelowSheet = 601;
constexpr int pluginRowWithoutSheet = 6;

// The plugin graphics' row below the picture's top when a sheet of this height is appended:
// a sheet taller than the usual 590 rows pushes them down rather than being painted over.
constexpr int pluginRowBelow(int sheetHeight)
{
    return sheetHeight + sheetGap + 10 > pluginRowBelowSheet ? sheetHeight + sheetGap + 10
                                                             : pluginRowBelowSheet;
}

// A grown image may be larger than any image read (a sheet below a picture), but not without bound.
constexpr qint64 maxCanvasPixels = 150 * 1000 * 1000;

// The size compose() gives for a skin image and sheet of these sizes.
QSize canvasSize(const QSize &skin, const QSize &sheet, std::optional<int> pluginRow);

// The skin image with `sheet` (when not null) drawn below it and the plugin-zone controls
// painted at `pluginRow` (when given). The width stays the skin image's; the height covers
// everything drawn and never cuts the picture. Pixels not drawn are transparent.
QImage compose(const QImage &skin, const QImage &sheet, std::optional<int> pluginRow, const Style &style);

// compose() for the skin image in the file at `path`, cut to its top `picture` rows; null with
// `problem` set when it is missing, over the size limits or cannot be decoded.
QImage composeFile(const QString &path, const QSize &picture, const QImage &sheet,
                   std::optional<int> pluginRow, const Style &style, QString *problem);

// Saves a PNG; returns an empty text or why it could not be written, with the path.
QString writePng(const QImage &image, const QString &path);

// The built-in floating browser image with the controls at its plugin row.
QImage floatingBrowserImage(const Style &style);

} // namespace imagecompositor
