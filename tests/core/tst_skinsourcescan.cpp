// What a source skin offers: its floating windows and its custom browser icons.

#include "skin/sourcescan.h"
#include "skinfixtures.h"

#include <QtTest>

class TestSkinSourceScan : public QObject
{
    Q_OBJECT

private slots:
    void windowNames_data()
    {
        QTest::addColumn<QList<QStringList>>("files");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("both spellings")
            << QList<QStringList>{{"<window name=\"a\">", "<Window name=\"b\" x=\"1\">"}}
            << QStringList{"a", "b"};
        QTest::newRow("duplicates across files kept")
            << QList<QStringList>{{"<window name=\"a\"/>"}, {"<window name=\"a\"/>"}}
            << QStringList{"a", "a"};
        QTest::newRow("single quotes give nothing")
            << QList<QStringList>{{"<window name='x'>"}} << QStringList();
        QTest::newRow("not a window line")
            << QList<QStringList>{{"<deck name=\"d\">", "</window>"}} << QStringList();
        QTest::newRow("first name on the line")
            << QList<QStringList>{{"<window id=\"1\" name=\"first\" name=\"second\">"}}
            << QStringList{"first"};
    }

    void windowNames()
    {
        QFETCH(QList<QStringList>, files);
        QFETCH(QStringList, names);
        QCOMPARE(sourcescan::windowNames(files), names);
    }

    void windowSkin()
    {
        QTemporaryDir dir;
        const QString zip = dir.filePath(QStringLiteral("windows.zip"));
        QVERIFY(fixtures::writeZip(zip, {{"B.xml", fixtures::xml({"<window name=\"second\">"})},
                                         {"a.xml", fixtures::xml({"<window name=\"first\">"})},
                                         {"w.png", fixtures::png(2, 2)}}));
        const QString work = dir.filePath(QStringLiteral("tempwind"));
        const sourcescan::WindowScan scan = sourcescan::scanWindowSkin(zip, work);
        QCOMPARE(scan.error, QString());
        QCOMPARE(scan.names, (QStringList{"first", "second"}));
        QCOMPARE(QDir(work).entryList(QDir::Files), QStringList());

        QVERIFY(fixtures::writeZip(zip, {{"inner/a.xml", fixtures::xml({"<window name=\"x\">"})}}));
        QCOMPARE(sourcescan::scanWindowSkin(zip, work).error,
                 QStringLiteral("The Zip file doesn't contain any XML files"));
    }

    // Counts that are missing, zero or no number would size the sheet by a division by zero;
    // counts too large would allocate without bound.
    void iconSkin_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("found");
        QTest::newRow("declared") << "<customicons x=\"0\" y=\"0\" iconsize=\"8\" nb=\"4\" nbx=\"2\" />"
                                  << true;
        QTest::newRow("capital C") << "<Customicons x=\"0\" y=\"0\" iconsize=\"8\" nb=\"4\" nbx=\"2\" />"
                                   << true;
        QTest::newRow("zero a row") << "<customicons x=\"0\" y=\"0\" iconsize=\"8\" nb=\"4\" nbx=\"0\" />"
                                    << false;
        QTest::newRow("count a row missing")
            << "<customicons x=\"0\" y=\"0\" iconsize=\"8\" nb=\"4\" />" << false;
        QTest::newRow("count a row not a number")
            << "<customicons iconsize=\"8\" nb=\"4\" nbx=\"four\" />" << false;
        // A sheet larger than an image may be; the second overflowed a 32-bit product.
        QTest::newRow("sheet of 144 megapixels")
            << "<customicons iconsize=\"12000\" nb=\"1\" nbx=\"1\" />" << false;
        QTest::newRow("counts overflowing int")
            << "<customicons iconsize=\"100000\" nb=\"100000\" nbx=\"100000\" />" << false;
    }

    void iconSkin()
    {
        QFETCH(QString, line);
        QFETCH(bool, found);
        QTemporaryDir dir;
        const QString zip = dir.filePath(QStringLiteral("icons.zip"));
        QVERIFY(fixtures::writeZip(zip, {{"i.xml", fixtures::xml({"<skin image=\"i.png\">", line})},
                                         {"i.png", fixtures::png(16, 16)}}));
        const QString work = dir.filePath(QStringLiteral("tempicons"));
        const sourcescan::IconScan scan = sourcescan::scanIconSkin(zip, work);
        QCOMPARE(scan.error, QString());
        QCOMPARE(scan.customIcons, found);
        QCOMPARE(QDir(work).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestSkinSourceScan)
#include "tst_skinsourcescan.moc"
