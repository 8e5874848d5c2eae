// Skin archives are untrusted input; the packed output replaces its target only when whole.

#include "skin/archive.h"
#include "skinfixtures.h"

#include <QtTest>

using fixtures::ZipEntry;

namespace {

QStringList everythingBelow(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    found.sort();
    return found;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestArchive : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void unpacksFilesAndFolders();
    void hostileEntryIsRefused_data();
    void hostileEntryIsRefused();
    void limitsAreEnforced_data();
    void limitsAreEnforced();
    void unreadableArchiveFails_data();
    void unreadableArchiveFails();
    void damagedDataLeavesNothing();
    void packRoundTrip();
    void packFailureLeavesNoFile_data();
    void packFailureLeavesNoFile();
    void packReplacesAnExistingArchive();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_target; // the folder archives are unpacked into, inside m_dir
};

void TestArchive::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_target = m_dir->filePath(QStringLiteral("work/temp"));
    QVERIFY(QDir().mkpath(m_target));
}

void TestArchive::unpacksFilesAndFolders()
{
    const QString zip = m_dir->filePath(QStringLiteral("skin.zip"));
    QVERIFY(fixtures::writeZip(zip, {{"skin.xml", "<skin/>"},
                                     {"sub/", ""},
                                     {"sub/deeper/image.png", "png"},
                                     {"./dotted.txt", "x"},
                                     {"Grüße.xml", "ü"}}));
    QCOMPARE(archive::extract(zip, m_target), QString());
    QCOMPARE(everythingBelow(m_target), (QStringList{"Grüße.xml", "dotted.txt", "skin.xml", "sub",
                                                     "sub/deeper", "sub/deeper/image.png"}));
    QCOMPARE(readFile(m_target + QStringLiteral("/sub/deeper/image.png")), QByteArray("png"));
}

void TestArchive::hostileEntryIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("mode");
    QTest::newRow("parent folder") << "../escaped.png" << 0100644u;
    QTest::newRow("parent folder deeper") << "sub/../../escaped.png" << 0100644u;
    QTest::newRow("parent folder, backslashes") << "..\\escaped.png" << 0100644u;
    QTest::newRow("absolute path") << "ABSOLUTE/escaped.png" << 0100644u;
    QTest::newRow("drive path") << "C:/escaped.png" << 0100644u;
    QTest::newRow("symbolic link") << "link" << 0120777u;
}

void TestArchive::hostileEntryIsRefused()
{
    QFETCH(QString, name);
    QFETCH(quint32, mode);
    name.replace(QLatin1String("ABSOLUTE"), m_dir->path());
    const QString zip = m_dir->filePath(QStringLiteral("hostile.zip"));
    // A link would point outside; the entry after it would write through it.
    QVERIFY(
        fixtures::writeZip(zip, {{"skin.xml", "<skin/>"},
                                 {name, mode == 0120777u ? m_dir->path().toUtf8() : QByteArray("x"), mode},
                                 {"link/through.png", "x"}}));
    const QStringList before = everythingBelow(m_dir->path());

    const QString error = archive::extract(zip, m_target);
    QVERIFY2(error.contains(QLatin1String("refused")), qPrintable(error));
    QVERIFY2(error.contains(QLatin1String("hostile.zip")), qPrintable(error));
    QCOMPARE(everythingBelow(m_dir->path()), before);
}

void TestArchive::limitsAreEnforced_data()
{
    QTest::addColumn<int>("maxEntries");
    QTest::addColumn<qint64>("maxBytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("unpacked size") << 100 << qint64(3000) << "more than 3 kB";
    QTest::newRow("entry count") << 2 << (qint64(1) << 30) << "more than 2 entries";
}

void TestArchive::limitsAreEnforced()
{
    QFETCH(int, maxEntries);
    QFETCH(qint64, maxBytes);
    QFETCH(QString, message);
    const QString zip = m_dir->filePath(QStringLiteral("big.zip"));
    QVERIFY(fixtures::writeZip(zip, {{"a.xml", QByteArray(2000, 'a')},
                                     {"b.png", QByteArray(2000, 'b')},
                                     {"c.png", QByteArray(10, 'c')}}));
    const QString error = archive::extract(zip, m_target, {maxBytes, maxEntries});
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(everythingBelow(m_target), QStringList());
    QCOMPARE(archive::extract(zip, m_target), QString()); // the defaults leave room for it
}

void TestArchive::unreadableArchiveFails_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("not a zip") << QByteArray("this is no archive at all") << true;
    QTest::newRow("empty file") << QByteArray() << true;
}

void TestArchive::unreadableArchiveFails()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    const QString zip = m_dir->filePath(QStringLiteral("bad.zip"));
    if (exists)
        QVERIFY(writeFile(zip, content));
    QVERIFY(!archive::extract(zip, m_target).isEmpty());
    QCOMPARE(everythingBelow(m_target), QStringList());
}

void TestArchive::damagedDataLeavesNothing()
{
    const QString zip = m_dir->filePath(QStringLiteral("damaged.zip"));
    QByteArray noise;
    for (int i = 0; i < 5000; ++i)
        noise += char((i * 7919) % 251);
    QVERIFY(fixtures::writeZip(zip, {{"first.xml", "<skin/>"}, {"second.png", noise}}));
    QByteArray bytes = readFile(zip);
    const int data = bytes.indexOf("second.png") + 10 + 200; // inside the second entry's data
    for (int i = data; i < data + 64; ++i)
        bytes[i] = char(bytes[i] ^ 0x5a);
    QVERIFY(writeFile(zip, bytes));
    const QString error = archive::extract(zip, m_target);
    QVERIFY2(error.contains(QLatin1String("damaged")), qPrintable(error));
    QCOMPARE(everythingBelow(m_target), QStringList());
}

void TestArchive::packRoundTrip()
{
    const QString source = m_dir->filePath(QStringLiteral("source"));
    QVERIFY(QDir().mkpath(source + QStringLiteral("/sub")));
    QVERIFY(writeFile(source + QStringLiteral("/b.xml"), "<skin>ü</skin>"));
    QVERIFY(writeFile(source + QStringLiteral("/a.png"), QByteArray(100000, 'p')));
    QVERIFY(writeFile(source + QStringLiteral("/sub/c.png"), "c"));
    const QString zip = m_dir->filePath(QStringLiteral("out.zip"));
    QCOMPARE(archive::pack(source, zip), QString());
    const auto files = fixtures::readZip(zip);
    QCOMPARE(files.keys(), (QStringList{"a.png", "b.xml", "sub/c.png"}));
    QCOMPARE(files.value(QStringLiteral("b.xml")), QByteArray("<skin>ü</skin>"));
    QCOMPARE(files.value(QStringLiteral("a.png")), QByteArray(100000, 'p'));
    QCOMPARE(QDir(m_dir->path()).entryList({"*.zip*"}, QDir::Files | QDir::Hidden), QStringList("out.zip"));
}

void TestArchive::packFailureLeavesNoFile_data()
{
    QTest::addColumn<QString>("output");
    QTest::newRow("missing folder") << "missing/out.zip";
    QTest::newRow("folder is a file") << "plain.txt/out.zip";
    QTest::newRow("output is a folder") << "source";
}

void TestArchive::packFailureLeavesNoFile()
{
    QFETCH(QString, output);
    const QString source = m_dir->filePath(QStringLiteral("source"));
    QVERIFY(QDir().mkpath(source));
    QVERIFY(writeFile(source + QStringLiteral("/a.xml"), "<skin/>"));
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("plain.txt")), "text"));
    const QStringList before = everythingBelow(m_dir->path());
    const QString error = archive::pack(source, m_dir->filePath(output));
    QVERIFY2(error.startsWith(QLatin1String("Cannot write")), qPrintable(error));
    QCOMPARE(everythingBelow(m_dir->path()), before);
}

void TestArchive::packReplacesAnExistingArchive()
{
    const QString source = m_dir->filePath(QStringLiteral("source"));
    QVERIFY(QDir().mkpath(source));
    QVERIFY(writeFile(source + QStringLiteral("/new.xml"), "<new/>"));
    const QString zip = m_dir->filePath(QStringLiteral("skin.zip"));
    QVERIFY(fixtures::writeZip(zip, {{"old.xml", "<old/>"}}));
    QCOMPARE(archive::pack(source, zip), QString());
    QCOMPARE(fixtures::readZip(zip).keys(), QStringList("new.xml"));
}

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
