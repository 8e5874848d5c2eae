// The archive the build writes: the dates of the entries it adds.

#include "skin/skinbuilder.h"
#include "skinfixtures.h"
#include "style/resources.h"

#include <QTemporaryDir>
#include <QtTest>
#include <quazip/quazip.h>
#include <quazip/quazipfileinfo.h>

class ArchiveRepackTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initPanelcraftResources(); }

    // Added files are dated like the skin's newest entry, so a build of the same skin gives the
    // same archive; an undated skin gives them the earliest date a zip entry holds.
    void addedEntriesTakeTheSkinsDate_data()
    {
        QTest::addColumn<QByteArray>("stamp"); // DOS time and date, as stored
        QTest::addColumn<QDateTime>("expected");
        QTest::newRow("dated skin") << QByteArray("\x20\x5a\x87\x53", 4) // 11:17:00, 2021-12-07
                                    << QDateTime(QDate(2021, 12, 7), QTime(11, 17));
        QTest::newRow("undated skin") << QByteArray(4, '\0') << QDateTime(QDate(1980, 1, 1), QTime(0, 0));
    }
    void addedEntriesTakeTheSkinsDate()
    {
        QFETCH(QByteArray, stamp);
        QFETCH(QDateTime, expected);
        QTemporaryDir dir;
        SkinBuildOptions options;
        options.selectedSkinFile = dir.filePath("skin.zip");
        options.outputPath = dir.filePath("out.zip");
        options.floatBrowser = true;
        QVERIFY(fixtures::writeZip(options.selectedSkinFile,
                                   {{"a.xml", fixtures::xml({"<skin image=\"skin.png\">", "</skin>"})},
                                    {"skin.png", fixtures::png(400, 300)}}));
        QByteArray bytes = fixtures::readFile(options.selectedSkinFile);
        // Local headers hold the time and date at 10, the central directory at 12.
        for (const auto &[signature, at] : {std::pair("PK\x03\x04", 10), std::pair("PK\x01\x02", 12)})
            for (int i = bytes.indexOf(signature); i >= 0; i = bytes.indexOf(signature, i + 4))
                bytes.replace(i + at, 4, stamp);
        QVERIFY(fixtures::writeFile(options.selectedSkinFile, bytes));
        const BuildResult result =
            SkinBuilder::build(options, fixtures::defaultStyle(), dir.filePath("work"));
        QVERIFY2(result.ok, qPrintable(result.message));
        QuaZip zip(options.outputPath);
        QuaZipFileInfo64 added;
        QVERIFY(zip.open(QuaZip::mdUnzip) && zip.setCurrentFile("browserfloat.png") &&
                zip.getCurrentFileInfo(&added));
        QCOMPARE(added.dateTime, expected);
    }
};

QTEST_GUILESS_MAIN(ArchiveRepackTest)
#include "tst_archiverepack.moc"
