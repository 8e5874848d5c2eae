// SPDX-License-Identifier: GPL-3.0-or-later
#include "styledocument.h"

#include "editcommand.h"

#include <QUndoStack>

StyleDocument::StyleDocument(QObject *parent) : QObject(parent), m_history(new QUndoStack(this)) {}

ValueChanges StyleDocument::everything()
{
    ValueChanges all;
    for (int key = 0; key < stylekeys::colourKeyCount; ++key)
        all.colours << key;
    for (int group = 0; group < stylekeys::fontGroupCount; ++group)
        all.fonts << group;
    all.lineHeight = true;
    return all;
}

void StyleDocument::takeTable(const StyleTable &table)
{
    m_table = table;
    m_values = {tablefile::derive(m_table), tablefile::tableLineHeight(m_table)};
    emit changed(everything());
}

void StyleDocument::record(const EditorValues &before, const EditorValues &after, const QString &text,
                           int mergeKey)
{
    if (changesBetween(before, after).isEmpty())
        return;
    m_history->push(
        new EditCommand([this](const EditorValues &shown) { show(shown); }, before, after, text, mergeKey));
}

void StyleDocument::show(const EditorValues &shown)
{
    const ValueChanges changes = changesBetween(m_values, shown);
    m_values = shown;
    // The row states follow the values, so even an edit that lands where the values are is told.
    emit changed(changes);
}
