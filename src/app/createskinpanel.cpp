// SPDX-License-Identifier: GPL-3.0-or-later

#include "createskinpanel.h"

#include "apppaths.h"
#include "backgroundjob.h"
#include "dialogs.h"
#include "globalfontrow.h"
#include "longwords.h"
#include "platform/systemerror.h"
#include "screenreadernames.h"
#include "skin/outputname.h"
#include "skin/skinbuilder.h"
#include "skin/skinbuildoptions.h"
#include "skin/sourceskins.h"
#include "styledocument.h"
#include "ui_buildbar.h"
#include "ui_createskinpanel.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int statusRemarkMilliseconds = 4000;

QString skinFilter()
{
    return CreateSkinPanel::tr("Skin Files (*.zip)");
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
    failed.*error = CreateSkinPanel::tr("Cannot create a temporary folder: %1")
                        .arg(platform::systemErrorText(folder.errorString()));
    return failed;
}

} // namespace

CreateSkinPanel::CreateSkinPanel(const QString &documentsFolder, const StyleDocument &document,
                                 QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::CreateSkinPanel>()),
      m_barForm(std::make_unique<Ui::BuildBar>()), m_bar(new QWidget), m_documentsFolder(documentsFolder),
      m_document(document)
{
    ui->setupUi(this);
    m_barForm->setupUi(m_bar);
    // The window gives the first step the focus: choosing the skin.
    setFocusProxy(ui->chooseSkinButton);
    m_barForm->versionLabel->setText(
        m_barForm->versionLabel->text().arg(QCoreApplication::applicationVersion()));
    m_barForm->buildProgress->setRange(0, int(BuildStep::Pack) + 1);
    // The progress and "Stop" show as one while work runs: a row of hidden widgets would leave
    // the status no width.
    m_barForm->progressRow->setVisible(false);
    m_barForm->statusLabel->setWordWrap(true);
    m_statusTimer = new QTimer(this);
    m_statusTimer->setSingleShot(true);
    m_statusTimer->setInterval(statusRemarkMilliseconds);
    connect(m_statusTimer, &QTimer::timeout, this, [this] { showStatus(QString()); });

    connect(ui->chooseSkinButton, &QPushButton::clicked, this, &CreateSkinPanel::chooseSkin);
    connect(m_barForm->createSkinButton, &QPushButton::clicked, this, &CreateSkinPanel::createSkin);
    connect(m_barForm->stopButton, &QPushButton::clicked, this, &CreateSkinPanel::stopBuild);
    // Escape stops the build wherever the focus is; an action, as a button's own shortcut is
    // replaced by its text's access key whenever the text is set.
    auto *escape = new QAction(m_barForm->stopButton);
    escape->setShortcut(Qt::Key_Escape);
    m_barForm->stopButton->addAction(escape);
    connect(escape, &QAction::triggered, m_barForm->stopButton, &QPushButton::click);
    for (QAbstractButton *builtIn :
         {ui->defaultIconsButton, ui->alternativeIconsButton, ui->whiteIconsButton})
        connect(builtIn, &QAbstractButton::clicked, this, &CreateSkinPanel::builtInIconsChosen);
    connect(ui->otherSkinIconsButton, &QAbstractButton::clicked, this,
            &CreateSkinPanel::otherSkinIconsChosen);
    connect(ui->chooseIconSkinButton, &QPushButton::clicked, this, &CreateSkinPanel::chooseIconSkin);
    connect(ui->floatingBrowserBox, &QAbstractButton::clicked, this,
            &CreateSkinPanel::floatingBrowserToggled);
    connect(ui->importWindowsBox, &QAbstractButton::clicked, this, &CreateSkinPanel::windowsToggled);
    connect(ui->chooseWindowSkinButton, &QPushButton::clicked, this, &CreateSkinPanel::chooseWindowSkin);
    // Enter on the focused button or in the name field builds, as Space does.
    m_barForm->createSkinButton->setAutoDefault(true);
    connect(m_barForm->saveAsField, &QLineEdit::returnPressed, m_barForm->createSkinButton,
            &QPushButton::click);

    ui->defaultIconsButton->setChecked(true);
    ui->windowsHint->setVisible(false);
    ui->chooseWindowSkinButton->setEnabled(false);
    ui->chooseIconSkinButton->setEnabled(false);
    ui->noCustomIconsSign->setVisible(false);
    for (QWidget *label :
         {static_cast<QWidget *>(ui->iconSkinName), static_cast<QWidget *>(ui->windowScanResult),
          static_cast<QWidget *>(ui->windowSkinCaption), static_cast<QWidget *>(ui->windowSkinName)})
        greyLabel(label, true);
    m_globalFont = new GlobalFontRow(*ui, this);
    nameForScreenReaders(
        this,
        {{ui->chooseSkinButton, QT_TRANSLATE_NOOP("ScreenReaderNames", "Browse for the skin to restyle")},
         {ui->chooseIconSkinButton,
          QT_TRANSLATE_NOOP("ScreenReaderNames", "Browse for the skin to take the icons from")},
         {ui->chooseWindowSkinButton,
          QT_TRANSLATE_NOOP("ScreenReaderNames", "Browse for the skin to take the windows from")},
         {ui->defaultIconsButton, QT_TRANSLATE_NOOP("ScreenReaderNames", "Default Browser icons")},
         {ui->alternativeIconsButton, QT_TRANSLATE_NOOP("ScreenReaderNames", "Alternative Browser icons")},
         {ui->whiteIconsButton, QT_TRANSLATE_NOOP("ScreenReaderNames", "White Browser icons")},
         {ui->otherSkinIconsButton,
          QT_TRANSLATE_NOOP("ScreenReaderNames", "Browser icons from another skin")},
         {ui->globalFontButton, QT_TRANSLATE_NOOP("ScreenReaderNames", "Choose the global skin font")},
         {ui->globalSizeField, QT_TRANSLATE_NOOP("ScreenReaderNames", "Global font size in percent")}});
    nameForScreenReaders(m_bar, {});
}

CreateSkinPanel::~CreateSkinPanel()
{
    if (m_job)
        m_job->waitForFinished(); // its files and folders belong to this window
    delete m_bar;                 // gone already where the window that placed it went first
}

QString CreateSkinPanel::globalFontName() const
{
    return m_globalFont->name();
}

void CreateSkinPanel::setTheme(ThemeChoice theme)
{
    m_theme = theme;
    m_globalFont->setTheme(theme);
    QPalette selectedFilePalette;
    selectedFilePalette.setColor(QPalette::Text, QColor(themeFor(theme).labelcolor));
    ui->skinName->setPalette(selectedFilePalette);
}

void CreateSkinPanel::greyLabel(QWidget *label, bool greyed)
{
    showTextState(label, greyed ? TextState::Greyed : TextState::Normal, m_theme);
}

QString CreateSkinPanel::dialogFolder(const QString &dialog) const
{
    if (QFileInfo(m_dialogFolders.value(dialog)).isDir())
        return m_dialogFolders.value(dialog);
    // Before the host or a first build has made the skins folder, start as near to it as exists.
    QString folder = outputname::skinsFolder(m_documentsFolder);
    while (!QFileInfo(folder).isDir() && QFileInfo(folder).path() != folder)
        folder = QFileInfo(folder).path();
    return folder;
}

QString CreateSkinPanel::chooseSkinFile(const QString &dialog, const QString &caption)
{
    const QString path = Dialogs::getOpenFileName(window(), caption, dialogFolder(dialog), skinFilter());
    const QString folder = QFileInfo(path).absolutePath();
    if (!path.isEmpty() && m_dialogFolders.value(dialog) != folder) {
        m_dialogFolders.insert(dialog, folder);
        emit dialogFoldersChanged();
    }
    return path;
}

void CreateSkinPanel::chooseSkin()
{
    // A cancelled dialog keeps the skin chosen before and the name typed for the new one.
    if (const QString path = chooseSkinFile(QStringLiteral("skin"), tr("Select a Skin zip file"));
        !path.isEmpty())
        selectSkin(path);
}

void CreateSkinPanel::selectSkin(const QString &path)
{
    m_selectedSkin = path;
    ui->skinName->setText(QFileInfo(path).baseName());
    m_barForm->saveAsField->setText(outputname::suggestedName(path));
    emit skinSelected(path);
}

std::optional<SkinBuildOptions> CreateSkinPanel::buildOptions(QString *problem) const
{
    SkinBuildOptions options;
    options.selectedSkinFile = m_selectedSkin;
    if (!m_selectedSkin.isEmpty())
        options.outputPath = outputname::outputPath(outputname::skinsFolder(m_documentsFolder),
                                                    m_barForm->saveAsField->text(), m_selectedSkin, problem);
    if (!problem->isEmpty())
        return std::nullopt;
    options.iconSet = ui->alternativeIconsButton->isChecked() ? IconSet::Alternative
                      : ui->whiteIconsButton->isChecked()     ? IconSet::White
                      : ui->otherSkinIconsButton->isChecked() ? IconSet::FromOtherSkin
                                                              : IconSet::Default;
    if (options.iconSet == IconSet::FromOtherSkin && !ui->iconSkinName->text().isEmpty())
        options.iconSkinFile = m_iconSkin;
    options.floatBrowser = ui->floatingBrowserBox->isChecked();
    // Asked for without a skin that has windows, the build says that none were added.
    options.importWindows = ui->importWindowsBox->isChecked();
    if (m_windowsFound)
        options.windowSkinFile = m_windowSkin;
    options.globalFont = ui->globalFontBox->isChecked();
    options.globalFontName = m_globalFont->name();
    options.globalSize = ui->globalSizeField->text();
    options.changeColours = m_changeColours;
    options.lineHeight = m_document.lineHeight();
    if (const auto refused = checkOptions(options))
        *problem = refused->message;
    return problem->isEmpty() ? std::optional(options) : std::nullopt;
}

void CreateSkinPanel::createSkin()
{
    if (isBusy())
        return;
    QString problem;
    const std::optional<SkinBuildOptions> options = buildOptions(&problem);
    if (!options) {
        Dialogs::warning(window(), programName, problem);
        return;
    }
    // The question and the build's outcome open beside "Create Skin", so the form stays in view.
    if (QFileInfo::exists(options->outputPath) &&
        !Dialogs::confirm(m_barForm->createSkinButton, programName,
                          tr("The skin \"%1\" already exists.\nReplace it with the new skin?")
                              .arg(QDir::toNativeSeparators(options->outputPath)),
                          tr("Replace")))
        return;
    const QString outputFolder = QFileInfo(options->outputPath).absolutePath();
    if (!QDir().mkpath(outputFolder)) {
        Dialogs::warning(
            window(), programName,
            tr("The folder \"%1\" could not be created").arg(QDir::toNativeSeparators(outputFolder)));
        return;
    }
    const QString skinName =
        m_barForm->saveAsField->text().isEmpty() ? ui->skinName->text() : m_barForm->saveAsField->text();
    const BuildProgress progress = [this](BuildStep step, const QString &file) {
        QMetaObject::invokeMethod(
            this, [this, step, file] { showBuildStep(step, file); }, Qt::QueuedConnection);
    };
    // The build works on its own copies: the editor stays usable while it runs.
    const auto stop = std::make_shared<std::atomic_bool>(false);
    startJob(tr("Processing. Please wait ..."),
             runInBackground(
                 this,
                 [options = *options, style = m_document.style(), progress, stop] {
                     return inOwnFolder(&BuildResult::message, [&](const QString &folder) {
                         return SkinBuilder::build(options, style, folder, progress, stop.get());
                     });
                 },
                 [this, skinName](const BuildResult &result) {
                     finishJob();
                     showBuildResult(result, skinName);
                 }));
    m_stopRequest = stop;
    m_barForm->stopButton->setEnabled(true);
    m_barForm->stopButton->setVisible(true);
}

void CreateSkinPanel::stopBuild()
{
    if (!m_stopRequest)
        return;
    *m_stopRequest = true;
    m_barForm->stopButton->setEnabled(false);
    showStatus(tr("Stopping…"));
}

void CreateSkinPanel::showBuildStep(BuildStep step, const QString &file)
{
    if (!m_stopRequest)
        return; // from a build that has ended
    m_barForm->buildProgress->setValue(int(step) + 1);
    if (*m_stopRequest)
        return; // the status says why the build goes on
    showStatus(buildStepText(step, QFileInfo(file).fileName()));
}

void CreateSkinPanel::showBuildResult(const BuildResult &result, const QString &skinName)
{
    if (result.stopped) {
        showStatus(tr("Stopped: nothing was written"), StatusLasts::FewSeconds);
        return;
    }
    if (!result.ok) {
        showStatus(tr("Failed"));
        Dialogs::warning(m_barForm->createSkinButton, programName,
                         tr("The skin could not be created.\n%1").arg(result.message));
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
    if (Dialogs::informationOffering(m_barForm->createSkinButton, programName, text, tr("Open Folder")) &&
        !QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        Dialogs::warning(
            window(), programName,
            tr("No program could be found to show the folder \"%1\"").arg(QDir::toNativeSeparators(folder)));
    showStatus(QString());
}

// --- background work --------------------------------------------------------------------------

void CreateSkinPanel::showStatus(const QString &text, StatusLasts lasts)
{
    // Wrapped over the two lines the status has; a file name wider than a line, and a text longer
    // than both, are cut in the middle, where a file name has least to say. The whole text is in
    // the tip.
    QLabel *label = m_barForm->statusLabel;
    const auto linesTaken = [label](const QString &shown) {
        return label->fontMetrics()
            .boundingRect(QRect(0, 0, label->contentsRect().width(), INT_MAX), Qt::TextWordWrap, shown)
            .height();
    };
    const int lines = linesTaken(QStringLiteral("x\nx"));
    label->setMinimumHeight(lines);
    // A status not laid out yet has no width to fit into.
    const QString fitting = label->isVisible()
                                ? shortenLongWords(text, label->fontMetrics(), label->contentsRect().width())
                                : text;
    QString shown = fitting;
    for (int room = 2 * label->width(); label->isVisible() && room > 0 && linesTaken(shown) > lines;
         room -= label->width() / 8)
        shown = label->fontMetrics().elidedText(fitting, Qt::ElideMiddle, room);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
    if (lasts == StatusLasts::FewSeconds)
        m_statusTimer->start();
    else
        m_statusTimer->stop();
}

void CreateSkinPanel::startJob(const QString &status, QFutureWatcherBase *job)
{
    m_job = job;
    showStatus(status);
    m_barForm->buildProgress->setValue(0);
    m_barForm->stopButton->setVisible(false); // shown for a build only
    m_barForm->progressRow->setVisible(true);
    m_enabledBeforeJob.clear();
    for (QWidget *widget :
         {static_cast<QWidget *>(m_barForm->createSkinButton), static_cast<QWidget *>(ui->chooseSkinButton),
          static_cast<QWidget *>(m_barForm->saveAsField), static_cast<QWidget *>(ui->defaultIconsButton),
          static_cast<QWidget *>(ui->alternativeIconsButton),
          static_cast<QWidget *>(ui->otherSkinIconsButton), static_cast<QWidget *>(ui->whiteIconsButton),
          static_cast<QWidget *>(ui->chooseIconSkinButton), static_cast<QWidget *>(ui->floatingBrowserBox),
          static_cast<QWidget *>(ui->importWindowsBox), static_cast<QWidget *>(ui->chooseWindowSkinButton),
          static_cast<QWidget *>(ui->globalFontBox), static_cast<QWidget *>(ui->globalFontButton),
          static_cast<QWidget *>(ui->globalSizeField)}) {
        m_enabledBeforeJob.insert(widget, widget->isEnabled());
        widget->setEnabled(false);
    }
    emit busyChanged(true);
}

void CreateSkinPanel::finishJob()
{
    m_job = nullptr;
    m_stopRequest.reset();
    m_barForm->progressRow->setVisible(false);
    for (auto it = m_enabledBeforeJob.cbegin(); it != m_enabledBeforeJob.cend(); ++it)
        it.key()->setEnabled(it.value());
    emit busyChanged(false);
    if (m_closeWhenDone)
        QMetaObject::invokeMethod(window(), &QWidget::close, Qt::QueuedConnection);
}

bool CreateSkinPanel::closeWhenIdle()
{
    if (!isBusy())
        return true;
    // A build is stopped rather than waited for; a source scan ends on its own in a moment.
    m_closeWhenDone = true;
    stopBuild();
    return false;
}

// --- icon and window sources -------------------------------------------------------------------

void CreateSkinPanel::builtInIconsChosen()
{
    greyLabel(ui->iconSkinName, true);
    ui->chooseIconSkinButton->setEnabled(false);
    ui->noCustomIconsSign->setVisible(false);
}

void CreateSkinPanel::otherSkinIconsChosen()
{
    greyLabel(ui->iconSkinName, false);
    ui->chooseIconSkinButton->setEnabled(true);
    ui->noCustomIconsSign->setVisible(!ui->iconSkinName->text().isEmpty() && !m_customIconsFound);
}

void CreateSkinPanel::chooseIconSkin()
{
    if (!ui->otherSkinIconsButton->isChecked() || isBusy())
        return;
    const QString path =
        chooseSkinFile(QStringLiteral("icons"), tr("Select a Skin zip file with Custom Browser Icons"));
    if (path.isEmpty())
        return;
    m_iconSkin = path;
    ui->iconSkinName->setText(QFileInfo(path).baseName());
    m_customIconsFound = false;
    if (ui->iconSkinName->text().isEmpty()) {
        Dialogs::warning(window(), programName, tr("You have not selected any skin with Custom Icons"));
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
                     m_customIconsFound = scan.customIcons;
                     if (!scan.error.isEmpty())
                         Dialogs::warning(window(), programName, scan.error);
                     else
                         ui->noCustomIconsSign->setVisible(!m_customIconsFound);
                 }));
}

void CreateSkinPanel::floatingBrowserToggled(bool checked)
{
    ui->floatingBrowserHint->setText(
        checked ? tr("Assign a keyboard or custom button as... show_window 'browserfloat' "
                     "to open/close the Floating Browser window")
                : QString());
}

void CreateSkinPanel::windowsToggled()
{
    const bool on = ui->importWindowsBox->isChecked();
    ui->chooseWindowSkinButton->setEnabled(on);
    if (!on)
        greyLabel(ui->windowScanResult, true);
    else if (m_windowsFound)
        greyLabel(ui->windowScanResult, false);
    else
        showTextState(ui->windowScanResult, TextState::Warning, m_theme);
    ui->windowsHint->setVisible(on && m_windowsFound);
    greyLabel(ui->windowSkinCaption, !on);
    greyLabel(ui->windowSkinName, !on);
}

void CreateSkinPanel::chooseWindowSkin()
{
    if (!ui->importWindowsBox->isChecked() || isBusy())
        return;
    const QString path = chooseSkinFile(QStringLiteral("windows"), tr("Select a Skin zip file with Window"));
    if (path.isEmpty())
        return;
    m_windowSkin = path;
    ui->windowSkinName->setText(QFileInfo(path).baseName());
    if (ui->windowSkinName->text().isEmpty()) {
        Dialogs::warning(window(), programName, tr("You have not selected any Window skin"));
        m_windowsFound = false;
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

void CreateSkinPanel::showWindowScan(const QString &error, const QStringList &names)
{
    if (!error.isEmpty()) {
        Dialogs::warning(window(), programName, error);
        m_windowsFound = false;
        return;
    }
    m_windowsFound = !names.isEmpty();
    ui->windowsHint->setVisible(m_windowsFound);
    if (m_windowsFound) {
        showTextState(ui->windowScanResult, TextState::Normal, m_theme);
        ui->windowScanResult->setText(QStringLiteral("Found %1 Window(s) with Name(s) : %2")
                                          .arg(names.size())
                                          .arg(names.join(QLatin1Char(','))));
        ui->windowScanResult->setToolTip(QStringLiteral("<html><head/><body><p>") +
                                         names.join(QStringLiteral("</p><p>")) +
                                         QStringLiteral("</p></body></html>"));
    } else {
        showTextState(ui->windowScanResult, TextState::Warning, m_theme);
        ui->windowScanResult->setText(tr("Selected Skin does not contain any floating Windows"));
        ui->windowScanResult->setToolTip(QString());
    }
}
