// Renders the main window and the dialogs it opens into PNG files, for reviewing the form:
//   panelcraft-screenshots <output folder> [white] [bright]
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
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

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

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareApplicationAttributes();
    QApplication app(argc, argv);
    prepareApplication();
    if (argc < 2) {
        QTextStream(stderr) << "usage: panelcraft-screenshots <output folder> [white] [bright]\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    QTemporaryDir documents;
    Dialogs::setTesting(true);
    MainWindow window({documents.path(), documents.path()});
    window.show();
    // "white" loads the white browser table, "bright" switches to the bright theme.
    for (int arg = 2; arg < argc; ++arg) {
        const QString option = QString::fromLatin1(argv[arg]);
        const QString action = option == QLatin1String("bright") ? QStringLiteral("actionWhite")
                                                                 : QStringLiteral("actionWhiteBrowser");
        window.findChild<QAction *>(action)->trigger();
    }

    auto *editor = window.findChild<QCheckBox *>(QStringLiteral("checkBox_changecolors"));
    auto *preview = window.findChild<QCheckBox *>(QStringLiteral("checkBox_changecolors_2"));
    auto *globalFont = window.findChild<QCheckBox *>(QStringLiteral("checkBox_globalfont"));
    globalFont->click();
    save(window, folder, QStringLiteral("layout-editing"));
    globalFont->click();
    editor->click();
    save(window, folder, QStringLiteral("layout-compact"));
    editor->click();
    preview->click();
    save(window, folder, QStringLiteral("layout-full"));

    auto *settings = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    auto *previewTabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget_3"));
    auto *sideTabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget_2"));
    for (int page = 0; page < settings->count(); ++page) {
        settings->setCurrentIndex(page);
        save(window, folder,
             QStringLiteral("settings-%1-%2")
                 .arg(page, 2, 10, QLatin1Char('0'))
                 .arg(settings->widget(page)->objectName()));
    }
    for (int side = 0; side < sideTabs->count(); ++side) {
        sideTabs->setCurrentIndex(side);
        save(window, folder,
             QStringLiteral("preview-list-side-%1").arg(sideTabs->widget(side)->objectName()));
    }
    previewTabs->setCurrentIndex(1);
    save(window, folder, QStringLiteral("preview-grid"));
    QFile(documents.path() + QStringLiteral("/Panelcraft/projects/my profile.pcp"))
        .open(QIODevice::WriteOnly);
    saveDialogs(window, folder, documents.path() + QStringLiteral("/Panelcraft/projects"));
    return 0;
}
