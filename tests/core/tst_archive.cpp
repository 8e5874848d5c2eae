// Skin archives are untrusted input; the packed output replaces its target only when whole.

#include "skin/archive.h"
#include "skinfixtures.h"

#include <QtTest>

class TestArchive : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_target; // the folder archives are unpacked into, inside m_dir

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_target = m_dir->filePath(QStringLiteral("work/temp"));
        QVERIFY(QDir().mkpath(m_target));
    }

    void unpacksFilesAndFolders()
    {
        const QString zip = m_dir->filePath(QStringLiteral("skin.zip"));
        QVERIFY(fixtures::writeZip(zip, {{"skin.xml", "<skin/>"},
                                         {"sub/", ""},
                                         {"sub/deeper/image.png", "png"},
                                         {"./dotted.txt", "x"},
                                         {"Grüße.xml", "ü"},
                                         {"Crème.png", "old zip tool", 0100644, -1, false}}));
        QCOMPARE(archive::extract(zip, m_target), QString());
        QCOMPARE(fixtures::entriesBelow(m_target),
                 (QStringList{"Crème.png", "Grüße.xml", "dotted.txt", "skin.xml", "sub", "sub/deeper",
                              "sub/deeper/image.png"}));
        QCOMPARE(fixtures::readFile(m_target + QStringLiteral("/sub/deeper/image.png")), QByteArray("png"));
    }

    void hostileEntryIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("mode");
        QTest::addColumn<QString>("message");
        const QString outside = QStringLiteral("would be written outside");
        QTest::newRow("parent folder") << "../escaped.png" << 0100644u << outside;
        QTest::newRow("parent folder deeper") << "sub/../../escaped.png" << 0100644u << outside;
        QTest::newRow("parent folder, backslashes") << "..\\escaped.png" << 0100644u << outside;
        QTest::newRow("absolute path") << "ABSOLUTE/escaped.png" << 0100644u << outside;
        QTest::newRow("drive path") << "C:/escaped.png" << 0100644u << outside;
        QTest::newRow("symbolic link") << "link" << 0120777u << "symbolic link";
        // Shown escaped: a raw line end in a message could forge a line of output.
        QTest::newRow("control character")
            << "a\nforged.png" << 0100644u << "\"a\\x0aforged.png\" has a control";
        QTest::newRow("password") << "PASSWORD" << 0100644u << "password-protected";
    }

    void hostileEntryIsRefused()
    {
        QFETCH(QString, name);
        QFETCH(quint32, mode);
        QFETCH(QString, message);
        name.replace(QLatin1String("ABSOLUTE"), m_dir->path());
        const bool encrypted = name == QLatin1String("PASSWORD");
        const QString zip = m_dir->filePath(QStringLiteral("hostile.zip"));
        // A link would point outside; the entry after it would write through it.
        QVERIFY(fixtures::writeZip(zip, {{"skin.xml", "<skin/>"},
                                         {name, mode == 0120777u ? m_dir->path().toUtf8() : QByteArray("x"),
                                          mode, -1, true, encrypted ? "secret" : nullptr},
                                         {"link/through.png", "x"}}));
        const QStringList before = fixtures::entriesBelow(m_dir->path());

        const QString error = archive::extract(zip, m_target);
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY2(error.contains(QLatin1String("\"hostile.zip\"")), qPrintable(error));
        QCOMPARE(fixtures::entriesBelow(m_dir->path()), before);
    }

    void unpackingStopsAndLeavesNothing_data()
    {
        QTest::addColumn<int>("maxEntries");
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<QString>("damage"); // none, data, short, size or extra
        QTest::addColumn<QString>("message");
        QTest::newRow("unpacked size") << 100 << qint64(3000) << "none"
                                       << "more than 3 kB";
        QTest::newRow("entry count") << 2 << (qint64(1) << 30) << "none"
                                     << "more than 2 entries";
        QTest::newRow("damaged data") << 100 << (qint64(1) << 30) << "data"
                                      << "damaged";
        // The archive library checks the CRC only of data that reaches the declared size.
        QTest::newRow("data shorter than declared") << 100 << (qint64(1) << 30) << "short"
                                                    << "damaged";
        // Listed by the archive library two bytes at a time, this took seconds.
        QTest::newRow("extra field past the directory") << 100 << (qint64(1) << 30) << "extra"
                                                        << "extra fields of its entries are inconsistent";
        // 2^63 is negative as a signed size; summed that way it slipped below the limit.
        QTest::newRow("declared size 2^63") << 100 << (qint64(1) << 30) << "size"
                                            << "more than 1 GB";
    }

    void unpackingStopsAndLeavesNothing()
    {
        QFETCH(int, maxEntries);
        QFETCH(qint64, maxBytes);
        QFETCH(QString, damage);
        QFETCH(QString, message);
        QByteArray noise; // does not compress, so damage inside it is found only when read
        for (int i = 0; i < 2000; ++i)
            noise += char((i * 7919) % 251);
        const QString zip = m_dir->filePath(QStringLiteral("big.zip"));
        QVERIFY(
            fixtures::writeZip(zip, {{"a.xml", QByteArray(2000, 'a')}, {"b.png", noise}, {"c.png", "c"}}));
        QByteArray bytes = fixtures::readFile(zip);
        if (damage == QLatin1String("data")) {
            const int data = bytes.indexOf("b.png") + 5 + 200;
            for (int i = data; i < data + 64; ++i)
                bytes[i] = char(bytes[i] ^ 0x5a);
        } else if (damage == QLatin1String("short")) {
            const int record = bytes.indexOf("PK\x01\x02"); // a.xml's
            bytes[record + 24] = char(bytes.at(record + 24) + 1);
        } else if (damage == QLatin1String("extra")) {
            const int record = bytes.indexOf("PK\x01\x02");
            bytes[record + 30] = bytes[record + 31] = char(0xff);
        } else if (damage == QLatin1String("size")) {
            // c.png's central record gets a 0xffffffff size and a zip64 block holding 2^63.
            const int record = bytes.lastIndexOf("PK\x01\x02");
            bytes.replace(record + 24, 4, QByteArray(4, '\xff'));
            bytes[record + 30] = char(bytes.at(record + 30) + 12);
            bytes.insert(record + 46 + quint8(bytes.at(record + 28)),
                         QByteArray("\x01\x00\x08\x00\x00\x00\x00\x00\x00\x00\x00\x80", 12));
            const int end = bytes.lastIndexOf("PK\x05\x06");
            bytes[end + 12] = char(bytes.at(end + 12) + 12); // the directory grew by 12 bytes
        }
        QVERIFY(fixtures::writeFile(zip, bytes));
        const QString error = archive::extract(zip, m_target, {maxBytes, maxEntries});
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(fixtures::entriesBelow(m_target), QStringList());
        if (damage == QLatin1String("none"))
            QCOMPARE(archive::extract(zip, m_target), QString()); // the defaults leave room for it
    }

    void repackReplacesOnlyWhenWhole_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("damaged"); // an entry whose data is spoiled in the source
        QTest::addColumn<QString>("message"); // how the error starts; empty when written
        const QString cannot = QStringLiteral("Cannot write");
        QTest::newRow("over its own source") << "skin.zip" << "" << "";
        QTest::newRow("missing folder") << "missing/out.zip" << "" << cannot;
        QTest::newRow("folder is a file") << "skin.zip/out.zip" << "" << cannot;
        // Copied as stored, these are never unpacked: the copy itself must notice.
        const QString damaged = QStringLiteral("\"skin.zip\" is damaged");
        QTest::newRow("damaged stored entry") << "out.zip" << "fonts/face.ttf" << damaged;
        QTest::newRow("damaged deflated entry") << "out.zip" << "./notes.txt" << damaged;
    }

    // Every entry is kept in its order; the unchanged ones exactly as stored (the font at
    // level 0 would come out smaller if it were packed again), the changed ones with their new
    // content, and new files after them.
    void repackReplacesOnlyWhenWhole()
    {
        QFETCH(QString, output);
        QFETCH(QString, damaged);
        QFETCH(QString, message);
        const QString changed = m_dir->filePath(QStringLiteral("changed"));
        QVERIFY(QDir().mkpath(changed + QStringLiteral("/images")));
        QVERIFY(fixtures::writeFile(changed + QStringLiteral("/a.xml"), "<new/>"));
        QVERIFY(fixtures::writeFile(changed + QStringLiteral("/images/new.png"), "added"));
        const QString zip = m_dir->filePath(QStringLiteral("skin.zip"));
        QVERIFY(fixtures::writeZip(zip, {{"fonts/", ""},
                                         {"fonts/face.ttf", QByteArray(5000, 'f'), 0100644, 0},
                                         {"a.xml", "<old/>"},
                                         {"./notes.txt", "kept"}}));
        const auto stored = fixtures::storedZip(zip);
        if (!damaged.isEmpty()) {
            QByteArray bytes = fixtures::readFile(zip);
            const int data = bytes.indexOf(damaged.toLatin1()) + damaged.size(); // the local header's name
            bytes[data] = char(bytes.at(data) ^ 0x55);
            QVERIFY(fixtures::writeFile(zip, bytes));
        }
        const QStringList before = fixtures::entriesBelow(m_dir->path());

        const QString error = archive::repack(zip, changed, m_dir->filePath(output));
        QVERIFY2(message.isEmpty() ? error.isEmpty() : error.startsWith(message), qPrintable(error));
        if (!message.isEmpty()) {
            QCOMPARE(fixtures::entriesBelow(m_dir->path()), before);
            return;
        }
        QCOMPARE(fixtures::zipNames(zip),
                 (QStringList{"fonts/", "fonts/face.ttf", "a.xml", "notes.txt", "images/new.png"}));
        const auto files = fixtures::readZip(zip);
        QCOMPARE(files.value("a.xml"), QByteArray("<new/>"));
        QCOMPARE(files.value("images/new.png"), QByteArray("added"));
        QCOMPARE(files.value("notes.txt"), QByteArray("kept"));
        QCOMPARE(fixtures::storedZip(zip).value("fonts/face.ttf"), stored.value("fonts/face.ttf"));
        QCOMPARE(fixtures::entriesBelow(m_dir->path()), before);
    }

    void emptyArchiveHoldsNoFiles()
    {
        const QString zip = m_dir->filePath(QStringLiteral("empty.zip"));
        QVERIFY(fixtures::writeZip(zip, {}));
        QCOMPARE(archive::extract(zip, m_target), QStringLiteral("\"empty.zip\" holds no files"));
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
