// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's undo history: Undo and Redo, offered to the window's menus, and the Edit menu.

#include "editorpanel.h"
#include "styledocument.h"

#include <QMenu>
#include <QUndoStack>

void EditorPanel::setUpEditHistory()
{
    QUndoStack *history = m_document.history();
    QAction *undo = m_undo = history->createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = m_redo = history->createRedoAction(this, tr("Re&do"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    // The short names, as the list of shortcuts shows them; the menus show what is undone.
    undo->setIconText(tr("Undo"));
    redo->setIconText(tr("Redo"));
    // Both habits: Ctrl+Shift+Z and Ctrl+Y.
    redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    // Where people look for them first; the window adds them to the profile menu as well.
    m_editMenu = new QMenu(tr("&Edit"), this);
    m_editMenu->setObjectName(QStringLiteral("menuEdit"));
    m_editMenu->addActions({undo, redo});
}
