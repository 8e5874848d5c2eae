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
                                         {"Grüße.xml", "ü"}}));
        QCOMPARE(archive::extract(zip, m_target), QString());
        QCOMPARE(fixtures::entriesBelow(m_target), (QStringList{"Grüße.xml", "dotted.txt", "skin.xml", "sub",
                                                                "sub/deeper", "sub/deeper/image.png"}));
        QCOMPARE(fixtures::readFile(m_target + QStringLiteral("/sub/deeper/image.png")), QByteArray("png"));
    }

    void hostileEntryIsRefused_data()
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

    void hostileEntryIsRefused()
    {
        QFETCH(QString, name);
        QFETCH(quint32, mode);
        name.replace(QLatin1String("ABSOLUTE"), m_dir->path());
        const QString zip = m_dir->filePath(QStringLiteral("hostile.zip"));
        // A link would point outside; the entry after it would write through it.
        QVERIFY(fixtures::writeZip(zip,
                                   {{"skin.xml", "<skin/>"},
                                    {name, mode == 0120777u ? m_dir->path().toUtf8() : QByteArray("x"), mode},
                                    {"link/through.png", "x"}}));
        const QStringList before = fixtures::entriesBelow(m_dir->path());

        const QString error = archive::extract(zip, m_target);
        QVERIFY2(error.contains(QLatin1String("refused")), qPrintable(error));
        QVERIFY2(error.contains(QLatin1String("hostile.zip")), qPrintable(error));
        QCOMPARE(fixtures::entriesBelow(m_dir->path()), before);
    }

    void unpackingStopsAndLeavesNothing_data()
    {
        QTest::addColumn<int>("maxEntries");
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<QString>("message");
        QTest::newRow("unpacked size") << 100 << qint64(3000) << false << "more than 3 kB";
        QTest::newRow("entry count") << 2 << (qint64(1) << 30) << false << "more than 2 entries";
        QTest::newRow("damaged data") << 100 << (qint64(1) << 30) << true << "damaged";
    }

    void unpackingStopsAndLeavesNothing()
    {
        QFETCH(int, maxEntries);
        QFETCH(qint64, maxBytes);
        QFETCH(bool, damaged);
        QFETCH(QString, message);
        QByteArray noise; // does not compress, so damage inside it is found only when read
        for (int i = 0; i < 2000; ++i)
            noise += char((i * 7919) % 251);
        const QString zip = m_dir->filePath(QStringLiteral("big.zip"));
        QVERIFY(
            fixtures::writeZip(zip, {{"a.xml", QByteArray(2000, 'a')}, {"b.png", noise}, {"c.png", "c"}}));
        if (damaged) {
            QByteArray bytes = fixtures::readFile(zip);
            const int data = bytes.indexOf("b.png") + 5 + 200;
            for (int i = data; i < data + 64; ++i)
                bytes[i] = char(bytes[i] ^ 0x5a);
            QVERIFY(fixtures::writeFile(zip, bytes));
        }
        const QString error = archive::extract(zip, m_target, {maxBytes, maxEntries});
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(fixtures::entriesBelow(m_target), QStringList());
        if (!damaged)
            QCOMPARE(archive::extract(zip, m_target), QString()); // the defaults leave room for it
    }

    void packReplacesOnlyWhenWhole_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("written");
        QTest::newRow("over an existing archive") << "skin.zip" << true;
        QTest::newRow("missing folder") << "missing/out.zip" << false;
        QTest::newRow("folder is a file") << "skin.zip/out.zip" << false;
    }

    void packReplacesOnlyWhenWhole()
    {
        QFETCH(QString, output);
        QFETCH(bool, written);
        const QString source = m_dir->filePath(QStringLiteral("source"));
        QVERIFY(QDir().mkpath(source));
        QVERIFY(fixtures::writeFile(source + QStringLiteral("/new.xml"), "<new/>"));
        const QString zip = m_dir->filePath(QStringLiteral("skin.zip"));
        QVERIFY(fixtures::writeZip(zip, {{"old.xml", "<old/>"}}));
        const QStringList before = fixtures::entriesBelow(m_dir->path());

        const QString error = archive::pack(source, m_dir->filePath(output));
        QVERIFY2(error.isEmpty() == written, qPrintable(error));
        if (!written)
            QVERIFY2(error.startsWith(QLatin1String("Cannot write")), qPrintable(error));
        QCOMPARE(fixtures::readZip(zip).keys(), QStringList(written ? "new.xml" : "old.xml"));
        QCOMPARE(fixtures::entriesBelow(m_dir->path()), before);
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
