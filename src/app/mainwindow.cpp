#include "mainwindow.h"

#include "about.h"
#include "createskinpanel.h"
#include "crispsigns.h"
#include "dialogs.h"
#include "editorpanel.h"
#include "previewpanel.h"
#include "profilespanel.h"
#include "schemeactions.h"
#include "settingsfile.h"
#include "skinstyles.h"
#include "textfit.h"
#include "theme.h"
#include "tooltiplist.h"
#include "ui_mainwindow.h"
#include "windowlayout.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWhatsThis>

MainWindow::MainWindow(QWidget *parent) : MainWindow(AppPaths::system(), parent) {}

MainWindow::MainWindow(const AppPaths &where, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), m_paths(where),
      m_profilesFolder(where.profilesFolder())
{
    ui->setupUi(this);
    keepSignsCrisp(this);
    m_preview = new PreviewPanel(*ui, this); // fitted and styled when first shown
    fitFormTexts(this);
    makeFormScrollable(this);
    ui->versionLabel->setText(ui->versionLabel->text().arg(QCoreApplication::applicationVersion()));
    m_createSkin = new CreateSkinPanel(*ui, this, m_paths.documentsFolder, [this] {
        return EditorChoices{m_editor->style(), m_editor->lineHeight(), ui->changeColoursBox->isChecked()};
    });
    connect(m_createSkin, &CreateSkinPanel::busyChanged, this, [this](bool busy) {
        for (QWidget *widget :
             {static_cast<QWidget *>(ui->changeColoursBox), static_cast<QWidget *>(ui->lineheight),
              static_cast<QWidget *>(ui->resetAllButton)})
            widget->setEnabled(!busy);
        ui->menuProfile->setEnabled(!busy);
    });
    setAcceptDrops(true);
    wireMenusAndSwitches();
    m_editor = new EditorPanel(*ui, this);
    connect(m_editor, &EditorPanel::valuesShown, m_preview, &PreviewPanel::show);
    connect(m_editor, &EditorPanel::pageBuilt, this, [this](QWidget *page) {
        registerNamedWidgets(page);
        showTooltips(m_showTooltips);
        stretchForm(this);
    });
    const auto remark = [this](const QString &text) {
        m_createSkin->showStatus(text, CreateSkinPanel::StatusLasts::FewSeconds);
    };
    connect(m_editor, &EditorPanel::remark, this, remark);
    m_profiles = new ProfilesPanel(*ui, this, m_profilesFolder, m_editor->history(),
                                   [this] { return m_editor->values(); });
    connect(m_profiles, &ProfilesPanel::tableRead, this, [this](const StyleTable &table) {
        m_editor->takeTable(table);
        fullRefresh();
    });
    // A table reloaded or a style taken from a skin is one edit of its own, undone as one.
    const auto recordEdit = [this](const EditorValues &before, const EditorValues &after,
                                   const QString &text) { m_editor->pushEdit(before, after, text); };
    connect(m_profiles, &ProfilesPanel::edited, this, recordEdit);
    connect(m_profiles, &ProfilesPanel::remark, this, remark);
    m_skinStyles = new SkinStyles(
        *ui, this, *m_createSkin, *m_profiles, [this] { return m_editor->values(); },
        [this] { return m_editor->table(); });
    connect(m_createSkin, &CreateSkinPanel::skinSelected, m_skinStyles, &SkinStyles::readPalette);
    connect(m_skinStyles, &SkinStyles::edited, this, recordEdit);
    setUpSchemeActions();
    setUpKeyboard();
    registerNamedWidgets(this);

    setWindowTitle(programName);
    loadSettings();
    ui->actionDarkTheme->setChecked(m_theme == 0);
    ui->actionBrightTheme->setChecked(m_theme != 0);

    m_profiles->loadDefaultTable();
    loadTooltips();
    ui->actionShow_Tooltips->setChecked(m_showTooltips);
    showTooltips(m_showTooltips);
    m_editor->buildEditorPage(ui->tabWidget->currentIndex()); // now that the values it shows are loaded

    // Start in the editing layout: the settings tabs shown, the preview (unchecked in the form) hidden.
    ui->changeColoursBox->setChecked(true);
    editingToggled();

    // The "%" sits inside a white entry field, whatever the theme.
    showTextState(ui->lineHeightPercent, TextState::InField, m_theme);

    prepareFolders();
}

void MainWindow::wireMenusAndSwitches()
{
    const std::pair<QAction *, void (MainWindow::*)()> actions[] = {
        {ui->actionDarkTheme, &MainWindow::useDarkTheme},
        {ui->actionBrightTheme, &MainWindow::useBrightTheme},
        {ui->actionShow_Tooltips, &MainWindow::toggleTooltips},
        {ui->actionAbout, &MainWindow::showAbout},
        {ui->actionWhats_This, &MainWindow::enterWhatsThis},
    };
    for (const auto &[action, handler] : actions)
        connect(action, &QAction::triggered, this, handler);
    connect(ui->changeColoursBox, &QAbstractButton::clicked, this, &MainWindow::editingToggled);
    connect(ui->showPreviewBox, &QAbstractButton::clicked, this, &MainWindow::previewToggled);
}

void MainWindow::registerNamedWidgets(QWidget *root)
{
    for (QWidget *widget : root->findChildren<QWidget *>())
        if (!widget->objectName().isEmpty())
            m_widgetsByName.insert(widget->objectName(), widget);
}

MainWindow::~MainWindow() = default;

void MainWindow::prepareFolders()
{
    if (!m_oldScratchRemoved) {
        removeOldScratch(m_paths.documentsFolder);
        m_oldScratchRemoved = true;
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
    return settingsfile::save(m_paths.settingsFile(), {m_theme, m_showTooltips, m_createSkin->dialogFolders(),
                                                       m_profiles->recentProfiles(), m_oldScratchRemoved});
}

void MainWindow::loadSettings()
{
    const AppSettings settings = settingsfile::load(m_paths.settingsFile(), m_paths.executableFolder);
    m_theme = settings.themenumber;
    m_showTooltips = settings.showtooltips;
    m_createSkin->setDialogFolders(settings.folders);
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
    return m_editor->style();
}

const StyleTable &MainWindow::styleTable() const
{
    return m_editor->table();
}

int MainWindow::lineHeightValue() const
{
    return m_editor->lineHeight();
}

QString MainWindow::globalFontName() const
{
    return m_createSkin->globalFontName();
}

bool MainWindow::isBusy() const
{
    return m_createSkin->isBusy();
}

// A colour scheme dropped on the window is the style's; anything else goes to "Create Skin", which
// says what it takes.
void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if ((!isBusy() && !SchemeActions::droppedScheme(data).isEmpty()) || m_createSkin->acceptsDrop(data))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString scheme = SchemeActions::droppedScheme(event->mimeData());
    if (!isBusy() && !scheme.isEmpty()) {
        event->acceptProposedAction();
        m_createSkin->showStatus(QString());
        m_schemes->openScheme(scheme);
    } else if (m_createSkin->drop(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void MainWindow::setUpSchemeActions()
{
    SchemeActions::Host host;
    host.window = this;
    host.folder = m_paths.documentsFolder;
    host.askToKeepEdits = [this](const QString &question) { return m_profiles->askToKeepEdits(question); };
    host.style = [this] { return m_editor->style(); };
    host.applyStyle = [this](const Style &drawn, const QString &text) {
        const EditorValues before = m_editor->values();
        m_editor->pushEdit(before, EditorValues{drawn, before.lineHeight}, text);
    };
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
}

void MainWindow::useBrightTheme()
{
    m_theme = 1;
    ui->actionDarkTheme->setChecked(false);
    ui->actionBrightTheme->setChecked(true);
    fullRefresh();
}

void MainWindow::loadTooltips()
{
    m_tooltipTexts = tooltipTexts();
}

void MainWindow::showTooltips(bool show)
{
    for (const QString &name : tooltipWidgets())
        if (QWidget *widget = m_widgetsByName.value(name))
            widget->setToolTip(show ? m_tooltipTexts.value(name) : QString());
}

void MainWindow::toggleTooltips()
{
    m_showTooltips = !m_showTooltips;
    ui->actionShow_Tooltips->setChecked(m_showTooltips);
    showTooltips(m_showTooltips);
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
          static_cast<QWidget *>(ui->tabWidget), static_cast<QWidget *>(ui->resetAllButton)})
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
