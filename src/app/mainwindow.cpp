// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "about.h"
#include "colour/scheme.h"
#include "createskinpanel.h"
#include "crispsigns.h"
#include "dialogs.h"
#include "editorpanel.h"
#include "previewpanel.h"
#include "profilespanel.h"
#include "settingsfile.h"
#include "styledocument.h"
#include "theme.h"
#include "ui_mainwindow.h"
#include "windowtooltips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFutureWatcherBase>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace {

// The window is never narrower than this where the screen has the room: the option rows read best.
constexpr int minimumWindowWidth = 1024;
constexpr int formMargin = 4;

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
    const AppSettings settings = settingsfile::load(m_paths.settingsFile(), m_paths.executableFolder);
    // The theme is worn before the first widget is made, so each widget is polished once, in it.
    m_theme = settings.theme;
    wearTheme(m_theme);
    ui->setupUi(this);
    m_document = new StyleDocument(this);
    m_createSkin = new CreateSkinPanel(m_paths.documentsFolder, *m_document);
    m_editor = new EditorPanel(*m_document);
    m_preview = new PreviewPanel(*m_document); // built and styled when first shown
    placePanels();
    keepSignsCrisp(this);
    connect(m_createSkin, &CreateSkinPanel::busyChanged, m_editor, &EditorPanel::setBusy);
    setAcceptDrops(true);
    wireMenusAndSwitches();
    m_tooltips = std::make_unique<WindowTooltips>(
        [this](int index, bool font) { return m_editor->rowName(index, font); });
    connect(m_editor, &EditorPanel::widgetsAdded, this,
            [this](QWidget *page) { m_tooltips->addWidgetsBelow(page); });
    const auto remark = [this](const QString &text) {
        m_createSkin->showStatus(text, CreateSkinPanel::StatusLasts::FewSeconds);
    };
    connect(m_editor, &EditorPanel::remark, this, remark);
    m_profiles = new ProfilesPanel(this, m_profilesFolder, m_paths.documentsFolder, *m_document);
    connect(m_createSkin, &CreateSkinPanel::busyChanged, m_profiles, &ProfilesPanel::setBusy);
    connect(m_profiles, &ProfilesPanel::titleChanged, this, &QWidget::setWindowTitle);
    connect(m_profiles, &ProfilesPanel::remark, this, remark);
    connect(m_editor, &EditorPanel::resetAllRequested, m_profiles, &ProfilesPanel::resetAll);
    connect(m_createSkin, &CreateSkinPanel::skinSelected, m_profiles, &ProfilesPanel::setSelectedSkin);
    connect(m_profiles, &ProfilesPanel::jobStarted, m_createSkin, &CreateSkinPanel::startJob);
    connect(m_profiles, &ProfilesPanel::jobFinished, m_createSkin, [this] {
        m_createSkin->finishJob();
        m_createSkin->showStatus(QString());
    });
    buildMenus();
    setUpKeyboard();

    setWindowTitle(programName);
    loadSettings(settings);
    // Written as soon as they change: a program killed later keeps them.
    connect(m_createSkin, &CreateSkinPanel::dialogFoldersChanged, this, &MainWindow::saveSettings);
    connect(m_profiles, &ProfilesPanel::settingsChanged, this, &MainWindow::saveSettings);
    ui->actionDarkTheme->setChecked(m_theme == ThemeChoice::Dark);
    ui->actionBrightTheme->setChecked(m_theme == ThemeChoice::Bright);

    m_profiles->loadDefaultTable();
    applyTheme(m_theme);
    ui->actionShowTooltips->setChecked(m_showTooltips);
    m_tooltips->addWidgetsBelow(this);
    m_tooltips->setShown(m_showTooltips);

    prepareFolders();
    m_fitWhenShown = m_geometry.isEmpty() || !restoreGeometry(m_geometry);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The page on screen has its rows now: the window takes the size of what it shows before it
    // is mapped, and again once it knows its frame, unless it shows where the user left it.
    if (std::exchange(m_fitWhenShown, false)) {
        fitToForm();
        QTimer::singleShot(0, this, &MainWindow::fitToForm);
    }
}

void MainWindow::placePanels()
{
    // The form scrolls: what a small screen cannot show can be scrolled to.
    auto *scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("formScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    auto *form = new QWidget;
    form->setObjectName(QStringLiteral("centralWidget"));
    // Given to the scroll area empty: it measures what it gets, and the panels are measured once,
    // in the theme, when the window first shows. The form keeps the window's background.
    scroller->setWidget(form);
    form->setAutoFillBackground(false);
    scroller->viewport()->setAutoFillBackground(false);
    auto *column = new QVBoxLayout(form);
    // Narrow margins: three column groups of rows share the width of a small screen.
    column->setContentsMargins(formMargin, formMargin, formMargin, formMargin);
    for (QWidget *panel : {static_cast<QWidget *>(m_createSkin), static_cast<QWidget *>(m_editor),
                           static_cast<QWidget *>(m_preview), m_createSkin->buildBar()})
        column->addWidget(panel);
    // The pages and the preview take the height the window gives; the band stays at the bottom.
    column->setStretch(1, 1);
    column->setStretch(2, 1);
    setCentralWidget(scroller);
    connect(m_document->history(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
}

void MainWindow::buildMenus()
{
    // Undo and Redo head the profile menu too; Edit stands before Theme.
    ui->menuProfile->addActions(m_editor->historyActions());
    ui->menuProfile->addSeparator();
    ui->menuProfile->addActions(m_profiles->menuEntries());
    menuBar()->insertMenu(ui->menuTheme->menuAction(), m_editor->editMenu());
}

void MainWindow::fitToForm()
{
    // The form's size follows what it now shows once its layouts are done; the scroll area sizes
    // it anew even where the window keeps its size (on a small screen it has all of it).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    auto *scroller = static_cast<QScrollArea *>(centralWidget());
    QEvent relayout(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(scroller, &relayout);
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    // The available area without the frame: before the window shows, a title bar and borders as
    // the style draws them are kept free, so that it opens whole; once shown, its own frame is.
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    QMargins frame(border, title + border, border, border);
    if (isVisible() && frameGeometry() != geometry())
        frame = QMargins(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    const QRect screenRoom = screen()->availableGeometry();
    const QRect room = screenRoom - frame;
    const QSize form = scroller->widget()->sizeHint();
    const int menuHeight = menuBar()->sizeHint().height();
    // A width the user gave the window stays; the form decides the height.
    const QSize wanted(std::max({isVisible() ? width() : 0, form.width(), minimumWindowWidth}),
                       form.height() + menuHeight);
    resize(wanted.boundedTo(room.size()));
    // A window manager may place the frame at the screen's edge with its far border off-screen.
    if (isVisible() && !screenRoom.contains(frameGeometry())) {
        const QRect whole = frameGeometry();
        move(pos() + QPoint(std::min(0, screenRoom.right() - whole.right()) +
                                std::max(0, screenRoom.left() - whole.left()),
                            std::min(0, screenRoom.bottom() - whole.bottom()) +
                                std::max(0, screenRoom.top() - whole.top())));
    }
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
    connect(m_editor, &EditorPanel::editingToggled, this, &MainWindow::editingToggled);
    connect(m_editor, &EditorPanel::previewToggled, this, &MainWindow::previewToggled);
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
    const AppSettings now{
        m_theme, m_showTooltips, folders, m_profiles->recentProfiles(), m_oldScratchRemoved, m_geometry};
    if (!settingsfile::saveChanges(m_paths.settingsFile(), m_paths.executableFolder, m_saved, now))
        return false;
    m_saved = now;
    return true;
}

void MainWindow::loadSettings(const AppSettings &settings)
{
    m_saved = settings;
    m_theme = settings.theme;
    m_showTooltips = settings.showtooltips;
    QMap<QString, QString> folders = settings.folders;
    m_profiles->setDialogFolder(folders.take(profilesDialog));
    m_createSkin->setDialogFolders(folders);
    m_geometry = settings.windowGeometry;
    m_profiles->setRecentProfiles(settings.recentProfiles);
    m_oldScratchRemoved = settings.oldScratchRemoved;
}

void MainWindow::applyTheme(ThemeChoice theme)
{
    wearTheme(theme);
    // Labels keep their state (greyed, warning ...) in the colours of the theme now worn.
    m_createSkin->setTheme(theme);
    m_editor->setTheme(theme);
    if (std::exchange(m_labelsTheme, theme) != theme)
        reshowTextStates(this, theme);
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
        m_profiles->openScheme(path);
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

void MainWindow::useDarkTheme()
{
    m_theme = ThemeChoice::Dark;
    fullRefresh();
    ui->actionDarkTheme->setChecked(true);
    ui->actionBrightTheme->setChecked(false);
    saveSettings();
}

void MainWindow::useBrightTheme()
{
    m_theme = ThemeChoice::Bright;
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
    About about(this); // centred on the window
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
    m_createSkin->setChangeColours(m_editor->isEditing());
    previewToggled();
}

void MainWindow::previewToggled()
{
    m_preview->setShown(m_editor->previewWanted());
    fitToForm();
}

void MainWindow::fullRefresh()
{
    applyTheme(m_theme);
    m_editor->showAllValues();
}
