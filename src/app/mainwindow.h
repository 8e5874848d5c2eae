// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window assembles the panels (each owns its part of the form) and keeps what is the
// window's own: the menus, the theme, tooltips, settings, the layouts and closing.

#include "apppaths.h"
#include "settingsfile.h"
#include "style/style.h"
#include "style/tablefile.h"
#include "theme.h"

#include <QMainWindow>
#include <memory>

class CreateSkinPanel;
class ProfilesPanel;
class PreviewPanel;
class StyleDocument;
class EditorPanel;
class WindowTooltips;

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

    const Style &currentStyle() const;
    const StyleTable &styleTable() const;
    int lineHeightValue() const;
    QString globalFontName() const;

    // Whether "Create Skin", a source-skin scan or reading a skin's colours runs in the background.
    bool isBusy() const;

    // Files named on the command line: a skin (.zip) is selected, a profile (.pcp) opened (asking
    // first about unsaved edits) and a colour scheme drawn into the style; anything else is refused
    // with its reason.
    void openFiles(const QStringList &paths);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

public:
    bool saveSettings(); // false when the settings file could not be written
    void applyTheme(ThemeChoice theme);

private:
    void loadSettings(const AppSettings &settings);
    void wireMenusAndSwitches();
    void useDarkTheme();   // "Dark"
    void useBrightTheme(); // "Bright"
    void toggleTooltips(); // "Show Tooltips"
    void showAbout();      // "About"
    void enterWhatsThis(); // "What's This?"

    void editingToggled(); // "Yes" for changing the browser colours and fonts
    void previewToggled(); // "Yes" for showing the browser preview
    void placePanels();    // in a column that scrolls
    void buildMenus();     // from the entries the panels offer
    void fitToForm();      // the height the form asks for, within the screen

    void openFile(const QString &path); // one the window opens (`opens`), dropped or named
    void prepareFolders();
    void fullRefresh();
    void setUpKeyboard();         // mainwindow_keyboard.cpp
    void showKeyboardShortcuts(); // "Keyboard Shortcuts"

    std::unique_ptr<Ui::MainWindow> ui;
    std::unique_ptr<WindowTooltips> m_tooltips;

    CreateSkinPanel *m_createSkin = nullptr;
    ProfilesPanel *m_profiles = nullptr;
    PreviewPanel *m_preview = nullptr;
    EditorPanel *m_editor = nullptr;
    StyleDocument *m_document = nullptr;
    AppPaths m_paths;
    QString m_profilesFolder;
    bool m_oldScratchRemoved = false;
    AppSettings m_saved;        // as read or last written: only what differs is written
    QByteArray m_geometry;      // the window's place and size when it was last shown
    bool m_fitWhenShown = true; // false where the place and size came from an earlier run

    ThemeChoice m_theme = ThemeChoice::Dark;
    ThemeChoice m_labelsTheme = ThemeChoice::Dark; // labels' states are shown in it; panels start dark
    bool m_showTooltips = true;
};
