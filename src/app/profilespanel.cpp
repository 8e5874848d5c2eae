// SPDX-License-Identifier: GPL-3.0-or-later
#include "profilespanel.h"

#include "apppaths.h"
#include "dialogs.h"
#include "platform/systemerror.h"
#include "schemeactions.h"
#include "settingsfile.h"
#include "skinstyles.h"
#include "styledocument.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcherBase>
#include <QMenu>
#include <QUndoStack>

namespace {
QString profileFilter()
{
    return ProfilesPanel::tr("Profiles (*.pcp)");
}

QString titleSuffixFor(const QString &profile)
{
    return QStringLiteral(" (") + QFileInfo(profile).baseName() + QLatin1Char(')');
}
} // namespace

ProfilesPanel::ProfilesPanel(QWidget *window, const QString &profilesFolder, const QString &documentsFolder,
                             StyleDocument &document)
    : QObject(window), m_window(window), m_profilesFolder(profilesFolder), m_document(document)
{
    m_skinStyles = new SkinStyles(window, *this, document);
    connect(m_skinStyles, &SkinStyles::jobStarted, this, &ProfilesPanel::jobStarted);
    connect(m_skinStyles, &SkinStyles::jobFinished, this, &ProfilesPanel::jobFinished);
    m_schemes = new SchemeActions(window, documentsFolder, document, *this);
    connect(m_schemes, &SchemeActions::coloursOffered, m_skinStyles, &SkinStyles::offerColours);
    connect(m_schemes, &SchemeActions::remark, this, &ProfilesPanel::remark);
    makeEntries(m_skinStyles->actions(), m_schemes->actions());
    showRecentProfiles();
}

QAction *ProfilesPanel::addEntry(const char *name, const QString &text, void (ProfilesPanel::*handler)())
{
    auto *action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void ProfilesPanel::makeEntries(const QList<QAction *> &skinStyles, const QList<QAction *> &schemes)
{
    const auto separator = [this] {
        auto *line = new QAction(this);
        line->setSeparator(true);
        return line;
    };
    m_openMenu = new QMenu(tr("&Open"), m_window);
    m_openMenu->setObjectName(QStringLiteral("menuOpen"));
    m_defaultTable = addEntry("actionDefaultTable", tr("&Default", "built-in browser profile"),
                              &ProfilesPanel::chooseDefaultTable);
    m_whiteTable = addEntry("actionWhiteTable", tr("&White", "built-in browser profile"),
                            &ProfilesPanel::chooseWhiteTable);
    for (QAction *table : {m_defaultTable, m_whiteTable})
        table->setCheckable(true);
    QAction *custom = addEntry("actionOpenProfile", tr("&Custom…"), &ProfilesPanel::chooseProfile);
    custom->setShortcut(QKeySequence::Open);
    m_openMenu->addActions({m_defaultTable, m_whiteTable, separator(), custom});
    m_recentMenu = new QMenu(tr("Open &Recent"), m_window);
    m_recentMenu->setObjectName(QStringLiteral("menuRecent"));

    m_save = addEntry("actionSave", tr("&Save"), &ProfilesPanel::saveProfile);
    m_save->setShortcut(QKeySequence::Save);
    QAction *saveAs = addEntry("actionSaveAs", tr("Save &As…", "profile menu command; asks for a file"),
                               &ProfilesPanel::saveProfileAs);
    // Some platforms bind no keys to Save As: these are the ones people expect here.
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_delete = addEntry("actionDelete", tr("De&lete"), &ProfilesPanel::deleteProfile);

    m_entries = {m_openMenu->menuAction(), m_recentMenu->menuAction(), separator()};
    m_entries << skinStyles << schemes << m_save << saveAs << separator() << m_delete;
}

void ProfilesPanel::setBusy(bool busy)
{
    m_busy = busy;
    showEnabled();
}

void ProfilesPanel::showEnabled()
{
    const bool profileOpen = !m_profile.isEmpty();
    // The submenus' entries too: their keys (Ctrl+O) reach them without the menu.
    for (QAction *entry : qAsConst(m_entries)) {
        entry->setEnabled(!m_busy);
        if (entry->menu())
            for (QAction *inner : entry->menu()->actions())
                inner->setEnabled(!m_busy);
    }
    m_save->setEnabled(!m_busy && profileOpen);
    m_delete->setEnabled(!m_busy && profileOpen);
    m_recentMenu->menuAction()->setEnabled(!m_busy && !m_recentProfiles.isEmpty());
}

void ProfilesPanel::setSelectedSkin(const QString &path)
{
    m_skinStyles->readPalette(path);
}

void ProfilesPanel::openScheme(const QString &path)
{
    m_schemes->openScheme(path);
}

bool ProfilesPanel::readTable(const QString &file)
{
    StyleTable table;
    QStringList warnings;
    const QString error = tablefile::readProfile(file, table, warnings);
    if (!error.isEmpty()) {
        Dialogs::warning(m_window, programName, error);
        return false;
    }
    if (!warnings.isEmpty())
        Dialogs::warning(m_window, programName,
                         tr("Some lines of the profile were not used:\n- ") +
                             warnings.join(QStringLiteral("\n- ")));
    m_document.takeTable(table);
    return true;
}

bool ProfilesPanel::loadTable(const QString &file)
{
    if (!readTable(file))
        return false;
    // Edits made against another table cannot be undone onto this one.
    m_document.history()->clear();
    return true;
}

void ProfilesPanel::resetAll()
{
    if (openProfileIsGone())
        return;
    const EditorValues before = m_document.values();
    // Reloading the active table is an edit of its own: a Reset by mistake can be undone.
    readTable(!m_profile.isEmpty()        ? m_profile
              : m_whiteTable->isChecked() ? tablefile::whiteTablePath
                                          : tablefile::defaultTablePath);
    m_document.record(before, m_document.values(), tr("Reset all"));
}

bool ProfilesPanel::openProfileIsGone()
{
    if (m_profile.isEmpty() || QFileInfo::exists(m_profile))
        return false;
    const QString gone = m_profile;
    loadBuiltInTable(false);
    Dialogs::warning(m_window, programName,
                     tr("The Profile %1 is gone: it was moved or deleted outside Panelcraft.\n\n"
                        "Default Profile loaded")
                         .arg(gone));
    return true;
}

void ProfilesPanel::showActiveTable(const QString &titleSuffix, std::optional<bool> defaultChecked,
                                    std::optional<bool> whiteChecked)
{
    // "[*]" shows the modified mark while the undo stack holds unsaved edits.
    emit titleChanged(programName + titleSuffix + QStringLiteral("[*]"));
    if (defaultChecked)
        m_defaultTable->setChecked(*defaultChecked);
    if (whiteChecked)
        m_whiteTable->setChecked(*whiteChecked);
    showEnabled();
}

void ProfilesPanel::loadBuiltInTable(bool white)
{
    loadTable(white ? tablefile::whiteTablePath : tablefile::defaultTablePath);
    m_profile.clear();
    showActiveTable(white ? tr(" (White Browser)") : QString(), !white, white);
}

QString ProfilesPanel::beforeReplacing()
{
    return tr("Save them before they are replaced?");
}

void ProfilesPanel::loadDefaultTable()
{
    loadBuiltInTable(false);
}

void ProfilesPanel::chooseDefaultTable()
{
    if (askToKeepEdits(beforeReplacing()))
        loadBuiltInTable(false);
    else
        m_defaultTable->setChecked(!m_defaultTable->isChecked()); // as it was
}

void ProfilesPanel::chooseWhiteTable()
{
    if (askToKeepEdits(beforeReplacing()))
        loadBuiltInTable(true);
    else
        m_whiteTable->setChecked(!m_whiteTable->isChecked());
}

void ProfilesPanel::chooseProfile()
{
    if (!askToKeepEdits(beforeReplacing()))
        return;
    if (const QString path = chooseFile(false); !path.isEmpty())
        openProfile(path);
}

void ProfilesPanel::openProfileAsking(const QString &path)
{
    if (askToKeepEdits(beforeReplacing()))
        openProfile(path);
}

QString ProfilesPanel::chooseFile(bool forSaving)
{
    const QString folder = QFileInfo(m_dialogFolder).isDir() ? m_dialogFolder : m_profilesFolder;
    const QString path = forSaving ? Dialogs::getSaveFileName(m_window, tr("Save your Panelcraft Profile"),
                                                              folder, profileFilter(), QStringLiteral("pcp"))
                                   : Dialogs::getOpenFileName(m_window, tr("Select a Panelcraft Profile"),
                                                              folder, profileFilter());
    const QString chosenFolder = QFileInfo(path).absolutePath();
    if (!path.isEmpty() && chosenFolder != m_dialogFolder) {
        m_dialogFolder = chosenFolder;
        emit settingsChanged();
    }
    return path;
}

void ProfilesPanel::openProfile(const QString &path)
{
    if (!loadTable(path))
        return;
    m_profile = path;
    showActiveTable(titleSuffixFor(path), false, false);
    rememberProfile(path);
}

bool ProfilesPanel::writeProfileOrWarn(const QString &path)
{
    const EditorValues values = m_document.values();
    const Result<void> written = tablefile::writeProfile(path, values.style, values.lineHeight);
    if (written)
        return true;
    Dialogs::warning(
        m_window, programName,
        tr("The Profile could not be saved to %1\n%2\n\nNothing was changed.").arg(path, written.error()));
    return false;
}

void ProfilesPanel::save(bool saveAs)
{
    // Said in passing: a box on every save is in the way. A failure still gets one.
    const auto saved = [this](const QString &path) {
        emit remark(tr("Profile saved: %1").arg(QFileInfo(path).fileName()));
    };
    if (!saveAs) {
        if (!writeProfileOrWarn(m_profile))
            return;
        m_document.history()->setClean();
        rememberProfile(m_profile);
        saved(m_profile);
        return;
    }
    const QString path = chooseFile(true);
    if (path.isEmpty() || !writeProfileOrWarn(path))
        return;
    m_profile = path;
    // Reading the file back makes the saved values the reference of every reset button.
    loadTable(m_profile);
    showActiveTable(titleSuffixFor(path), false, std::nullopt);
    rememberProfile(path);
    saved(path);
}

void ProfilesPanel::deleteProfile()
{
    if (openProfileIsGone() || !askToKeepEdits(beforeReplacing()))
        return;
    const QString removed = m_profile;
    const QString answerText =
        tr("Are you sure you want to delete Profile %1 ?").arg(QFileInfo(removed).baseName());
    if (Dialogs::question(m_window, programName, answerText) != QMessageBox::Yes)
        return;
    QFile file(removed);
    if (file.exists() && !file.remove()) {
        Dialogs::warning(m_window, programName,
                         tr("The Profile %1 could not be deleted:\n%2")
                             .arg(removed, platform::systemErrorText(file.errorString())));
        return;
    }
    loadTable(tablefile::defaultTablePath);
    m_profile.clear();
    // The default table is loaded, so "White" must not stay checked for Reset to fall back to.
    showActiveTable(QString(), true, false);
    Dialogs::information(m_window, programName,
                         tr("Profile %1 deleted.\n\nDefault Profile loaded").arg(removed));
}

void ProfilesPanel::setRecentProfiles(const QStringList &profiles)
{
    m_recentProfiles = profiles;
    showRecentProfiles();
}

void ProfilesPanel::showRecentProfiles()
{
    // The chosen entry's action is still delivering its signal: it goes once that is done.
    for (QAction *old : m_recentMenu->actions()) {
        m_recentMenu->removeAction(old);
        old->setParent(nullptr);
        old->deleteLater();
    }
    for (int i = 0; i < m_recentProfiles.size(); ++i) {
        const QString path = m_recentProfiles[i];
        QString name = QFileInfo(path).fileName();
        QAction *action = m_recentMenu->addAction(
            tr("&%1 %2").arg(i + 1).arg(name.replace(QLatin1Char('&'), QLatin1String("&&"))));
        action->setObjectName(QStringLiteral("actionRecent%1").arg(i + 1));
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path] { openRecentProfile(path); });
    }
    showEnabled();
}

void ProfilesPanel::rememberProfile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (m_recentProfiles.value(0) == absolute)
        return;
    m_recentProfiles.removeAll(absolute);
    m_recentProfiles.prepend(absolute);
    while (m_recentProfiles.size() > settingsfile::recentProfileCount)
        m_recentProfiles.removeLast();
    showRecentProfiles();
    emit settingsChanged();
}

void ProfilesPanel::openRecentProfile(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        m_recentProfiles.removeAll(path);
        showRecentProfiles();
        emit settingsChanged();
        Dialogs::warning(m_window, programName,
                         tr("The Profile %1 is gone: it was moved or deleted outside Panelcraft.\n\n"
                            "It was taken off the recent Profiles.")
                             .arg(path));
        return;
    }
    openProfileAsking(path);
}

bool ProfilesPanel::askToKeepEdits(const QString &question)
{
    if (m_document.history()->isClean())
        return true;
    const auto answer = Dialogs::question(m_window, programName,
                                          tr("The Browser Profile has unsaved edits.\n%1").arg(question),
                                          QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Discard)
        return true;
    if (answer != QMessageBox::Save)
        return false;
    // A built-in table is never overwritten: its edits go to a new profile.
    save(m_profile.isEmpty());
    return m_document.history()->isClean();
}
