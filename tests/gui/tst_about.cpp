// The About dialog: fixed size, its own black look, where its buttons lead, and both ways of
// closing it.

#include "app/about.h"
#include "app/dialogs.h"
#include "style/resources.h"

#include <QDesktopServices>
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

    void isFixedWithoutHelpButton()
    {
        About about;
        QVERIFY(!(about.windowFlags() & Qt::WindowContextHelpButtonHint));
        about.show();
        about.resize(500, 420);
        QCOMPARE(about.size(), QSize(300, 300));
    }

    void blackLookIsAddressedToTheDialogByName()
    {
        About about;
        QVERIFY(about.styleSheet().startsWith("#" + about.objectName() + " {"));
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
        QCOMPARE(url.host(), QStringLiteral("turnwise.example"));
        QCOMPARE(QSet<QUrl>({aboutlinks::updates, aboutlinks::support, aboutlinks::website}).size(), 3);
        About about;
        about.show();
        QTest::mouseClick(about.findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(browser.opened, QList<QUrl>{url});
        QVERIFY(about.isVisible());
    }

    void closingEndsTheDialog_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Close") << true;
        QTest::newRow("title bar") << false;
    }

    void closingEndsTheDialog()
    {
        QFETCH(bool, byButton);
        About about;
        QTimer::singleShot(0, &about, [&about, byButton] {
            if (byButton)
                QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("pushButton_4")),
                                  Qt::LeftButton);
            else
                about.close();
        });
        // Ends a dialog that did not close by itself, with an answer no close gives.
        QTimer::singleShot(5000, &about, [&about] { about.done(-1); });
        QCOMPARE(about.exec(), int(QDialog::Rejected));
        QVERIFY(!about.isVisible());
        QVERIFY(!QGuiApplication::modalWindow());
        QVERIFY(browser.opened.isEmpty());
    }

    void aLinkNoBrowserOpensIsReported()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        Dialogs::setTesting(true);
        Dialogs::clear();
        About about;
        QTest::mouseClick(about.findChild<QPushButton *>(QStringLiteral("pushButton_3")), Qt::LeftButton);
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
        QCOMPARE(Dialogs::requests().size(), 1);
        QCOMPARE(Dialogs::requests().first().kind, Dialogs::Kind::Warning);
        QVERIFY(Dialogs::requests().first().text.contains(aboutlinks::website.toString()));
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
