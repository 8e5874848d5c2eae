// "Create Skin" and the rows that choose what goes into the new skin: the skin to modify, the
// browser icons and their source skin, the floating browser and windows from another skin.

#include "backgroundjob.h"
#include "dialogs.h"
#include "mainwindow.h"
#include "skin/outputname.h"
#include "skin/skinbuilder.h"
#include "skin/sourceskins.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QUrl>

namespace {

QString skinFilter()
{
    return MainWindow::tr("Skin Files (*.zip)");
}

// The one local .zip file a drag carries, or an empty text.
QString droppedSkin(const QMimeData *data)
{
    if (!data || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    const QString path = data->urls().first().toLocalFile();
    return path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive) ? path : QString();
}

// Each build and scan unpacks into a folder of its own, removed afterwards: two windows, or a
// window and the command line, never empty each other's files.
// An empty path would stand for the current folder, so a folder that cannot be made fails the work.
template <typename Result, typename Work> Result inOwnFolder(QString Result::*error, Work work)
{
    const QTemporaryDir folder;
    if (folder.isValid())
        return work(folder.path());
    Result failed;
    failed.*error = MainWindow::tr("Cannot create a temporary folder: %1").arg(folder.errorString());
    return failed;
}

} // namespace

QString MainWindow::skinDialogFolder(const QString &dialog) const
{
    if (QFileInfo(lastfolders.value(dialog)).isDir())
        return lastfolders.value(dialog);
    // Before the host or a first build has made the skins folder, start as near to it as exists.
    QString folder = outputname::skinsFolder(paths.documentsFolder);
    while (!QFileInfo(folder).isDir() && QFileInfo(folder).path() != folder)
        folder = QFileInfo(folder).path();
    return folder;
}

QString MainWindow::chooseSkinFile(const QString &dialog, const QString &caption)
{
    const QString path = Dialogs::getOpenFileName(this, caption, skinDialogFolder(dialog), skinFilter());
    if (!path.isEmpty())
        lastfolders.insert(dialog, QFileInfo(path).absolutePath());
    return path;
}

void MainWindow::on_skinfileselect_clicked()
{
    selectSkin(chooseSkinFile(QStringLiteral("skin"), tr("Select a Skin zip file")));
}

void MainWindow::selectSkin(const QString &path)
{
    selectedskinfile = path;
    ui->selectedfile->setText(QFileInfo(path).baseName());
    ui->skinfile->setText(outputname::suggestedName(path));
    readSkinPalette(path);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!isBusy() && !droppedSkin(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        showStatus(isBusy() ? tr("Please wait for the skin to be created")
                            : tr("Only a skin's .zip file can be dropped here"),
                   StatusLasts::FewSeconds);
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedSkin(event->mimeData());
    if (isBusy() || path.isEmpty())
        return;
    event->acceptProposedAction();
    showStatus(QString());
    selectSkin(path);
}

std::optional<SkinBuildOptions> MainWindow::buildOptions(QString *problem) const
{
    SkinBuildOptions options;
    options.selectedSkinFile = selectedskinfile;
    if (!selectedskinfile.isEmpty())
        options.outputPath = outputname::outputPath(outputname::skinsFolder(paths.documentsFolder),
                                                    ui->skinfile->text(), selectedskinfile, problem);
    if (!problem->isEmpty())
        return std::nullopt;
    options.iconSet = ui->radioButton_2->isChecked()   ? IconSet::Alternative
                      : ui->radioButton_4->isChecked() ? IconSet::White
                      : ui->radioButton_3->isChecked() ? IconSet::FromOtherSkin
                                                       : IconSet::Default;
    if (options.iconSet == IconSet::FromOtherSkin && !ui->iconselect_name->text().isEmpty())
        options.iconSkinFile = iconskinfile;
    options.floatBrowser = ui->checkBox->isChecked();
    // Asked for without a skin that has windows, the build says that none were added.
    options.importWindows = ui->checkBox_window->isChecked();
    if (windowsfound)
        options.windowSkinFile = windowskinfile;
    options.globalFont = ui->checkBox_globalfont->isChecked();
    options.globalFontName = globalfontname;
    options.globalSize = ui->globalsize->text();
    options.changeColours = ui->checkBox_changecolors->isChecked();
    options.lineHeight = lineheight;
    if (const auto refused = checkOptions(options))
        *problem = refused->message;
    return problem->isEmpty() ? std::optional(options) : std::nullopt;
}

void MainWindow::on_dothejob_clicked()
{
    if (isBusy())
        return;
    QString problem;
    const std::optional<SkinBuildOptions> options = buildOptions(&problem);
    if (!options) {
        Dialogs::warning(this, programname, problem);
        return;
    }
    if (QFileInfo::exists(options->outputPath) &&
        !Dialogs::confirm(this, programname,
                          tr("The skin \"%1\" already exists.\nReplace it with the new skin?")
                              .arg(QDir::toNativeSeparators(options->outputPath)),
                          tr("Replace")))
        return;
    const QString outputFolder = QFileInfo(options->outputPath).absolutePath();
    if (!QDir().mkpath(outputFolder)) {
        Dialogs::warning(
            this, programname,
            tr("The folder \"%1\" could not be created").arg(QDir::toNativeSeparators(outputFolder)));
        return;
    }
    const QString skinName = ui->skinfile->text().isEmpty() ? ui->selectedfile->text() : ui->skinfile->text();
    const BuildProgress progress = [this](BuildStep step, const QString &file) {
        QMetaObject::invokeMethod(
            this, [this, step, file] { showBuildStep(step, file); }, Qt::QueuedConnection);
    };
    // The build works on its own copies: the editor stays usable while it runs.
    startJob(tr("Processing. Please wait ..."),
             runInBackground(
                 this,
                 [options = *options, style = style, progress] {
                     return inOwnFolder(&BuildResult::message, [&](const QString &folder) {
                         return SkinBuilder::build(options, style, folder, progress);
                     });
                 },
                 [this, skinName](const BuildResult &result) {
                     finishJob();
                     showBuildResult(result, skinName);
                 }));
}

void MainWindow::showBuildStep(BuildStep step, const QString &file)
{
    if (!isBusy())
        return;
    buildprogress->setValue(int(step) + 1);
    if (closewhendone)
        return; // the status says why the window is still open
    const QString text =
        buildStepText(step) + (file.isEmpty() ? QString() : QLatin1Char(' ') + QFileInfo(file).fileName());
    showStatus(text);
}

void MainWindow::showBuildResult(const BuildResult &result, const QString &skinName)
{
    if (!result.ok) {
        showStatus(tr("Failed"));
        Dialogs::warning(this, programname, tr("The skin could not be created.\n%1").arg(result.message));
        showStatus(QString());
        return;
    }
    showStatus(tr("Done !"));
    QString text = tr("Your Skin has been created successfully !\nSelect the %1 skin from Turnwise "
                      "Settings->Interface tab")
                       .arg(skinName);
    if (!result.warnings.isEmpty())
        text += tr("\n\nNot everything could be done as asked:\n- ") +
                result.warnings.join(QStringLiteral("\n- "));
    const QString folder = QFileInfo(result.outputPath).absolutePath();
    if (Dialogs::informationOffering(this, programname, text, tr("Open Folder")) &&
        !QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        Dialogs::warning(
            this, programname,
            tr("No program could be found to show the folder \"%1\"").arg(QDir::toNativeSeparators(folder)));
    showStatus(QString());
}

// --- background work --------------------------------------------------------------------------

void MainWindow::showStatus(const QString &text, StatusLasts lasts)
{
    // Cut in the middle, where a long file name has least to say; the whole text is in the tip.
    const QString shown =
        ui->statuslabel->fontMetrics().elidedText(text, Qt::ElideMiddle, ui->statuslabel->width());
    ui->statuslabel->setText(shown);
    ui->statuslabel->setToolTip(shown == text ? QString() : text);
    if (lasts == StatusLasts::FewSeconds)
        statusTimer->start();
    else
        statusTimer->stop();
}

void MainWindow::startJob(const QString &status, QFutureWatcherBase *job)
{
    runningjob = job;
    showStatus(status);
    buildprogress->setValue(0);
    buildprogress->setVisible(true);
    enabledbeforejob.clear();
    for (QWidget *widget :
         {static_cast<QWidget *>(ui->dothejob), static_cast<QWidget *>(ui->skinfileselect),
          static_cast<QWidget *>(ui->skinfile), static_cast<QWidget *>(ui->radioButton),
          static_cast<QWidget *>(ui->radioButton_2), static_cast<QWidget *>(ui->radioButton_3),
          static_cast<QWidget *>(ui->radioButton_4), static_cast<QWidget *>(ui->iconselect),
          static_cast<QWidget *>(ui->checkBox), static_cast<QWidget *>(ui->checkBox_window),
          static_cast<QWidget *>(ui->windowfileselect), static_cast<QWidget *>(ui->checkBox_globalfont),
          static_cast<QWidget *>(ui->globalfontbutton), static_cast<QWidget *>(ui->globalsize),
          static_cast<QWidget *>(ui->checkBox_changecolors), static_cast<QWidget *>(ui->lineheight),
          static_cast<QWidget *>(ui->pushButton)}) {
        enabledbeforejob.insert(widget, widget->isEnabled());
        widget->setEnabled(false);
    }
    ui->menuProfile->setEnabled(false);
}

void MainWindow::finishJob()
{
    runningjob = nullptr;
    buildprogress->setVisible(false);
    for (auto it = enabledbeforejob.cbegin(); it != enabledbeforejob.cend(); ++it)
        it.key()->setEnabled(it.value());
    ui->menuProfile->setEnabled(true);
    if (closewhendone)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

bool MainWindow::closeWhenIdle(QCloseEvent *event)
{
    if (!isBusy())
        return true;
    // Stopping half way would leave no skin at all; the archive is finished, then the window closes.
    closewhendone = true;
    showStatus(tr("Closing when the skin is written ..."));
    event->ignore();
    return false;
}

// --- icon and window sources -------------------------------------------------------------------

void MainWindow::builtInIconsChosen()
{
    greyLabel(ui->iconselect_name, true);
    ui->iconselect->setEnabled(false);
    ui->floatlabel_7->setVisible(false);
}

void MainWindow::on_radioButton_clicked()
{
    builtInIconsChosen();
}

void MainWindow::on_radioButton_2_clicked()
{
    builtInIconsChosen();
}

void MainWindow::on_radioButton_4_clicked()
{
    builtInIconsChosen();
}

void MainWindow::on_radioButton_3_clicked()
{
    greyLabel(ui->iconselect_name, false);
    ui->iconselect->setEnabled(true);
    ui->floatlabel_7->setVisible(!ui->iconselect_name->text().isEmpty() && !customiconsfound);
}

void MainWindow::on_iconselect_clicked()
{
    if (!ui->radioButton_3->isChecked() || isBusy())
        return;
    const QString path =
        chooseSkinFile(QStringLiteral("icons"), tr("Select a Skin zip file with Custom Browser Icons"));
    if (path.isEmpty())
        return;
    iconskinfile = path;
    ui->iconselect_name->setText(QFileInfo(path).baseName());
    customiconsfound = false;
    if (ui->iconselect_name->text().isEmpty()) {
        Dialogs::warning(this, programname, tr("You have not selected any skin with Custom Icons"));
        return;
    }
    startJob(tr("Looking for custom icons ..."),
             runInBackground(
                 this,
                 [path] {
                     return inOwnFolder(&sourceskins::IconScan::error, [&](const QString &folder) {
                         return sourceskins::scanIconSkin(path, folder);
                     });
                 },
                 [this](const sourceskins::IconScan &scan) {
                     finishJob();
                     showStatus(QString());
                     customiconsfound = scan.customIcons;
                     if (!scan.error.isEmpty())
                         Dialogs::warning(this, programname, scan.error);
                     else
                         ui->floatlabel_7->setVisible(!customiconsfound);
                 }));
}

void MainWindow::on_checkBox_clicked(bool checked)
{
    ui->floatlabel->setText(checked
                                ? tr("Assign a keyboard or custom button as... show_window 'browserfloat' "
                                     "to open/close the Floating Browser window")
                                : QString());
}

void MainWindow::on_checkBox_window_clicked()
{
    const bool on = ui->checkBox_window->isChecked();
    ui->windowfileselect->setEnabled(on);
    if (!on)
        greyLabel(ui->floatlabel_2, true);
    else if (windowsfound)
        greyLabel(ui->floatlabel_2, false);
    else
        showTextState(ui->floatlabel_2, TextState::Warning);
    ui->floatlabel_3->setVisible(on && windowsfound);
    greyLabel(ui->label_80, !on);
    greyLabel(ui->selectedwindow, !on);
}

void MainWindow::on_windowfileselect_clicked()
{
    if (!ui->checkBox_window->isChecked() || isBusy())
        return;
    const QString path = chooseSkinFile(QStringLiteral("windows"), tr("Select a Skin zip file with Window"));
    if (path.isEmpty())
        return;
    windownameshtml.clear();
    windowskinfile = path;
    ui->selectedwindow->setText(QFileInfo(path).baseName());
    if (ui->selectedwindow->text().isEmpty()) {
        Dialogs::warning(this, programname, tr("You have not selected any Window skin"));
        windowsfound = false;
        return;
    }
    startJob(tr("Looking for floating windows ..."),
             runInBackground(
                 this,
                 [path] {
                     return inOwnFolder(&sourceskins::WindowScan::error, [&](const QString &folder) {
                         return sourceskins::scanWindowSkin(path, folder);
                     });
                 },
                 [this](const sourceskins::WindowScan &scan) {
                     finishJob();
                     showStatus(QString());
                     showWindowScan(scan.error, scan.names);
                 }));
}

void MainWindow::showWindowScan(const QString &error, const QStringList &names)
{
    if (!error.isEmpty()) {
        Dialogs::warning(this, programname, error);
        windowsfound = false;
        return;
    }
    windowsfound = !names.isEmpty();
    ui->floatlabel_3->setVisible(windowsfound);
    if (windowsfound) {
        windownameshtml = names.join(QStringLiteral("</p><p>"));
        showTextState(ui->floatlabel_2, TextState::Normal);
        ui->floatlabel_2->setText(QStringLiteral("Found %1 Window(s) with Name(s) : %2")
                                      .arg(names.size())
                                      .arg(names.join(QLatin1Char(','))));
        ui->floatlabel_2->setToolTip(QStringLiteral("<html><head/><body><p>") + windownameshtml +
                                     QStringLiteral("</p></body></html>"));
    } else {
        showTextState(ui->floatlabel_2, TextState::Warning);
        ui->floatlabel_2->setText(tr("Selected Skin does not contain any floating Windows"));
        ui->floatlabel_2->setToolTip(QString());
    }
}
