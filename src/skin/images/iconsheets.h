#pragma once

// Browser icon sheets: the two built-in ones and the custom sheet another skin declares
// with its `<customicons` line.

#include "skin/skinbuildoptions.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

namespace iconsheets {

inline const QString alternativeSheetPath = QStringLiteral(":/new/images/myfiles/ICONS.png");
inline const QString whiteSheetPath = QStringLiteral(":/new/images/myfiles/ICONSWHITE.png");

// How the host cuts icons out of a sheet: square icons of iconSize, count of them, perRow a row.
struct Layout
{
    int iconSize = 0;
    int count = 0;
    int perRow = 0;
    // The size of the sheet these numbers describe; only meaningful for a layout that passed
    // parseDeclaration or is built in.
    int width() const { return iconSize * perRow; }
    int height() const { return iconSize * count / perRow; }
};
// Both built-in sheets are described alike.
constexpr Layout builtInLayout{64, 144, 16};

// A `<customicons` declaration of another skin: where its sheet sits in which image.
struct CustomSheet
{
    QString imageName;
    int x = 0;
    int y = 0;
    Layout layout;
};

// The declaration on a `<customicons` (or `<Customicons`) line. Counts that are missing,
// not numbers or not positive give no sheet (they would size it by a division by zero), and
// so do counts describing a sheet larger than an image may be.
std::optional<CustomSheet> parseDeclaration(const QString &line, const QString &imageName);

// The first usable declaration in the XML files of an unpacked skin folder (top level,
// name order), with the skin image it refers to.
std::optional<CustomSheet> findDeclaration(const QString &folder);

// The sheet's pixels cut out of the skin image found in `folder`; null when that image is
// missing or the area is empty.
QImage cut(const CustomSheet &sheet, const QString &folder);

// The layout written on the skin's new `<customicons` line, when the option appends a sheet.
std::optional<Layout> appendedLayout(IconSet set, const std::optional<CustomSheet> &custom);

// The built-in sheet an option appends; null for the others.
QImage builtInSheet(IconSet set);

} // namespace iconsheets
