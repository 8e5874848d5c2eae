#include "mainwindow.h"

#include "about.h"
#include "colour/scheme.h"
#include "createskinpanel.h"
#include "crispsigns.h"
#include "dialogs.h"
#include "editorpanel.h"
#include "previewpanel.h"
#include "profilespanel.h"
#include "schemeactions.h"
#include "settingsfile.h"
#include "skinstyles.h"
#include "styledocument.h"
#include "textfit.h"
#include "theme.h"
#include "ui_mainwindow.h"
#include "windowlayout.h"
#include "windowtooltips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWhatsThis>

namespace {

// The name the profile dialogs' folder is kept under, beside the skin dialogs' folders.
const QString profilesDialog = QStringLiteral("profiles");

// The one local file a drag carries, or an empty text.
QString droppedFile(const QMimeData *data)
{
    if (!data || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    return data->urls().first().toLocalFile();
}

bool isProfile(const QString &path)
{
    return path.endsWith(QLatin1String(".pcp"), Qt::CaseInsensitive);
}

// The files the window opens, by their names.
bool opens(const QString &path)
{
    return isProfile(path) || scheme::looksLikeScheme(path) ||
           path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : MainWindow(AppPaths::system(), parent) {}

MainWindow::MainWindow(const AppPaths &where, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), m_paths(where),
      m_profilesFolder(where.profilesFolder())
{
    ui->setupUi(this);
    keepSignsCrisp(this);
    m_document = new StyleDocument(this);
    m_preview = new PreviewPanel(*ui, *m_document, this); // fitted and styled when first shown
    fitFormTexts(this);
    makeFormScrollable(this);
    ui->versionLabel->setText(ui->versionLabel->text().arg(QCoreApplication::applicationVersion()));
    m_createSkin = new CreateSkinPanel(*ui, this, m_paths.documentsFolder, *m_document);
    connect(m_createSkin, &CreateSkinPanel::busyChanged, this, [this](bool busy) {
        for (QWidget *widget :
             {static_cast<QWidget *>(ui->changeColoursBox), static_cast<QWidget *>(ui->lineHeightField),
              static_cast<QWidget *>(ui->resetAllButton)})
            widget->setEnabled(!busy);
        ui->menuProfile->setEnabled(!busy);
    });
    setAcceptDrops(true);
    wireMenusAndSwitches();
    m_editor = new EditorPanel(*ui, this, *m_document);
    m_tooltips = std::make_unique<WindowTooltips>(
        [this](int index, bool font) { return m_editor->rowName(index, font); });
    connect(m_editor, &EditorPanel::pageBuilt, this, [this](QWidget *page) {
        m_tooltips->addWidgetsBelow(page);
        stretchForm(this);
    });
    const auto remark = [this](const QString &text) {
        m_createSkin->showStatus(text, CreateSkinPanel::StatusLasts::FewSeconds);
    };
    connect(m_editor, &EditorPanel::remark, this, remark);
    m_profiles = new ProfilesPanel(*ui, this, m_profilesFolder, *m_document);
    connect(m_profiles, &ProfilesPanel::remark, this, remark);
    m_skinStyles = new SkinStyles(*ui, this, *m_createSkin, *m_profiles, *m_document);
    connect(m_createSkin, &CreateSkinPanel::skinSelected, m_skinStyles, &SkinStyles::readPalette);
    setUpSchemeActions();
    setUpKeyboard();

    setWindowTitle(programName);
    loadSettings();
    // Written as soon as they change: a program killed later keeps them.
    connect(m_createSkin, &CreateSkinPanel::dialogFoldersChanged, this, &MainWindow::saveSettings);
    connect(m_profiles, &ProfilesPanel::settingsChanged, this, &MainWindow::saveSettings);
    ui->actionDarkTheme->setChecked(m_theme == 0);
    ui->actionBrightTheme->setChecked(m_theme != 0);

    m_profiles->loadDefaultTable();
    // The labels that show a state take the theme's colours for it.
    applyTheme(m_theme);
    ui->actionShowTooltips->setChecked(m_showTooltips);
    m_tooltips->addWidgetsBelow(this);
    m_tooltips->setShown(m_showTooltips);
    m_editor->buildEditorPage(ui->settingsPages->currentIndex()); // now that the values it shows are loaded

    // Start in the editing layout: the settings tabs shown, the preview (unchecked in the form) hidden.
    ui->changeColoursBox->setChecked(true);
    editingToggled();

    // The "%" sits inside a white entry field, whatever the theme.
    showTextState(ui->lineHeightPercent, TextState::InField, m_theme);

    prepareFolders();
    if (!m_geometry.isEmpty() && restoreGeometry(m_geometry))
        keepRestoredPlace(this);
}

void MainWindow::wireMenusAndSwitches()
{
    const std::pair<QAction *, void (MainWindow::*)()> actions[] = {
        {ui->actionDarkTheme, &MainWindow::useDarkTheme},
        {ui->actionBrightTheme, &MainWindow::useBrightTheme},
        {ui->actionShowTooltips, &MainWindow::toggleTooltips},
        {ui->actionAbout, &MainWindow::showAbout},
        {ui->actionWhatsThis, &MainWindow::enterWhatsThis},
    };
    for (const auto &[action, handler] : actions)
        connect(action, &QAction::triggered, this, handler);
    connect(ui->changeColoursBox, &QAbstractButton::clicked, this, &MainWindow::editingToggled);
    connect(ui->showPreviewBox, &QAbstractButton::clicked, this, &MainWindow::previewToggled);
}

MainWindow::~MainWindow() = default;

void MainWindow::prepareFolders()
{
    if (!m_oldScratchRemoved) {
        removeOldScratch(m_paths.documentsFolder);
        m_oldScratchRemoved = true;
        // Kept at once: names the user gives files there later are the user's.
        saveSettings();
    }
    // The documents folder itself is made too: a fresh account may not have one yet.
    if (!QDir().mkpath(m_profilesFolder)) {
        // Said once, after the window shows, rather than as a failure in every later action.
        QTimer::singleShot(0, this, [this] {
            Dialogs::warning(this, programName,
                             tr("The folder \"%1\" could not be created. Profiles cannot be saved and "
                                "skins cannot be created until it can.")
                                 .arg(QDir::toNativeSeparators(m_profilesFolder)));
        });
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_createSkin->closeWhenIdle()) {
        event->ignore();
        return;
    }
    if (!m_profiles->askToKeepEdits(tr("Save them before closing?"))) {
        event->ignore();
        return;
    }
    // A settings file that cannot be written must not keep the user from closing the program.
    saveSettings();
    event->accept();
}

bool MainWindow::saveSettings()
{
    // A window never shown has no place the user gave it.
    if (isVisible())
        m_geometry = saveGeometry();
    QMap<QString, QString> folders = m_createSkin->dialogFolders();
    if (!m_profiles->dialogFolder().isEmpty())
        folders.insert(profilesDialog, m_profiles->dialogFolder());
    return settingsfile::save(
        m_paths.settingsFile(),
        {m_theme, m_showTooltips, folders, m_profiles->recentProfiles(), m_oldScratchRemoved, m_geometry});
}

void MainWindow::loadSettings()
{
    const AppSettings settings = settingsfile::load(m_paths.settingsFile(), m_paths.executableFolder);
    m_theme = settings.themenumber;
    m_showTooltips = settings.showtooltips;
    QMap<QString, QString> folders = settings.folders;
    m_profiles->setDialogFolder(folders.take(profilesDialog));
    m_createSkin->setDialogFolders(folders);
    m_geometry = settings.windowGeometry;
    m_profiles->setRecentProfiles(settings.recentProfiles);
    m_oldScratchRemoved = settings.oldScratchRemoved;
}

void MainWindow::applyTheme(int number)
{
    const Theme theme = themeFor(number);
    // Re-applying the same sheet re-polishes every widget of the window for nothing.
    if (styleSheet() != theme.styleSheet)
        setStyleSheet(theme.styleSheet);
    // Labels keep their state (greyed, warning ...) in the colours of the theme now worn.
    m_createSkin->setTheme(number);
    m_editor->setTheme(number);
    reshowTextStates(this, number);
}

const Style &MainWindow::currentStyle() const
{
    return m_document->style();
}

const StyleTable &MainWindow::styleTable() const
{
    return m_document->table();
}

int MainWindow::lineHeightValue() const
{
    return m_document->lineHeight();
}

QString MainWindow::globalFontName() const
{
    return m_createSkin->globalFontName();
}

bool MainWindow::isBusy() const
{
    return m_createSkin->isBusy();
}

// Refused drops are explained on the status line, where a remark goes by itself.
void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QString path = droppedFile(event->mimeData());
    if (!isBusy() && opens(path)) {
        event->acceptProposedAction();
        return;
    }
    m_createSkin->showStatus(isBusy() ? tr("Please wait for the skin to be created")
                                      : tr("Only a skin's .zip file, a profile or a colour scheme can be "
                                           "dropped here"),
                             CreateSkinPanel::StatusLasts::FewSeconds);
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedFile(event->mimeData());
    if (isBusy() || !opens(path))
        return;
    event->acceptProposedAction();
    m_createSkin->showStatus(QString());
    openFile(path);
}

void MainWindow::openFile(const QString &path)
{
    if (isProfile(path))
        m_profiles->openProfileAsking(path);
    else if (scheme::looksLikeScheme(path))
        m_schemes->openScheme(path);
    else
        m_createSkin->selectSkin(path);
}

void MainWindow::openFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        const QString shown = QDir::toNativeSeparators(path);
        if (!QFileInfo(path).isFile())
            Dialogs::warning(this, programName,
                             tr("\"%1\" cannot be opened: there is no such file.").arg(shown));
        else if (!opens(path))
            Dialogs::warning(this, programName,
                             tr("\"%1\" cannot be opened: Panelcraft opens skins (.zip), profiles (.pcp) "
                                "and colour schemes.")
                                 .arg(shown));
        else
            openFile(path);
    }
}

void MainWindow::setUpSchemeActions()
{
    SchemeActions::Host host;
    host.window = this;
    host.folder = m_paths.documentsFolder;
    host.document = m_document;
    host.askToKeepEdits = [this](const QString &question) { return m_profiles->askToKeepEdits(question); };
    host.offerColours = [this](const QVector<QColor> &colours) { m_skinStyles->offerColours(colours); };
    host.showStatus = [this](const QString &text) {
        m_createSkin->showStatus(text, CreateSkinPanel::StatusLasts::FewSeconds);
    };
    m_schemes = new SchemeActions(host, ui->menuProfile, ui->actionSave);
}

void MainWindow::useDarkTheme()
{
    m_theme = 0;
    fullRefresh();
    ui->actionDarkTheme->setChecked(true);
    ui->actionBrightTheme->setChecked(false);
    saveSettings();
}

void MainWindow::useBrightTheme()
{
    m_theme = 1;
    ui->actionDarkTheme->setChecked(false);
    ui->actionBrightTheme->setChecked(true);
    fullRefresh();
    saveSettings();
}

void MainWindow::toggleTooltips()
{
    m_showTooltips = !m_showTooltips;
    ui->actionShowTooltips->setChecked(m_showTooltips);
    m_tooltips->setShown(m_showTooltips);
    saveSettings();
}

void MainWindow::showAbout()
{
    About about(nullptr);
    about.setModal(true);
    Dialogs::exec(about);
}

void MainWindow::enterWhatsThis()
{
    if (QWhatsThis::inWhatsThisMode())
        QWhatsThis::leaveWhatsThisMode();
    QWhatsThis::enterWhatsThisMode();
}

void MainWindow::editingToggled()
{
    const bool editing = ui->changeColoursBox->isChecked();
    const bool preview = editing && ui->showPreviewBox->isChecked();
    for (QWidget *widget :
         {static_cast<QWidget *>(ui->showPreviewBox), static_cast<QWidget *>(ui->showPreviewLabel),
          static_cast<QWidget *>(ui->settingsPages), static_cast<QWidget *>(ui->resetAllButton)})
        widget->setVisible(editing);
    m_preview->setShown(preview);
    applyWindowLayout(this, preview   ? WindowLayout::Full
                            : editing ? WindowLayout::Editing
                                      : WindowLayout::Compact);
}

void MainWindow::previewToggled()
{
    const bool preview = ui->showPreviewBox->isChecked();
    m_preview->setShown(preview);
    applyWindowLayout(this, preview ? WindowLayout::Full : WindowLayout::Editing);
}

void MainWindow::fullRefresh()
{
    applyTheme(m_theme);
    m_editor->showAllValues();
}
