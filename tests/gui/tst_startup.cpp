// Start-up, folders, settings, themes, window layouts and tooltips of the main window.

#include "app/about.h"
#include "app/settingsfile.h"
#include "app/tooltiplist.h"
#include "style/resources.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initPanelcraftResources(); }

    void firstRunCreatesFoldersAndSecondRunKeepsThem()
    {
        WindowFixture f;
        f.start();
        const QStringList made = {"", "/temp", "/skin", "/temp2", "/tempwind", "/tempicons", "/projects"};
        for (const QString &sub : made)
            QVERIFY2(QDir(f.programFolder() + sub).exists(), qPrintable(sub));
        QVERIFY(!QDir(f.documents.path() + "/Turnwise/skins").exists());
        QVERIFY(!QDir(f.documents.path() + "/Turnwise").exists());

        QFile kept(f.profilesFolder() + "/mine.pcp");
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write("list_text=#123456\n");
        kept.close();
        f.window.reset();
        f.start();
        QCOMPARE(f.readFile(kept.fileName()), QByteArray("list_text=#123456\n"));
    }

    void documentsFolderComesFromTheUsersHome()
    {
        QTemporaryDir home;
        QDir(home.path()).mkdir("Documents");
        const QByteArray savedHome = qgetenv("HOME");
        const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
        {
            MainWindow window;
            QVERIFY(QDir(home.path() + "/Documents/Panelcraft/projects").exists());
            QVERIFY(QDir(home.path() + "/Documents/Panelcraft/tempicons").exists());
            QVERIFY(!QDir(home.path() + "/Documents/Turnwise").exists());
        }
        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }

    void missingDocumentsFolderIsMadeAndAnUnmakeableOneIsReportedOnce()
    {
        WindowFixture f;
        const QString missing = f.documents.path() + "/missing";
        MainWindow made({missing, f.appDir.path()});
        QVERIFY(QDir(missing + "/Panelcraft/projects").exists());

        const QString blocked = f.documents.path() + "/file";
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        MainWindow refused({blocked, f.appDir.path()});
        QCoreApplication::processEvents();
        QCOMPARE(Dialogs::requests().size(), 1);
        QVERIFY(Dialogs::requests().first().text.contains("could not be created"));
    }

    void settingsChooseThemeAndTooltips_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("bright");
        QTest::addColumn<bool>("tooltipsShown");
        QTest::newRow("no file") << QByteArray() << false << true;
        QTest::newRow("bright") << QByteArray("themenumber=1\nshowtooltips=1\n") << true << true;
        QTest::newRow("seven is bright") << QByteArray("themenumber=7\nshowtooltips=1\n") << true << true;
        QTest::newRow("word true is off")
            << QByteArray("themenumber=0\nshowtooltips=true\n") << false << false;
        QTest::newRow("only theme") << QByteArray("themenumber=1\n") << true << false;
        QTest::newRow("crlf") << QByteArray("themenumber=1\r\nshowtooltips=0\r\n") << true << false;
        QTest::newRow("garbage") << QByteArray("\x01\xff\x00zz\n==\n\xfe", 10) << false << true;
    }

    void settingsChooseThemeAndTooltips()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, bright);
        QFETCH(bool, tooltipsShown);
        WindowFixture f;
        if (!content.isEmpty())
            f.writeSettings(content);
        f.start();
        QCOMPARE(f.find<QAction>("actionWhite")->isChecked(), bright);
        QCOMPARE(f.find<QAction>("actionBlack")->isChecked(), !bright);
        QCOMPARE(f.window->styleSheet().isEmpty(), bright);
        QCOMPARE(f.find<QAction>("actionShow_Tooltips")->isChecked(), tooltipsShown);
        QCOMPARE(f.find<QWidget>("skinfileselect")->toolTip().isEmpty(), !tooltipsShown);
    }

    void closingWritesSettingsBack()
    {
        WindowFixture f;
        f.writeSettings("themenumber=7\nshowtooltips=1\n");
        f.start();
        f.window->close();
        QCOMPARE(f.readFile(f.settingsPath()), QByteArray("themenumber=7\nshowtooltips=1\n"));

        f.start();
        f.trigger("actionWhite");
        f.trigger("actionShow_Tooltips");
        f.window->close();
        QCOMPARE(f.readFile(f.settingsPath()), QByteArray("themenumber=1\nshowtooltips=0\n"));
    }

    // An installed copy cannot write beside its executable, not even as root when the folder is
    // a file: it saves into the config folder, which it makes on the first save.
    void settingsFolderFallsBackToTheUsersConfig_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<bool>("beside");
        QTest::newRow("writable folder") << "bin" << true;
        QTest::newRow("a file") << "file" << false;
        QTest::newRow("below a file") << "file/bin" << false;
    }

    void settingsFolderFallsBackToTheUsersConfig()
    {
        QFETCH(QString, programFolder);
        QFETCH(bool, beside);
        WindowFixture f;
        const QDir root(f.appDir.path());
        QVERIFY(root.mkdir("bin"));
        QFile file(root.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QString config = root.filePath("config/panelcraft");
        const QString folder = settingsfile::folder(root.filePath(programFolder), config);
        QCOMPARE(folder, beside ? root.filePath(programFolder) : config);

        f.window = std::make_unique<MainWindow>(AppPaths{f.documents.path(), folder});
        f.window->close();
        QCOMPARE(f.readFile(folder + "/settings.dat"), QByteArray("themenumber=0\nshowtooltips=1\n"));
    }

    void anUnwritableSettingsFileDoesNotBlockClosing()
    {
        WindowFixture f;
        QFile file(QDir(f.appDir.path()).filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly)); // a folder below a file cannot be made, even as root
        f.window = std::make_unique<MainWindow>(AppPaths{f.documents.path(), file.fileName() + "/bin"});
        QVERIFY(!f.window->savesettings());
        QVERIFY(f.window->close());
    }

    void themeActionsSwitchTheLook()
    {
        WindowFixture f;
        f.start();
        const QString dark = f.window->styleSheet();
        QVERIFY(dark.startsWith("#MainWindow { background-color: black; }QToolTip {"));
        QVERIFY(dark.endsWith("QPushButton:selected { background-color: orange; }"));
        QVERIFY(dark.contains("border:1px solid black;  background: rgb(220,220,220); }"));
        f.trigger("actionWhite");
        QVERIFY(f.window->styleSheet().isEmpty());
        QVERIFY(!f.find<QAction>("actionBlack")->isChecked());
        // Labels greyed from now on take the bright theme's grey.
        f.click("checkBox_window");
        f.click("checkBox_window");
        f.click("checkBox_globalfont");
        f.click("checkBox_globalfont");
        QCOMPARE(f.find<QLabel>("label_82")->styleSheet(), QString("color: rgb(150, 150, 150)"));
        f.trigger("actionBlack");
        QCOMPARE(f.window->styleSheet(), dark);
        QVERIFY(f.find<QAction>("actionBlack")->isChecked());
        QVERIFY(!f.find<QAction>("actionWhite")->isChecked());
    }

    void startState()
    {
        WindowFixture f;
        f.start();
        MainWindow &w = *f.window;
        QCOMPARE(f.title(), QString("Panelcraft"));
        QVERIFY(!w.findChild<QWidget *>("tabWidget_3")); // the preview joins the window when shown
        QVERIFY(!f.find<QTabWidget>("tabWidget")->isHidden());
        QVERIFY(f.find<QWidget>("line_7")->y() > f.find<QWidget>("tabWidget")->geometry().bottom());
        QVERIFY(w.rect().contains(f.find<QWidget>("dothejob")->geometry()));
        QCOMPARE(f.find<QLabel>("font_label_2")->text(), QString("Name : "));
        QCOMPARE(f.find<QLabel>("font_label_2")->styleSheet(), QString("color: rgb(120, 120, 120)"));
        QVERIFY(f.find<QCheckBox>("checkBox_changecolors")->isChecked());
        QVERIFY(f.find<QAction>("actionDefault_2")->isChecked());
        QVERIFY(!f.find<QAction>("actionDelete")->isEnabled());
        QVERIFY(!f.find<QAction>("actionSave")->isEnabled());
        QVERIFY(f.find<QAction>("actionSave_as")->isEnabled());
        QVERIFY(f.find<QRadioButton>("radioButton")->isChecked());
        for (const char *hidden : {"floatlabel_3", "floatlabel_4", "floatlabel_7"})
            QVERIFY2(f.find<QWidget>(hidden)->isHidden(), hidden);
        for (const char *disabled : {"globalfontbutton", "globalsize", "windowfileselect", "iconselect"})
            QVERIFY2(!f.find<QWidget>(disabled)->isEnabled(), disabled);
        QCOMPARE(f.find<QLineEdit>("lineheight")->text(), QString("100"));
        for (const char *greyed :
             {"iconselect_name", "floatlabel_2", "label_80", "selectedwindow", "label_82", "label_83"})
            QCOMPARE(f.find<QWidget>(greyed)->styleSheet(), QString("color: rgb(120, 120, 120)"));
    }

    // Each layout grows the window, and the bottom band ("Create Skin" and its status) moves down
    // with it, below whatever the layout shows.
    void layoutsMoveTheBottomBand()
    {
        WindowFixture f;
        f.start();
        MainWindow &w = *f.window;
        QWidget *band = f.find<QWidget>("line_7");
        QWidget *lowest = f.find<QWidget>("label_67");
        const int editingHeight = w.height();
        const int editingBand = band->y();

        f.click("checkBox_changecolors");
        QVERIFY(w.height() < editingHeight);
        QVERIFY(band->y() < editingBand);
        QVERIFY(w.rect().contains(lowest->geometry()));
        for (const char *hidden : {"tabWidget", "checkBox_changecolors_2", "label_126", "pushButton"})
            QVERIFY2(f.find<QWidget>(hidden)->isHidden(), hidden);

        f.click("checkBox_changecolors");
        QCOMPARE(w.height(), editingHeight);

        f.click("checkBox_changecolors_2");
        QVERIFY(w.height() > editingHeight);
        QVERIFY(!f.find<QWidget>("tabWidget_3")->isHidden());
        QVERIFY(band->y() > f.find<QWidget>("tabWidget_3")->geometry().bottom());
        QVERIFY(w.rect().contains(lowest->geometry()));
        const QSize full = w.size();

        // The editor's box remembers the preview switch.
        f.click("checkBox_changecolors");
        QVERIFY(f.find<QWidget>("tabWidget_3")->isHidden());
        f.click("checkBox_changecolors");
        QCOMPARE(w.size(), full);

        // The full layout is as large as the window may get.
        w.resize(2000, 2000);
        QCOMPARE(w.size(), full);
        w.resize(10, 10);
        QCOMPARE(w.size(), w.minimumSize());
    }

    void tooltipsFollowTheTable()
    {
        WindowFixture f;
        f.start();
        QCOMPARE(
            f.find<QWidget>("floatlabel_4")->toolTip(),
            QString("Enter a % value. Example: Value 110 will increase font size by 10%. Example: Value 95 "
                    "will decrease font size by 5%. Leave blank for the Font to retain its current size"));
        QCOMPARE(f.find<QWidget>("resetlistover")->toolTip(),
                 QString("Reset the background color of lines (when mouse is over), to its default value"));
        int withText = 0;
        for (const QString &name : tooltipWidgets()) {
            QWidget *widget = f.find<QWidget>(name);
            QVERIFY2(widget, qPrintable(name));
            withText += widget->toolTip().isEmpty() ? 0 : 1;
        }
        QCOMPARE(withText, 28);
        // Widgets outside the list keep the form's own tooltips.
        QVERIFY(f.find<QWidget>("alticons")->toolTip().contains(":/myfiles/icons/ICONS.png"));

        f.trigger("actionShow_Tooltips");
        for (const QString &name : tooltipWidgets())
            QVERIFY2(f.find<QWidget>(name)->toolTip().isEmpty(), qPrintable(name));
        f.trigger("actionShow_Tooltips");
        QVERIFY(!f.find<QWidget>("listoverstripebutton")->toolTip().isEmpty());
        QVERIFY(f.find<QWidget>("resetlistoverstripe")->toolTip().isEmpty());
    }

    void windowAndAboutShowTheApplicationVersion()
    {
        QCoreApplication::setApplicationVersion("9.8.7");
        WindowFixture f;
        f.start();
        QCOMPARE(f.find<QLabel>("label_67")->text(), QString("Turnwise Panelcraft 9.8.7"));
        About about;
        QCOMPARE(about.findChild<QLabel *>("label_2")->text(), QString("Version 9.8.7"));
    }

    void aboutOpensAsAModalDialog()
    {
        WindowFixture f;
        f.start();
        f.trigger("actionAbout");
        QCOMPARE(Dialogs::requests().size(), 1);
        QCOMPARE(Dialogs::requests().first().kind, Dialogs::Kind::Dialog);
        QCOMPARE(Dialogs::requests().first().title, QString("Panelcraft"));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
