// panelcraft-cli run as a user would: on the sample skin, checked by unpacking its output.
// What each option does to a skin is the builder's business; here it is enough that the
// options reach the builder and the archive is the one asked for.

#include "skinfixtures.h"
#include "style/resources.h"
#include "style/tablefile.h"

#include <QtTest>
#include <csignal>
#include <sys/stat.h>

class TestCli : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_sample;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    // The documents folder (and so the skins folder) lives in this test's own home.
    QProcess *start(const QStringList &arguments, const QString &program = QString())
    {
        auto *process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir->path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral(".config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir->path());
        env.insert(QStringLiteral("TMPDIR"), path(QStringLiteral("tmp")));
        env.remove(QStringLiteral("QT_QPA_PLATFORM")); // the CLI must manage without a display by itself
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(m_dir->path());
        process->setReadChannel(QProcess::StandardError);
        process->start(program.isEmpty() ? qEnvironmentVariable("PANELCRAFT_CLI") : program, arguments);
        return process;
    }

    // The exit code (-1 for a crash or a hang), standard output and standard error of one run.
    std::tuple<int, QString, QString> run(const QStringList &arguments, const QString &program = QString())
    {
        const std::unique_ptr<QProcess> process(start(arguments, program));
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
        QVERIFY(QDir().mkpath(path(QStringLiteral("tmp"))));
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
        QTest::addColumn<QString>("message");
        QTest::newRow("no skin") << QStringList() << "No skin archive";
        QTest::newRow("unknown option") << QStringList{"SAMPLE", "--bogus"} << "bogus";
        QTest::newRow("unknown icon set") << QStringList{"SAMPLE", "--icons", "purple"} << "purple";
        QTest::newRow("icons twice") << QStringList{"SAMPLE", "--icons", "white", "--icons-from", "SAMPLE"}
                                     << "cannot be combined";
        QTest::newRow("size zero") << QStringList{"SAMPLE", "--global-size", "0"} << "--global-size";
        QTest::newRow("line height not a number") << QStringList{"SAMPLE", "--line-height", "12a"} << "12a";
        QTest::newRow("missing profile") << QStringList{"SAMPLE", "-p", "missing.pcp"} << "missing.pcp";
        QTest::newRow("output name") << QStringList{"SAMPLE", "-o", "a|b.zip"} << "a|b.zip";
        QTest::newRow("missing icon skin") << QStringList{"SAMPLE", "--icons-from", "gone.zip"}
                                           << "--icons-from: there is no file \"gone.zip\"";
        QTest::newRow("missing window skin") << QStringList{"SAMPLE", "--windows-from", "gone.zip"}
                                             << "--windows-from: there is no file \"gone.zip\"";
        QTest::newRow("profile with a NUL") << QStringList{"SAMPLE", "-p", "profiles/nul.pcp"}
                                            << "control character in the value of \"skinfontname\"";
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        arguments.replaceInStrings(QStringLiteral("SAMPLE"), m_sample);
        QVERIFY(QDir().mkpath(path("profiles")));
        QVERIFY(fixtures::writeFile(path("profiles/nul.pcp"), QByteArray("skinfontname=Ari\0al\r\n", 20)));
        const auto [code, output, errors] = run(arguments);
        QCOMPARE(code, 2);
        QVERIFY(errors.startsWith(QLatin1String("panelcraft-cli: ")));
        QVERIFY2(errors.contains(message), qPrintable(errors));
        QVERIFY(errors.contains(QLatin1String("--help")));
        QCOMPARE(output, QString());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
    }

    void buildFailures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("image of 30000 x 30000") << "huge"
                                                << "30000 x 30000 pixels";
        QTest::newRow("output a pipe") << "fifo"
                                       << "is not a regular file";
        // Short of disk space, a write fails with the system's reason and the file's path.
        QTest::newRow("file-size limit") << "limit"
                                         << "File too large";
    }

    // Exit 1 with the reason, and only that: no decoder chatter, nothing left in the temporary folder.
    void buildFailures()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        const QString skin = path("huge.zip");
        QVERIFY(fixtures::writeZip(skin, {{"a.xml", "<skin image=\"a.png\">\n</skin>\n"},
                                          {"a.png", fixtures::pngDeclaring(30000, 30000)}}));
        QTemporaryDir pipeFolder;
        const QString pipe = pipeFolder.filePath("fifo");
        QVERIFY(mkfifo(QFile::encodeName(pipe), 0600) == 0);
        QStringList arguments{kind == "huge" ? skin : m_sample, "-o",
                              kind == "fifo" ? pipe : path("out.zip")};
        if (kind == "limit")
            arguments =
                QStringList{"-c", "ulimit -f 4; exec \"$0\" \"$@\"", qEnvironmentVariable("PANELCRAFT_CLI")} +
                arguments;
        const auto [code, output, errors] = run(arguments, kind == "limit" ? "bash" : QString());
        QCOMPARE(code, 1);
        QVERIFY2(errors.contains(message), qPrintable(errors));
        QVERIFY2(!errors.contains("libpng") && !errors.contains("Unknown error"), qPrintable(errors));
        QCOMPARE(fixtures::entriesBelow(path("tmp")), QStringList());
        QVERIFY(!QFileInfo(pipe).isFile());
    }

    // Stopped while it paints, the CLI still removes its work folder.
    void interruptedRunLeavesNoWorkFolder()
    {
        const QString skin = path("big.zip");
        QVERIFY(fixtures::writeZip(
            skin, {{"a.xml", "<skin image=\"a.png\">\n</skin>\n"}, {"a.png", fixtures::png(4000, 4000)}}));
        const std::unique_ptr<QProcess> process(start({skin, "-o", path("out.zip")}));
        while (!process->readAllStandardError().contains("Painting"))
            QVERIFY(process->waitForReadyRead(20000));
        ::kill(pid_t(process->processId()), SIGINT);
        QVERIFY(process->waitForFinished(20000));
        QCOMPARE(process->exitCode(), 128 + SIGINT);
        QTRY_COMPARE(fixtures::entriesBelow(path("tmp")), QStringList()); // a helper finishes it
        QVERIFY(!QFileInfo::exists(path("out.zip")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
