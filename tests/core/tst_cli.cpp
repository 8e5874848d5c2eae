// panelcraft-cli run as a user would: on the sample skin, checked by unpacking its output.

#include "skinfixtures.h"
#include "style/resources.h"
#include "style/tablefile.h"

#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void everyOption();
    void iconsFromAnotherSkin();
    void defaultOutputInTheSkinsFolder();
    void runsSideBySide();
    void usageErrors_data();
    void usageErrors();
    void buildFailures_data();
    void buildFailures();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QProcess *start(const QStringList &arguments);
    Run run(const QStringList &arguments);
    QStringList xmlLines(const QString &zip, const QString &name) const
    {
        return fixtures::lines(fixtures::readZip(zip).value(name));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_sample;
};

void TestCli::initTestCase()
{
    initPanelcraftResources();
    m_sample = fixtures::sampleSkin();
    QVERIFY2(QFileInfo::exists(m_sample), qPrintable(m_sample));
    QVERIFY(QFileInfo(qEnvironmentVariable("PANELCRAFT_CLI")).isExecutable());
}

void TestCli::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QProcess *TestCli::start(const QStringList &arguments)
{
    auto *process = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The documents folder (and so the skins folder) lives in this test's own home.
    env.insert(QStringLiteral("HOME"), m_dir->path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral(".config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir->path());
    env.remove(QStringLiteral("QT_QPA_PLATFORM")); // the CLI must manage without a display by itself
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(m_dir->path());
    process->start(qEnvironmentVariable("PANELCRAFT_CLI"), arguments);
    return process;
}

Run TestCli::run(const QStringList &arguments)
{
    QProcess *process = start(arguments);
    Run result;
    if (process->waitForFinished(120000) && process->exitStatus() == QProcess::NormalExit)
        result.exitCode = process->exitCode();
    result.out = QString::fromLocal8Bit(process->readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process->readAllStandardError());
    delete process;
    return result;
}

void TestCli::everyOption()
{
    const QString out = path(QStringLiteral("out.zip"));
    const Run r = run({m_sample, "-o", out, "-p", "white", "--icons", "alternative", "--float-browser",
                       "--windows-from", m_sample, "--global-font", "Verdana", "--global-size", "150",
                       "--line-height", "120"});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(r.out.trimmed(), out);
    QVERIFY2(r.err.contains(QStringLiteral("Rewriting sample-deck.xml")), qPrintable(r.err));

    const auto files = fixtures::readZip(out);
    QCOMPARE(files.keys(), (QStringList{"browserfloat.png", "sample-deck-compact.xml", "sample-deck.xml",
                                        "sample-window.png", "sample.png"}));
    QCOMPARE(QImage::fromData(files.value("sample.png")).size(), QSize(960, 600 + 661));
    QCOMPARE(QImage::fromData(files.value("browserfloat.png")).size(), QSize(801, 270));

    StyleTable white;
    tablefile::read(tablefile::defaultTablePath, white);
    tablefile::read(tablefile::whiteTablePath, white);
    const QString background = tablefile::derive(white).colourName(QStringLiteral("backgroundcolor"));
    const QStringList deck = xmlLines(out, "sample-deck.xml");
    const QStringList compact = xmlLines(out, "sample-deck-compact.xml");
    for (const QStringList &lines : {deck, compact}) {
        QCOMPARE(lines.filter("<customicons"),
                 QStringList("<customicons x=\"0\" y=\"601\" iconsize=\"64\" nb=\"144\" nbx=\"16\" />"));
        QCOMPARE(lines.filter("\t<colors background=\"" + background + "\">").size(),
                 2); // skin and floating browser
        QCOMPARE(lines.filter("<window name=\"browserfloat\"").size(), 1);
        QVERIFY(lines.contains("<browser lineheight=\"120%\" >"));
        QVERIFY(lines.contains("\t\t\t<off x=\"10\" y=\"1201-3\"/>"));
        QCOMPARE(lines.filter("<window name=\"notes\"").size(), lines == deck ? 2 : 1);
        QCOMPARE(lines.last(), QStringLiteral("</skin>"));
    }
    QVERIFY(deck.contains("\t<browser lineheight=\"120%\" name=\"main\">"));
    QVERIFY(compact.contains("\t<browser lineheight=\"120%\"  name=\"compact\">"));
    QVERIFY(deck.contains(
        "\t\t<text action=\"get_title\" font=\"Verdana\" size=\"21\" weight=\"Bold\" align=\"left\">"));
    QVERIFY(deck.contains("\t<font name=\"Verdana\" size=\"11\" weight=\"Normal\"/>"));
    QVERIFY(deck.contains("\t\t<text text=\"Café notes\" font=\"Verdana\" size=\"18\" align=\"center\">"));
    // The imported copy is written as the window skin has it.
    QVERIFY(deck.contains("\t\t<text text=\"Café notes\" font=\"Arial\" size=\"12\" align=\"center\">"));
    QCOMPARE(deck.filter("<browserinfo>").size(), 1);
}

void TestCli::iconsFromAnotherSkin()
{
    const QString out = path(QStringLiteral("out.zip"));
    const Run r = run({m_sample, "-q", "-o", out, "--icons-from", m_sample, "--keep-browser"});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const auto files = fixtures::readZip(out);
    // The sample's own sheet: 8 icons of 32, 4 a row.
    QCOMPARE(QImage::fromData(files.value("sample.png")).size(), QSize(960, 600 + 10 + 64));
    const QStringList deck = xmlLines(out, "sample-deck.xml");
    QCOMPARE(deck.filter("customicons"),
             QStringList("<customicons x=\"0\" y=\"601\" iconsize=\"32\" nb=\"8\" nbx=\"4\" />"));
    QVERIFY(deck.contains("\t\t<colors background=\"#121216\">"));
}

void TestCli::defaultOutputInTheSkinsFolder()
{
    const QString skins = path(QStringLiteral("Documents/Turnwise/skins"));
    const QString expected = skins + QStringLiteral("/sample-skin (Browser edit).zip");
    Run r = run({m_sample});
    QCOMPARE(r.exitCode, 1); // the host's skins folder does not exist yet
    QVERIFY2(r.err.contains(QLatin1String("Cannot write")), qPrintable(r.err));

    QVERIFY(QDir().mkpath(skins));
    r = run({m_sample, "--keep-browser"});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(r.out.trimmed(), expected);
    QVERIFY(fixtures::readZip(expected).contains(QStringLiteral("sample-deck.xml")));
}

// Each run has its own work folders, so runs do not disturb each other.
void TestCli::runsSideBySide()
{
    QList<QProcess *> processes;
    for (const char *name : {"one.zip", "two.zip", "three.zip"})
        processes << start({m_sample, "-q", "--icons", "white", "-o", path(QLatin1String(name))});
    for (QProcess *process : processes) {
        QVERIFY(process->waitForFinished(120000));
        QCOMPARE(process->exitCode(), 0);
        QCOMPARE(process->readAllStandardError(), QByteArray()); // quiet: the path on stdout is all
    }
    const QByteArray one = fixtures::readZip(path("one.zip")).value("sample.png");
    QVERIFY(!one.isEmpty());
    for (const char *name : {"two.zip", "three.zip"})
        QCOMPARE(fixtures::readZip(path(QLatin1String(name))).value("sample.png"), one);
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no skin") << QStringList();
    QTest::newRow("unknown option") << QStringList{"SAMPLE", "--bogus"};
    QTest::newRow("unknown icon set") << QStringList{"SAMPLE", "--icons", "purple"};
    QTest::newRow("icons twice") << QStringList{"SAMPLE", "--icons", "white", "--icons-from", "SAMPLE"};
    QTest::newRow("size zero") << QStringList{"SAMPLE", "--global-size", "0"};
    QTest::newRow("line height not a number") << QStringList{"SAMPLE", "--line-height", "12a"};
    QTest::newRow("missing profile") << QStringList{"SAMPLE", "-p", "missing.pcp"};
    QTest::newRow("output name") << QStringList{"SAMPLE", "-o", "a|b.zip"};
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, arguments);
    arguments.replaceInStrings(QStringLiteral("SAMPLE"), m_sample);
    const Run r = run(arguments);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.err.startsWith(QLatin1String("panelcraft-cli: ")));
    QVERIFY(r.err.contains(QLatin1String("--help")));
    QCOMPARE(r.out, QString());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
}

void TestCli::buildFailures_data()
{
    QTest::addColumn<QString>("skinName");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("message");
    QTest::newRow("corrupt skin") << "corrupt.zip"
                                  << "out.zip"
                                  << "not a zip file";
    QTest::newRow("no XML") << "inner.zip"
                            << "out.zip"
                            << "The Zip file doesn't contain any XML files";
    QTest::newRow("unwritable output folder") << "good.zip"
                                              << "good.zip/out.zip"
                                              << "Cannot write";
}

void TestCli::buildFailures()
{
    QFETCH(QString, skinName);
    QFETCH(QString, output);
    QFETCH(QString, message);
    QVERIFY(fixtures::writeFile(path("corrupt.zip"), "PK\x03\x04 not really"));
    QVERIFY(fixtures::writeZip(path("inner.zip"), {{"inner/a.xml", "<skin>"}}));
    QVERIFY(QFile::copy(m_sample, path("good.zip")));
    const QByteArray before = fixtures::readFile(path(skinName));

    const Run r = run({path(skinName), "-o", path(output)});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QCOMPARE(fixtures::readFile(path(skinName)), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
             (QStringList{"corrupt.zip", "good.zip", "inner.zip"}));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
