// The "Browser Profile" menu: built-in tables, opening, saving and deleting profiles.

#include "createskinpanel.h"
#include "dialogs.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QFile>
#include <QFileInfo>
#include <QUndoStack>

namespace {
QString profileFilter()
{
    return MainWindow::tr("Profiles (*.pcp)");
}

QString titleSuffixFor(const QString &profile)
{
    return QStringLiteral(" (") + QFileInfo(profile).baseName() + QLatin1Char(')');
}
} // namespace

bool MainWindow::readTable(const QString &file)
{
    StyleTable table;
    QStringList warnings;
    const QString error = tablefile::readProfile(file, table, warnings);
    if (!error.isEmpty()) {
        Dialogs::warning(this, programName, error);
        return false;
    }
    if (!warnings.isEmpty())
        Dialogs::warning(this, programName,
                         tr("Some lines of the profile were not used:\n- ") +
                             warnings.join(QStringLiteral("\n- ")));
    m_table = table;
    m_style = tablefile::derive(m_table);
    // Set before the field, so that showing it is no edit of its own.
    m_lineHeight = tablefile::tableLineHeight(m_table);
    showLineHeight();
    return true;
}

bool MainWindow::loadTable(const QString &file)
{
    if (!readTable(file))
        return false;
    // Edits made against another table cannot be undone onto this one.
    m_undoStack->clear();
    return true;
}

void MainWindow::reloadActiveTable()
{
    readTable(!m_profile.isEmpty()                  ? m_profile
              : ui->actionWhiteBrowser->isChecked() ? tablefile::whiteTablePath
                                                    : tablefile::defaultTablePath);
}

void MainWindow::resetAll()
{
    if (openProfileIsGone())
        return;
    const EditorValues before = editorValues();
    reloadActiveTable();
    fullRefresh();
    // Reloading the active table is an edit of its own: a Reset by mistake can be undone.
    pushEdit(before, editorValues(), tr("Reset all"));
}

bool MainWindow::openProfileIsGone()
{
    if (m_profile.isEmpty() || QFileInfo::exists(m_profile))
        return false;
    const QString gone = m_profile;
    loadBuiltInTable(false);
    Dialogs::warning(this, programName,
                     tr("The Profile %1 is gone: it was moved or deleted outside Panelcraft.\n\n"
                        "Default Profile loaded")
                         .arg(gone));
    return true;
}

void MainWindow::showActiveTable(const QString &titleSuffix, std::optional<bool> defaultChecked,
                                 std::optional<bool> whiteChecked, bool profileOpen)
{
    // "[*]" shows the modified mark while the undo stack holds unsaved edits.
    setWindowTitle(programName + titleSuffix + QStringLiteral("[*]"));
    if (defaultChecked)
        ui->actionDefault_2->setChecked(*defaultChecked);
    if (whiteChecked)
        ui->actionWhiteBrowser->setChecked(*whiteChecked);
    ui->actionDelete->setEnabled(profileOpen);
    ui->actionSave->setEnabled(profileOpen);
    ui->actionSave_as->setEnabled(true);
}

void MainWindow::loadBuiltInTable(bool white)
{
    loadTable(white ? tablefile::whiteTablePath : tablefile::defaultTablePath);
    fullRefresh();
    m_profile.clear();
    showActiveTable(white ? tr(" (White Browser)") : QString(), !white, white, false);
}

QString MainWindow::beforeReplacing()
{
    return tr("Save them before they are replaced?");
}

void MainWindow::loadDefaultTable()
{
    if (askToKeepEdits(beforeReplacing()))
        loadBuiltInTable(false);
    else
        ui->actionDefault_2->setChecked(!ui->actionDefault_2->isChecked()); // as it was
}

void MainWindow::loadWhiteTable()
{
    if (askToKeepEdits(beforeReplacing()))
        loadBuiltInTable(true);
    else
        ui->actionWhiteBrowser->setChecked(!ui->actionWhiteBrowser->isChecked());
}

void MainWindow::openProfileDialog()
{
    if (!askToKeepEdits(beforeReplacing()))
        return;
    const QString path =
        Dialogs::getOpenFileName(this, tr("Select a Panelcraft Profile"), m_profilesFolder, profileFilter());
    if (!path.isEmpty())
        openProfile(path);
}

void MainWindow::openProfile(const QString &path)
{
    if (!loadTable(path))
        return;
    m_profile = path;
    fullRefresh();
    showActiveTable(titleSuffixFor(path), false, false, true);
    rememberProfile(path);
}

void MainWindow::saveProfile()
{
    saveProfileTo(false);
}

void MainWindow::saveProfileAs()
{
    saveProfileTo(true);
}

bool MainWindow::writeProfileOrWarn(const QString &path)
{
    const QString error = tablefile::writeProfile(path, m_style, m_lineHeight);
    if (error.isEmpty())
        return true;
    Dialogs::warning(this, programName,
                     tr("The Profile could not be saved to %1\n%2\n\nNothing was changed.").arg(path, error));
    return false;
}

void MainWindow::showProfileSaved(const QString &path)
{
    // Said in passing: a box on every save is in the way. A failure still gets one.
    m_createSkin->showStatus(tr("Profile saved: %1").arg(QFileInfo(path).fileName()),
                             CreateSkinPanel::StatusLasts::FewSeconds);
}

void MainWindow::saveProfileTo(bool saveAs)
{
    if (!saveAs) {
        if (!writeProfileOrWarn(m_profile))
            return;
        m_undoStack->setClean();
        rememberProfile(m_profile);
        showProfileSaved(m_profile);
        return;
    }
    const QString path = Dialogs::getSaveFileName(this, tr("Save your Panelcraft Profile"), m_profilesFolder,
                                                  profileFilter(), QStringLiteral("pcp"));
    if (path.isEmpty() || !writeProfileOrWarn(path))
        return;
    m_profile = path;
    // Reading the file back makes the saved values the reference of every reset button.
    loadTable(m_profile);
    showAllValues();
    styleSidePages();
    styleLists();
    showActiveTable(titleSuffixFor(path), false, std::nullopt, true);
    rememberProfile(path);
    showProfileSaved(path);
}

void MainWindow::deleteProfile()
{
    if (openProfileIsGone() || !askToKeepEdits(beforeReplacing()))
        return;
    const QString removed = m_profile;
    const QString answerText =
        tr("Are you sure you want to delete Profile %1 ?").arg(QFileInfo(removed).baseName());
    if (Dialogs::question(this, programName, answerText) != QMessageBox::Yes)
        return;
    QFile file(removed);
    if (file.exists() && !file.remove()) {
        Dialogs::warning(this, programName,
                         tr("The Profile %1 could not be deleted:\n%2").arg(removed, file.errorString()));
        return;
    }
    loadTable(tablefile::defaultTablePath);
    fullRefresh();
    // The default table is loaded, so "White" must not stay checked for Reset to fall back to.
    showActiveTable(QString(), true, false, false);
    m_profile.clear();
    Dialogs::information(this, programName, tr("Profile %1 deleted.\n\nDefault Profile loaded").arg(removed));
}
