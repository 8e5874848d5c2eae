// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A colour row's value as text: copied and pasted by the row's own menu, by Edit › Copy and Paste
// for the row holding the focus (a text field keeps its own), and typed over in place. What is
// pasted or typed goes back to the editor, which takes it as a pick or says why it cannot.

#include "editorrows.h"

#include <QObject>

class QMenu;

class RowClipboard : public QObject
{
    Q_OBJECT

public:
    // `rows` are the editor's, filled in as its pages are built; Copy and Paste join `editMenu`.
    RowClipboard(const EditorRows &rows, QMenu *editMenu, QObject *parent);

    void offerOn(int key); // the row's menu and typing, once the row's widgets exist

signals:
    void textGiven(int key, const QString &text);

private:
    void copy(int key);
    void paste(int key);
    int focusedRow() const; // the colour row holding the focus, -1 for none

    const EditorRows &m_rows;
};
