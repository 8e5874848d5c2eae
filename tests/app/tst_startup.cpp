// Start-up, folders, settings, themes, window layouts and tooltips of the main window; the About
// dialog; and the main window form as the rest of the program relies on it: pictures that load,
// and a layout that neither overlaps nor cuts a text.

#include "app/about.h"
#include "app/editorrows.h"
#include "app/textfit.h"
#include "app/theme.h"
#include "app/tooltiplist.h"
#include "style/contrast.h"
#include "ui_mainwindow.h"
#include "windowfixture.h"

#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTabBar>
#include <QTimer>
#include <QTranslator>
#include <QWheelEvent>

class StartupTest : public QObject
{
    Q_OBJECT

    QList<QUrl> opened;

    static void click(About &about, const char *button) { about.findChild<QPushButton *>(button)->click(); }

public slots:
    // Stands in for the desktop's browser, so no test opens a real page.
    void open(const QUrl &url) { opened << url; }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler("https", this, "open");
        // The program's own font, which the rows and pages are laid out for.
        QFont font = QApplication::font();
        font.setPixelSize(11);
        QApplication::setFont(font);
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("https"); }

    // The documents folder comes from the user's home and may be missing (it is made); one that
    // cannot be made is reported once. The scratch earlier versions left there goes, once; what
    // the user keeps there stays.
    void firstRunCreatesFoldersAndSecondRunKeepsThem()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows gives a program its documents folder from the user's profile, not from the "
              "environment a test can set");
#endif
        WindowFixture f;
        const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", f.documents.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", f.config.path().toLocal8Bit());
        const QString program = f.documents.path() + "/Documents/Panelcraft";
        const QStringList scratch = {"temp/a",          "temp2",    "skin",    "tempwind",   "tempicons",
                                     "customicons.png", "unpacked", "changed", "windowskin", "iconskin/b"};
        const QStringList kept = {"projects/mine.pcp", "notes/temp", "temp3"};
        for (const QString &name : scratch + kept)
            QVERIFY(QDir().mkpath(QFileInfo(program + "/" + name).path()) &&
                    fixtures::writeFile(program + "/" + name, "x"));
        auto window = std::make_unique<MainWindow>();
        const QStringList left = {"notes", "notes/temp", "projects", "projects/mine.pcp", "temp3"};
        QCOMPARE(fixtures::entriesBelow(program), left);
        QVERIFY(!QDir(f.documents.path() + "/Documents/Turnwise").exists());
        // Not closed: a program killed now has still noted that the scratch is gone.
        QVERIFY(fixtures::writeFile(program + "/temp", "the user's own, made later"));
        window = std::make_unique<MainWindow>();
        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_HOME", savedConfig);
        QCOMPARE(fixtures::entriesBelow(program),
                 QStringList({"notes", "notes/temp", "projects", "projects/mine.pcp", "temp", "temp3"}));
        QVERIFY(
            QFileInfo::exists(f.config.path() + "/" + QCoreApplication::applicationName() + "/settings.ini"));

        QVERIFY(fixtures::writeFile(f.documents.path() + "/file", ""));
        MainWindow refused({f.documents.path() + "/file", f.appDir.path(), f.config.path()});
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
        QTest::newRow("seven is bright") << QByteArray("themenumber=7\nshowtooltips=1\n") << true << true;
        QTest::newRow("word true is off")
            << QByteArray("themenumber=0\nshowtooltips=true\n") << false << false;
        QTest::newRow("only theme") << QByteArray("themenumber=1\n") << true << false;
        QTest::newRow("crlf") << QByteArray("themenumber=1\r\nshowtooltips=0\r\n") << true << false;
        QTest::newRow("garbage") << QByteArray("\x01\xff\x00zz\n==\n\xfe", 10) << false << true;
    }

    // The rows are an earlier version's settings.dat, carried over once into the new file.
    void settingsChooseThemeAndTooltips()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, bright);
        QFETCH(bool, tooltipsShown);
        WindowFixture f;
        if (!content.isEmpty())
            f.writeOldSettings(content);
        f.start();
        QCOMPARE(f.find<QAction>("actionBrightTheme")->isChecked(), bright);
        QCOMPARE(f.find<QAction>("actionDarkTheme")->isChecked(), !bright);
        QCOMPARE(f.window->styleSheet(), themeFor(bright ? 1 : 0).styleSheet);
        QCOMPARE(f.find<QAction>("actionShowTooltips")->isChecked(), tooltipsShown);
        // Both switched through the menu, and written back at close. Every listed widget follows the
        // switch; the others keep the form's own tooltips, and a row without a text of its own names
        // the row it acts on.
        f.trigger(bright ? "actionDarkTheme" : "actionBrightTheme");
        QCOMPARE(f.window->styleSheet(), themeFor(bright ? 0 : 1).styleSheet);
        for (bool shown : {tooltipsShown, !tooltipsShown}) {
            for (const QString &name : tooltipWidgets()) {
                const QWidget *widget = f.find<QWidget>(name);
                QVERIFY2(widget && (shown || widget->toolTip().isEmpty()), qPrintable(name));
            }
            QVERIFY(f.find<QWidget>("alternativeIconsHelp")->toolTip().contains(":/myfiles/icons/ICONS.png"));
            QVERIFY(!shown || f.find<QWidget>("listOverstripesReset")->toolTip() ==
                                  "Reset Lists › Stripes Over to the default color");
            if (shown == tooltipsShown)
                f.trigger("actionShowTooltips");
        }
        f.window->close();
        const QSettings saved(f.settingsPath(), QSettings::IniFormat);
        QCOMPARE(saved.value("themenumber").toString(), bright ? "0" : "1");
        QCOMPARE(saved.value("showtooltips").toString(), tooltipsShown ? "0" : "1");
        QCOMPARE(fixtures::readFile(f.oldSettingsPath()), content); // left as it was
        // Once carried over, the old file is not read again.
        f.writeOldSettings(bright ? "themenumber=1\n" : "themenumber=0\n");
        f.start();
        QCOMPARE(f.find<QAction>("actionBrightTheme")->isChecked(), !bright);
    }

    // Every text a theme colours itself, on its ground: greyed and disabled texts need 3:1 on the
    // screen, the others 4.5:1. The thin strokes of the small font reach their colour only in their
    // cores, which screenshots measure up to a quarter lower, so the colours keep that margin:
    // 4:1 and 5:1. The entry fields and the bright theme's grounds are the platform's.
    void themeTextsReachTheirFloors()
    {
        const QPalette platform = QGuiApplication::palette();
        for (int theme : {0, 1}) {
            const Theme t = themeFor(theme);
            const std::tuple<const char *, QColor, QColor, double> texts[] = {
                {"label", QColor(t.labelcolor), t.ground, 4.5},
                {"warning", QColor(t.warningcolor), t.ground, 4.5},
                {"placeholder", placeholderColour(platform), platform.color(QPalette::Base), 5.0},
                {"greyed", QColor(t.greyedcolor), t.ground, 4.0},
                {"greyed unit", QColor(t.colourOf(TextState::InFieldGreyed)),
                 platform.color(QPalette::Disabled, QPalette::Base), 4.0},
                {"disabled button", t.disabledText, t.disabledGround, 4.0}};
            for (const auto &[what, text, ground, floor] : texts)
                QVERIFY2(text.isValid() && ground.isValid() && contrast::ratio(text, ground) >= floor,
                         qPrintable(QString("%1 on theme %2: %3:1")
                                        .arg(what)
                                        .arg(theme)
                                        .arg(contrast::ratio(text, ground), 0, 'f', 2)));
        }
    }

    // Settings go to the user's config folder, whoever runs the program (root can write into any
    // folder, so being able to is no sign of a portable copy); beside the executable only when a
    // marker there asks for it. Where even that fails, the window still closes.
    void settingsStayBesideTheExecutableOnlyWithTheMarker_data()
    {
        QTest::addColumn<bool>("marker");
        QTest::addColumn<bool>("configIsAFile");
        QTest::newRow("installed") << false << false;
        QTest::newRow("portable") << true << false;
        QTest::newRow("config cannot be written") << false << true;
    }

    void settingsStayBesideTheExecutableOnlyWithTheMarker()
    {
        QFETCH(bool, marker);
        QFETCH(bool, configIsAFile);
        WindowFixture f;
        if (marker)
            QVERIFY(fixtures::writeFile(f.appDir.filePath("panelcraft.portable"), ""));
        const QString config = f.config.filePath(configIsAFile ? "file/panelcraft" : "panelcraft");
        if (configIsAFile)
            QVERIFY(fixtures::writeFile(f.config.filePath("file"), ""));
        f.window = std::make_unique<MainWindow>(AppPaths{f.documents.path(), f.appDir.path(), config});
        f.trigger("actionBrightTheme");
        QCOMPARE(f.window->saveSettings(), !configIsAFile);
        QVERIFY(f.window->close());
        const QString beside = f.appDir.filePath("settings.ini");
        QCOMPARE(QSettings(marker ? beside : config + "/settings.ini", QSettings::IniFormat)
                     .value("themenumber")
                     .toInt(),
                 configIsAFile ? 0 : 1);
        const QStringList besideExecutable =
            marker ? QStringList{"panelcraft.portable", "settings.ini"} : QStringList();
        QCOMPARE(fixtures::entriesBelow(f.appDir.path()), besideExecutable);
    }

    // Each layout grows the window, and the bottom band ("Create Skin" and its status) moves down
    // with it, below whatever the layout shows. The window takes no more than its screen's room
    // (the test screen is smaller than the full layout; ctest runs this at a scale of 2 too), and
    // scrolls to what does not fit.
    void layoutsMoveTheBottomBand()
    {
        WindowFixture f;
        MainWindow &w = f.start();
        const QSize room = w.screen()->availableGeometry().size();
        QVERIFY(room.height() < 770);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents(); // shown, the window fits to its frame
        auto *scroller = f.find<QScrollArea>("formScroller");
        QWidget *band = f.find<QWidget>("bottomBandLine");
        QWidget *lowest = f.find<QWidget>("versionLabel");
        const auto reachable = [&](QWidget *widget) {
            scroller->ensureWidgetVisible(widget);
            const QRect shown(widget->mapTo(scroller->viewport(), QPoint(0, 0)), widget->size());
            return scroller->widget()->rect().contains(widget->geometry()) &&
                   scroller->viewport()->rect().contains(shown);
        };
        const int editingHeight = w.height();
        const int editingBand = band->y();
        QVERIFY(band->y() > f.find<QWidget>("settingsPages")->geometry().bottom());
        QVERIFY(!w.findChild<QWidget *>("previewPages")); // the preview joins the window when shown

        f.click("changeColoursBox");
        QVERIFY(w.height() <= editingHeight && band->y() < editingBand);
        QVERIFY(reachable(lowest) && f.find<QWidget>("settingsPages")->isHidden());
        f.click("changeColoursBox");
        QCOMPARE(w.height(), editingHeight);

        f.click("showPreviewBox");
        QVERIFY(w.height() >= editingHeight && !f.find<QWidget>("previewPages")->isHidden());
        QVERIFY(band->y() > f.find<QWidget>("previewPages")->geometry().bottom());
        QVERIFY(w.width() <= room.width() && w.height() <= room.height());
        QVERIFY(reachable(lowest) && reachable(f.find<QWidget>("createSkinButton")));
        const QSize full = w.size();
        // The editor's box remembers the preview switch.
        f.click("changeColoursBox");
        f.click("changeColoursBox");
        QCOMPARE(w.size(), full);
    }

    // The window opens whole: before its frame is known, a title bar's room is kept free. The
    // wheel over the pages' tabs, slid under a pointer that was scrolling, scrolls on.
    void openedWholeAndWheelOverTheTabsScrollsTheForm()
    {
        WindowFixture f;
        MainWindow &w = f.start();
        f.click("showPreviewBox");
        QVERIFY2(w.height() <= w.screen()->availableGeometry().height() - 18,
                 qPrintable(QString::number(w.height())));
        w.show();
        auto *pages = f.find<QTabWidget>("settingsPages");
        QScrollBar *scrolled = f.find<QScrollArea>("formScroller")->verticalScrollBar();
        QVERIFY(scrolled->maximum() > 0);
        const int page = pages->currentIndex();
        for (QTabWidget *tabs : {pages, f.find<QTabWidget>("previewPages")}) {
            const QPoint at = tabs->tabBar()->tabRect(0).center();
            QWheelEvent wheel(at, tabs->tabBar()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            const int before = scrolled->value();
            QApplication::sendEvent(tabs->tabBar(), &wheel);
            QVERIFY(scrolled->value() > before || scrolled->value() == scrolled->maximum());
        }
        QCOMPARE(pages->currentIndex(), page);
        QCOMPARE(f.find<QTabWidget>("previewPages")->currentIndex(), 0);
    }

    // Made larger, or maximised, the window keeps it: the lines and pages widen and the pages'
    // column groups share the room. A layout switch leaves a maximised window as it is.
    void theWindowGrows()
    {
        WindowFixture f;
        MainWindow &w = f.start();
        w.show();
        QWidget *download = f.find<QWidget>("listDownloadPick"); // on the Lists page's third group
        const int downloadAt = download->x();
        w.resize(1900, 1000);
        QCOMPARE(w.size(), QSize(1900, 1000));
        auto *pages = f.find<QTabWidget>("settingsPages");
        QCOMPARE(pages->geometry().right(), 1900 - 15);
        QCOMPARE(f.find<QWidget>("bottomBandLine")->width(), 990 + 876);
        QVERIFY(f.find<QWidget>("resetAllButton")->geometry().right() > 1800);
        QCOMPARE(download->x(), downloadAt + 876 * 2 / 3);
        w.showMaximized();
        QTRY_VERIFY(w.isMaximized());
        const QSize maximised = w.size();
        f.click("changeColoursBox");
        f.click("changeColoursBox");
        QCOMPARE(w.size(), maximised);
    }

    // The version, the About dialog's links (a missing browser is reported) and how it closes.
    void aboutDialog()
    {
        QCoreApplication::setApplicationVersion("9.8.7");
        WindowFixture f;
        f.start();
        QVERIFY(f.find<QLabel>("versionLabel")->text().endsWith(" 9.8.7"));
        QVERIFY(About().findChild<QLabel *>("versionLabel")->text().endsWith(" 9.8.7"));
        f.trigger("actionAbout");
        QCOMPARE(Dialogs::requests().size(), 1);
        QCOMPARE(Dialogs::requests().first().kind, Dialogs::Kind::Dialog);
        About about;
        click(about, "updatesButton");
        click(about, "supportButton");
        click(about, "websiteButton");
        QCOMPARE(opened, (QList<QUrl>{aboutlinks::updates, aboutlinks::support, aboutlinks::website}));

        // By its Close button or the title bar: the dialog ends and leaves no modal window behind.
        for (const bool byButton : {true, false}) {
            About shown;
            QTimer::singleShot(0, &shown,
                               [&] { byButton ? click(shown, "closeButton") : void(shown.close()); });
            QTimer::singleShot(5000, &shown, [&shown] { shown.done(-1); }); // an answer no close gives
            QCOMPARE(shown.exec(), int(QDialog::Rejected));
            QVERIFY(!shown.isVisible() && !QGuiApplication::modalWindow());
        }
        Dialogs::setTesting(true);
        Dialogs::clear();
        QDesktopServices::unsetUrlHandler("https");
        click(about, "websiteButton");
        QDesktopServices::setUrlHandler("https", this, "open");
        QCOMPARE(Dialogs::requests().size(), 1);
        QVERIFY(Dialogs::requests().first().text.contains(aboutlinks::website.toString()));
        // That warning is the About dialog's child, and wears its look.
        QMessageBox box(QMessageBox::Warning, about.windowTitle(), Dialogs::requests().first().text,
                        QMessageBox::Ok, &about);
        box.show();
        QVERIFY(shownContrast(box.findChild<QLabel *>("qt_msgbox_label")) >= 4.5);
    }

    // Unreadable text is a defect: no row widget overlaps a neighbour or hangs off its page, and no
    // text is cut, nor the longest ones the editor shows later, nor a status message. Only the
    // current page is laid out; all pages share its size.
    void formTextsAreReadable_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        QTest::newRow("German") << "de";
        QTest::newRow("French") << "fr";
    }
    void formTextsAreReadable()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(language.isEmpty() || translator.load(":/translations/panelcraft_" + language));
        QCoreApplication::installTranslator(&translator);
        QMainWindow form;
        Ui::MainWindow ui;
        ui.setupUi(&form);
        const EditorRows rows = buildEditorRows(ui.settingsPages);
        fitFormTexts(&form); // as the window does
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(ui.settingsPages->currentWidget(), ui.listsPage);
        // A mistyped resource path shows nothing and reports nothing, so every picture is loaded:
        // the signs as label pixmaps, the icon previews and logos as images inside rich texts.
        for (const char *name : {"windowsHint", "globalSizeHint", "lineHeightHelp", "noCustomIconsSign",
                                 "alternativeIconsHelp", "whiteIconsHelp"})
            QVERIFY2(!form.findChild<QLabel *>(name)->pixmap(Qt::ReturnByValue).isNull(), name);
        const QRegularExpression source(QStringLiteral("src=\"([^\"]+)\""));
        int pictures = 0;
        for (const QWidget *widget : form.findChildren<QWidget *>())
            for (const char *property : {"text", "toolTip", "whatsThis"})
                for (auto found = source.globalMatch(widget->property(property).toString()); found.hasNext();
                     ++pictures)
                    QVERIFY2(!QImage(found.next().captured(1)).isNull(), qPrintable(widget->objectName()));
        QVERIFY(pictures > 0);
        const QRect page = ui.listsPage->rect();
        const auto fits = [](const QWidget *widget, const QString &text) {
            return widget->fontMetrics().horizontalAdvance(text) <= widget->width();
        };
        QWidgetList rowWidgets;
        for (int i = 0; i < stylekeys::colourKeyCount; ++i) {
            const ColourRow &row = rows.colours[i];
            rowWidgets << row.caption << row.pick << row.swatch << row.value << row.reset << row.transparency;
            QVERIFY(!(stylekeys::colourKeys[i].alpha || row.transparency) || fits(row.value, "#ff202020"));
        }
        for (const FontRow &row : rows.fonts) {
            rowWidgets << row.caption << row.font << row.reset << row.name << row.weight << row.size;
            QVERIFY(fits(row.weight, fontWeightText("Normal")));
        }
        rowWidgets.removeAll(nullptr);
        // Neighbours may share their edge pixel column; a frame drawn as a line may cross them.
        const auto inner = [](const QWidget *widget) { return widget->geometry().adjusted(0, 0, -1, 0); };
        for (QWidget *widget : rowWidgets) {
            QVERIFY2(page.contains(widget->geometry()), qPrintable(widget->objectName()));
            for (QWidget *other :
                 widget->parentWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                const auto *frame = qobject_cast<const QFrame *>(other);
                const int shape = frame ? frame->frameShape() : QFrame::NoFrame;
                QVERIFY2(other == widget || shape == QFrame::HLine || shape == QFrame::VLine ||
                             !inner(widget).intersects(inner(other)),
                         qPrintable(widget->objectName() + " overlaps " + other->objectName()));
            }
        }
        QWidgetList texts = ui.centralWidget->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (int i = 0; i < ui.settingsPages->count(); ++i)
            texts +=
                ui.settingsPages->widget(i)->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (const QWidget *widget : texts) {
            const auto *label = qobject_cast<const QLabel *>(widget);
            const auto *option = qobject_cast<const QAbstractButton *>(widget);
            QVERIFY2(!label || label->text().isEmpty() ||
                         (label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                            : fits(label, label->text())),
                     qPrintable(widget->objectName()));
            QVERIFY2(!option || !option->isCheckable() || option->sizeHint().width() <= option->width(),
                     qPrintable(widget->objectName()));
            // A push button's text keeps clear of the theme's padding; its "&" marks the shortcut.
            QVERIFY2(!option || option->isCheckable() ||
                         fits(option, QString(option->text()).remove('&') + "xx"),
                     qPrintable(widget->objectName()));
        }
        // A status message shows whole, wrapped over the status's lines.
        WindowFixture f;
        f.start().show();
        QMimeData dropped;
        dropped.setText("not a skin");
        QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &refused);
        auto *status = f.find<QLabel>("statusLabel");
        QVERIFY(status->text().size() > 50);
        QVERIFY2(!status->text().contains(QChar(0x2026)) && status->toolTip().isEmpty(),
                 qPrintable(status->text()));
        QVERIFY(status->heightForWidth(status->width()) <= status->height());
        QVERIFY(status->parentWidget()->rect().contains(status->geometry()));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
