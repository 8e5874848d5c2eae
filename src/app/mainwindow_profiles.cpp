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
    styletable = table;
    style = tablefile::derive(styletable);
    // Set before the field, so that showing it is no edit of its own.
    lineheight = tablefile::tableLineHeight(styletable);
    showLineHeight();
    return true;
}

bool MainWindow::defaultcolors(const QString &file)
{
    if (!readTable(file))
        return false;
    // Edits made against another table cannot be undone onto this one.
    undoStack->clear();
    return true;
}

void MainWindow::resetcolors()
{
    readTable(!profilefile.isEmpty()                ? profilefile
              : ui->actionWhiteBrowser->isChecked() ? tablefile::whiteTablePath
                                                    : tablefile::defaultTablePath);
}

void MainWindow::on_pushButton_clicked()
{
    if (openProfileIsGone())
        return;
    const EditorValues before = editorValues();
    resetcolors();
    fullRefresh();
    // Reloading the active table is an edit of its own: a Reset by mistake can be undone.
    pushEdit(before, editorValues(), tr("Reset all"));
}

bool MainWindow::openProfileIsGone()
{
    if (profilefile.isEmpty() || QFileInfo::exists(profilefile))
        return false;
    const QString gone = profilefile;
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
    defaultcolors(white ? tablefile::whiteTablePath : tablefile::defaultTablePath);
    fullRefresh();
    profilefile.clear();
    showActiveTable(white ? tr(" (White Browser)") : QString(), !white, white, false);
}

QString MainWindow::beforeReplacing()
{
    return tr("Save them before they are replaced?");
}

void MainWindow::on_actionDefault_2_triggered()
{
    if (askToKeepEdits(beforeReplacing()))
        loadBuiltInTable(false);
    else
        ui->actionDefault_2->setChecked(!ui->actionDefault_2->isChecked()); // as it was
}

void MainWindow::on_actionWhiteBrowser_triggered()
{
    if (askToKeepEdits(beforeReplacing()))
        loadBuiltInTable(true);
    else
        ui->actionWhiteBrowser->setChecked(!ui->actionWhiteBrowser->isChecked());
}

void MainWindow::on_actionCustom_triggered()
{
    if (!askToKeepEdits(beforeReplacing()))
        return;
    const QString path =
        Dialogs::getOpenFileName(this, tr("Select a Panelcraft Profile"), projectsfolder, profileFilter());
    if (!path.isEmpty())
        openProfile(path);
}

void MainWindow::openProfile(const QString &path)
{
    if (!defaultcolors(path))
        return;
    profilefile = path;
    fullRefresh();
    showActiveTable(titleSuffixFor(path), false, false, true);
    rememberProfile(path);
}

void MainWindow::on_actionSave_triggered()
{
    savedata(false);
}

void MainWindow::on_actionSave_as_triggered()
{
    savedata(true);
}

bool MainWindow::writeProfileOrWarn(const QString &path)
{
    const QString error = tablefile::writeProfile(path, style, lineheight);
    if (error.isEmpty())
        return true;
    Dialogs::warning(this, programName,
                     tr("The Profile could not be saved to %1\n%2\n\nNothing was changed.").arg(path, error));
    return false;
}

void MainWindow::showProfileSaved(const QString &path)
{
    // Said in passing: a box on every save is in the way. A failure still gets one.
    createSkin->showStatus(tr("Profile saved: %1").arg(QFileInfo(path).fileName()),
                           CreateSkinPanel::StatusLasts::FewSeconds);
}

void MainWindow::savedata(bool saveas)
{
    if (!saveas) {
        if (!writeProfileOrWarn(profilefile))
            return;
        undoStack->setClean();
        rememberProfile(profilefile);
        showProfileSaved(profilefile);
        return;
    }
    const QString path = Dialogs::getSaveFileName(this, tr("Save your Panelcraft Profile"), projectsfolder,
                                                  profileFilter(), QStringLiteral("pcp"));
    if (path.isEmpty() || !writeProfileOrWarn(path))
        return;
    profilefile = path;
    // Reading the file back makes the saved values the reference of every reset button.
    defaultcolors(profilefile);
    initcolors();
    initgui();
    updatebrowsercolors();
    showActiveTable(titleSuffixFor(path), false, std::nullopt, true);
    rememberProfile(path);
    showProfileSaved(path);
}

void MainWindow::on_actionDelete_triggered()
{
    if (openProfileIsGone() || !askToKeepEdits(beforeReplacing()))
        return;
    const QString removed = profilefile;
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
    defaultcolors(tablefile::defaultTablePath);
    fullRefresh();
    // The default table is loaded, so "White" must not stay checked for Reset to fall back to.
    showActiveTable(QString(), true, false, false);
    profilefile.clear();
    Dialogs::information(this, programName, tr("Profile %1 deleted.\n\nDefault Profile loaded").arg(removed));
}
