// Whole builds where the layout's own form or the archive's dates must come through: line ends
// around every span the build splices, layouts with a DOCTYPE, and the dates of added entries.

#include "skin/skinbuilder.h"
#include "skinfixtures.h"
#include "style/resources.h"

#include <QTemporaryDir>
#include <QtTest>
#include <quazip/quazip.h>
#include <quazip/quazipfileinfo.h>

namespace {

const QByteArray skinLine = "<skin image=\"skin.png\">";

// The date of every entry of an archive, by name.
QMap<QString, QDateTime> entryDates(const QString &path)
{
    QMap<QString, QDateTime> dates;
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return dates;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        zip.getCurrentFileInfo(&info);
        dates.insert(info.name, info.dateTime);
    }
    return dates;
}

} // namespace

class BuiltSkinsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    Style m_style;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Builds a skin of `layout` on a 400x300 skin.png with the built-in white icons and a
    // floating browser, so the build removes a line, adds lines and fills the browser.
    BuildResult build(const QByteArray &layout, QByteArray *out)
    {
        fixtures::writeZip(path("skin.zip"), {{"a.xml", layout}, {"skin.png", fixtures::png(400, 300)}});
        SkinBuildOptions options;
        options.selectedSkinFile = path("skin.zip");
        options.outputPath = path("out.zip");
        options.iconSet = IconSet::White;
        options.floatBrowser = true;
        QFile::remove(options.outputPath);
        const BuildResult result = SkinBuilder::build(options, m_style, path("work"));
        *out = fixtures::readZip(path("out.zip")).value("a.xml");
        return result;
    }

private slots:
    void initTestCase()
    {
        initPanelcraftResources();
        m_style = fixtures::defaultStyle();
    }

    // Lines the build removes go with their whole line end, lines it adds take the layout's
    // first: no end is left half, and none of another kind appears.
    void lineEndsAroundEverySplice_data()
    {
        QTest::addColumn<QByteArray>("layout");
        QTest::addColumn<QString>("ends"); // the output's line ends in order: L (LF), C (CR), W (CRLF)
        const QByteArray body =
            skinLine + "#\t<customicons x=\"5\" nb=\"8\" />#<browser>#</browser>#</skin>#";
        QTest::newRow("CRLF") << QByteArray(body).replace('#', "\r\n") << "W+";
        QTest::newRow("CR") << QByteArray(body).replace('#', "\r") << "C+";
        QTest::newRow("LF then CRLF")
            << skinLine + "\n\t<customicons nb=\"8\" />\r\n<browser>\r\n</browser>\r\n</skin>\r\n"
            << "L+WL+W";
    }
    void lineEndsAroundEverySplice()
    {
        QFETCH(QByteArray, layout);
        QFETCH(QString, ends);
        QByteArray out;
        const BuildResult result = build(layout, &out);
        QVERIFY2(result.ok, qPrintable(result.message));
        QVERIFY2(!out.contains("customicons x=\"5\""), out);
        QByteArray found;
        for (int i = 0; i < out.size(); ++i) {
            if (out.at(i) == '\r' && out.mid(i + 1, 1) == "\n")
                found += 'W', ++i;
            else if (out.at(i) == '\r' || out.at(i) == '\n')
                found += out.at(i) == '\r' ? 'C' : 'L';
        }
        QVERIFY2(QRegularExpression("^" + ends + "$").match(found).hasMatch(), found + "\n" + out);
    }

    // A layout that declares its own entities is left byte for byte, with a warning; a DOCTYPE
    // alone changes nothing.
    void layoutsWithADoctype_data()
    {
        QTest::addColumn<QByteArray>("doctype");
        QTest::addColumn<bool>("rewritten");
        QTest::newRow("no entities") << QByteArray("<!DOCTYPE skin>") << true;
        QTest::newRow("internal subset without entities")
            << QByteArray("<!DOCTYPE skin [<!ELEMENT skin ANY>]>") << true;
        QTest::newRow("own entity") << QByteArray("<!DOCTYPE skin [<!ENTITY w \"40\">]>") << false;
    }
    void layoutsWithADoctype()
    {
        QFETCH(QByteArray, doctype);
        QFETCH(bool, rewritten);
        const QByteArray layout =
            "<?xml version=\"1.0\"?>\n" + doctype + "\n" + skinLine + "\n<browser>\n</browser>\n</skin>\n";
        QByteArray out;
        const BuildResult result = build(layout, &out);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(out == layout, !rewritten);
        QVERIFY(out.startsWith("<?xml version=\"1.0\"?>\n" + doctype + "\n"));
        QCOMPARE(result.warnings.size(), rewritten ? 0 : 1);
        if (!rewritten)
            QVERIFY2(result.warnings.at(0).contains(
                         "\"a.xml\" declares entities of its own; it was left as it is"),
                     qPrintable(result.warnings.at(0)));
    }

    // Added files are dated like the skin's newest entry, so a build of the same skin gives the
    // same archive; an undated skin gives them the earliest date a zip entry holds.
    void addedEntriesTakeTheSkinsDate_data()
    {
        QTest::addColumn<bool>("dated");
        QTest::newRow("dated skin") << true;
        QTest::newRow("undated skin") << false;
    }
    void addedEntriesTakeTheSkinsDate()
    {
        QFETCH(bool, dated);
        const QByteArray layout = skinLine + "\n<browser>\n</browser>\n</skin>\n";
        QVERIFY(
            fixtures::writeZip(path("skin.zip"), {{"a.xml", layout}, {"skin.png", fixtures::png(400, 300)}}));
        QByteArray bytes = fixtures::readFile(path("skin.zip"));
        // Local headers hold the DOS time and date at 10, the central directory at 12.
        for (const auto &[signature, at] : {std::pair("PK\x03\x04", 10), std::pair("PK\x01\x02", 12)})
            for (int i = bytes.indexOf(signature); i >= 0; i = bytes.indexOf(signature, i + 4))
                bytes.replace(i + at, 4, dated ? QByteArray("\x20\x5a\x87\x53", 4) : QByteArray(4, '\0'));
        QVERIFY(fixtures::writeFile(path("skin.zip"), bytes));
        SkinBuildOptions options;
        options.selectedSkinFile = path("skin.zip");
        options.outputPath = path("dated.zip");
        options.floatBrowser = true;
        const BuildResult result = SkinBuilder::build(options, m_style, path("work"));
        QVERIFY2(result.ok, qPrintable(result.message));
        // 0x5a20 is 11:17:00, 0x5387 is 2021-12-07.
        const QDateTime expected =
            dated ? QDateTime(QDate(2021, 12, 7), QTime(11, 17)) : QDateTime(QDate(1980, 1, 1), QTime(0, 0));
        const QMap<QString, QDateTime> dates = entryDates(options.outputPath);
        QCOMPARE(dates.value("browserfloat.png"), expected);
        QFile::remove(options.outputPath);
    }
};

QTEST_GUILESS_MAIN(BuiltSkinsTest)
#include "tst_builtskins.moc"
