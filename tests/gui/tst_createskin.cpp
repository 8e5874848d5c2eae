// "Create Skin" driven through the real window: choosing the skin and its sources, the build on
// a worker, and what the user is told afterwards.

#include "skinfixtures.h"
#include "style/resources.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>

using fixtures::readZip;

class CreateSkinTest : public QObject
{
    Q_OBJECT

    QString m_sample;

    QString skinsFolder(const WindowFixture &f) const { return f.documents.path() + "/Turnwise/skins"; }

    void selectSkin(WindowFixture &f, const QString &path)
    {
        Dialogs::setNextFileName(path);
        f.click("skinfileselect");
    }

    // Presses "Create Skin" and waits for the build and its boxes.
    void create(WindowFixture &f)
    {
        f.click("dothejob");
        QTRY_VERIFY_WITH_TIMEOUT(!f.window->isBusy(), 60000);
    }

    static const Dialogs::Request *lastOf(Dialogs::Kind kind)
    {
        const auto &requests = Dialogs::requests();
        for (auto it = requests.crbegin(); it != requests.crend(); ++it)
            if (it->kind == kind)
                return &*it;
        return nullptr;
    }

    static QString lastWarning()
    {
        const Dialogs::Request *warning = lastOf(Dialogs::Kind::Warning);
        return warning && warning->title == QLatin1String("Panelcraft") ? warning->text : QString();
    }

    QString copyOfSample(const WindowFixture &f, const QString &name) const
    {
        const QString path = f.documents.filePath(name);
        QFile::remove(path);
        return QFile::copy(m_sample, path) ? path : QString();
    }

private slots:
    void initTestCase()
    {
        initPanelcraftResources();
        m_sample = qEnvironmentVariable("PANELCRAFT_SOURCE_DIR") + "/examples/sample-skin.zip";
        QVERIFY(QFileInfo::exists(m_sample));
    }

    void browsePicksAndCancelClears()
    {
        WindowFixture f;
        f.start();
        f.click("skinfileselect");
        QCOMPARE(Dialogs::requests().last().dir, f.documents.path()); // no skins folder yet
        QDir().mkpath(f.documents.path() + "/Turnwise/Skins");        // the host's own spelling
        selectSkin(f, "/somewhere/My.Skin.v2.zip");
        const Dialogs::Request &asked = Dialogs::requests().last();
        QCOMPARE(asked.title, QString("Select a Skin zip file"));
        QCOMPARE(asked.dir, f.documents.path() + "/Turnwise/Skins");
        QCOMPARE(asked.filter, QString("Skin Files (*.zip)"));
        QCOMPARE(f.find<QLabel>("selectedfile")->text(), QString("My"));
        QCOMPARE(f.find<QLineEdit>("skinfile")->text(), QString("My (Browser edit)"));

        selectSkin(f, QString()); // cancelled
        QCOMPARE(f.find<QLabel>("selectedfile")->text(), QString());
        QCOMPARE(f.find<QLineEdit>("skinfile")->text(), QString(" (Browser edit)"));
        f.click("dothejob");
        QCOMPARE(lastWarning(), QString("You have not selected a skin"));
    }

    void refusedInputWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<QString>("reason");
        const QByteArray sample =
            fixtures::readFile(qEnvironmentVariable("PANELCRAFT_SOURCE_DIR") + "/examples/sample-skin.zip");
        QByteArray noXml;
        {
            QTemporaryDir dir;
            fixtures::writeZip(dir.filePath("a.zip"), {{"only.png", fixtures::png(4, 4)}});
            noXml = fixtures::readFile(dir.filePath("a.zip"));
        }
        QTest::newRow("no xml") << noXml << "out"
                                << "doesn't contain any XML files";
        QTest::newRow("damaged") << sample.left(sample.size() / 2) << "out"
                                 << "";
        QTest::newRow("separator in the name") << sample << "sub/out"
                                               << "cannot hold the character \"/\"";
        QTest::newRow("name too long") << sample << QString(200, QChar(0x00e9)) << "too long";
    }

    void refusedInputWritesNothing()
    {
        QFETCH(QByteArray, archive);
        QFETCH(QString, saveAs);
        QFETCH(QString, reason);
        WindowFixture f;
        f.start();
        const QString skin = f.documents.filePath("input.zip");
        QVERIFY(fixtures::writeFile(skin, archive));
        selectSkin(f, skin);
        f.find<QLineEdit>("skinfile")->setText(saveAs);
        create(f);
        QVERIFY2(!lastWarning().isEmpty() && lastWarning().contains(reason), qPrintable(lastWarning()));
        QVERIFY(!lastOf(Dialogs::Kind::Information));
        QVERIFY(f.find<QLabel>("statuslabel")->text() != "Done !");
        QCOMPARE(fixtures::entriesBelow(skinsFolder(f), QDir::Files), QStringList());
        QCOMPARE(fixtures::readFile(skin), archive);
    }

    void unwritableOutputIsReported()
    {
        WindowFixture f;
        f.start();
        QDir().mkpath(f.documents.path() + "/Turnwise");
        QVERIFY(fixtures::writeFile(skinsFolder(f), "a file where the skins folder belongs"));
        selectSkin(f, m_sample);
        f.click("dothejob");
        QVERIFY(!f.window->isBusy());
        QVERIFY2(lastWarning().contains("could not be created"), qPrintable(lastWarning()));
    }

    void eachIconChoiceBuildsWithSourcesFromAnotherSkin_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::newRow("default") << "radioButton";
        QTest::newRow("alternative") << "radioButton_2";
        QTest::newRow("white") << "radioButton_4";
        QTest::newRow("from another skin") << "radioButton_3";
    }

    void eachIconChoiceBuildsWithSourcesFromAnotherSkin()
    {
        QFETCH(QString, radio);
        WindowFixture f;
        f.start();
        selectSkin(f, m_sample);
        f.click(radio);
        Dialogs::setNextFileName(m_sample);
        f.click("iconselect"); // does nothing unless "From another Skin" is chosen
        QTRY_VERIFY(!f.window->isBusy());
        f.click("checkBox");
        f.click("checkBox_window");
        Dialogs::setNextFileName(m_sample);
        f.click("windowfileselect");
        QTRY_VERIFY(!f.window->isBusy());
        QCOMPARE(f.find<QLabel>("floatlabel_2")->text(), QString("Found 1 Window(s) with Name(s) : notes"));
        QVERIFY(!f.find<QLabel>("floatlabel_7")->isVisibleTo(f.window.get()));
        create(f);

        const Dialogs::Request *done = lastOf(Dialogs::Kind::Information);
        QVERIFY2(done && lastWarning().isEmpty(), qPrintable(lastWarning()));
        QCOMPARE(done->title, QString("Panelcraft"));
        QVERIFY2(done->text.startsWith("Your Skin has been created successfully !\nSelect the sample-skin "
                                       "(Browser edit) skin from Turnwise Settings->Interface tab"),
                 qPrintable(done->text));
        const auto files = readZip(skinsFolder(f) + "/sample-skin (Browser edit).zip");
        QVERIFY(files.contains("browserfloat.png"));
        QVERIFY(files.value("sample-deck.xml").contains("browserfloat"));
        QCOMPARE(files.value("sample-deck.xml").count("<window name=\"notes\""),
                 2); // its own and the imported
    }

    void emptySaveAsReplacesTheSelectedSkin()
    {
        WindowFixture f;
        f.start();
        const QString skin = copyOfSample(f, "mine.zip");
        selectSkin(f, skin);
        f.find<QLineEdit>("skinfile")->clear();
        create(f);
        QVERIFY(lastOf(Dialogs::Kind::Information)->text.contains("Select the mine skin"));
        QVERIFY(fixtures::readFile(skin) != fixtures::readFile(m_sample));
        QVERIFY(readZip(skin).value("sample-deck.xml").contains("<browser"));
        QVERIFY(!QDir(skinsFolder(f)).exists() || QDir(skinsFolder(f)).isEmpty());
    }

    void windowAndCommandLineWriteTheSameArchive()
    {
        WindowFixture f;
        f.start();
        selectSkin(f, m_sample);
        f.click("radioButton_2");
        f.click("checkBox");
        f.find<QLineEdit>("lineheight")->setText("120");
        create(f);
        QTemporaryDir out;
        QProcess cli;
        cli.start(qEnvironmentVariable("PANELCRAFT_CLI"),
                  {m_sample, "-q", "-o", out.filePath("cli.zip"), "--icons", "alternative", "--float-browser",
                   "--line-height", "120"});
        QVERIFY(cli.waitForFinished(60000) && cli.exitCode() == 0);
        const QByteArray fromWindow = fixtures::readFile(skinsFolder(f) + "/sample-skin (Browser edit).zip");
        QVERIFY(!fromWindow.isEmpty());
        QCOMPARE(fromWindow, fixtures::readFile(out.filePath("cli.zip")));
    }

    void windowKeepsProcessingEventsDuringABuild()
    {
        WindowFixture f;
        f.start();
        selectSkin(f, m_sample);
        f.click("checkBox");
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start(1);
        f.click("dothejob");
        QVERIFY(f.window->isBusy());
        QVERIFY(!f.find<QWidget>("dothejob")->isEnabled());
        QVERIFY(!f.find<QWidget>("skinfileselect")->isEnabled());
        QVERIFY(!f.find<QWidget>("menuProfile")->isEnabled());
        QVERIFY(f.find<QWidget>("buildprogress")->isVisibleTo(f.window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(!f.window->isBusy(), 60000);
        QVERIFY(ticks > 0);
        QVERIFY(f.find<QWidget>("dothejob")->isEnabled());
        QVERIFY(!f.find<QWidget>("iconselect")->isEnabled()); // as before the build
    }

    void closingDuringABuildWaitsForTheArchive()
    {
        WindowFixture f;
        f.start();
        f.window->show();
        selectSkin(f, m_sample);
        f.click("dothejob");
        QVERIFY(!f.window->close());
        QCOMPARE(f.find<QLabel>("statuslabel")->text(), QString("Closing when the skin is written ..."));
        QTRY_VERIFY_WITH_TIMEOUT(!f.window->isVisible(), 60000);
        QVERIFY(!readZip(skinsFolder(f) + "/sample-skin (Browser edit).zip").isEmpty());
    }

    void sourceScansReportWhatTheyFound()
    {
        WindowFixture f;
        f.start();
        QTemporaryDir dir;
        const QString plain = dir.filePath("plain.zip");
        fixtures::writeZip(plain, {{"a.xml", fixtures::xml({"<skin image=\"a.png\">", "</skin>"})}});
        f.click("checkBox_window");
        Dialogs::setNextFileName(plain);
        f.click("windowfileselect");
        QTRY_VERIFY(!f.window->isBusy());
        QCOMPARE(f.find<QLabel>("floatlabel_2")->text(),
                 QString("Selected Skin does not contain any floating Windows"));
        QVERIFY(f.find<QLabel>("floatlabel_2")->styleSheet().contains("red"));

        f.click("radioButton_3");
        Dialogs::setNextFileName(plain);
        f.click("iconselect");
        QTRY_VERIFY(!f.window->isBusy());
        QCOMPARE(f.find<QLabel>("iconselect_name")->text(), QString("plain"));
        QVERIFY(f.find<QLabel>("floatlabel_7")->isVisibleTo(f.window.get()));
        f.click("radioButton");
        QVERIFY(!f.find<QLabel>("floatlabel_7")->isVisibleTo(f.window.get()));
    }

    void droppingAZipSelectsIt()
    {
        WindowFixture f;
        f.start();
        const auto drop = [&f](const QString &path) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(f.window.get(), &enter);
            QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(f.window.get(), &dropped);
            return enter.isAccepted();
        };
        QVERIFY(!drop("/tmp/notes.txt"));
        QCOMPARE(f.find<QLabel>("selectedfile")->text(), QString());
        QVERIFY(!f.find<QLabel>("statuslabel")->text().isEmpty());
        QVERIFY(drop(m_sample));
        QCOMPARE(f.find<QLabel>("selectedfile")->text(), QString("sample-skin"));
        QCOMPARE(f.find<QLineEdit>("skinfile")->text(), QString("sample-skin (Browser edit)"));
    }
};

QTEST_MAIN(CreateSkinTest)
#include "tst_createskin.moc"
