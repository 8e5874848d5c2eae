// Renders the main window offscreen into PNG files, for reviewing the form:
//   panelcraft-screenshots <output folder> [white]
// The window runs on temporary folders, so nothing of the user's is read or written.

#include "app/dialogs.h"
#include "app/mainwindow.h"
#include "app/startup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

void save(QWidget &window, const QString &folder, const QString &name)
{
    QCoreApplication::processEvents();
    window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
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
        QTextStream(stderr) << "usage: panelcraft-screenshots <output folder> [white]\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    QTemporaryDir documents;
    Dialogs::setTesting(true);
    MainWindow window({documents.path(), documents.path()});
    window.show();
    if (argc > 2 && QString::fromLatin1(argv[2]) == QLatin1String("white"))
        window.findChild<QAction *>(QStringLiteral("actionWhiteBrowser"))->trigger();

    auto *editor = window.findChild<QCheckBox *>(QStringLiteral("checkBox_changecolors"));
    auto *preview = window.findChild<QCheckBox *>(QStringLiteral("checkBox_changecolors_2"));
    save(window, folder, QStringLiteral("layout-editing"));
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
    return 0;
}
