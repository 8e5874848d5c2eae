// SPDX-License-Identifier: GPL-3.0-or-later
// "Create Skin" driven through the real window: choosing the skin and its sources, the build on
// a worker, and what the user is told afterwards.

#include "windowfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QSemaphore>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>

class CreateSkinTest : public QObject
{
    Q_OBJECT

    const QString m_sample = fixtures::sampleSkin();
    const QTemporaryDir m_temp; // the temporary folder of each test, empty after it
    std::unique_ptr<WindowFixture> f;

    QString skinsFolder() const { return f->documents.path() + "/Turnwise/skins"; }
    QString built() const { return skinsFolder() + "/sample-skin (Browser edit).zip"; }
    QString text(const char *name) const { return f->find<QWidget>(name)->property("text").toString(); }

    // Presses "Create Skin" and waits for the build and its boxes.
    void create()
    {
        f->click("createSkinButton");
        QTRY_VERIFY_WITH_TIMEOUT(!f->window->isBusy(), 60000);
    }

    static QString lastWarning() { return WindowFixture::lastText(Dialogs::Kind::Warning); }
    static QString last(Dialogs::Kind kind) { return WindowFixture::lastText(kind); }

private slots:
    void init()
    {
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
        f = std::make_unique<WindowFixture>();
        f->start();
    }
    // Every build and scan removes its work folder.
    void cleanup()
    {
        f.reset();
        QThreadPool::globalInstance()->waitForDone(); // a scan the test did not wait for
        const QStringList left = fixtures::entriesBelow(m_temp.path());
        QVERIFY2(left.isEmpty(), qPrintable(left.join(", ")));
    }

    void browsePicksASkin()
    {
        QDir().mkpath(f->documents.path() + "/Turnwise/Skins"); // the host's own spelling
        f->choose("chooseSkinButton", "/somewhere/My.Skin.v2.zip");
        // The same folder (QDir compares as the file system does: on Windows, whatever the case).
        QVERIFY(QDir(Dialogs::requests().last().dir) == QDir(f->documents.path() + "/Turnwise/Skins"));
        QCOMPARE(text("skinName"), QString("My"));
        QCOMPARE(text("saveAsField"), QString("My (Browser edit)"));
    }

    // The Replace question and the build's outcome open centred on the window, though the button
    // that asks sits at its bottom. A long name keeps them narrow (an 800-pixel screen here),
    // whole under their details.
    void boxesCentreOnTheWindow()
    {
        f->choose("chooseSkinButton", m_sample);
        const QString longName = QString(230, 'n');
        f->find<QLineEdit>("saveAsField")->setText(longName);
        QVERIFY(QDir().mkpath(skinsFolder()) &&
                fixtures::writeFile(skinsFolder() + "/" + longName + ".zip", "x"));
        f->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
        QStringList offCentre;
        int boxes = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            ++boxes;
            const QPoint off = box->frameGeometry().center() - f->window->frameGeometry().center();
            if (off.manhattanLength() > 4)
                offCentre << box->text();
            if (box->width() > 600 || !box->detailedText().contains(longName))
                offCentre << "wider than 600";
            for (QAbstractButton *button : box->buttons())
                if (box->buttonRole(button) == QMessageBox::AcceptRole)
                    return button->click(); // Replace, then OK
        });
        watch.start(50);
        Dialogs::setTesting(false);
        f->click("createSkinButton");
        QTRY_VERIFY_WITH_TIMEOUT(!f->window->isBusy() && boxes == 2, 60000);
        Dialogs::setTesting(true);
        QCOMPARE(offCentre, QStringList());
    }

    void refusedInputWritesNothing_data()
    {
        QTest::addColumn<int>("fault"); // 1: the sample skin cut in half; 2: a file as the skins folder
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<QString>("reason");
        QTest::newRow("damaged") << 1 << QString() << QString();
        QTest::newRow("name too long") << 0 << QString(200, QChar(0x00e9)) << "too long";
        QTest::newRow("skins folder is a file") << 2 << QString() << "could not be created";
    }

    void refusedInputWritesNothing()
    {
        QFETCH(int, fault);
        QFETCH(QString, saveAs);
        QFETCH(QString, reason);
        const QString skin = f->documents.filePath("input.zip");
        QByteArray archive = fixtures::readFile(m_sample);
        archive.truncate(fault == 1 ? archive.size() / 2 : archive.size());
        QVERIFY(fixtures::writeFile(skin, archive));
        if (fault == 2)
            QVERIFY(QDir().mkpath(f->documents.path() + "/Turnwise") &&
                    fixtures::writeFile(skinsFolder(), "x"));
        f->choose("chooseSkinButton", skin);
        if (!saveAs.isEmpty())
            f->find<QLineEdit>("saveAsField")->setText(saveAs);
        create();
        QVERIFY2(!lastWarning().isEmpty() && lastWarning().contains(reason), qPrintable(lastWarning()));
        QVERIFY(last(Dialogs::Kind::Information).isEmpty() && text("statusLabel") != "Done !");
        QCOMPARE(fixtures::entriesBelow(skinsFolder(), QDir::Files), QStringList());
        QCOMPARE(fixtures::readFile(skin), archive);
    }

    // One pipeline, two front ends: each icon choice and option gives the same bytes from both.
    void windowAndCommandLineWriteTheSameArchive_data()
    {
        QTest::addColumn<QStringList>("clicks"); // a path after a button answers its file dialog
        QTest::addColumn<QStringList>("options");
        QTest::newRow("default") << QStringList{"defaultIconsButton"} << QStringList();
        QTest::newRow("alternative, floating, line height")
            << QStringList{"alternativeIconsButton", "floatingBrowserBox", "120"}
            << QStringList{"--icons", "alternative", "--float-browser", "--line-height", "120"};
        QTest::newRow("white") << QStringList{"whiteIconsButton"} << QStringList{"--icons", "white"};
        QTest::newRow("icons and windows of another skin")
            << QStringList{"otherSkinIconsButton", "chooseIconSkinButton",   "SAMPLE",
                           "importWindowsBox",     "chooseWindowSkinButton", "SAMPLE"}
            << QStringList{"--icons-from", "SAMPLE", "--windows-from", "SAMPLE"};
    }

    void windowAndCommandLineWriteTheSameArchive()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, options);
        clicks.replaceInStrings("SAMPLE", m_sample);
        options.replaceInStrings("SAMPLE", m_sample);
        f->choose("chooseSkinButton", m_sample);
        for (int i = 0; i < clicks.size(); ++i) {
            if (clicks[i] == "120")
                f->find<QLineEdit>("lineHeightField")->setText("120");
            else if (i + 1 < clicks.size() && clicks[i + 1].endsWith(".zip"))
                f->choose(clicks[i], clicks[i + 1]), ++i;
            else
                f->click(clicks[i]);
        }
        create();
        QVERIFY2(lastWarning().isEmpty(), qPrintable(lastWarning()));
        QVERIFY(last(Dialogs::Kind::Information).startsWith("Your Skin has been created successfully"));
        const QString cli = f->documents.filePath("cli.zip");
        QCOMPARE(fixtures::runCli(f->documents.path(), QStringList{m_sample, "-q", "-o", cli} + options).code,
                 0);
        QVERIFY(!fixtures::readFile(built()).isEmpty());
        QCOMPARE(fixtures::readFile(built()), fixtures::readFile(cli));
    }

    // Two windows on the same documents folder build at once, each in a folder of its own, and
    // the command line builds beside them. A building window keeps processing events, with the
    // controls that would disturb the build disabled and the progress shown.
    void buildsAtOnceKeepToThemselves()
    {
        MainWindow second(f->paths());
        f->choose("chooseSkinButton", m_sample);
        Dialogs::setNextFileName(m_sample);
        second.findChild<QAbstractButton *>("chooseSkinButton")->click();
        second.findChild<QLineEdit *>("saveAsField")->setText("second");
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start(1);
        f->click("createSkinButton");
        second.findChild<QAbstractButton *>("createSkinButton")->click();
        QVERIFY(f->window->isBusy() && second.isBusy());
        for (const char *name : {"createSkinButton", "chooseSkinButton", "actionOpenProfile"})
            QVERIFY2(!f->find<QObject>(name)->property("enabled").toBool(), name);
        QVERIFY(f->find<QWidget>("buildProgress")->isVisibleTo(f->window.get()));
        const QString cli = f->documents.filePath("cli.zip");
        QCOMPARE(fixtures::runCli(f->documents.path(), {m_sample, "-q", "-o", cli}).code, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!f->window->isBusy() && !second.isBusy(), 60000);
        QVERIFY(ticks > 0 && f->find<QWidget>("createSkinButton")->isEnabled());
        QVERIFY(!f->find<QWidget>("chooseIconSkinButton")->isEnabled()); // as before the build
        QVERIFY2(lastWarning().isEmpty(), qPrintable(lastWarning()));
        QVERIFY(!fixtures::readFile(cli).isEmpty());
        QCOMPARE(fixtures::readFile(built()), fixtures::readFile(cli));
        QCOMPARE(fixtures::readFile(skinsFolder() + "/second.zip"), fixtures::readFile(cli));
    }

    // A build never replaces a skin without asking, naming the file. Windows asked for without a
    // skin that has them are warned of, as icons are.
    void replacingASkinAsksFirst()
    {
        f->choose("chooseSkinButton", m_sample);
        create();
        const QByteArray first = fixtures::readFile(built());
        Dialogs::clear();
        create(); // unanswered: Cancel
        QVERIFY(last(Dialogs::Kind::Question).contains(QDir::toNativeSeparators(built())));
        QVERIFY(last(Dialogs::Kind::Information).isEmpty());
        QCOMPARE(fixtures::readFile(built()), first);
        f->click("importWindowsBox");
        Dialogs::setNextAnswer(QMessageBox::Yes);
        create();
        QVERIFY(last(Dialogs::Kind::Information).contains("No skin with floating windows was chosen"));
    }

    // Stop, Escape or closing the window end a build at once, leaving neither the skin nor the
    // work folder behind.
    void aStoppedBuildLeavesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Stop") << "stopButton";
        QTest::newRow("Escape") << "Esc";
        QTest::newRow("closing the window") << "close";
    }
    void aStoppedBuildLeavesNothing()
    {
        QFETCH(QString, how);
        const QTemporaryDir work;
        const QByteArray temp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(work.path()));
        f->showActive();
        f->choose("chooseSkinButton", m_sample);
        // The build waits for the one thread until it has been told to stop: however fast the
        // machine, it cannot have finished before.
        QThreadPool &pool = *QThreadPool::globalInstance();
        const int threads = pool.maxThreadCount();
        pool.setMaxThreadCount(1);
        QSemaphore held;
        pool.start([&held] { held.acquire(); });
        f->click("createSkinButton");
        if (how == "close")
            QVERIFY(!f->window->close());
        else if (how == "Esc")
            QTest::keyClick(f->window.get(), Qt::Key_Escape);
        else
            f->click(how);
        held.release();
        pool.setMaxThreadCount(threads);
        QTRY_VERIFY_WITH_TIMEOUT(!f->window->isBusy(), 60000);
        qputenv("TMPDIR", temp);
        QTRY_COMPARE(f->window->isVisible(), how != "close");
        QCOMPARE(fixtures::entriesBelow(skinsFolder(), QDir::Files), QStringList());
        QCOMPARE(fixtures::entriesBelow(work.path(), QDir::AllEntries), QStringList());
        QVERIFY(last(Dialogs::Kind::Information).isEmpty() && lastWarning().isEmpty());
    }

    void sourceScansReportWhatTheyFound()
    {
        const QString plain = f->documents.filePath("plain.zip");
        fixtures::writeZip(plain, {{"a.xml", fixtures::xml({"<skin image=\"a.png\">", "</skin>"})}});
        f->click("importWindowsBox");
        f->choose("chooseWindowSkinButton", plain);
        QCOMPARE(text("windowScanResult"), QString("Selected Skin does not contain any floating Windows"));
        f->click("otherSkinIconsButton");
        f->choose("chooseIconSkinButton", plain);
        QCOMPARE(text("iconSkinName"), QString("plain"));
        QVERIFY(f->find<QWidget>("noCustomIconsSign")->isVisibleTo(f->window.get())); // the warning sign
        f->click("defaultIconsButton");
        QVERIFY(!f->find<QWidget>("noCustomIconsSign")->isVisibleTo(f->window.get()));
    }
};

QTEST_MAIN(CreateSkinTest)
#include "tst_createskin.moc"
