// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colour rows and font rows of the settings pages, built from the key table instead of
// being drawn one by one in the form, into the grids the form gives each column group of a page.
// Building only creates the widgets; the editor connects them, again from the key table, and
// builds a page's rows when the page is first shown.

#include "style/stylekeys.h"

#include <QString>
#include <array>

class ColourSwatch;
class QLabel;
class QPushButton;
class QTabWidget;

struct ColourRow
{
    QLabel *caption;
    QPushButton *transparency; // null for rows without an "x" button
    QPushButton *pick;
    QPushButton *reset;
    ColourSwatch *swatch;
    QLabel *value;
};

struct FontRow
{
    QLabel *caption;
    QPushButton *font;
    QPushButton *reset;
    QLabel *name;
    QLabel *size;
    QLabel *weight;
};

// Indexed like stylekeys::colourKeys and stylekeys::fontGroups.
struct EditorRows
{
    std::array<ColourRow, stylekeys::colourKeyCount> colours;
    std::array<FontRow, stylekeys::fontGroupCount> fonts;
};

// Places the rows that the key table puts on page `page` of settingsTabs into `rows`; the rows
// of other pages are left as they are (null until built).
void buildEditorPage(QTabWidget *settingsTabs, int page, EditorRows &rows);

// A row as the form names it, by its page's tab and its caption: "Lists › Text".
QString rowName(const QTabWidget *settingsTabs, int index, bool font);
// What a font row's value labels say, in the user's language: "Name : Arial", "Size : 9",
// "Weight : Bold" (the weight words of the table files are translated too).
QString fontNameText(const QString &family);
QString fontSizeText(int size);
QString fontWeightText(const QString &weightWord);
