// The About dialog: its fixed form, its black look, where its buttons lead, and "Close".

#include "app/about.h"
#include "style/resources.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Stands in for the desktop's browser, so no test opens a real page.
class BrowserStandIn : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

class AboutTest : public QObject
{
    Q_OBJECT

    BrowserStandIn browser;

    // Runs the dialog modally while clicking runs inside its event loop; the answer is what exec
    // returned, or -1 when the dialog did not close by itself.
    template <typename Action> int execWhile(About &about, Action action)
    {
        QTimer::singleShot(0, &about, action);
        QTimer::singleShot(5000, &about, [&about] { about.done(-1); });
        return about.exec();
    }

private slots:
    void initTestCase()
    {
        initPanelcraftResources();
        for (const char *scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &browser, "open");
    }

    void cleanupTestCase()
    {
        for (const char *scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    void init() { browser.opened.clear(); }

    void windowIsFixedWithoutHelpButton()
    {
        About about;
        QCOMPARE(about.objectName(), QStringLiteral("About"));
        QCOMPARE(about.windowTitle(), QStringLiteral("Panelcraft"));
        QCOMPARE(about.minimumSize(), QSize(300, 300));
        QCOMPARE(about.maximumSize(), QSize(300, 300));
        QCOMPARE(about.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(about.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(about.contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(!(about.windowFlags() & Qt::WindowContextHelpButtonHint));
        about.show();
        about.resize(500, 420);
        QCOMPARE(about.size(), QSize(300, 300));
    }

    void widgets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        const struct
        {
            const char *name;
            const char *kind;
            QRect geometry;
            const char *text;
        } widgets[] = {
            {"label_7", "QLabel", {10, 10, 47, 41}, nullptr},
            {"label", "QLabel", {60, 10, 201, 31}, "PANELCRAFT"},
            {"label_4", "QLabel", {60, 30, 131, 20}, "Turnwise Skins Modifier"},
            {"line_2", "QFrame", {10, 60, 281, 2}, nullptr},
            {"label_2", "QLabel", {10, 70, 271, 21}, "Version 3.0.0"},
            {"pushButton", "QPushButton", {50, 100, 191, 23}, "Check for Updates"},
            {"pushButton_2", "QPushButton", {50, 140, 191, 23}, "Panelcraft Support"},
            {"pushButton_3", "QPushButton", {50, 180, 191, 23}, "Turnwise Website"},
            {"pushButton_4", "QPushButton", {110, 220, 81, 23}, "Close"},
            {"line", "QFrame", {10, 260, 281, 2}, nullptr},
        };
        for (const auto &w : widgets)
            QTest::newRow(w.name) << w.name << QByteArray(w.kind) << w.geometry << w.text;
    }

    void widgets()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, kind);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        About about;
        QWidget *widget = about.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(QByteArray(widget->metaObject()->className()), kind);
        QCOMPARE(widget->geometry(), geometry);
        if (auto *label = qobject_cast<QLabel *>(widget); label && !text.isNull())
            QCOMPARE(label->text(), text);
        if (auto *button = qobject_cast<QPushButton *>(widget))
            QCOMPARE(button->text(), text);
        if (kind == "QFrame") {
            auto *frame = static_cast<QFrame *>(widget);
            QCOMPARE(frame->frameShape(), QFrame::HLine);
            QCOMPARE(frame->frameShadow(), QFrame::Sunken);
        }
    }

    void labelDetails()
    {
        About about;
        const auto *title = about.findChild<QLabel *>(QStringLiteral("label"));
        QCOMPARE(title->font().family(), QStringLiteral("Arial"));
        QCOMPARE(title->font().pointSize(), 12);
        QCOMPARE(title->font().weight(), 75);
        QCOMPARE(title->contextMenuPolicy(), Qt::NoContextMenu);
        QCOMPARE(about.findChild<QLabel *>(QStringLiteral("label_2"))->alignment(), Qt::AlignCenter);

        const auto *logo = about.findChild<QLabel *>(QStringLiteral("label_7"));
        QVERIFY(logo->text().contains(QStringLiteral(R"(<img src=":/myfiles/quillologo.png" width="40")")));
        QVERIFY(logo->styleSheet().isEmpty());
        QVERIFY(!logo->wordWrap());
        QVERIFY(QFile::exists(QStringLiteral(":/myfiles/quillologo.png")));
    }

    void styleSheetIsExact()
    {
        About about;
        QCOMPARE(
            about.styleSheet(),
            QStringLiteral("#About {border:1px solid white; background-color: black; }"
                           "QLabel {color: white; background-color:transparent;}"
                           "#line,#line_2 {background-color:rgb(90,90,90);}"
                           "QPushButton {color:black; padding: 0px 6px; min-height:23px; border-radius: 2px; "
                           "border:1px solid black;  background: rgb(220,220,220); }"
                           " QPushButton:disabled {color:rgb(90,90,90); padding: 0px 6px; min-height:23px; "
                           "border-radius: 2px; border:1px solid black;  background: rgb(180,180,180); }"
                           " QPushButton:hover { background: rgb(240,240,240); }"
                           "QPushButton:hover:disabled { background: rgb(180,180,180); }"
                           "QPushButton:selected { background-color: orange; }"));
    }

    // A bright application palette (the look the bright theme leaves to the platform) must not
    // reach the dialog: it stays black with a white border.
    void staysBlackUnderABrightLook()
    {
        const QPalette before = QApplication::palette();
        QPalette bright = before;
        bright.setColor(QPalette::Window, Qt::white);
        bright.setColor(QPalette::WindowText, Qt::black);
        QApplication::setPalette(bright);
        About about;
        const QImage look = about.grab().toImage();
        QApplication::setPalette(before);
        QCOMPARE(look.pixelColor(150, 285), QColor(Qt::black));
        QCOMPARE(look.pixelColor(0, 150), QColor(Qt::white));
    }

    void linkButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QUrl>("url");
        QTest::newRow("Check for Updates") << "pushButton" << aboutlinks::updates;
        QTest::newRow("Panelcraft Support") << "pushButton_2" << aboutlinks::support;
        QTest::newRow("Turnwise Website") << "pushButton_3" << aboutlinks::website;
    }

    void linkButtons()
    {
        QFETCH(QString, button);
        QFETCH(QUrl, url);
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QCOMPARE(url.host(), QStringLiteral("turnwise.example"));
        About about;
        about.show();
        QTest::mouseClick(about.findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(browser.opened, QList<QUrl>{url});
        QVERIFY(about.isVisible());
    }

    void linksAreDistinct()
    {
        QCOMPARE(QSet<QUrl>({aboutlinks::updates, aboutlinks::support, aboutlinks::website}).size(), 3);
    }

    void closeButtonEndsTheDialog()
    {
        About about;
        const int result = execWhile(about, [&about] {
            QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("pushButton_4")), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(!about.isVisible());
        QVERIFY(!about.windowHandle()); // its native window is released too
        QVERIFY(!QGuiApplication::modalWindow());
        QVERIFY(browser.opened.isEmpty());
    }

    void titleBarCloseEndsTheDialog()
    {
        About about;
        QCOMPARE(execWhile(about, [&about] { about.close(); }), int(QDialog::Rejected));
        QVERIFY(!about.isVisible());
        QVERIFY(!QGuiApplication::modalWindow());
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
