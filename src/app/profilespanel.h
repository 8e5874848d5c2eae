// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The "Browser Profile" menu's own entries: the built-in tables, opening, saving and deleting
// profiles, the recent ones, styles from the selected skin and from colour schemes, and the
// question before unsaved edits would be lost. The table it reads goes into the document; the
// document's values are what it saves. It owns its actions and offers them (`menuEntries`); the
// window puts them in its menu.

#include "style/styleedit.h"
#include "style/tablefile.h"

#include <QObject>
#include <QStringList>
#include <optional>

class QAction;
class QFutureWatcherBase;
class QMenu;
class QWidget;
class SchemeActions;
class SkinStyles;
class StyleDocument;

class ProfilesPanel : public QObject
{
    Q_OBJECT

public:
    // Its dialogs open over `window`. The document's clean history is what "no unsaved edits"
    // means. The scheme dialogs open in `documentsFolder`.
    ProfilesPanel(QWidget *window, const QString &profilesFolder, const QString &documentsFolder,
                  StyleDocument &document);

    // The menu's entries in their order: actions, submenus' actions and separators.
    QList<QAction *> menuEntries() const { return m_entries; }
    // While a build runs, nothing may replace or save the values it reads.
    void setBusy(bool busy);

    QStringList recentProfiles() const { return m_recentProfiles; }
    void setRecentProfiles(const QStringList &profiles);
    // The folder the profile dialogs last chose from (empty before any choice), kept in the settings.
    QString dialogFolder() const { return m_dialogFolder; }
    void setDialogFolder(const QString &folder) { m_dialogFolder = folder; }

    // Opens a profile named outside the menu (dropped, or on the command line), asking first about
    // unsaved edits as Open does.
    void openProfileAsking(const QString &path);

    // The skin "Create Skin" modifies: the one its styles are drawn from.
    void setSelectedSkin(const QString &path);
    // A colour scheme named outside the menu (dropped, or on the command line).
    void openScheme(const QString &path);

    // Reads the built-in default table, as at start.
    void loadDefaultTable();
    // Before anything replaces the editor's values (closing, loading a table, taking colours from
    // a skin): asks whether to save unsaved edits, with `question` saying when ("Save them before
    // closing?"). True when the edits are saved or may go; false when the user would rather stay.
    bool askToKeepEdits(const QString &question);
    static QString beforeReplacing(); // the question for the actions that load other values
    void resetAll();                  // the active table read again, as an edit of its own

signals:
    void remark(const QString &text);        // said in passing, on the status line
    void settingsChanged();                  // the recent profiles or the dialogs' folder
    void titleChanged(const QString &title); // names the active table
    // Reading a skin's colours runs in the background, as a build does.
    void jobStarted(const QString &status, QFutureWatcherBase *job);
    void jobFinished();

private:
    bool readTable(const QString &file);
    bool loadTable(const QString &file); // readTable, and the history cleared
    bool openProfileIsGone();            // says so and loads the default table when the open profile vanished
    // Title and menu states naming the active table; an empty optional keeps a check state.
    void showActiveTable(const QString &titleSuffix, std::optional<bool> defaultChecked,
                         std::optional<bool> whiteChecked);
    void loadBuiltInTable(bool white);
    void chooseDefaultTable();
    void chooseWhiteTable();
    void chooseProfile();
    void openProfile(const QString &path); // after the unsaved-edits question
    QString chooseFile(bool forSaving);    // the profile dialogs, opening where they last chose
    void save(bool saveAs);                // the open profile, or one the user names
    void saveProfile() { save(false); }
    void saveProfileAs() { save(true); }
    bool writeProfileOrWarn(const QString &path);
    void deleteProfile();
    void showRecentProfiles();
    void rememberProfile(const QString &path);
    void openRecentProfile(const QString &path);
    void makeEntries(const QList<QAction *> &skinStyles, const QList<QAction *> &schemes);
    QAction *addEntry(const char *name, const QString &text, void (ProfilesPanel::*handler)());
    void showEnabled(); // what may be chosen, busy or not, with a profile open or not

    QList<QAction *> m_entries;
    QAction *m_defaultTable = nullptr;
    QAction *m_whiteTable = nullptr;
    QAction *m_save = nullptr;
    QAction *m_delete = nullptr;
    bool m_busy = false;
    QWidget *m_window;
    QString m_profilesFolder;
    StyleDocument &m_document;
    QString m_profile;            // the open profile; empty for a built-in table
    QStringList m_recentProfiles; // newest first
    QString m_dialogFolder;
    QMenu *m_openMenu;
    QMenu *m_recentMenu;
    SkinStyles *m_skinStyles;
    SchemeActions *m_schemes;
};
