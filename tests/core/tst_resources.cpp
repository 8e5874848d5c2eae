// Table files (reading rules, deriving a style, writing profiles), unknown keys, and the
// compiled-in tables and images: complete tables in key-table order, icon sheets that really
// hold 144 different icons, and committed PNGs that are what the generator draws.

#include "artwork.h"
#include "skinfixtures.h"
#include "style/resources.h"
#include "style/tablefile.h"

#include <QHash>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int iconSize = 64;
constexpr int iconColumns = 16;
constexpr int iconCount = 144;

// The key of every line.
QList<QByteArray> keys(const QByteArray &text)
{
    QList<QByteArray> keys;
    for (const QByteArray &line : text.split('\n'))
        keys << line.left(line.indexOf('='));
    return keys;
}

} // namespace

class ResourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initPanelcraftResources(); }

    void unknownKeysAreReportedAndChangeNothing()
    {
        Style style;
        style.colours.fill(QColor(Qt::red));
        const Style before = style;
        QTest::ignoreMessage(QtCriticalMsg, "Unknown colour key \"list_txet\"");
        QVERIFY(!style.colour("list_txet").isValid());
        QTest::ignoreMessage(QtCriticalMsg, "Unknown colour key \"list_txet\"");
        style.setColour("list_txet", Qt::blue);
        QTest::ignoreMessage(QtCriticalMsg, "Unknown font group \"skni\"");
        style.font("skni").size = 40;
        QTest::ignoreMessage(QtCriticalMsg, "Unknown font group \"skni\"");
        QCOMPARE(std::as_const(style).font("skni"), FontSpec());
        QVERIFY(style.colours == before.colours && style.fonts == before.fonts);
    }

    void readRules_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << QByteArray("list_text=#ff0000\r\n") << "list_text"
                               << "#ff0000";
        QTest::newRow("second equals drops the rest") << QByteArray("list_text=#ff0000=x\r\n") << "list_text"
                                                      << "#ff0000";
        QTest::newRow("nothing trimmed") << QByteArray("list_text = #ff0000\r\n") << "list_text "
                                         << " #ff0000";
        QTest::newRow("later line wins") << QByteArray("a=#111111\r\na=#222222\r\n") << "a"
                                         << "#222222";
        QTest::newRow("LF only") << QByteArray("a=1\nb=2\n") << "b"
                                 << "2";
        QTest::newRow("no final line end") << QByteArray("a=1\r\nb=2") << "b"
                                           << "2";
        QTest::newRow("empty value") << QByteArray("a=\r\n") << "a"
                                     << "";
        QTest::newRow("line without equals skipped") << QByteArray("junk\r\n\r\nb=2\r\n") << "b"
                                                     << "2";
    }

    void readRules()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QTemporaryDir dir;
        QVERIFY(fixtures::writeFile(dir.filePath("table.ini"), content));
        StyleTable table;
        QVERIFY(tablefile::read(dir.filePath("table.ini"), table));
        QCOMPARE(table.value(key, "<missing>"), value);
        QVERIFY(!table.contains("junk") && !table.contains(""));
        // A missing file leaves the table alone.
        QVERIFY(!tablefile::read(dir.filePath("missing.ini"), table));
        QCOMPARE(table.value(key, "<missing>"), value);
    }

    void oddValuesDerive()
    {
        StyleTable table;
        tablefile::read(tablefile::defaultTablePath, table);
        table.insert("skinfontsize", "abc");
        table.insert("list_text", "not a colour");
        table.insert("list_over", "transparent");
        const Style style = tablefile::derive(table);
        QCOMPARE(style.font("skin").size, 0);
        QVERIFY(!style.colour("list_text").isValid());
        QCOMPARE(style.colour("list_over").alpha(), 0);
    }

    // The one golden check of the format tables and profiles share.
    void profileTextIsTheTableFormat()
    {
        Style style = fixtures::defaultStyle();
        style.setColour("list_text", QColor());
        style.setColour("list_stripes", QColor());
        style.setColour("grids_text", QColor("#ABCDEF"));
        style.setColour("list_over", QColor(0x11, 0x22, 0x33, 0x44));
        const QByteArray text = tablefile::profileText(style);
        QCOMPARE(text.count("\r\n"), stylekeys::tableLineCount);
        QCOMPARE(text.count('\n'), stylekeys::tableLineCount);
        QVERIFY(text.endsWith("\r\n"));
        QVERIFY(text.contains("\r\nlist_text=#000000\r\n"));
        QVERIFY(text.contains("\r\nlist_stripes=#ff000000\r\n"));
        QVERIFY(text.contains("\r\ngrids_text=#abcdef\r\n"));
        QVERIFY(text.contains("\r\nlist_over=#44112233\r\n")); // transparency chosen in its row survives
        QVERIFY(text.startsWith("backgroundcolor=#ff202020\r\nseperatorline=#7e7e7e\r\n"));
        QVERIFY(text.endsWith("toolbarfontname=Arial\r\ntoolbarfontsize=16\r\ntoolbarfontweight=Normal\r\n"));
    }

    // Profiles are written in key-table order, so the built-in tables hold every key in that
    // order, each with a usable value, in CR LF lines.
    void builtInTablesFollowTheKeyTable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("dark") << tablefile::defaultTablePath;
        QTest::newRow("white") << tablefile::whiteTablePath;
    }

    void builtInTablesFollowTheKeyTable()
    {
        QFETCH(QString, path);
        const QByteArray content = fixtures::readFile(path);
        QVERIFY(content.endsWith("\r\n") && content.count('\n') == content.count("\r\n") &&
                content.count('\r') == content.count("\r\n"));
        StyleTable table;
        QVERIFY(tablefile::read(path, table));
        const Style style = tablefile::derive(table);
        QCOMPARE(keys(content), keys(tablefile::profileText(style)));
        for (const QColor &colour : style.colours)
            QVERIFY(colour.isValid());
        for (const FontSpec &font : style.fonts)
            QVERIFY(font.size > 0 && (font.weight == "Normal" || font.weight == "Bold"));
    }

    void iconSheets_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("lightGlyphs");
        QTest::newRow("alternative") << QStringLiteral(":/new/images/myfiles/ICONS.png") << true;
        QTest::newRow("white") << QStringLiteral(":/new/images/myfiles/ICONSWHITE.png") << false;
    }

    void iconSheets()
    {
        QFETCH(QString, path);
        QFETCH(bool, lightGlyphs);
        const QImage sheet = QImage(path).convertToFormat(QImage::Format_ARGB32);

        QHash<QByteArray, int> seen;
        qint64 inkSum = 0, inkPixels = 0;
        for (int i = 0; i < iconCount; ++i) {
            const QImage icon =
                sheet.copy(i % iconColumns * iconSize, i / iconColumns * iconSize, iconSize, iconSize);
            int covered = 0;
            for (int y = 0; y < iconSize; ++y) {
                for (int x = 0; x < iconSize; ++x) {
                    const QRgb pixel = icon.pixel(x, y);
                    covered += qAlpha(pixel) > 0;
                    if (qAlpha(pixel) == 255) {
                        inkSum += (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3;
                        ++inkPixels;
                    }
                }
            }
            // Even the slimmest glyph (a minus) covers a few hundred pixels; a speck is no icon.
            QVERIFY2(covered > iconSize * iconSize / 20, qPrintable(QString("icon %1 is empty").arg(i)));
            const QByteArray pixels(reinterpret_cast<const char *>(icon.constBits()),
                                    int(icon.sizeInBytes()));
            QVERIFY2(!seen.contains(pixels),
                     qPrintable(QString("icons %1 and %2 are the same").arg(seen[pixels]).arg(i)));
            seen.insert(pixels, i);
        }

        // Light glyphs for dark browsers, dark glyphs for white ones.
        QVERIFY(inkPixels > 0);
        const qint64 meanInk = inkSum / inkPixels;
        QVERIFY2(lightGlyphs ? meanInk > 180 : meanInk < 75, qPrintable(QString::number(meanInk)));
    }

    void committedImagesAreTheGeneratorsOutput_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(artwork::files.size()); ++i)
            QTest::newRow(artwork::files[std::size_t(i)].name) << i;
    }

    void committedImagesAreTheGeneratorsOutput()
    {
        QFETCH(int, index);
        const artwork::File &file = artwork::files[std::size_t(index)];
        const QString committed =
            qEnvironmentVariable("PANELCRAFT_SOURCE_DIR") + QStringLiteral("/resources/myfiles/") + file.name;
        const QImage onDisk = QImage(committed).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!onDisk.isNull(), qPrintable(committed));
        const QImage drawn = file.draw().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn.size(), onDisk.size());
        // Qt picks its raster code per processor at run time, so anti-aliased edges may differ by
        // a step or two between machines; anything more is a real change of the artwork.
        QVERIFY2(fixtures::nearlyEqual(onDisk, drawn), file.name);
    }
};

QTEST_GUILESS_MAIN(ResourcesTest)
#include "tst_resources.moc"
