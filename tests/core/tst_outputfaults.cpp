// panelcraft-cli when its output cannot be written or the run is cut short: the input and
// any earlier output stay byte for byte, nothing appears under the output's name, and the
// run does not claim success.

#include "filesizelimit.h"
#include "skinfixtures.h"
#include "style/resources.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>
#include <csignal>

namespace {

// Every entry below a folder: files with their contents, folders (ending in "/") empty.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries = fixtures::filesBelow(folder);
    for (const QString &name : fixtures::entriesBelow(folder, QDir::Dirs))
        entries.insert(name + QLatin1Char('/'), QByteArray());
    return entries;
}

QByteArray noise(int bytes)
{
    QByteArray data(bytes, Qt::Uninitialized);
    QRandomGenerator generator(12);
    generator.fillRange(reinterpret_cast<quint32 *>(data.data()), bytes / 4);
    return data;
}

} // namespace

class TestOutputFaults : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    // Input and output live in "files"; the CLI's own work folder in "tmp".
    QString files(const QString &name = QString()) const { return m_dir->filePath("files/" + name); }
    QString skin() const { return files("skin.zip"); }
    QString output() const { return files("out/new.zip"); }

    QProcess *start(const QStringList &arguments)
    {
        auto *process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", m_dir->filePath("tmp"));
        env.insert("HOME", m_dir->path());
        process->setProcessEnvironment(env);
        process->start(qEnvironmentVariable("PANELCRAFT_CLI"), arguments);
        return process;
    }

    // Exit code (-1 when the CLI crashed or hung), standard output and standard error.
    std::tuple<int, QByteArray, QString> run(const QStringList &arguments)
    {
        const std::unique_ptr<QProcess> process(start(arguments));
        const bool ended = process->waitForFinished(120000) && process->exitStatus() == QProcess::NormalExit;
        return {ended ? process->exitCode() : -1, process->readAllStandardOutput(),
                QString::fromLocal8Bit(process->readAllStandardError())};
    }

    void writeEarlierOutput(bool earlier)
    {
        if (earlier)
            QVERIFY(fixtures::writeFile(output(), "an earlier build of this skin"));
    }

    // The sample skin with an image of random bytes added: it does not compress, so the
    // archive is larger than any file the build works on, and packing it takes a while.
    void addNoise(int bytes)
    {
        const auto entries = fixtures::readZip(skin());
        QList<fixtures::ZipEntry> withNoise;
        for (auto it = entries.cbegin(); it != entries.cend(); ++it)
            withNoise.append({it.key(), it.value()});
        withNoise.append({"noise.png", noise(bytes)});
        QVERIFY(fixtures::writeZip(skin(), withNoise));
    }

    // Whether the CLI has a file of the output folder open: packing has started.
    static bool writingInto(qint64 pid, const QString &folder)
    {
        const QFileInfoList fds =
            QDir(QStringLiteral("/proc/%1/fd").arg(pid)).entryInfoList(QDir::AllEntries | QDir::System);
        return std::any_of(fds.begin(), fds.end(), [&folder](const QFileInfo &fd) {
            return fd.symLinkTarget().startsWith(folder + QLatin1Char('/'));
        });
    }

private slots:
    void initTestCase()
    {
        initPanelcraftResources();
        QVERIFY(QFileInfo(qEnvironmentVariable("PANELCRAFT_CLI")).isExecutable());
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(m_dir->path()).mkpath("files/out") && QDir(m_dir->path()).mkpath("tmp"));
        QVERIFY(
            QFile::copy(qEnvironmentVariable("PANELCRAFT_SOURCE_DIR") + "/examples/sample-skin.zip", skin()));
    }

    void fullDisk_data()
    {
        QTest::addColumn<QString>("failing"); // the first write that no longer fits
        QTest::addColumn<bool>("earlier");
        QTest::newRow("nothing fits") << "unpacking" << false;
        QTest::newRow("nothing fits, over an earlier output") << "unpacking" << true;
        QTest::newRow("the painted image does not fit") << "painting" << false;
        QTest::newRow("the archive does not fit") << "packing" << false;
        QTest::newRow("the archive does not fit, over an earlier output") << "packing" << true;
    }

    void fullDisk()
    {
        QFETCH(QString, failing);
        QFETCH(bool, earlier);
        if (failing == "packing")
            addNoise(256 << 10); // larger than any single file the build writes before packing
        const QString reference = m_dir->filePath("reference.zip");
        const auto [built, listed, why] = run({skin(), "-q", "-o", reference});
        QVERIFY2(built == 0, qPrintable(why));
        const qint64 painted = fixtures::readZip(reference).value("sample.png").size();
        const qint64 packed = QFileInfo(reference).size();
        writeEarlierOutput(earlier);
        const auto before = snapshot(files());

        std::tuple<int, QByteArray, QString> result;
        {
            const qint64 limit = failing == "unpacking" ? 0 : (failing == "painting" ? painted : packed) - 1;
            const FileSizeLimit fileSizeLimit{rlim_t(limit)};
            result = run({skin(), "-q", "-o", output()});
        }
        const auto &[code, printed, errors] = result;
        QCOMPARE(code, 1);
        QCOMPARE(printed, QByteArray());
        QVERIFY2(errors.startsWith("panelcraft-cli: "), qPrintable(errors));
        QVERIFY(snapshot(files()) == before);
    }

    // Places no write can go, whatever the user's rights (tests may run as root).
    void unwritableOutput_data()
    {
        QTest::addColumn<QString>("blocker"); // a file or folder in the way
        QTest::addColumn<QString>("target");  // what -o names
        QTest::newRow("its folder is a file") << "out/file"
                                              << "out/file/new.zip";
        QTest::newRow("it is a folder") << "out/new.zip/kept"
                                        << "out/new.zip";
    }

    void unwritableOutput()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, target);
        QVERIFY(QDir().mkpath(QFileInfo(files(blocker)).path()));
        QVERIFY(fixtures::writeFile(files(blocker), "in the way"));
        const auto before = snapshot(files());
        const auto [code, printed, errors] = run({skin(), "-q", "-o", files(target)});
        QVERIFY2(code == 1 || code == 2, qPrintable(errors));
        QCOMPARE(printed, QByteArray());
        QVERIFY2(errors.startsWith("panelcraft-cli: "), qPrintable(errors));
        QVERIFY(snapshot(files()) == before);
    }

    void killedWhilePacking_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("earlier");
        QTest::newRow("killed") << int(SIGKILL) << true;
        QTest::newRow("terminated") << int(SIGTERM) << false;
    }

    void killedWhilePacking()
    {
        QFETCH(int, signal);
        QFETCH(bool, earlier);
        addNoise(8 << 20);
        writeEarlierOutput(earlier);
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
        ::kill(pid_t(process->processId()), signal);
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
    }
};

QTEST_GUILESS_MAIN(TestOutputFaults)
#include "tst_outputfaults.moc"
