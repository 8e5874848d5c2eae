// panelcraft-cli run as a user would: on the sample skin, checked by unpacking its output.
// What each option does to a skin is the builder's business; here it is enough that the
// options reach the builder and the archive is the one asked for.

#include "skinfixtures.h"
#include "style/resources.h"
#include "style/tablefile.h"

#include <QtTest>

class TestCli : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_sample;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    // The documents folder (and so the skins folder) lives in this test's own home.
    QProcess *start(const QStringList &arguments)
    {
        auto *process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir->path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral(".config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir->path());
        env.remove(QStringLiteral("QT_QPA_PLATFORM")); // the CLI must manage without a display by itself
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(m_dir->path());
        process->start(qEnvironmentVariable("PANELCRAFT_CLI"), arguments);
        return process;
    }

    // The exit code (-1 for a crash or a hang), standard output and standard error of one run.
    std::tuple<int, QString, QString> run(const QStringList &arguments)
    {
        const std::unique_ptr<QProcess> process(start(arguments));
        const bool ended = process->waitForFinished(120000) && process->exitStatus() == QProcess::NormalExit;
        return {ended ? process->exitCode() : -1, QString::fromLocal8Bit(process->readAllStandardOutput()),
                QString::fromLocal8Bit(process->readAllStandardError())};
    }

private slots:
    void initTestCase()
    {
        initPanelcraftResources();
        m_sample =
            qEnvironmentVariable("PANELCRAFT_SOURCE_DIR") + QStringLiteral("/examples/sample-skin.zip");
        QVERIFY2(QFileInfo::exists(m_sample), qPrintable(m_sample));
        QVERIFY(QFileInfo(qEnvironmentVariable("PANELCRAFT_CLI")).isExecutable());
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void everyOption()
    {
        const QString out = path(QStringLiteral("out.zip"));
        const auto [code, output, errors] =
            run({m_sample, "-o", out, "-p", "white", "--icons", "alternative", "--float-browser",
                 "--windows-from", m_sample, "--global-font", "Verdana", "--global-size", "150",
                 "--line-height", "120"});
        QVERIFY2(code == 0, qPrintable(errors));
        QCOMPARE(output.trimmed(), out);
        QVERIFY2(errors.contains(QStringLiteral("Rewriting sample-deck.xml")), qPrintable(errors));

        const auto files = fixtures::readZip(out);
        QCOMPARE(files.keys(), (QStringList{"browserfloat.png", "sample-deck-compact.xml", "sample-deck.xml",
                                            "sample-window.png", "sample.png"}));
        QCOMPARE(fixtures::imageIn(files, "sample.png").size(), QSize(960, 600 + 661));
        QCOMPARE(fixtures::imageIn(files, "browserfloat.png").size(), QSize(801, 270));

        StyleTable white;
        tablefile::read(tablefile::defaultTablePath, white);
        tablefile::read(tablefile::whiteTablePath, white);
        const QString background = tablefile::derive(white).colourName(QStringLiteral("backgroundcolor"));
        const QStringList deck = fixtures::lines(files.value("sample-deck.xml"));
        QCOMPARE(deck.filter("\t<colors background=\"" + background + "\">").size(),
                 2); // and the floating one
        QCOMPARE(deck.filter("<customicons"),
                 QStringList("<customicons x=\"0\" y=\"601\" iconsize=\"64\" nb=\"144\" nbx=\"16\" />"));
        QVERIFY(deck.contains("\t<browser lineheight=\"120%\" name=\"main\">"));
        // Non-ASCII text survives the rewrite, and the window skin's copy is imported as it is.
        QVERIFY(
            deck.contains("\t\t<text text=\"Café notes\" font=\"Verdana\" size=\"18\" align=\"center\">"));
        QVERIFY(deck.contains("\t\t<text text=\"Café notes\" font=\"Arial\" size=\"12\" align=\"center\">"));
    }

    // Without -o the new skin goes to the host's skins folder, which must exist already.
    void defaultOutputInTheSkinsFolder()
    {
        const QByteArray sample = fixtures::readFile(m_sample);
        const auto [failedCode, failedOutput, failure] = run({m_sample});
        QCOMPARE(failedCode, 1);
        QCOMPARE(failedOutput, QString());
        QVERIFY2(failure.contains(QLatin1String("Cannot write")), qPrintable(failure));
        QCOMPARE(fixtures::filesBelow(m_dir->path()), (QMap<QString, QByteArray>()));
        QCOMPARE(fixtures::readFile(m_sample), sample);

        const QString skins = path(QStringLiteral("Documents/Turnwise/skins"));
        QVERIFY(QDir().mkpath(skins));
        const auto [code, output, errors] = run({m_sample, "--icons-from", m_sample, "--keep-browser"});
        QVERIFY2(code == 0, qPrintable(errors));
        const QString expected = skins + QStringLiteral("/sample-skin (Browser edit).zip");
        QCOMPARE(output.trimmed(), expected);
        const auto files = fixtures::readZip(expected);
        // The sample's own sheet: 8 icons of 32, 4 a row; the browser keeps its own colours.
        QCOMPARE(fixtures::imageIn(files, "sample.png").size(), QSize(960, 600 + 10 + 64));
        const QStringList deck = fixtures::lines(files.value("sample-deck.xml"));
        QCOMPARE(deck.filter("customicons"),
                 QStringList("<customicons x=\"0\" y=\"601\" iconsize=\"32\" nb=\"8\" nbx=\"4\" />"));
        QVERIFY(deck.contains("\t\t<colors background=\"#121216\">"));
    }

    // Each run has its own work folders, so runs do not disturb each other.
    void runsSideBySide()
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

    // Both answer on standard output and end the run before any skin is asked for.
    void helpAndVersion_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("answer");
        QTest::newRow("version") << "--version"
                                 << "panelcraft-cli " PANELCRAFT_VERSION "\n";
        QTest::newRow("help") << "--help"
                              << "-v, --version";
    }

    void helpAndVersion()
    {
        QFETCH(QString, option);
        QFETCH(QString, answer);
        const auto [code, output, errors] = run({option});
        QCOMPARE(code, 0);
        QVERIFY2(output.contains(answer), qPrintable(output));
        QCOMPARE(errors, QString());
    }

    void usageErrors_data()
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

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        arguments.replaceInStrings(QStringLiteral("SAMPLE"), m_sample);
        const auto [code, output, errors] = run(arguments);
        QCOMPARE(code, 2);
        QVERIFY(errors.startsWith(QLatin1String("panelcraft-cli: ")));
        QVERIFY(errors.contains(QLatin1String("--help")));
        QCOMPARE(output, QString());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
