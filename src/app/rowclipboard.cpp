// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowclipboard.h"

#include "colourswatch.h"
#include "inlineedit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

RowClipboard::RowClipboard(const EditorRows &rows, QMenu *editMenu, QObject *parent)
    : QObject(parent), m_rows(rows)
{
    auto *copyAction = new QAction(tr("&Copy"), editMenu);
    copyAction->setObjectName(QStringLiteral("actionCopy"));
    copyAction->setShortcut(QKeySequence::Copy);
    auto *pasteAction = new QAction(tr("&Paste"), editMenu);
    pasteAction->setObjectName(QStringLiteral("actionPaste"));
    pasteAction->setShortcut(QKeySequence::Paste);
    // A text field keeps its own Ctrl+C and Ctrl+V; the menu's entries reach it too.
    connect(copyAction, &QAction::triggered, this, [this] {
        if (auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
            field->copy();
        else if (focusedRow() >= 0)
            copy(focusedRow());
    });
    connect(pasteAction, &QAction::triggered, this, [this] {
        if (auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
            field->paste();
        else if (focusedRow() >= 0)
            paste(focusedRow());
    });
    // An open menu takes the focus for a moment; what it acts on is where the focus was.
    connect(qApp, &QApplication::focusChanged, this,
            [this, copyAction, pasteAction](QWidget *, QWidget *now) {
                if (now && now->window()->windowType() == Qt::Popup)
                    return;
                const bool usable = qobject_cast<QLineEdit *>(now) || focusedRow() >= 0;
                copyAction->setEnabled(usable);
                pasteAction->setEnabled(usable);
            });
    editMenu->addSeparator();
    editMenu->addActions({copyAction, pasteAction});
}

void RowClipboard::offerOn(int key)
{
    const ColourRow &row = m_rows.colours[std::size_t(key)];
    // Ctrl+C and Ctrl+V are the Edit menu's, for the focused row; the row's own menu shows them.
    auto *copyAction = new QAction(tr("&Copy Colour"), row.pick);
    auto *pasteAction = new QAction(tr("&Paste Colour"), row.pick);
    connect(copyAction, &QAction::triggered, this, [this, key] { copy(key); });
    connect(pasteAction, &QAction::triggered, this, [this, key] { paste(key); });
    // The value itself can be typed over, with the same rules as a paste: by a double-click, or
    // F2 or Enter on the focused row.
    const auto typeOver =
        makeTypable(row.value, [this, key](const QString &typed) { emit textGiven(key, typed); });
    auto *type = new QAction(tr("&Type Colour"), row.pick);
    type->setShortcuts({Qt::Key_F2, Qt::Key_Return, Qt::Key_Enter});
    type->setShortcutContext(Qt::WidgetShortcut);
    connect(type, &QAction::triggered, this, typeOver);
    for (QWidget *part : {static_cast<QWidget *>(row.pick), static_cast<QWidget *>(row.swatch),
                          static_cast<QWidget *>(row.value)}) {
        part->addActions({copyAction, pasteAction, type});
        part->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

void RowClipboard::copy(int key)
{
    QGuiApplication::clipboard()->setText(m_rows.colours[std::size_t(key)].value->text());
}

void RowClipboard::paste(int key)
{
    emit textGiven(key, QGuiApplication::clipboard()->text());
}

int RowClipboard::focusedRow() const
{
    const QWidget *focused = QApplication::focusWidget();
    for (int key = 0; focused && key < stylekeys::colourKeyCount; ++key) {
        const ColourRow &row = m_rows.colours[std::size_t(key)];
        if (focused == row.pick || focused == row.swatch || focused == row.value)
            return key;
    }
    return -1;
}
