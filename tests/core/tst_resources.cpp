// The compiled-in tables and images: complete tables in key-table order, exact image sizes, icon
// sheets that really hold 144 different icons, and committed PNGs that are what the generator draws.

#include "artwork.h"
#include "skinfixtures.h"
#include "style/resources.h"
#include "style/tablefile.h"

#include <QHash>
#include <QTest>

namespace {

constexpr int iconSize = 64;
constexpr int iconColumns = 16;
constexpr int iconCount = 144;

// The file's lines, or nothing unless every line, the last one too, ends in CR LF and no other
// line break occurs.
QList<QByteArray> crlfLines(const QString &path)
{
    QFile file(path);
    const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!content.endsWith("\r\n") || content.count('\n') != content.count("\r\n") ||
        content.count('\r') != content.count("\r\n"))
        return {};
    QList<QByteArray> lines = content.split('\n');
    lines.removeLast();
    for (QByteArray &line : lines)
        line.chop(1);
    return lines;
}

} // namespace

class ResourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initPanelcraftResources(); }

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
        QStringList expectedKeys;
        for (const stylekeys::ColourKey &key : stylekeys::colourKeys)
            expectedKeys << QLatin1String(key.key);
        for (const stylekeys::FontGroupKey &group : stylekeys::fontGroups)
            expectedKeys << stylekeys::nameKey(group) << stylekeys::sizeKey(group)
                         << stylekeys::weightKey(group);
        QStringList keys;
        for (const QByteArray &line : crlfLines(path))
            keys << QString::fromLatin1(line.left(line.indexOf('=')));
        QCOMPARE(keys, expectedKeys);

        StyleTable table;
        QVERIFY(tablefile::read(path, table));
        const Style style = tablefile::derive(table);
        for (const QColor &colour : style.colours)
            QVERIFY(colour.isValid());
        for (const FontSpec &font : style.fonts) {
            QVERIFY(font.size > 0);
            QVERIFY(font.weight == "Normal" || font.weight == "Bold");
        }
    }

    void tooltipsAreCrLfLines()
    {
        const QList<QByteArray> lines = crlfLines(QStringLiteral(":/new/images/myfiles/tooltips.ini"));
        QVERIFY(!lines.isEmpty());
        for (const QByteArray &line : lines)
            QVERIFY2(line.indexOf('=') > 0, line.constData());
    }

    void imageSizes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        const struct
        {
            const char *path;
            QSize size;
        } images[] = {
            {":/new/images/myfiles/ICONS.png", {1144, 590}},
            {":/myfiles/icons/ICONS.png", {1144, 590}},
            {":/new/images/myfiles/ICONSWHITE.png", {1026, 580}},
            {":/myfiles/icons/ICONSWHITE.png", {1026, 580}},
            {":/new/images/myfiles/browserfloat.png", {801, 204}},
            {":/new/images/myfiles/question.png", {21, 21}},
            {":/myfiles/myfiles/Warning.png", {21, 21}},
            {":/myfiles/quillologo.png", {128, 128}},
        };
        for (const auto &image : images)
            QTest::newRow(image.path) << QString::fromLatin1(image.path) << image.size;
    }

    void imageSizes()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QCOMPARE(QImage(path).size(), size);
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
        QVERIFY(!sheet.isNull());

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
            QVERIFY2(covered > iconSize * iconSize / 20,
                     qPrintable(QStringLiteral("icon %1 is empty").arg(i)));
            const QByteArray pixels(reinterpret_cast<const char *>(icon.constBits()),
                                    int(icon.sizeInBytes()));
            QVERIFY2(
                !seen.contains(pixels),
                qPrintable(QStringLiteral("icons %1 and %2 are the same").arg(seen.value(pixels)).arg(i)));
            seen.insert(pixels, i);
        }

        const QRect grid(0, 0, iconColumns * iconSize, iconCount / iconColumns * iconSize);
        for (int y = 0; y < sheet.height(); ++y) {
            for (int x = grid.contains(0, y) ? grid.width() : 0; x < sheet.width(); ++x)
                QVERIFY2(qAlpha(sheet.pixel(x, y)) == 0,
                         qPrintable(QStringLiteral("(%1, %2) is not clear").arg(x).arg(y)));
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
