#pragma once

// The editor: the settings pages and their colour and font rows, the undo history, finding,
// copying, pasting and typing a colour, the line height, and the signs on the rows. Every edit is
// a StyleEdit on the undo stack; the rows only show the values and the row states that follow
// from them. The preview gets the values through valuesShown.

#include "editorrows.h"
#include "style/style.h"
#include "style/styleedit.h"
#include "style/tablefile.h"

#include <QFont>
#include <QObject>
#include <QSet>
#include <array>
#include <memory>

namespace Ui {
class MainWindow;
}
class QMainWindow;
class QMenu;
class QUndoStack;
class RowClipboard;
class RowSigns;

class EditorPanel : public QObject
{
    Q_OBJECT

public:
    // `form` is the window's form: the panel works on the settings pages and the line height in it.
    EditorPanel(Ui::MainWindow &form, QMainWindow *window);
    ~EditorPanel() override;

    EditorValues values() const { return {m_style, m_lineHeight}; }
    const Style &style() const { return m_style; }
    const StyleTable &table() const { return m_table; }
    int lineHeight() const { return m_lineHeight; }
    QUndoStack *history() const { return m_undoStack; }
    void setTheme(int themenumber) { m_theme = themenumber; }

    // A table read by the profiles: its values shown, and the reference of every reset button.
    void takeTable(const StyleTable &table);
    void showAllValues();
    void buildEditorPage(int page); // the page's rows, wired and showing the current values
    // One edit, undone as one; `mergeKey` joins edits of the same kind typed in a row.
    void pushEdit(const EditorValues &before, const EditorValues &after, const QString &text,
                  int mergeKey = -1);
    // A row as the form shows it, "Lists › Text": a colour key's, or a font group's with `font`.
    QString rowName(int index, bool font) const;

signals:
    void valuesShown(const Style &style, int lineHeight, bool stripesShown);
    void pageBuilt(QWidget *page);    // a page that just got its rows
    void remark(const QString &text); // said in passing, on the status line

private:
    void setUpEditHistory();                 // editorpanel_history.cpp
    void setUpFind();                        // editorpanel_find.cpp
    void nameRowsForScreenReaders(int page); // "Lists, Over: colour", from the key table
    void putPageInTabOrder(int page);
    // Sets a row's colour from "#rrggbb", "#aarrggbb" or a colour name, as a pick would; else
    // says why and changes nothing.
    void setColourFromText(int key, const QString &text);
    void pickColour(int key);
    void pickFont(int group);
    void applyEdit(const StyleEdit &edit);
    void showValues(const EditorValues &values);
    void showLineHeight();
    void showRowStates(const RowStates &states);
    void showColour(int key);
    void showFont(int group);
    void resetLineHeight(); // "Default" line height
    void greyLabel(QWidget *label, bool greyed);

    Ui::MainWindow &ui;
    QMainWindow *m_window;
    int m_theme = 0;
    EditorRows m_rows{}; // null on pages not shown yet
    QSet<int> m_builtPages;
    std::unique_ptr<RowSigns> m_signs; // contrast and colour-vision signs on the rows
    RowClipboard *m_clipboard = nullptr;
    StyleTable m_table;
    Style m_style;
    int m_lineHeight = 100; // in percent; 0 while the field is empty
    std::array<QFont, stylekeys::fontGroupCount> m_fontDialogResults; // last font dialog result per group
    QUndoStack *m_undoStack = nullptr;
    QMenu *m_editMenu = nullptr;
};
