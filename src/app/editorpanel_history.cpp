// The editor's undo history: Undo and Redo in the Edit and "Browser Profile" menus, and the
// modified mark in the title.

#include "editorpanel.h"
#include "styledocument.h"
#include "ui_mainwindow.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QUndoStack>

void EditorPanel::setUpEditHistory()
{
    QUndoStack *history = m_document.history();
    QAction *undo = history->createUndoAction(this, tr("Undo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = history->createRedoAction(this, tr("Redo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    // The short names, as the list of shortcuts shows them; the menus show what is undone.
    undo->setIconText(tr("Undo"));
    redo->setIconText(tr("Redo"));
    // Both habits: Ctrl+Shift+Z and Ctrl+Y.
    redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    QAction *first = ui.menuProfile->actions().value(0);
    ui.menuProfile->insertActions(first, {undo, redo});
    ui.menuProfile->insertSeparator(first);
    // Where people look for them first, as well.
    m_editMenu = new QMenu(tr("&Edit"), m_window);
    m_editMenu->setObjectName(QStringLiteral("menuEdit"));
    m_editMenu->addActions({undo, redo});
    m_window->menuBar()->insertMenu(ui.menuTheme->menuAction(), m_editMenu);
    connect(history, &QUndoStack::cleanChanged, this,
            [this](bool clean) { m_window->setWindowModified(!clean); });
}
