// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// The editing rules of the colour and font rows, as values: an edit applied to what the editor
// holds gives the new values, what changed and the state every row should show. The window only
// displays the result, and undo is a stack of before/after values.

#include "lineheight.h"
#include "style.h"
#include "tablefile.h"

#include <QCoreApplication>
#include <QVector>
#include <array>

// Everything the editor rows edit: the style and the line height in percent (0 while its field
// is empty).
struct EditorValues
{
    Style style;
    int lineHeight = lineheight::standard;
};

// What the rows show besides their values. Computed from the values and the active table
// alone, so every way of reaching a style (edit, undo, load, theme switch) shows the same.
struct RowStates
{
    std::array<bool, stylekeys::colourKeyCount> colourModified{}; // the row's reset button is usable
    std::array<bool, stylekeys::fontGroupCount> fontModified{};
    // Transparent stripes mean no alternate lines: the over-stripes row is then out of use.
    bool stripesShown = true;

    bool operator==(const RowStates &o) const
    {
        return colourModified == o.colourModified && fontModified == o.fontModified &&
               stripesShown == o.stripesShown;
    }
};

struct ValueChanges
{
    QVector<int> colours; // key-table indexes
    QVector<int> fonts;   // font-group indexes
    bool lineHeight = false;
    bool isEmpty() const { return colours.isEmpty() && fonts.isEmpty() && !lineHeight; }
};

RowStates rowStates(const Style &style, const StyleTable &table);
ValueChanges changesBetween(const EditorValues &before, const EditorValues &after);

class StyleEdit
{
    Q_DECLARE_TR_FUNCTIONS(StyleEdit)

public:
    static StyleEdit pickColour(int key, const QColor &colour);
    static StyleEdit makeTransparent(int key);
    static StyleEdit resetColour(int key);
    static StyleEdit pickFont(int group, const FontSpec &font);
    static StyleEdit resetFont(int group);
    static StyleEdit setLineHeight(int percent);
    static StyleEdit resetLineHeight();

    struct Result
    {
        EditorValues values;
        ValueChanges changes;
        RowStates states;
    };
    Result apply(const EditorValues &values, const StyleTable &table) const;

    // Short words for the undo menu naming the row as a person reads it, e.g. "Lists › Text
    // colour": `rowName` names a colour key's row, or a font group's with `font` set.
    QString description(const std::function<QString(int index, bool font)> &rowName) const;

private:
    enum class Kind { PickColour, Transparent, ResetColour, PickFont, ResetFont, LineHeight };
    StyleEdit(Kind what, int row, const QColor &newColour = {}, const FontSpec &newFont = {},
              int newPercent = 0)
        : kind(what), index(row), colour(newColour), font(newFont), percent(newPercent)
    {
    }
    void applyColour(Style &style, const StyleTable &table) const;

    Kind kind;
    int index;
    QColor colour;
    FontSpec font;
    int percent;
};
