// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Grows skin images: an icon sheet below the picture and the painted plugin-zone row.

#include "support/result.h"

#include <QImage>
#include <QString>
#include <optional>

class Style;
namespace codedrows {
struct Found;
}
namespace pngwriter {
struct Above;
struct Written;
} // namespace pngwriter

namespace imagecompositor {

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

// The built-in floating browser image.
inline const QString floatingBrowserPath = QStringLiteral(":/new/images/myfiles/browserfloat.png");

// Why an image could not be written, with its path.
QString cannotWrite(const QString &path, const QString &why);

// Saves a PNG, below `above` when given and with the chunks that describe the picture in
// `describedBy` (a PNG file) when given; a failure says why it could not be written, with the
// path. `written`, when given, gets the file's length and CRC-32.
Result<void> writePng(const QImage &image, const QString &path, const pngwriter::Above *above = nullptr,
                      const QString &describedBy = QString(), pngwriter::Written *written = nullptr);

// What composeFile() and writePng() give for the `picture` at the top of `source`, with the
// picture's coded rows (found as `rows`) carried over as they are and only the rows below it
// coded. Returns the outcome of the write, or nothing when the rows cannot be carried over
// (nothing grows, no block ends where the picture does, or the file is no longer what was
// found): the image is then decoded and coded whole.
std::optional<Result<void>> writeCarriedOver(const QString &source, const codedrows::Found &rows,
                                             const QSize &picture, const QImage &sheet,
                                             std::optional<int> pluginRow, const Style &style,
                                             const QString &target, pngwriter::Written *written = nullptr);

// The built-in floating browser image with the controls at its plugin row.
QImage floatingBrowserImage(const Style &style);

} // namespace imagecompositor
