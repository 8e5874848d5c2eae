// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, folders, settings, themes, window layouts and tooltips of the main window; the About
// dialog; and the main window form as the rest of the program relies on it: pictures that load,
// and a layout that neither overlaps nor cuts a text.

#include "app/about.h"
#include "app/createskinpanel.h"
#include "app/editorpanel.h"
#include "app/previewpanel.h"
#include "app/profilespanel.h"
#include "app/startup.h"
#include "app/styledocument.h"
#include "app/theme.h"
#include "app/tooltiplist.h"
#include "style/contrast.h"
#include "windowfixture.h"

#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QLineEdit>
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
#include <sys/stat.h>

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
        QApplication::setFont(formFont()); // which the rows and pages are laid out for
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
        QTest::newRow("folders and six recent profiles")
            << QByteArray(
                   "themenumber=1\nshowtooltips=0\nfolder_skin=/s\nfolder_profiles=/p\nrecent_1=/1.pcp\n"
                   "recent_2=/2.pcp\nrecent_3=/3.pcp\nrecent_4=/4.pcp\nrecent_5=/5.pcp\nrecent_6=/6.pcp\n")
            << true << false;
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
        // A second window on the same settings, closed last, leaves what the first changed.
        MainWindow second(f.paths());
        QCOMPARE(f.find<QAction>("actionBrightTheme")->isChecked(), bright);
        QCOMPARE(f.find<QAction>("actionDarkTheme")->isChecked(), !bright);
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 themeFor(bright ? ThemeChoice::Bright : ThemeChoice::Dark).ground);
        // A greyed label is in the theme's grey from the start.
        QCOMPARE(f.find<QLabel>("globalFontLabel")->palette().color(QPalette::WindowText),
                 QColor(themeFor(bright ? ThemeChoice::Bright : ThemeChoice::Dark).greyedcolor));
        QCOMPARE(f.find<QAction>("actionShowTooltips")->isChecked(), tooltipsShown);
        // Both switched through the menu, and written back at close. Every listed widget follows the
        // switch; the others keep the form's own tooltips, and a row without a text of its own names
        // the row it acts on.
        f.trigger(bright ? "actionDarkTheme" : "actionBrightTheme");
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 themeFor(bright ? ThemeChoice::Dark : ThemeChoice::Bright).ground);
        f.find<QLineEdit>("findColour")->setText("over"); // the list of what is found comes with it
        for (bool shown : {tooltipsShown, !tooltipsShown}) {
            for (const QString &name : tooltipWidgets()) {
                const QWidget *widget = f.find<QWidget>(name);
                QVERIFY2(widget && (shown || widget->toolTip().isEmpty()), qPrintable(name));
            }
            QVERIFY(f.find<QWidget>("alternativeIconsHelp")->toolTip().contains(":/myfiles/icons/ICONS.png"));
            QVERIFY(!shown ||
                    f.find<QWidget>("findResults")->toolTip() == "Choose a row to show it on its page");
            // On the first page, and on a page built after the window started.
            for (const auto &[name, tip] : {std::pair("listOverstripesReset", "Lists › Stripes Over"),
                                            std::pair("fxTextReset", "Plugin Text › Knob Text")})
                QVERIFY2(!shown || f.find<QWidget>(name)->toolTip() ==
                                       QString("Reset %1 to the default color").arg(tip),
                         name);
            if (shown == tooltipsShown)
                f.trigger("actionShowTooltips");
        }
        f.window->close();
        second.close();
        const QSettings saved(f.settingsPath(), QSettings::IniFormat);
        QCOMPARE(saved.value("themenumber").toString(), bright ? "0" : "1");
        QCOMPARE(saved.value("showtooltips").toString(), tooltipsShown ? "0" : "1");
        if (content.contains("recent_")) {
            QCOMPARE(saved.value("recentProfiles").toStringList(),
                     QStringList({"/1.pcp", "/2.pcp", "/3.pcp", "/4.pcp", "/5.pcp"}));
            QCOMPARE(saved.value("folders/skin").toString() + saved.value("folders/profiles").toString(),
                     "/s/p");
        }
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
        for (ThemeChoice theme : {ThemeChoice::Dark, ThemeChoice::Bright}) {
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
                                        .arg(theme == ThemeChoice::Dark ? "dark" : "bright")
                                        .arg(contrast::ratio(text, ground), 0, 'f', 2)));
        }
    }

    // Settings go to the user's config folder, whoever runs the program (root can write into any
    // folder, so being able to is no sign of a portable copy); beside the executable only when a
    // marker there asks for it. Where even that fails, the window still closes; a pipe in the
    // settings file's place (or a device, as /dev/null) is neither read nor replaced.
    void settingsStayBesideTheExecutableOnlyWithTheMarker_data()
    {
        QTest::addColumn<bool>("marker");
        QTest::addColumn<QString>("blocker");
        QTest::newRow("installed") << false << "";
        QTest::newRow("portable") << true << "";
        QTest::newRow("config cannot be written") << false << "config is a file";
#ifndef Q_OS_WIN // Windows keeps its named pipes outside the file system
        QTest::newRow("settings file is a pipe") << false << "settings file is a pipe";
#endif
    }

    void settingsStayBesideTheExecutableOnlyWithTheMarker()
    {
        QFETCH(bool, marker);
        QFETCH(QString, blocker);
        WindowFixture f;
        if (marker)
            QVERIFY(fixtures::writeFile(f.appDir.filePath("panelcraft.portable"), ""));
        const QString config =
            f.config.filePath(blocker.startsWith("config") ? "file/panelcraft" : "panelcraft");
        if (blocker.startsWith("config"))
            QVERIFY(fixtures::writeFile(f.config.filePath("file"), ""));
        const QString settings = config + "/settings.ini";
#ifndef Q_OS_WIN
        if (blocker.endsWith("pipe"))
            QVERIFY(QDir().mkpath(config) && mkfifo(QFile::encodeName(settings).constData(), 0666) == 0);
#endif
        f.window = std::make_unique<MainWindow>(AppPaths{f.documents.path(), f.appDir.path(), config});
        f.trigger("actionBrightTheme");
        QCOMPARE(f.window->saveSettings(), blocker.isEmpty());
        QVERIFY(f.window->close());
        const QString beside = f.appDir.filePath("settings.ini");
        const QString written = marker ? beside : settings;
        QCOMPARE(QFileInfo(written).isFile()
                     ? QSettings(written, QSettings::IniFormat).value("themenumber").toInt()
                     : 0,
                 blocker.isEmpty() ? 1 : 0);
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
        // Where a widget stands on the form.
        const auto on = [&](QWidget *widget) {
            return QRect(widget->mapTo(scroller->widget(), QPoint(0, 0)), widget->size());
        };
        const auto reachable = [&](QWidget *widget) {
            scroller->ensureWidgetVisible(widget);
            const QRect shown(widget->mapTo(scroller->viewport(), QPoint(0, 0)), widget->size());
            return scroller->widget()->rect().contains(on(widget)) &&
                   scroller->viewport()->rect().contains(shown);
        };
        const int editingHeight = w.height();
        const int editingBand = on(band).y();
        QVERIFY(on(band).y() > on(f.find<QWidget>("settingsPages")).bottom());
        QVERIFY(!w.findChild<QWidget *>("previewPages")); // the preview joins the window when shown

        f.click("changeColoursBox");
        QCoreApplication::processEvents();
        QVERIFY(w.height() <= editingHeight && on(band).y() < editingBand);
        QVERIFY(reachable(lowest) && f.find<QWidget>("settingsPages")->isHidden());
        f.click("changeColoursBox");
        QCoreApplication::processEvents();
        QCOMPARE(w.height(), editingHeight);

        f.click("showPreviewBox");
        QCoreApplication::processEvents();
        QVERIFY(w.height() >= editingHeight && !f.find<QWidget>("previewPages")->isHidden());
        QVERIFY(on(band).y() > on(f.find<QWidget>("previewPages")).bottom());
        QVERIFY(w.width() <= room.width() && w.height() <= room.height());
        QVERIFY(reachable(lowest) && reachable(f.find<QWidget>("createSkinButton")));
        const QSize full = w.size();
        // The editor's box remembers the preview switch.
        f.click("changeColoursBox");
        f.click("changeColoursBox");
        QCoreApplication::processEvents();
        QCOMPARE(w.size(), full);
    }

    // The window opens whole: before its frame is known, room for a title bar and borders is kept
    // free. The wheel over the pages' tabs, slid under a pointer that was scrolling, scrolls on.
    void openedWholeAndWheelOverTheTabsScrollsTheForm()
    {
        WindowFixture f;
        MainWindow &w = f.start();
        f.click("showPreviewBox");
        QVERIFY2(w.height() <= w.screen()->availableGeometry().height() - 18,
                 qPrintable(QString::number(w.height())));
        // Its borders too, left and right, where the screen is narrower than the form.
        QVERIFY2(w.width() <= w.screen()->availableGeometry().width() - 2,
                 qPrintable(QString::number(w.width())));
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
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        QWidget *download = f.find<QWidget>("listDownloadPick"); // on the Lists page's third group
        const int downloadAt = download->x();
        w.resize(1900, 1000);
        QCoreApplication::processEvents();
        QCOMPARE(w.size(), QSize(1900, 1000));
        const auto right = [&w](const char *name) {
            QWidget *widget = w.findChild<QWidget *>(name);
            return widget->mapTo(&w, QPoint(widget->width(), 0)).x();
        };
        QVERIFY(right("settingsPages") > 1900 - 30);
        QVERIFY(right("bottomBandLine") > 1900 - 30);
        QVERIFY(right("resetAllButton") > 1800);
        QVERIFY(right("skinDivider") > 1900 - 30);
        QVERIFY(download->x() > downloadAt + 876 / 2);
        w.showMaximized();
        QTRY_VERIFY(w.isMaximized());
        QCoreApplication::processEvents();
        const QSize maximised = w.size();
        f.click("changeColoursBox");
        f.click("changeColoursBox");
        QCoreApplication::processEvents();
        QCOMPARE(w.size(), maximised);
    }

    // Each panel stands alone on a document, without the window: built (every page, the preview),
    // it shows the document's values and follows its edits. Unreadable text is a defect: in every
    // language no widget of the panels' own forms and rows overlaps a neighbour or is cut, and
    // every page fits a small screen's width.
    void panelsStandAloneAndReadable_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("language");
        for (const char *panel : {"CreateSkinPanel", "EditorPanel", "PreviewPanel", "ProfilesPanel"})
            for (const char *language : {"", "de", "fr"})
                QTest::addRow("%s %s", panel, language) << panel << language;
    }
    void panelsStandAloneAndReadable()
    {
        QFETCH(QString, panel);
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(language.isEmpty() || translator.load(":/translations/panelcraft_" + language));
        QCoreApplication::installTranslator(&translator);
        StyleDocument document;
        StyleTable table;
        QStringList warnings;
        QVERIFY(tablefile::readProfile(tablefile::defaultTablePath, table, warnings).isEmpty());
        document.takeTable(table);
        if (panel == "ProfilesPanel") { // menu entries of its own, reading a table into the document
            QWidget window;
            auto *profiles = new ProfilesPanel(&window, QDir::tempPath(), QDir::tempPath(), document);
            const Style before = document.style();
            window.findChild<QAction *>("actionWhiteTable")->trigger();
            QVERIFY(profiles->menuEntries().size() > 10 && document.style().colours != before.colours);
            QCoreApplication::removeTranslator(&translator);
            return;
        }
        std::unique_ptr<QWidget> form;
        if (panel == "CreateSkinPanel")
            form = std::make_unique<CreateSkinPanel>(QDir::tempPath(), document);
        else if (panel == "EditorPanel")
            form = std::make_unique<EditorPanel>(document);
        else
            form = std::make_unique<PreviewPanel>(document);
        // Beside the frame, the form's margins and a scroll bar, a 1024-pixel screen leaves 1000.
        form->resize(1000, form->sizeHint().height());
        form->show();
        if (auto *preview = qobject_cast<PreviewPanel *>(form.get()))
            preview->setShown(true);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        Style edited = document.style();
        edited.colours[stylekeys::colourIndex("list_text")] = QColor("#123456");
        document.edit({edited, 150}, "edit");
        if (panel == "PreviewPanel") {
            QVERIFY(form->findChild<QWidget *>("trackList")->styleSheet().contains("#123456"));
            QCoreApplication::removeTranslator(&translator);
            return; // the mock browser is drawn as the skin draws it, not laid out
        }
        auto *pages = form->findChild<QTabWidget *>("settingsPages");
        if (pages) {
            QCOMPARE(form->findChild<QLineEdit *>("lineHeightField")->text(), QString("150"));
            auto *value = form->findChild<QLabel *>("listTextValue");
            QCOMPARE(value->text(), QString("#123456"));
            QTest::mouseMove(value); // its text can be selected once the pointer is over it
            QTRY_COMPARE(value->textInteractionFlags(), Qt::TextSelectableByMouse);
        }
        // A mistyped resource path shows nothing and reports nothing, so every picture is loaded.
        for (const char *name : {"windowsHint", "globalSizeHint", "lineHeightHelp", "noCustomIconsSign",
                                 "alternativeIconsHelp", "whiteIconsHelp"})
            if (auto *sign = form->findChild<QLabel *>(name))
                QVERIFY2(!sign->pixmap(Qt::ReturnByValue).isNull(), name);
        // Neighbours may share their edge pixel column; a frame drawn as a line may cross them.
        const auto inner = [](const QWidget *widget) { return widget->geometry().adjusted(0, 0, -1, 0); };
        const QRegularExpression signOnSwatch("Swatch.*Sign$|Sign.*Swatch$");
        const auto readable = [&](QWidget *parent) {
            const QWidgetList shown = parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
            for (QWidget *widget : shown) {
                const auto isLine = [](const QWidget *candidate) {
                    const auto *frame = qobject_cast<const QFrame *>(candidate);
                    return frame &&
                           (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
                };
                if (widget->isHidden() || isLine(widget))
                    continue;
                QVERIFY2(parent->rect().contains(widget->geometry()), qPrintable(widget->objectName()));
                for (QWidget *other : shown)
                    // A row's warning signs stand on its swatch.
                    QVERIFY2(other == widget || other->isHidden() || isLine(other) ||
                                 !inner(widget).intersects(inner(other)) ||
                                 QString(widget->objectName() + other->objectName()).contains(signOnSwatch),
                             qPrintable(widget->objectName() + " overlaps " + other->objectName()));
                const auto *label = qobject_cast<const QLabel *>(widget);
                const auto *option = qobject_cast<const QAbstractButton *>(widget);
                QVERIFY2(!label || label->text().isEmpty() || label->textFormat() == Qt::RichText ||
                             (label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                                : label->sizeHint().width() <= label->width()),
                         qPrintable(widget->objectName()));
                QVERIFY2(!option || !option->isCheckable() || option->sizeHint().width() <= option->width(),
                         qPrintable(widget->objectName()));
                // A push button has the width the style asks for, or one narrower that keeps its text
                // clear of the theme's padding; its "&" marks the shortcut.
                QVERIFY2(!option || option->isCheckable() ||
                             std::min(option->sizeHint().width(),
                                      option->fontMetrics().horizontalAdvance(
                                          QString(option->text()).remove('&') + "xx")) <= option->width(),
                         qPrintable(widget->objectName()));
            }
        };
        readable(form.get());
        for (int page = 0; pages && page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QCoreApplication::processEvents();
            readable(pages->widget(page));
        }
        QVERIFY2(form->minimumSizeHint().width() <= 1000, qPrintable(QString::number(form->width())));
        // Every text in the form's one face and size, the build bar's too.
        QWidgetList texts = form->findChildren<QWidget *>();
        if (auto *createSkin = qobject_cast<CreateSkinPanel *>(form.get()))
            texts += createSkin->buildBar()->findChildren<QWidget *>();
        for (const QWidget *text : qAsConst(texts))
            QVERIFY2((!qobject_cast<const QLabel *>(text) && !qobject_cast<const QAbstractButton *>(text)) ||
                         text->font() == QApplication::font(),
                     qPrintable(text->objectName() + " has a font of its own"));
        QCoreApplication::removeTranslator(&translator);
    }

    // A status message shows whole, wrapped over the status's lines; a file name wider than the
    // status loses its middle, keeping its end, and shows whole in the tip.
    void statusShowsWhole()
    {
        WindowFixture f;
        f.start().show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
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
        // Far wider than the status; short enough that the save file's temporary name beside it
        // (the name and 7 characters, on systems that make one) stays within 255.
        const QString scheme = QString(240, 'n') + ".yaml";
        Dialogs::setNextFileName(f.documents.filePath(scheme));
        f.trigger("actionExportScheme");
        QVERIFY2(status->text().endsWith(".yaml") && status->toolTip().endsWith(scheme),
                 qPrintable(status->text()));
        for (const QString &word : status->text().split(' '))
            QVERIFY(status->fontMetrics().horizontalAdvance(word) <= status->width());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
