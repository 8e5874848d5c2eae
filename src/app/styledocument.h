// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The style being edited: its values (the Style and the line height), the table they were read
// from (what each row resets to), and the undo history. Panels read it and edit it; it says what
// changed, and every view of the values follows that one signal.

#include "style/styleedit.h"
#include "style/tablefile.h"

#include <QObject>

class QUndoStack;

class StyleDocument : public QObject
{
    Q_OBJECT

public:
    explicit StyleDocument(QObject *parent = nullptr);

    EditorValues values() const { return m_values; }
    const Style &style() const { return m_values.style; }
    int lineHeight() const { return m_values.lineHeight; } // in percent; 0 while the field is empty
    const StyleTable &table() const { return m_table; }
    RowStates rowStates() const { return ::rowStates(m_values.style, m_table); }
    // Its clean state is what "unsaved edits" means.
    QUndoStack *history() const { return m_history; }

    // A table read: its values, and the reference of every reset. No edit of its own: a caller
    // that wants it undoable records the values before and after.
    void takeTable(const StyleTable &table);
    // One edit from `before` to `after`, undone as one; `mergeKey` joins edits of the same kind
    // typed in a row. An edit that changes nothing is not recorded.
    void record(const EditorValues &before, const EditorValues &after, const QString &text,
                int mergeKey = -1);
    void edit(const EditorValues &after, const QString &text, int mergeKey = -1)
    {
        record(values(), after, text, mergeKey);
    }

    // Every key, as after a table was taken.
    static ValueChanges everything();

signals:
    // The values changed: these keys (the row states may change with any of them).
    void changed(const ValueChanges &changes);

private:
    void show(const EditorValues &values);

    EditorValues m_values;
    StyleTable m_table;
    QUndoStack *m_history;
};
