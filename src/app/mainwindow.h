#pragma once

#include "apppaths.h"
#include "colour/colourvision.h"
#include "colour/skinpalette.h"
#include "editorrows.h"
#include "style/style.h"
#include "style/styleedit.h"
#include "style/tablefile.h"
#include "theme.h"

#include <QFont>
#include <QHash>
#include <QMainWindow>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

class CreateSkinPanel;
class ProfilesPanel;
class PreviewPanel;
class SkinStyles;
class RowSigns;
class QLabel;
class QMenu;
class QUndoStack;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    explicit MainWindow(const AppPaths &where, QWidget *parent = nullptr);
    ~MainWindow() override;

    const Style &currentStyle() const { return m_style; }
    const StyleTable &styleTable() const { return m_table; }
    int lineHeightValue() const { return m_lineHeight; }
    QString globalFontName() const;

    // Whether "Create Skin", a source-skin scan or reading a skin's colours runs in the background.
    bool isBusy() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

public:
    bool saveSettings(); // false when the settings file could not be written
    void loadSettings();
    void applyTheme(int number); // 0 dark, anything else bright
    void loadTooltips();
    void showTooltips(bool show);

    void showAllValues();

private:
    void wireMenusAndSwitches();
    void useDarkTheme();   // "Dark"
    void useBrightTheme(); // "Bright"
    void toggleTooltips(); // "Show Tooltips"
    void showAbout();      // "About"
    void enterWhatsThis(); // "What's This?"

    void editingToggled(); // "Yes" for changing the browser colours and fonts
    void previewToggled(); // "Yes" for showing the browser preview

    void resetLineHeight(); // "Default" line height

    // A table read by the profiles: its values shown, and the reference of every reset button.
    void takeTable(const StyleTable &table);
    void registerNamedWidgets(QWidget *root); // into widgetsByName, for the preview's style sheets
    void wireEditorRows();
    void buildEditorPage(int page);          // the page's rows, wired and showing the current values
    void nameRowsForScreenReaders(int page); // "Lists, Over: colour", from the key table
    void putPageInTabOrder(int page);
    void setUpFind();                // mainwindow_find.cpp
    void offerCopyAndPaste(int key); // a colour row's value as text, by menu and Ctrl+C / Ctrl+V
    // Sets a row's colour from "#rrggbb", "#aarrggbb" or a colour name, as a pick would; else
    // says why and changes nothing.
    void setColourFromText(int key, const QString &text);
    // A row as the form shows it, "Lists › Text": a colour key's, or a font group's with `font`.
    QString rowName(int index, bool font) const;
    void prepareFolders();
    void fullRefresh();
    void refreshPreview();   // the editor's values to the preview
    void setUpEditHistory(); // mainwindow_history.cpp
    void setUpKeyboard();    // mainwindow_keyboard.cpp

    // Editor rows (mainwindow_editor.cpp): every edit is a StyleEdit on the undo stack, and the
    // rows only show the values and the row states that follow from them.
    void pickColour(int key);
    void pickFont(int group);
    void applyEdit(const StyleEdit &edit);
    void pushEdit(const EditorValues &before, const EditorValues &after, const QString &text,
                  int mergeKey = -1);
    EditorValues editorValues() const;
    void showValues(const EditorValues &values);
    void showLineHeight();
    void showRowStates(const RowStates &states);
    void showColour(int key);
    void showFont(int group);

    void greyLabel(QWidget *label, bool greyed);

    std::unique_ptr<Ui::MainWindow> ui;
    EditorRows m_rows{}; // null on pages not shown yet
    QSet<int> m_builtPages;
    QHash<QString, QWidget *> m_widgetsByName; // every named widget, for the tooltips

    CreateSkinPanel *m_createSkin = nullptr;
    ProfilesPanel *m_profiles = nullptr;
    PreviewPanel *m_preview = nullptr;
    SkinStyles *m_skinStyles = nullptr;
    std::unique_ptr<RowSigns> m_signs; // contrast and colour-vision signs on the rows
    AppPaths m_paths;
    QString m_profilesFolder;
    bool m_oldScratchRemoved = false;
    QString m_labelColour; // of enabled option labels in the theme worn

    int m_theme = 0;
    bool m_showTooltips = true;

    QMap<QString, QString> m_table;
    QMap<QString, QString> m_tooltipTexts;
    Style m_style;
    std::array<QFont, stylekeys::fontGroupCount> m_fontDialogResults; // last font dialog result per group

    // Editor undo history and the line height it edits (mainwindow_editor.cpp).
    QUndoStack *m_undoStack = nullptr;
    int m_lineHeight = 100; // in percent; 0 while the field is empty
};
