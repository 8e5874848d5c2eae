// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Browser icon sheets: the two built-in ones, and the custom sheet cut out of another skin's image.

#include <QImage>
#include <QRect>
#include <QString>

namespace iconsheets {

inline const QString alternativeSheetPath = QStringLiteral(":/new/images/myfiles/ICONS.png");
inline const QString whiteSheetPath = QStringLiteral(":/new/images/myfiles/ICONSWHITE.png");

// How the host cuts icons out of a sheet: square icons of iconSize, count of them, perRow a row.
struct Layout
{
    int iconSize = 0;
    int count = 0;
    int perRow = 0;
    // The size of the sheet these numbers describe; only meaningful for a layout that was
    // checked against the image limits or is built in.
    int width() const { return iconSize * perRow; }
    int height() const { return iconSize * count / perRow; }
};
// Both built-in sheets are described alike.
constexpr Layout builtInLayout{64, 144, 16};

// The `area` of the image `imageName` (a path an untrusted layout gave) found in `folder`; null
// when that image is missing or the area is empty.
QImage cut(const QString &folder, const QString &imageName, const QRect &area);

} // namespace iconsheets
