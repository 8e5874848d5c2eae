// SPDX-License-Identifier: GPL-3.0-or-later
// panelcraft-cli run as a user would: on the sample skin, checked by unpacking its output.
// What each option does to a skin is the builder's business; here it is enough that the
// options reach the builder, the archive is the one asked for, and the exit codes and messages.
//
// Then faults injected into its runs: when its output cannot be written or the run is cut short,
// the input and any earlier output stay byte for byte, nothing appears under the output's name,
// and the run does not claim success.

#include "colour/scheme.h"
#include "filesizelimit.h"
#include "skinfixtures.h"

#include <QtTest>
#include <algorithm>
#include <csignal>
#include <sys/stat.h>

namespace {

// Every entry below a folder: files with their contents, folders (ending in "/") empty, a pipe
// or device as such.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    for (const QString &name : fixtures::entriesBelow(folder, QDir::Files | QDir::Dirs)) {
        const QFileInfo entry(QDir(folder).filePath(name));
        if (entry.isDir())
            entries.insert(name + QLatin1Char('/'), QByteArray());
        else
            entries.insert(name, entry.isFile() ? fixtures::readFile(entry.filePath()) : "not a file");
    }
    return entries;
}

// Whether the CLI has a file of the folder open: packing has started.
bool writingInto(qint64 pid, const QString &folder)
{
    const QFileInfoList fds =
        QDir(QString("/proc/%1/fd").arg(pid)).entryInfoList(QDir::AllEntries | QDir::System);
    return std::any_of(fds.begin(), fds.end(), [&folder](const QFileInfo &fd) {
        return fd.symLinkTarget().startsWith(folder + '/');
    });
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    const QString m_sample = fixtures::sampleSkin();

    QString path(const QString &name) const { return m_dir->filePath(name); }
    fixtures::CliRun run(const QStringList &arguments) { return fixtures::runCli(m_dir->path(), arguments); }
    QProcess *start(const QStringList &arguments) { return fixtures::startCli(m_dir->path(), arguments); }

    // For the faults: input and output live in "files"; the CLI's own work folder is "tmp".
    QString files(const QString &name = QString()) const { return m_dir->filePath("files/" + name); }
    QString skin() const { return files("skin.zip"); }
    QString output() const { return files("out/new.zip"); }

    // The sample skin, with an image of random bytes added when `noise` is not 0: it does not
    // compress, so the archive is larger than any file the build works on, and packing it takes a while.
    void prepareFiles(int noise = 0, bool earlierOutput = false)
    {
        QVERIFY(QDir().mkpath(files("out")));
        auto entries = fixtures::readZip(m_sample);
        if (noise)
            entries.insert("noise.png", fixtures::noise(noise));
        QList<fixtures::ZipEntry> zipEntries;
        for (auto it = entries.cbegin(); it != entries.cend(); ++it)
            zipEntries.append({it.key(), it.value()});
        QVERIFY(noise ? fixtures::writeZip(skin(), zipEntries) : QFile::copy(m_sample, skin()));
        QVERIFY(!earlierOutput || fixtures::writeFile(output(), "an earlier build of this skin"));
    }

    void startPainting(std::unique_ptr<QProcess> &process)
    {
        // A noisy RGB picture is decoded and coded again whole: the run paints for the better part
        // of a second, long enough to be stopped there on a busy machine too (a plain one is
        // carried over in a few milliseconds).
        QImage picture(3000, 3000, QImage::Format_RGB888);
        QRandomGenerator(1).fillRange(reinterpret_cast<quint32 *>(picture.bits()),
                                      int(picture.sizeInBytes() / 4));
        QByteArray png;
        QBuffer buffer(&png);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG", 100));
        const QString skin = path("big.zip");
        QVERIFY(fixtures::writeZip(skin, {{"a.xml", "<skin image=\"a.png\">\n</skin>\n"}, {"a.png", png}}));
        process.reset(start({skin, "-o", path("out.zip")}));
        while (!process->readAllStandardError().contains("Painting"))
            QVERIFY(process->waitForReadyRead(20000));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(path("tmp")));
    }

    // The icon, floating browser, window and line height options are compared with the window's
    // own archive (tst_createskin); these are the options only the command line has. Without -o
    // the new skin goes to the host's skins folder, which must exist already.
    void everyOption()
    {
#ifdef Q_OS_WIN
        // Windows gives the CLI its documents folder from the user's profile, not from the
        // environment a test can set: the output is named instead.
        const QString built = path("built.zip");
        const QStringList output{"-o", built};
#else
        const auto failed = run({m_sample});
        QCOMPARE(failed.code, 1);
        QCOMPARE(failed.out, QString());
        QVERIFY2(failed.err.contains("Cannot write"), qPrintable(failed.err));
        QCOMPARE(fixtures::entriesBelow(m_dir->path(), QDir::Files), QStringList());

        QVERIFY(QDir().mkpath(path("Documents/Turnwise/skins")));
        const QString built = path("Documents/Turnwise/skins/sample-skin (Browser edit).zip");
        const QStringList output;
#endif
        const auto run = this->run(QStringList{m_sample, "-p", "white", "--float-browser", "--windows-from",
                                               m_sample, "--global-font", "Verdana", "--global-size", "150"} +
                                   output);
        QVERIFY2(run.code == 0 && run.err.contains("Rewriting sample-deck.xml"), qPrintable(run.err));
        QCOMPARE(QDir::fromNativeSeparators(run.out.trimmed()), built);
        QStringList deck = fixtures::lines(fixtures::readZip(run.out.trimmed()).value("sample-deck.xml"));
        QCOMPARE(deck.filter("\t<colors background=\"#ffffffff\">").size(), 2); // the white table's, twice
        // Non-ASCII text survives the rewrite, and the window skin's copy is imported as it is.
        QVERIFY(
            deck.contains("\t\t<text text=\"Café notes\" font=\"Verdana\" size=\"18\" align=\"center\">"));
        QVERIFY(deck.contains("\t\t<text text=\"Café notes\" font=\"Arial\" size=\"12\" align=\"center\">"));
        // Scaled again, sizes would grow on every build.
        const auto again = this->run({run.out.trimmed(), "-o", path("again.zip"), "--global-size", "150"});
        QVERIFY2(again.code == 1 && again.err.contains("were changed by an earlier build"),
                 qPrintable(again.err));

        // Each profile line that cannot be used is named once, and its key keeps the default.
        QVERIFY(fixtures::writeFile(path("tmp/odd.pcp"), "skinfontsize=1e3\r\nskinheadersfontsize=0\r\n"));
        const auto kept = this->run({m_sample, "-q", "-o", path("out.zip"), "--icons-from", m_sample,
                                     "--keep-browser", "-p", path("tmp/odd.pcp")});
        QCOMPARE(kept.code, 0);
        QCOMPARE(kept.err.split("warning: ").size(), 3);
        QVERIFY2(kept.err.contains("\"skinfontsize=1e3\" is not a whole size") &&
                     kept.err.contains("\"skinheadersfontsize=0\" is not a whole size"),
                 qPrintable(kept.err));
        deck = fixtures::lines(fixtures::readZip(path("out.zip")).value("sample-deck.xml"));
        // The sample's own sheet: 8 icons of 32, 4 a row; the browser keeps its own colours.
        QCOMPARE(deck.filter("customicons"),
                 QStringList("<customicons x=\"0\" y=\"601\" iconsize=\"32\" nb=\"8\" nbx=\"4\" />"));
        QVERIFY(deck.contains("\t\t<colors background=\"#121216\">"));
    }

    // Each numeric option at both edges of its range, and each option alone; then rebuilds, each
    // run after "then" on the one before's output.
    void optionsAlone_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("line"); // in the built layout
        const auto row = [](const char *name, const char *option, const char *value, const char *line) {
            const QStringList arguments = *value ? QStringList{option, value} : QStringList{option};
            QTest::newRow(name) << arguments << QString(line);
        };
        const auto rebuilt = [](const char *name, const char *runs, const char *line) {
            QTest::newRow(name) << QString(runs).split(' ') << QString(line);
        };
        // Recorded, scaling again is refused: sizes would compound.
        rebuilt("changed fonts stay recorded", "--global-size 150 then --float-browser", "fonts=\"changed\"");
        // The sheet replaces the one the build before appended, below the 600 rows of the picture.
        rebuilt("sheet in place of the last",
                "--keep-browser --icons alternative then --keep-browser --icons alternative",
                "<customicons x=\"0\" y=\"601\" iconsize=\"64\"");
        row("size alone scales, keeps the name", "--global-size", "150", "font=\"Arial\" size=\"18\"");
        row("font alone keeps the size", "--global-font", "Verdana", "font=\"Verdana\" size=\"12\"");
        row("smallest size", "--global-size", "1", "font=\"Arial\" size=\"0\"");
        row("largest size", "--global-size", "999", "font=\"Arial\" size=\"120\"");
        row("lowest line height", "--line-height", "1", "<browser lineheight=\"1%\"");
        row("highest line height", "--line-height", "999", "<browser lineheight=\"999%\"");
    }

    void optionsAlone()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, line);
        QString input = m_sample;
        QStringList options;
        int runs = 0;
        for (const QString &argument : arguments + QStringList{"then"}) {
            if (argument != "then") {
                options << argument;
                continue;
            }
            const QString output = path(QString("out%1.zip").arg(runs++));
            const auto run = this->run(QStringList{input, "-q", "-o", output} + options);
            QVERIFY2(run.code == 0, qPrintable(run.err));
            input = output;
            options.clear();
        }
        const QString deck = QString::fromUtf8(fixtures::readZip(input).value("sample-deck.xml"));
        QVERIFY2(deck.contains(line), qPrintable(deck));
    }

    // Each run has its own work folders, so runs do not disturb each other.
    void runsSideBySide()
    {
        std::vector<std::unique_ptr<QProcess>> processes;
        for (const char *name : {"one.zip", "two.zip", "three.zip"})
            processes.emplace_back(start({m_sample, "-q", "--icons", "white", "-o", path(name)}));
        for (const auto &process : processes) {
            QVERIFY(process->waitForFinished(120000));
            QCOMPARE(process->exitCode(), 0);
            QCOMPARE(process->readAllStandardError(), QByteArray()); // quiet: the path on stdout is all
        }
        const QByteArray one = fixtures::readZip(path("one.zip")).value("sample.png");
        QVERIFY(!one.isEmpty());
        for (const char *name : {"two.zip", "three.zip"})
            QCOMPARE(fixtures::readZip(path(name)).value("sample.png"), one);
    }

    void usageAnswers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        // Help and version answer on standard output and end the run before a skin is asked for.
        QTest::newRow("version") << QStringList{"--version"} << "panelcraft-cli " PANELCRAFT_VERSION "\n";
        QTest::newRow("help") << QStringList{"--help"} << "-v, --version";
        QTest::newRow("no skin") << QStringList() << "No skin archive";
        QTest::newRow("unknown option") << QStringList{"SAMPLE", "--bogus"} << "bogus";
        QTest::newRow("two archives") << QStringList{"SAMPLE", "SAMPLE"} << "exactly one skin archive";
        QTest::newRow("scheme export with a skin")
            << QStringList{"SAMPLE", "--export-scheme", "out.yaml"} << "takes no skin archive";
        for (const char *option :
             {"-o", "--output", "-p", "--icons", "--icons-from", "--windows-from", "--global-font",
              "--global-size", "--line-height", "--scheme", "--export-scheme"})
            QTest::addRow("%s without its value", option) << QStringList{"SAMPLE", option} << option;
        QTest::newRow("unknown icon set") << QStringList{"SAMPLE", "--icons", "purple"} << "purple";
        QTest::newRow("icons twice") << QStringList{"SAMPLE", "--icons", "white", "--icons-from", "SAMPLE"}
                                     << "cannot be combined";
        QTest::newRow("size zero") << QStringList{"SAMPLE", "--global-size", "0"} << "--global-size";
        QTest::newRow("size of four digits") << QStringList{"SAMPLE", "--global-size", "1000"} << "1000";
        QTest::newRow("line height zero") << QStringList{"SAMPLE", "--line-height", "0"} << "--line-height";
        QTest::newRow("line height of four digits")
            << QStringList{"SAMPLE", "--line-height", "1000"} << "1000";
        QTest::newRow("line height not a number") << QStringList{"SAMPLE", "--line-height", "12a"} << "12a";
        QTest::newRow("missing profile") << QStringList{"SAMPLE", "-p", "missing.pcp"} << "missing.pcp";
        QTest::newRow("output name") << QStringList{"SAMPLE", "-o", "a|b.zip"} << "a|b.zip";
        QTest::newRow("missing icon skin") << QStringList{"SAMPLE", "--icons-from", "gone.zip"}
                                           << "--icons-from: there is no file \"gone.zip\"";
        QTest::newRow("missing window skin") << QStringList{"SAMPLE", "--windows-from", "gone.zip"}
                                             << "--windows-from: there is no file \"gone.zip\"";
        QTest::newRow("scheme and profile") << QStringList{"SAMPLE", "--scheme", "a.yaml", "-p", "white"}
                                            << "--scheme and --profile cannot be combined";
        QTest::newRow("missing scheme") << QStringList{"SAMPLE", "--scheme", "gone.yaml"} << "\"gone.yaml\"";
        QTest::newRow("scheme is a folder")
            << QStringList{"SAMPLE", "--scheme", "."} << "is a folder, not a file";
#ifndef Q_OS_WIN // Windows keeps its named pipes outside the file system
        // A pipe, if it were read, would hold the run for ever.
        QTest::newRow("scheme is a pipe")
            << QStringList{"SAMPLE", "--scheme", "PIPE"} << "not a regular file";
        QTest::newRow("profile is a pipe") << QStringList{"SAMPLE", "-p", "PIPE"} << "not a regular file";
        QTest::newRow("skin is a pipe") << QStringList{"PIPE"} << "not a regular file";
#endif
        QTest::newRow("profile with a NUL") << QStringList{"SAMPLE", "-p", "nulbyte.pcp"}
                                            << "control character in the value of \"skinfontname\"";
    }

    void usageAnswers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        arguments.replaceInStrings("SAMPLE", m_sample);
        QVERIFY(fixtures::writeFile(path("tmp/nulbyte.pcp"), QByteArray("skinfontname=Ari\0al\r\n", 20)));
        arguments.replaceInStrings("nulbyte.pcp", path("tmp/nulbyte.pcp"));
#ifdef Q_OS_WIN
        const QStringList written{"tmp/nulbyte.pcp"};
#else
        QCOMPARE(mkfifo(QFile::encodeName(path("tmp/pipe")).constData(), 0666), 0);
        arguments.replaceInStrings("PIPE", path("tmp/pipe"));
        const QStringList written{"tmp/nulbyte.pcp", "tmp/pipe"};
#endif
        const auto run = this->run(arguments);
        const bool asked = arguments.value(0).startsWith("--");
        QVERIFY2(run.code == (asked ? 0 : 2), qPrintable(QString::number(run.code) + run.err));
        QVERIFY2((asked ? run.out : run.err).contains(message), qPrintable(run.out + run.err));
        QVERIFY(asked ? run.err.isEmpty()
                      : run.err.startsWith("panelcraft-cli: ") && run.err.contains("--help"));
        QCOMPARE(run.out.isEmpty(), !asked);
        QCOMPARE(fixtures::entriesBelow(m_dir->path(), QDir::Files), written);
    }

    // German and French throughout, the system's reasons too. The mounts are the CLI's own, made
    // in a namespace of its own: a file system of one inode is full, a read-only one refuses, a
    // file mounted over another cannot be replaced. No one may create a file in /sys, root neither.
    void speaksTheUserLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("mounts");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        struct Reason
        {
            const char *mounts, *target, *de, *fr;
        };
        const Reason reasons[] = {
            {"mount -t tmpfs -o nr_inodes=1 none out", "out/s.yaml",
             "Kein Speicherplatz mehr auf dem Datenträger", "Plus d’espace libre sur le disque"},
            {"mount -t tmpfs -o ro none out", "out/s.yaml", "Das Dateisystem ist schreibgeschützt",
             "Système de fichiers en lecture seule"},
            {"", "/sys/s.yaml", "Keine Berechtigung", "Permission refusée"},
            {"", "missing/s.yaml", "Datei oder Ordner nicht gefunden", "Fichier ou dossier introuvable"},
            {"touch out/s.yaml out/t && mount --bind out/t out/s.yaml", "out/s.yaml",
             "Die Datei oder der Ordner wird gerade verwendet",
             "Le fichier ou le dossier est en cours d’utilisation"},
            {"", "odd.pcp/s.yaml", "Systemfehler: ", "Erreur système\u00a0: "}, // then the system's words
        };
        for (const Reason &reason : reasons) {
            for (const char *language : {"de", "fr"}) {
                QTest::addRow("%s: %s", language, language == QByteArray("de") ? reason.de : reason.fr)
                    << language << reason.mounts
                    << QStringList{"-p", "white", "--export-scheme", reason.target}
                    << QString("panelcraft-cli: ") + (language == QByteArray("de") ? reason.de : reason.fr);
            }
        }
        QTest::newRow("de: a warning")
            << "de" << QString() << QStringList{"-p", "odd.pcp", "--export-scheme", "s.yaml"}
            << "panelcraft-cli: Warnung: Das Profil";
        // Qt's own help option speaks no French; its lines break only where a space may, not
        // inside "« white »".
        for (const char *option : {"--help", "--help-all"})
            QTest::addRow("fr: %s", option)
                << "fr" << QString() << QStringList{option} << "Afficher cette aide.";
        // The file has its place in each language's sentence.
        QTest::newRow("fr: progress")
            << "fr" << QString() << QStringList{"SAMPLE", "-o", "out.zip"} << "Décompression de SAMPLE";
    }

    void speaksTheUserLanguage()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows takes the user's language from its settings, not from the environment a test "
              "can set");
#endif
        QFETCH(QString, language);
        QFETCH(QString, mounts);
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        arguments.replaceInStrings("SAMPLE", m_sample);
        said.replace("SAMPLE", m_sample);
        QVERIFY(QDir().mkpath(path("out")));
        QVERIFY(fixtures::writeFile(path("odd.pcp"), "skinfontsize=1e3\r\n"));
        if (!mounts.isEmpty() && QProcess::execute("unshare", {"-rm", "true"}) != 0)
            QSKIP("this system makes no private mounts");
        const QStringList inNamespace{"-rm", "sh", "-c", mounts + " && exec \"$0\" \"$@\"",
                                      qEnvironmentVariable("PANELCRAFT_CLI")};
        const auto run = mounts.isEmpty()
                             ? fixtures::runCli(m_dir->path(), arguments, {}, language)
                             : fixtures::runCli(m_dir->path(), inNamespace + arguments, "unshare", language);
        const QString output = run.out + run.err;
        QVERIFY2(output.contains(said), qPrintable(output));
        QVERIFY2(!output.contains(QRegularExpression("«\\n|\\n *[»:;?!]")), qPrintable(output));
    }

    // A profile's colours go out as a scheme and come back as the style of a build.
    void schemeOutAndIn()
    {
        const auto exported = run({"--export-scheme", path("white.gpl"), "-p", "white"});
        QVERIFY2(exported.code == 0, qPrintable(exported.err));
        const scheme::ReadResult back = scheme::read(path("white.gpl"));
        QCOMPARE(back.error, QString());
        QCOMPARE(back.scheme.name, QString("white")); // named as its file
        const auto built = run({m_sample, "-q", "-o", path("out.zip"), "--scheme", path("white.gpl")});
        QVERIFY2(built.code == 0, qPrintable(built.err));
        const QStringList deck = fixtures::lines(fixtures::readZip(path("out.zip")).value("sample-deck.xml"));
        QVERIFY(deck.contains("\t<colors background=\"#ffffffff\">")); // base00, the white table's ground
    }

    // Exit 1 with the reason, and only that: no decoder chatter, nothing left in the temporary folder.
    void buildFailureSaysOnlyWhy()
    {
        const QString skin = path("huge.zip");
        QVERIFY(fixtures::writeZip(skin, {{"a.xml", "<skin image=\"a.png\">\n</skin>\n"},
                                          {"a.png", fixtures::pngDeclaring(30000, 30000)}}));
        const auto run = this->run({skin, "-o", path("out.zip")});
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains("30000 x 30000 pixels") && !run.err.contains("libpng"),
                 qPrintable(run.err));
        QCOMPARE(fixtures::entriesBelow(path("tmp")), QStringList());
    }

    void interruptedRunLeavesNoWorkFolder_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("output");
        QTest::newRow("while it paints") << int(SIGINT) << "out.zip";
        QTest::newRow("before it reads its profile") << int(SIGTERM) << "s.yaml";
    }

    // Stopped, the CLI ends only once its work folders are gone, even while it paints; and it takes
    // a stop from its start.
    void interruptedRunLeavesNoWorkFolder()
    {
#ifdef Q_OS_WIN
        QSKIP("a console control event reaches every program on the console, the suite too");
#else
        QFETCH(int, signal);
        QFETCH(QString, output);
        std::unique_ptr<QProcess> process;
        if (signal == SIGTERM) {
            // Sent before it could take it: the CLI starts with the request held and waiting.
            sigset_t held;
            sigemptyset(&held);
            sigaddset(&held, SIGTERM);
            pthread_sigmask(SIG_BLOCK, &held, nullptr);
            process.reset(fixtures::startCli(m_dir->path(),
                                             {"-c", "kill -TERM $$; exec \"$0\" \"$@\"",
                                              qEnvironmentVariable("PANELCRAFT_CLI"), "-p", "white",
                                              "--export-scheme", path(output)},
                                             "/bin/sh"));
            pthread_sigmask(SIG_UNBLOCK, &held, nullptr);
        } else {
            startPainting(process);
            ::kill(pid_t(process->processId()), SIGINT);
        }
        QVERIFY(process->waitForFinished(20000));
        QCOMPARE(process->exitCode(), 128 + signal);
        QCOMPARE(fixtures::entriesBelow(path("tmp")), QStringList());
        QVERIFY(!QFileInfo::exists(path(output)));
#endif
    }

    void fullDisk_data()
    {
        QTest::addColumn<QString>("failing"); // the first write that no longer fits
        QTest::addColumn<bool>("earlier");
        QTest::newRow("nothing fits") << "unpacking" << false;
        QTest::newRow("the painted image does not fit") << "painting" << false;
        QTest::newRow("the archive does not fit") << "packing" << false;
        QTest::newRow("the archive does not fit, over an earlier output") << "packing" << true;
    }

    void fullDisk()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows has no file-size limit to stand in for a full disk");
#else
        QFETCH(QString, failing);
        QFETCH(bool, earlier);
        // The noise makes the archive larger than any file the build writes before packing.
        prepareFiles(failing == "packing" ? 256 << 10 : 0, earlier);
        const QString reference = m_dir->filePath("reference.zip");
        const auto built = run({skin(), "-q", "-o", reference});
        QVERIFY2(built.code == 0, qPrintable(built.err));
        const qint64 painted = fixtures::readZip(reference).value("sample.png").size();
        const qint64 packed = QFileInfo(reference).size();
        const auto before = snapshot(files());

        fixtures::CliRun result;
        {
            const qint64 limit = failing == "unpacking" ? 0 : (failing == "painting" ? painted : packed) - 1;
            const FileSizeLimit fileSizeLimit{rlim_t(limit)};
            result = run({skin(), "-q", "-o", output()});
        }
        QCOMPARE(result.code, 1);
        QCOMPARE(result.out, QString());
        QVERIFY2(result.err.startsWith("panelcraft-cli: "), qPrintable(result.err));
        // Short of disk space, a write fails with the system's reason (docs/cli.md).
        QVERIFY2(result.err.contains("File too large"), qPrintable(result.err));
        QVERIFY(snapshot(files()) == before);
#endif
    }

    // Every thread wants a stack larger than the address space left: the run does without any.
    void noThreadCanBeMade()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows sets no limit on the address space a process may use");
#else
#ifdef __SANITIZE_ADDRESS__
        QSKIP("the address sanitizer needs more address space than the limit leaves");
#endif
        const QString limited = "ulimit -s 8000000; ulimit -v 4000000; exec \"$0\" \"$@\"";
        const auto result = fixtures::runCli(m_dir->path(),
                                             {"-c", limited, qEnvironmentVariable("PANELCRAFT_CLI"), m_sample,
                                              "-q", "--icons", "white", "-o", path("out.zip")},
                                             "/bin/sh");
        QVERIFY2(result.code == 0, qPrintable(result.err));
        QVERIFY(fixtures::readZip(path("out.zip")).contains("sample.png"));
#endif
    }

    // Places no write can go, whatever the user's rights (tests may run as root): a pipe stands
    // for a device too, such as /dev/null, which root could replace.
    void unwritableOutput_data()
    {
        QTest::addColumn<QString>("blocker"); // a file, folder or pipe in the way
        QTest::addColumn<QString>("target");  // what the option names
        QTest::addColumn<QString>("option");
        QTest::newRow("its folder is a file") << QString("out/file") << "out/file/new.zip"
                                              << "-o";
        QTest::newRow("it is a folder") << QString("out/new.zip/kept") << "out/new.zip"
                                        << "-o";
        QTest::newRow("scheme in a file's place") << QString("out/file") << "out/file/s.yaml"
                                                  << "--export-scheme";
#ifndef Q_OS_WIN // Windows keeps its named pipes outside the file system
        QTest::newRow("scheme over a pipe") << QString("out/s.yaml|") << "out/s.yaml"
                                            << "--export-scheme";
#endif
    }

    void unwritableOutput()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, target);
        QFETCH(QString, option);
        prepareFiles();
        QVERIFY(QDir().mkpath(QFileInfo(files(blocker)).path()));
#ifndef Q_OS_WIN
        if (blocker.endsWith('|'))
            QCOMPARE(mkfifo(QFile::encodeName(files(blocker.chopped(1))).constData(), 0666), 0);
        else
#endif
            QVERIFY(fixtures::writeFile(files(blocker), "in the way"));
        const auto before = snapshot(files());
        const auto result = option == "-o" ? run({skin(), "-q", "-o", files(target)})
                                           : run({"-p", "white", option, files(target)});
        QVERIFY2((result.code == 1 || result.code == 2) && result.err.startsWith("panelcraft-cli: "),
                 qPrintable(result.err));
        QCOMPARE(result.out, QString());
        QVERIFY(snapshot(files()) == before);
    }

    void killedWhilePacking_data()
    {
        QTest::addColumn<bool>("killed"); // or asked to end
        QTest::addColumn<bool>("earlier");
        QTest::newRow("killed") << true << true;
        QTest::newRow("terminated") << false << false;
    }

    void killedWhilePacking()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows cannot pause a process from outside, nor show which files it has open, as this needs");
#else
        QFETCH(bool, killed);
        QFETCH(bool, earlier);
        prepareFiles(8 << 20, earlier);
        const auto before = snapshot(files());

        const std::unique_ptr<QProcess> process(start({skin(), "-q", "-o", output()}));
        QVERIFY(process->waitForStarted());
        const QString outFolder = QFileInfo(files("out")).canonicalFilePath();
        QDeadlineTimer deadline(120000);
        while (!writingInto(process->processId(), outFolder) && process->state() == QProcess::Running &&
               !deadline.hasExpired())
            QThread::usleep(500);
        ::kill(pid_t(process->processId()), SIGSTOP);
        QVERIFY2(snapshot(files()) == before, "the CLI finished packing before it could be stopped");
        ::kill(pid_t(process->processId()), killed ? SIGKILL : SIGTERM);
        ::kill(pid_t(process->processId()), SIGCONT);
        QVERIFY(process->waitForFinished(60000));
        QVERIFY(process->exitStatus() == QProcess::CrashExit || process->exitCode() != 0);

        auto after = snapshot(files());
        // An unfinished archive may be left under a name of its own, never under the final one.
        for (const QString &name : after.keys()) {
            if (name.startsWith("out/new.zip."))
                after.remove(name);
        }
        QVERIFY(after == before);
#endif
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
