// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The editor: the settings pages and their colour and font rows, the undo history, finding,
// copying, pasting and typing a colour, the line height, and the signs on the rows. Every edit is
// a StyleEdit on the undo stack; the rows only show the values and the row states that follow
// from them. The values are the document's; the panel shows what it says changed. It offers its
// history and Edit menu to the window, and says when the user switches editing or the preview.

#include "editorrows.h"
#include "style/style.h"
#include "style/styleedit.h"
#include "style/tablefile.h"
#include "theme.h"

#include <QFont>
#include <QSet>
#include <QWidget>
#include <array>
#include <memory>

namespace Ui {
class EditorPanel;
}
class QAction;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class RowClipboard;
class RowSigns;
class StyleDocument;

class EditorPanel : public QWidget
{
    Q_OBJECT

public:
    explicit EditorPanel(StyleDocument &document, QWidget *parent = nullptr);
    ~EditorPanel() override;

    void setTheme(ThemeChoice theme) { m_theme = theme; }
    // Undo and Redo, for the window's menus; the Edit menu with them, Copy, Paste and Find.
    QList<QAction *> historyActions() const { return {m_undo, m_redo}; }
    QMenu *editMenu() const { return m_editMenu; }
    // "Change Browser Colors and Fonts" and "Show Browser Preview" as ticked.
    bool isEditing() const;
    bool previewWanted() const;
    // While a skin is built or read: what would change the values cannot be used.
    void setBusy(bool busy);

    void showAllValues();
    void buildEditorPage(int page); // the page's rows, wired and showing the current values
    // A row as the form shows it, "Lists › Text": a colour key's, or a font group's with `font`.
    QString rowName(int index, bool font) const;

public:
    // The page about to show gets its rows first: shown with the panel, they are laid out with it.
    void setVisible(bool visible) override;

signals:
    // Widgets made after start-up below `root`: a page's rows as the page first shows, the find
    // results with the first search.
    void widgetsAdded(QWidget *root);
    void remark(const QString &text);  // said in passing, on the status line
    void editingToggled(bool editing); // the pages shown or hidden
    void previewToggled(bool shown);   // the preview asked for (only while editing)
    void resetAllRequested();          // "Reset": the active table read again

private:
    void setUpEditHistory(); // editorpanel_history.cpp
    void setUpFind();        // editorpanel_find.cpp
    QListWidget *findResults(QLineEdit *field);
    void goToFound(const QListWidgetItem *item, QLineEdit *field);
    void nameRowsForScreenReaders(int page); // "Lists, Over: colour", from the key table
    void putPageInTabOrder(int page);
    // Sets a row's colour from "#rrggbb", "#aarrggbb" or a colour name, as a pick would; else
    // says why and changes nothing.
    void setColourFromText(int key, const QString &text);
    void pickColour(int key);
    void pickFont(int group);
    void applyEdit(const StyleEdit &edit);
    void showChanges(const ValueChanges &changes);
    void showLineHeight();
    void showRowStates(const RowStates &states);
    void showColour(int key);
    void showFont(int group);
    void resetLineHeight(); // "Default" line height
    void greyLabel(QWidget *label, bool greyed);
    void showEditing();

    std::unique_ptr<Ui::EditorPanel> ui;
    ThemeChoice m_theme = ThemeChoice::Dark;
    EditorRows m_rows{}; // null on pages not shown yet
    QSet<int> m_builtPages;
    std::unique_ptr<RowSigns> m_signs; // contrast and colour-vision signs on the rows
    RowClipboard *m_clipboard = nullptr;
    StyleDocument &m_document;
    std::array<QFont, stylekeys::fontGroupCount> m_fontDialogResults; // last font dialog result per group
    QMenu *m_editMenu = nullptr;
    QListWidget *m_findResults = nullptr; // made with the first search
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
};
