// SPDX-License-Identifier: GPL-3.0-or-later
#include "styleedit.h"

#include <QCoreApplication>

namespace {
struct LinkedRows
{
    int infoBackground, stripes, over, overStripes;
};

const LinkedRows &linked()
{
    const auto index = [](const char *key) { return stylekeys::colourIndex(QLatin1String(key)); };
    static const LinkedRows rows{index("info_background"), index("list_stripes"), index("list_over"),
                                 index("list_overstripes")};
    return rows;
}

QColor &colourAt(Style &style, int key)
{
    return style.colours[std::size_t(key)];
}

QString keyName(int key)
{
    return QLatin1String(stylekeys::colourKeys[key].key);
}
} // namespace

RowStates rowStates(const Style &style, const StyleTable &table)
{
    RowStates states;
    states.stripesShown = style.colours[std::size_t(linked().stripes)].alpha() != 0;
    for (int key = 0; key < stylekeys::colourKeyCount; ++key) {
        const QColor &current = style.colours[std::size_t(key)];
        // The info background is compared as text, so a table value written in another form
        // (upper case, with alpha) offers a reset back to exactly what the table says.
        states.colourModified[std::size_t(key)] =
            key == linked().infoBackground ? colourName(current, false) != table.value(keyName(key))
                                           : current != tablefile::tableColour(table, keyName(key));
    }
    if (!states.stripesShown)
        states.colourModified[std::size_t(linked().overStripes)] = false;
    for (int group = 0; group < stylekeys::fontGroupCount; ++group)
        states.fontModified[std::size_t(group)] =
            style.fonts[std::size_t(group)] != tablefile::tableFont(table, stylekeys::fontGroups[group]);
    return states;
}

ValueChanges changesBetween(const EditorValues &before, const EditorValues &after)
{
    ValueChanges changes;
    for (int key = 0; key < stylekeys::colourKeyCount; ++key)
        if (before.style.colours[std::size_t(key)] != after.style.colours[std::size_t(key)])
            changes.colours << key;
    for (int group = 0; group < stylekeys::fontGroupCount; ++group)
        if (before.style.fonts[std::size_t(group)] != after.style.fonts[std::size_t(group)])
            changes.fonts << group;
    changes.lineHeight = before.lineHeight != after.lineHeight;
    return changes;
}

StyleEdit StyleEdit::pickColour(int key, const QColor &colour)
{
    return StyleEdit(Kind::PickColour, key, colour);
}

StyleEdit StyleEdit::makeTransparent(int key)
{
    return StyleEdit(Kind::Transparent, key);
}

StyleEdit StyleEdit::resetColour(int key)
{
    return StyleEdit(Kind::ResetColour, key);
}

StyleEdit StyleEdit::pickFont(int group, const FontSpec &font)
{
    return StyleEdit(Kind::PickFont, group, {}, font);
}

StyleEdit StyleEdit::resetFont(int group)
{
    return StyleEdit(Kind::ResetFont, group);
}

StyleEdit StyleEdit::setLineHeight(int percent)
{
    return StyleEdit(Kind::LineHeight, -1, {}, {}, percent);
}

StyleEdit StyleEdit::resetLineHeight()
{
    return setLineHeight(lineheight::standard);
}

// While the stripes are transparent the list draws no alternate lines, so the over-stripes
// colour follows the over colour. Neither the stripes pick nor its reset gives the over
// stripes their own colour back: that row keeps the over colour until it is edited itself.
void StyleEdit::applyColour(Style &style, const StyleTable &table) const
{
    QColor &target = colourAt(style, index);
    switch (kind) {
    case Kind::PickColour:
        target = colour;
        break;
    case Kind::ResetColour:
        target = tablefile::tableColour(table, keyName(index));
        break;
    default:
        target = QColor(Qt::transparent);
        break;
    }
    const bool stripesHidden = colourAt(style, linked().stripes).alpha() == 0;
    const bool overCarriesAcross = index == linked().over && kind != Kind::Transparent;
    if ((index == linked().stripes && kind == Kind::Transparent) || (overCarriesAcross && stripesHidden))
        colourAt(style, linked().overStripes) = colourAt(style, linked().over);
}

StyleEdit::Result StyleEdit::apply(const EditorValues &values, const StyleTable &table) const
{
    Result result{values, {}, {}};
    switch (kind) {
    case Kind::PickFont:
        result.values.style.fonts[std::size_t(index)] = font;
        break;
    case Kind::ResetFont:
        result.values.style.fonts[std::size_t(index)] =
            tablefile::tableFont(table, stylekeys::fontGroups[index]);
        break;
    case Kind::LineHeight:
        result.values.lineHeight = percent;
        break;
    default:
        applyColour(result.values.style, table);
        break;
    }
    result.changes = changesBetween(values, result.values);
    result.states = rowStates(result.values.style, table);
    return result;
}

QString StyleEdit::description(const std::function<QString(int index, bool font)> &rowName) const
{
    switch (kind) {
    case Kind::PickColour:
        return tr("%1 colour").arg(rowName(index, false));
    case Kind::Transparent:
        return tr("%1 transparent").arg(rowName(index, false));
    case Kind::ResetColour:
        return tr("Reset %1").arg(rowName(index, false));
    case Kind::PickFont:
        return tr("%1 font").arg(rowName(index, true));
    case Kind::ResetFont:
        return tr("Reset %1 font").arg(rowName(index, true));
    case Kind::LineHeight:
        return tr("Line height");
    }
    return QString();
}
