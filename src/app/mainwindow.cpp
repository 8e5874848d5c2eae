#include "mainwindow.h"

#include "about.h"
#include "createskinpanel.h"
#include "dialogs.h"
#include "settingsfile.h"
#include "skin/skinbuildoptions.h"
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
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QWhatsThis>

MainWindow::MainWindow(QWidget *parent) : MainWindow(AppPaths::system(), parent) {}

MainWindow::MainWindow(const AppPaths &where, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), paths(where),
      projectsfolder(where.profilesFolder())
{
    ui->setupUi(this);
    setPreviewAside(); // fitted and styled when first shown
    fitFormTexts(this);
    makeFormScrollable(this);
    ui->label_67->setText(ui->label_67->text().arg(QCoreApplication::applicationVersion()));
    createSkin = new CreateSkinPanel(*ui, this, paths.documentsFolder, [this] {
        return EditorChoices{style, lineheight, ui->checkBox_changecolors->isChecked()};
    });
    connect(createSkin, &CreateSkinPanel::skinSelected, this, &MainWindow::readSkinPalette);
    connect(createSkin, &CreateSkinPanel::busyChanged, this, [this](bool busy) {
        for (QWidget *widget :
             {static_cast<QWidget *>(ui->checkBox_changecolors), static_cast<QWidget *>(ui->lineheight),
              static_cast<QWidget *>(ui->pushButton)})
            widget->setEnabled(!busy);
        ui->menuProfile->setEnabled(!busy);
    });
    setAcceptDrops(true);
    wireEditorRows();
    setUpKeyboard();
    setUpFind();
    registerNamedWidgets(this);

    setWindowTitle(programName);
    loadsettings();
    setUpRecentProfiles();
    ui->actionBlack->setChecked(themenumber == 0);
    ui->actionWhite->setChecked(themenumber != 0);

    defaultcolors(tablefile::defaultTablePath);
    fullRefresh();
    loadtooltips();
    ui->actionShow_Tooltips->setChecked(showtooltips);
    tooltips(showtooltips);
    buildEditorPage(ui->tabWidget->currentIndex()); // now that the values it shows are loaded

    // Start in the editing layout: the settings tabs shown, the preview (unchecked in the form) hidden.
    ui->checkBox_changecolors->setChecked(true);
    on_checkBox_changecolors_clicked();

    showActiveTable(QString(), true, false, false);

    // Both percentage fields take whole numbers from 1 to 999 from the first keystroke on.
    ui->lineheight->setValidator(new QRegularExpressionValidator(percentagePattern(), this));
    showLineHeight();
    // The "%" sits inside a white entry field, whatever the theme.
    showTextState(ui->label_86, TextState::InField, themenumber);

    prepareFolders();
}

void MainWindow::registerNamedWidgets(QWidget *root)
{
    for (QWidget *widget : root->findChildren<QWidget *>())
        if (!widget->objectName().isEmpty())
            widgetsByName.insert(widget->objectName(), widget);
}

MainWindow::~MainWindow()
{
    // The colour dialog keeps its custom colours as the user's when the program ends.
    restoreCustomColours();
}

void MainWindow::prepareFolders()
{
    if (!oldscratchremoved) {
        removeOldScratch(paths.documentsFolder);
        oldscratchremoved = true;
    }
    // The documents folder itself is made too: a fresh account may not have one yet.
    if (!QDir().mkpath(projectsfolder)) {
        // Said once, after the window shows, rather than as a failure in every later action.
        QTimer::singleShot(0, this, [this] {
            Dialogs::warning(this, programName,
                             tr("The folder \"%1\" could not be created. Profiles cannot be saved and "
                                "skins cannot be created until it can.")
                                 .arg(QDir::toNativeSeparators(projectsfolder)));
        });
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!createSkin->closeWhenIdle()) {
        event->ignore();
        return;
    }
    if (!askToKeepEdits(tr("Save them before closing?"))) {
        event->ignore();
        return;
    }
    // A settings file that cannot be written must not keep the user from closing the program.
    savesettings();
    event->accept();
}

bool MainWindow::savesettings()
{
    return settingsfile::save(paths.settingsFile(), {themenumber, showtooltips, createSkin->dialogFolders(),
                                                     recentprofiles, oldscratchremoved});
}

void MainWindow::loadsettings()
{
    const AppSettings settings = settingsfile::load(paths.settingsFile(), paths.executableFolder);
    themenumber = settings.themenumber;
    showtooltips = settings.showtooltips;
    createSkin->setDialogFolders(settings.folders);
    recentprofiles = settings.recentProfiles;
    oldscratchremoved = settings.oldScratchRemoved;
}

void MainWindow::loadstyle(int style)
{
    const Theme theme = themeFor(style);
    labelcolor = theme.labelcolor;
    greyedcolor = theme.greyedcolor;
    // Re-applying the same sheet re-polishes every widget of the window for nothing.
    if (styleSheet() != theme.styleSheet)
        setStyleSheet(theme.styleSheet);
    // Labels keep their state (greyed, warning ...) in the colours of the theme now worn.
    createSkin->setTheme(style);
    reshowTextStates(this, style);
}

void MainWindow::greyLabel(QWidget *label, bool greyed)
{
    showTextState(label, greyed ? TextState::Greyed : TextState::Normal, themenumber);
}

QString MainWindow::globalFontName() const
{
    return createSkin->globalFontName();
}

bool MainWindow::isBusy() const
{
    return createSkin->isBusy();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (createSkin->acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    if (createSkin->drop(event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::on_actionBlack_triggered()
{
    themenumber = 0;
    fullRefresh();
    ui->actionBlack->setChecked(true);
    ui->actionWhite->setChecked(false);
}

void MainWindow::on_actionWhite_triggered()
{
    themenumber = 1;
    ui->actionBlack->setChecked(false);
    ui->actionWhite->setChecked(true);
    fullRefresh();
}

void MainWindow::loadtooltips()
{
    tooltipmap = tooltipTexts();
}

void MainWindow::tooltips(bool show)
{
    for (const QString &name : tooltipWidgets())
        if (QWidget *widget = widgetsByName.value(name))
            widget->setToolTip(show ? tooltipmap.value(name) : QString());
}

void MainWindow::on_actionShow_Tooltips_triggered()
{
    showtooltips = !showtooltips;
    ui->actionShow_Tooltips->setChecked(showtooltips);
    tooltips(showtooltips);
}

void MainWindow::on_actionAbout_triggered()
{
    About about(nullptr);
    about.setModal(true);
    Dialogs::exec(about);
}

void MainWindow::on_actionWhats_This_triggered()
{
    if (QWhatsThis::inWhatsThisMode())
        QWhatsThis::leaveWhatsThisMode();
    QWhatsThis::enterWhatsThisMode();
}

void MainWindow::on_checkBox_changecolors_clicked()
{
    const bool editing = ui->checkBox_changecolors->isChecked();
    const bool preview = editing && ui->checkBox_changecolors_2->isChecked();
    for (QWidget *widget :
         {static_cast<QWidget *>(ui->checkBox_changecolors_2), static_cast<QWidget *>(ui->label_126),
          static_cast<QWidget *>(ui->tabWidget), static_cast<QWidget *>(ui->pushButton)})
        widget->setVisible(editing);
    showPreview(preview);
    applyWindowLayout(this, preview   ? WindowLayout::Full
                            : editing ? WindowLayout::Editing
                                      : WindowLayout::Compact);
}

void MainWindow::on_checkBox_changecolors_2_clicked()
{
    const bool preview = ui->checkBox_changecolors_2->isChecked();
    showPreview(preview);
    applyWindowLayout(this, preview ? WindowLayout::Full : WindowLayout::Editing);
}

void MainWindow::fullRefresh()
{
    loadstyle(themenumber);
    initcolors();
    refreshPreview();
}
