// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window and the dialogs it opens into PNG files, for reviewing the form:
//   panelcraft-screenshots <output folder> [white] [bright] [switch] [layouts] [maximised]
// Beside each picture a .texts file says where its texts are (scripts/contrast measures them).
// The window runs on temporary folders, so nothing of the user's is read or written.

#include "app/about.h"
#include "app/dialogs.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "textboxes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

void save(QWidget &window, const QString &folder, const QString &name)
{
    QCoreApplication::processEvents();
    window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    saveTextBoxes(&window, folder + QLatin1Char('/') + name + QStringLiteral(".texts"));
}

// The dialogs as the window opens them (in the window's words): its child, so they wear its theme.
void saveDialogs(QWidget &window, const QString &folder, const QString &profiles)
{
    const QString filter = MainWindow::tr("Profiles (*.pcp)");
    QFileDialog open(&window, MainWindow::tr("Select a Panelcraft Profile"), profiles, filter);
    QFileDialog saveAs(&window, MainWindow::tr("Save your Panelcraft Profile"), profiles, filter);
    saveAs.setAcceptMode(QFileDialog::AcceptSave);
    QFontDialog font(QFont(QStringLiteral("Arial"), 20), &window);
    open.setOption(QFileDialog::DontUseNativeDialog);
    saveAs.setOption(QFileDialog::DontUseNativeDialog);
    font.setOption(QFontDialog::DontUseNativeDialog);
    const std::pair<QDialog *, QString> dialogs[] = {{&open, QStringLiteral("dialog-open")},
                                                     {&saveAs, QStringLiteral("dialog-save")},
                                                     {&font, QStringLiteral("dialog-font")}};
    for (const auto &[dialog, name] : dialogs) {
        dialog->show();
        save(*dialog, folder, name);
        dialog->hide();
    }
    About about(nullptr); // it wears its own look
    about.show();
    save(about, folder, QStringLiteral("dialog-about"));
}

// The three layouts, with every option unticked and then ticked; with the full layout scrolled
// to "Create Skin" too, for screens smaller than the window.
void saveLayouts(QMainWindow &window, const QString &folder)
{
    const auto box = [&window](const char *name) {
        return window.findChild<QAbstractButton *>(QLatin1String(name));
    };
    const char *const options[] = {"floatingBrowserBox", "importWindowsBox", "globalFontBox"};
    if (box("showPreviewBox")->isChecked())
        box("showPreviewBox")->click();
    save(window, folder, QStringLiteral("layout-editing"));
    box("changeColoursBox")->click();
    save(window, folder, QStringLiteral("layout-compact"));
    box("changeColoursBox")->click();
    box("showPreviewBox")->click();
    save(window, folder, QStringLiteral("layout-full"));
    for (const char *option : options)
        box(option)->click();
    box("otherSkinIconsButton")->click();
    save(window, folder, QStringLiteral("layout-full-ticked"));
    auto *scroller = window.findChild<QScrollArea *>(QStringLiteral("formScroller"));
    QWidget *create = box("createSkinButton");
    scroller->ensureWidgetVisible(create);
    save(window, folder, QStringLiteral("layout-full-scrolled"));
    const QRect onScreen(create->mapToGlobal(QPoint(0, 0)), create->size());
    const QRect shown(create->mapTo(scroller->viewport(), QPoint(0, 0)), create->size());
    const QRect frame = window.frameGeometry();
    QTextStream(stdout) << QStringLiteral(
                               "window %1x%2 (framed %6x%7 at %8,%9) on a %3x%4 room: Create Skin %5\n")
                               .arg(window.width())
                               .arg(window.height())
                               .arg(window.screen()->availableGeometry().width())
                               .arg(window.screen()->availableGeometry().height())
                               .arg(window.screen()->availableGeometry().contains(onScreen) &&
                                            scroller->viewport()->rect().contains(shown)
                                        ? QStringLiteral("reachable")
                                        : QStringLiteral("NOT reachable"))
                               .arg(frame.width())
                               .arg(frame.height())
                               .arg(frame.x())
                               .arg(frame.y());
    scroller->ensureWidgetVisible(box("chooseSkinButton"));
    for (const char *option : options)
        box(option)->click();
    box("defaultIconsButton")->click();
}

// Finding a colour, a half-transparent swatch and the Edit menu naming the edit.
void saveEditorFeatures(QMainWindow &window, const QString &folder)
{
    auto *find = window.findChild<QLineEdit *>(QStringLiteral("findColour"));
    find->setText(QStringLiteral("text"));
    save(window, folder, QStringLiteral("editor-find"));
    find->clear();
    window.findChild<QTabWidget *>(QStringLiteral("settingsPages"))->setCurrentIndex(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("#80ff4000"));
    window.findChild<QWidget *>(QStringLiteral("listOverPick"))->actions().at(1)->trigger();
    save(window, folder, QStringLiteral("editor-swatch-alpha"));
    auto *edit = window.findChild<QMenu *>(QStringLiteral("menuEdit"));
    edit->popup(window.mapToGlobal(QPoint(60, 20)));
    save(*edit, folder, QStringLiteral("editor-menu-edit"));
    edit->hide();
    window.findChild<QAction *>(QStringLiteral("actionUndo"))->trigger();
}

// Every menu of the menu bar, and the question about unsaved edits as a message box: translations
// are reviewed on these too.
void saveMenusAndMessage(QMainWindow &window, const QString &folder)
{
    for (QAction *entry : window.menuBar()->actions()) {
        QMenu *menu = entry->menu();
        if (!menu)
            continue;
        menu->popup(window.mapToGlobal(QPoint(60, 20)));
        save(*menu, folder, QStringLiteral("menu-") + menu->objectName());
        menu->hide();
    }
    QMessageBox box(QMessageBox::Question, window.windowTitle(),
                    QCoreApplication::translate("ProfilesPanel", "The Browser Profile has unsaved edits.\n%1")
                        .arg(QCoreApplication::translate("MainWindow", "Save them before closing?")),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &window);
    box.show();
    save(box, folder, QStringLiteral("message-unsaved-edits"));
}

void savePages(QMainWindow &window, const QString &folder)
{
    auto *settings = window.findChild<QTabWidget *>(QStringLiteral("settingsPages"));
    auto *previewTabs = window.findChild<QTabWidget *>(QStringLiteral("previewPages"));
    auto *sideTabs = window.findChild<QTabWidget *>(QStringLiteral("sidePanels"));
    for (int page = 0; page < settings->count(); ++page) {
        settings->setCurrentIndex(page);
        save(window, folder,
             QStringLiteral("settings-%1-%2")
                 .arg(page, 2, 10, QLatin1Char('0'))
                 .arg(settings->widget(page)->objectName()));
    }
    settings->setCurrentIndex(0);
    for (int side = 0; side < sideTabs->count(); ++side) {
        sideTabs->setCurrentIndex(side);
        save(window, folder,
             QStringLiteral("preview-list-side-%1").arg(sideTabs->widget(side)->objectName()));
    }
    sideTabs->setCurrentIndex(0);
    previewTabs->setCurrentIndex(1);
    save(window, folder, QStringLiteral("preview-grid"));
    previewTabs->setCurrentIndex(0);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareApplicationAttributes();
    QApplication app(argc, argv);
    prepareApplication();
    if (argc < 2) {
        QTextStream(stderr) << "usage: panelcraft-screenshots <output folder> [white] [bright] [switch] "
                               "[layouts] [maximised]\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir documents;
    Dialogs::setTesting(true);
    MainWindow window({documents.path(), documents.path(), documents.path()});
    // "white" loads the white browser table, "bright" starts in the bright theme, "switch" takes
    // every picture again after switching to the other theme, "layouts" takes the layouts only,
    // "maximised" takes them of the window maximised.
    const QStringList options = QCoreApplication::arguments().mid(2);
    if (options.contains(QStringLiteral("maximised")))
        window.showMaximized();
    else
        window.show();
    // The window manager frames the window, and the window fits its frame to the screen.
    QEventLoop framed;
    QTimer::singleShot(500, &framed, &QEventLoop::quit);
    framed.exec();
    const bool bright = options.contains(QStringLiteral("bright"));
    window
        .findChild<QAction *>(bright ? QStringLiteral("actionBrightTheme")
                                     : QStringLiteral("actionDarkTheme"))
        ->trigger();
    if (options.contains(QStringLiteral("white")))
        window.findChild<QAction *>(QStringLiteral("actionWhiteTable"))->trigger();
    QStringList themes{bright ? QStringLiteral("bright") : QStringLiteral("dark")};
    if (options.contains(QStringLiteral("switch")))
        themes << (bright ? QStringLiteral("switched-to-dark") : QStringLiteral("switched-to-bright"));
    for (const QString &theme : themes) {
        if (theme.startsWith(QLatin1String("switched")))
            window
                .findChild<QAction *>(bright ? QStringLiteral("actionDarkTheme")
                                             : QStringLiteral("actionBrightTheme"))
                ->trigger();
        const QString shots = themes.size() > 1 ? folder + QLatin1Char('/') + theme : folder;
        QDir().mkpath(shots);
        saveLayouts(window, shots);
        if (options.contains(QStringLiteral("layouts")))
            continue;
        savePages(window, shots);
        saveEditorFeatures(window, shots);
        saveMenusAndMessage(window, shots);
        QFile(documents.path() + QStringLiteral("/Panelcraft/projects/my profile.pcp"))
            .open(QIODevice::WriteOnly);
        saveDialogs(window, shots, documents.path() + QStringLiteral("/Panelcraft/projects"));
    }
    return 0;
}
