// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What another skin offers, read with the same XML reader as the layouts: the floating windows
// it holds and the custom browser icons it declares.

#include "skin/images/iconsheets.h"
#include "skin/layout/xmltokens.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace sourcescan {

// A top-level layout of an unpacked skin.
struct Layout
{
    QString baseName; // the file name without ".xml"
    xmltokens::Document document;
};

// The top-level XML files of an unpacked skin folder in name order, each read as XML keeping
// the attributes of `keepAttributesOf`. Files that cannot be read as text are left out.
QList<Layout> readLayouts(const QString &folder, const QStringList &keepAttributesOf);

struct Windows
{
    QStringList lines;  // every whole <window> element, its lines in order
    QStringList names;  // their names, in the order found, duplicates kept
    QStringList images; // the images they name, in the order found
    int unfinished = 0; // windows whose file breaks off before their end, left out
};

// The <window> elements (in any case) of the layouts, outside comments and other windows. Only
// whole elements are taken: a window its file leaves open is counted in `unfinished`.
Windows windows(const QList<Layout> &layouts);

// A `<customicons>` declaration of another skin: where its sheet sits in which image.
struct CustomSheet
{
    QString imageName;
    int x = 0;
    int y = 0;
    iconsheets::Layout layout;
};

// The first usable `<customicons>` (or `<Customicons>`) declaration of the layouts, with the
// skin image it refers to. Counts that are missing, not numbers or not positive give no sheet
// (they would size it by a division by zero), and so do counts describing a sheet larger than
// an image may be.
std::optional<CustomSheet> findDeclaration(const QList<Layout> &layouts);

// The element names whose attributes the scans read.
QStringList scannedElements();

} // namespace sourcescan
