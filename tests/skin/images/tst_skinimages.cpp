// The skin's grown images: the icon sheet below the picture, the plugin-zone controls (and the
// editor's knob preview), the floating browser's image, our PNG writer and cut icon sheets.
//
// A grown image also carries its picture's coded rows over from the skin's file. Whatever coded
// them, the grown file must decode to what decoding and coding the whole gives: files from the
// image library, from our own writer and hand-made in each of zlib's ways are seeds of the images
// fuzz target (fuzz/corpus/images/carried-*), replayed by the suite. A sound PNG of another kind
// is checked without being carried; anything spoiled is left to the image decoder.

#include "preview/knobimage.h"
#include "skin/images/codedrows.h"
#include "skin/images/iconsheets.h"
#include "skin/images/imagecompositor.h"
#include "skin/images/imagelimits.h"
#include "skin/images/pluginzone.h"
#include "skin/images/pngwriter.h"
#include "skin/images/skinimages.h"
#include "skin/layout/sourcescan.h"
#include "skinfixtures.h"
#include "strictpng.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <functional>
#include <zlib.h>

namespace {

QByteArray bigEndian(uLong value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(quint32(value), bytes.data());
    return bytes;
}

QByteArray chunk(const char *type, const QByteArray &data)
{
    const QByteArray typed = QByteArray(type, 4) + data;
    return bigEndian(uLong(data.size())) + typed +
           bigEndian(crc32(0, reinterpret_cast<const Bytef *>(typed.constData()), uInt(typed.size())));
}

// How a hand-made file is coded: unfiltered rows deflated in one of zlib's ways, picked at random,
// the stream cut into IDAT chunks of random sizes; the rest spoils it on purpose.
struct Coding
{
    char colourType = 6, depth = 8, interlace = 0, filterOfRow1 = 0;
    int rowsCut = 0;        // bytes taken off the filtered rows, or added as zeros when negative
    QByteArray streamAfter; // added after the zlib stream
    int streamFlip = 0;     // a byte of the stream changed, counted from its end
    bool textAmongRows = false;
};

QByteArray handMade(const QImage &image, const Coding &how, QRandomGenerator &random)
{
    QByteArray rows;
    for (int y = 0; y < image.height(); ++y) {
        rows += char(y == 1 ? how.filterOfRow1 : 0);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            for (const int sample : {qRed(p), qGreen(p), qBlue(p), qAlpha(p)})
                rows += QByteArray(how.depth / 8, char(sample));
            if (how.colourType == 2)
                rows.chop(how.depth / 8);
        }
    }
    rows = how.rowsCut < 0 ? rows + QByteArray(-how.rowsCut, '\0') : rows.left(rows.size() - how.rowsCut);
    z_stream zlib{};
    const int strategies[] = {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_HUFFMAN_ONLY, Z_RLE, Z_FIXED};
    const int level = random.bounded(0, 10), windowBits = random.bounded(9, 16),
              memLevel = random.bounded(1, 10);
    deflateInit2(&zlib, level, Z_DEFLATED, windowBits, memLevel, strategies[random.bounded(5)]);
    QByteArray stream(int(deflateBound(&zlib, uLong(rows.size()))), '\0');
    zlib.next_in = reinterpret_cast<Bytef *>(rows.data());
    zlib.avail_in = uInt(rows.size());
    zlib.next_out = reinterpret_cast<Bytef *>(stream.data());
    zlib.avail_out = uInt(stream.size());
    deflate(&zlib, Z_FINISH);
    stream.resize(int(zlib.total_out));
    deflateEnd(&zlib);
    stream += how.streamAfter;
    if (how.streamFlip > 0)
        stream[stream.size() - how.streamFlip] = char(stream.at(stream.size() - how.streamFlip) ^ 0x10);
    const char kind[] = {how.depth, how.colourType, 0, 0, how.interlace};
    const QByteArray header =
        bigEndian(uLong(image.width())) + bigEndian(uLong(image.height())) + QByteArray(kind, 5);
    QByteArray file = QByteArray("\x89PNG\r\n\x1a\n") + chunk("IHDR", header) + chunk("tEXt", "made\0here");
    for (int at = 0; at < stream.size();) {
        const int size = random.bounded(1, 3) == 1 && at > 0 ? stream.size() : random.bounded(1, 600);
        file +=
            chunk("IDAT", stream.mid(at, size)) + (how.textAmongRows ? chunk("tEXt", "a\0b") : QByteArray());
        at += size;
    }
    return file + chunk("IEND", {});
}

QImage noise(const QSize &size, QRandomGenerator &random)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        random.fillRange(reinterpret_cast<quint32 *>(image.scanLine(y)), size.width());
    return image;
}

// A 2 x 2 picture whose top left pixel is fully transparent and keeps a colour, with `kept` (the
// chunks that describe it) before its rows and `palette` (PLTE and tRNS) when its colour type
// asks for one.
QByteArray described(char depth, char colourType, const QByteArray &kept, const QByteArray &palette)
{
    const QByteArray sample = depth == 16 ? QByteArray(2, '\0') : QByteArray(1, '\0');
    const auto pixel = [&](int r, int g, int b, int a) {
        if (colourType == 3)
            return QByteArray(1, char(a == 0 ? 0 : 1));
        QByteArray out;
        for (const int value : {r, g, b, a})
            out += QByteArray(depth / 8, char(value));
        return out;
    };
    QByteArray rows;
    rows += '\0' + pixel(200, 100, 50, 0) + pixel(9, 9, 9, 255);
    rows += '\0' + pixel(9, 9, 9, 255) + pixel(9, 9, 9, 255);
    const char kind[] = {depth, colourType, 0, 0, 0};
    const QByteArray header = bigEndian(2) + bigEndian(2) + QByteArray(kind, 5);
    return QByteArray("\x89PNG\r\n\x1a\n") + chunk("IHDR", header) + kept + palette +
           chunk("IDAT", qCompress(rows).mid(4)) + chunk("IEND", {});
}

// Vivid plugin colours, far enough apart that antialiased edges still tell them apart.
Style pluginStyle()
{
    Style style = fixtures::defaultStyle();
    const QString colours = QStringLiteral(
        "fx_knobborderout=#c80000 fx_back=#0000c8 fx_knobborder=#00c800 fx_knobfader=#f0f000 "
        "fx_buttonfill_start=#800000 fx_buttonfill_end=#ff8000 fx_overbuttonfill_start=#008000 "
        "fx_overbuttonfill_end=#80ff00 fx_selectbuttonfill_start=#000080 fx_selectbuttonfill_end=#8000ff "
        "fx_knobback_start=#00c8c8 fx_knobback_end=#00c8c8");
    for (const QString &pair : colours.split(QLatin1Char(' ')))
        style.setColour(pair.section(QLatin1Char('='), 0, 0), QColor(pair.section(QLatin1Char('='), 1)));
    return style;
}

QImage filled(int width, int height, const QColor &colour)
{
    return QImage::fromData(fixtures::png(width, height, colour)).convertToFormat(QImage::Format_ARGB32);
}

bool near(QRgb actual, const QColor &expected, int tolerance = 24)
{
    return qAbs(qRed(actual) - expected.red()) <= tolerance &&
           qAbs(qGreen(actual) - expected.green()) <= tolerance &&
           qAbs(qBlue(actual) - expected.blue()) <= tolerance && qAlpha(actual) >= 255 - tolerance;
}

QImage region(const QImage &image, const QRect &area)
{
    return image.copy(area).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

Q_DECLARE_METATYPE(Coding)

class TestSkinImages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Whichever way it grows, an image keeps what describes it and the colour of its fully
    // transparent pixels; an animation stays as it is.
    void grownImagesKeepTheirPicture_data()
    {
        QTest::addColumn<char>("depth");
        QTest::addColumn<char>("colourType");
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<QString>("problem");
        const QByteArray palette =
            chunk("PLTE", QByteArray("\xc8\x64\x32\x09\x09\x09", 6)) + chunk("tRNS", QByteArray("\0\xff", 2));
        QTest::newRow("8-bit RGBA, carried") << char(8) << char(6) << QByteArray() << QString();
        QTest::newRow("16-bit RGBA") << char(16) << char(6) << QByteArray() << QString();
        QTest::newRow("palette with tRNS") << char(8) << char(3) << palette << QString();
        QTest::newRow("animated") << char(8) << char(6) << chunk("acTL", QByteArray(8, '\0'))
                                  << QString("is animated");
    }

    void grownImagesKeepTheirPicture()
    {
        QFETCH(char, depth);
        QFETCH(char, colourType);
        QFETCH(QByteArray, extra);
        QFETCH(QString, problem);
        QByteArray kept;
        for (const auto &[type, data] :
             {std::pair{"tEXt", QByteArray("Author\0me", 9)},
              {"zTXt", QByteArray("Licence\0\0", 9) + qCompress("ours").mid(4)},
              {"iTXt", QByteArray("Title\0\0\0en\0\0x", 13)},
              {"gAMA", bigEndian(45455)},
              {"cHRM",
               QByteArray::fromHex("00007a26000080840000fa00000080e8000075300000ea6000003a9800001770")},
              {"sRGB", QByteArray(1, '\0')},
              {"pHYs", bigEndian(2835) + bigEndian(2835) + '\1'}})
            kept += chunk(type, data);
        const bool palette = colourType == 3;
        const QByteArray file = described(depth, colourType, (palette ? QByteArray() : extra) + kept,
                                          palette ? extra : QByteArray());
        const QString from = m_dir.filePath("from"), to = m_dir.filePath("to");
        QVERIFY(QDir().mkpath(from) && QDir().mkpath(to));
        QVERIFY(fixtures::writeFile(from + "/picture.png", file));
        QCOMPARE(imagelimits::measure(from + "/picture.png").problem, problem);
        if (!problem.isEmpty())
            return;
        skinimages::CodedImages coded;
        if (const auto found = codedrows::find(from + "/picture.png"); found && found->carriable)
            coded.insert("picture.png", *found);
        QCOMPARE(coded.size(), depth == 8 && colourType == 6 ? 1 : 0);
        const ImageJob job{"picture.png", QSize(2, 2), 2 + pluginzone::rowWithoutSheet};
        QCOMPARE(skinimages::paint({job}, coded, {}, fixtures::defaultStyle(), from, to), QString());
        const QByteArray grown = fixtures::readFile(to + "/picture.png");
        QCOMPARE(fixtures::strictPngProblem(grown), QString());
        QVERIFY(grown.contains(kept));
        QCOMPARE(grown.count("pHYs"), 1);
        QCOMPARE(QImage(to + "/picture.png").convertToFormat(QImage::Format_ARGB32).pixel(0, 0),
                 qRgba(200, 100, 50, 0));
    }

    void spoiledFilesAreLeftToTheDecoder_data()
    {
        QTest::addColumn<Coding>("how");
        QTest::addColumn<int>("cut");  // bytes taken off the file's end
        QTest::addColumn<int>("flip"); // a byte of the file changed, counted from its end; 0 for none
        QTest::addColumn<QString>("verdict");
        const auto row = [](const char *name, const char *verdict, const std::function<void(Coding &)> &spoil,
                            int cut = 0, int flip = 0) {
            Coding how;
            spoil(how);
            QTest::newRow(name) << how << cut << flip << QString(verdict);
        };
        const auto sound = [](Coding &) {};
        row("sound", "carried", sound);
        row("RGB", "checked", [](Coding &how) { how.colourType = 2; });
        row("16 bits", "checked", [](Coding &how) { how.depth = 16; });
        row("interlaced", "left", [](Coding &how) { how.interlace = 1; });
        row("a row with filter 5", "left", [](Coding &how) { how.filterOfRow1 = 5; });
        row("a byte too few", "left", [](Coding &how) { how.rowsCut = 1; });
        row("a row too many", "left", [](Coding &how) { how.rowsCut = -(1 + 4 * 40); });
        row("data after the stream", "left", [](Coding &how) { how.streamAfter = "x"; });
        row("the stream's checksum wrong", "left", [](Coding &how) { how.streamFlip = 1; });
        row("other chunks among the rows", "left", [](Coding &how) { how.textAmongRows = true; });
        row("file cut short", "left", sound, 12 + 3);
        row("a chunk's checksum wrong", "left", sound, 0, 12 + 1);
    }

    void spoiledFilesAreLeftToTheDecoder()
    {
        QFETCH(Coding, how);
        QFETCH(int, cut);
        QFETCH(int, flip);
        QFETCH(QString, verdict);
        QRandomGenerator random(3);
        QByteArray file = handMade(noise({40, 7}, random), how, random);
        file.chop(cut);
        if (flip > 0)
            file[file.size() - flip] = char(file.at(file.size() - flip) ^ 0x10);
        QVERIFY(fixtures::writeFile(m_dir.filePath("odd.png"), file));
        const auto found = codedrows::find(m_dir.filePath("odd.png"));
        QCOMPARE(QString(!found ? "left" : found->carriable ? "carried" : "checked"), verdict);
    }

    // Each control shows its own colour somewhere; where it sits is the painter's business.
    void controlsHaveThePluginColours()
    {
        const Style style = pluginStyle();
        const auto shows = [&style](const QImage &image, const char *key) {
            int found = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    found += near(image.pixel(x, y), style.colour(key));
            return found >= 4;
        };
        const QImage skin = imagecompositor::compose(filled(400, 100, Qt::white), QImage(), 106, style);
        for (const char *key :
             {"fx_back", "fx_knobborderout", "fx_knobborder", "fx_knobfader", "fx_buttonfill_start",
              "fx_buttonfill_end", "fx_overbuttonfill_start", "fx_overbuttonfill_end",
              "fx_selectbuttonfill_start", "fx_selectbuttonfill_end"})
            QVERIFY2(shows(skin, key), key);
        const QImage knob = preview::knobImage(style);
        for (const char *key :
             {"fx_back", "fx_knobborderout", "fx_knobborder", "fx_knobback_start", "fx_knobfader"})
            QVERIFY2(shows(knob, key), key);
    }

    void imageGrowsBelowThePicture_data()
    {
        QTest::addColumn<IconSet>("set");
        QTest::addColumn<bool>("paint");
        QTest::addColumn<int>("height");
        QTest::newRow("default, colours changed") << IconSet::Default << true << 100 + 66;
        QTest::newRow("alternative, colours changed") << IconSet::Alternative << true << 100 + 661;
        QTest::newRow("white, colours kept") << IconSet::White << false << 100 + 10 + 580;
    }

    // The picture stays as it was; below it the sheet from row h+1, then the controls.
    void imageGrowsBelowThePicture()
    {
        QFETCH(IconSet, set);
        QFETCH(bool, paint);
        QFETCH(int, height);
        const QImage skin = filled(1200, 100, QColor(10, 20, 30));
        const QImage sheet = set == IconSet::Default
                                 ? QImage()
                                 : QImage(set == IconSet::White ? iconsheets::whiteSheetPath
                                                                : iconsheets::alternativeSheetPath);
        const int row = 100 + (sheet.isNull() ? pluginzone::rowWithoutSheet : pluginzone::rowBelowSheet);
        const QImage grown = imagecompositor::compose(
            skin, sheet, paint ? std::optional<int>(row) : std::nullopt, fixtures::defaultStyle());
        QCOMPARE(grown.size(), QSize(1200, height));
        QCOMPARE(region(grown, QRect(0, 0, 1200, 100)), skin);
        if (!sheet.isNull())
            QCOMPARE(region(grown, QRect(QPoint(0, 101), sheet.size())),
                     sheet.convertToFormat(QImage::Format_ARGB32));
        // Nothing is drawn in the gap below the picture, nor beside what follows it.
        QCOMPARE(qAlpha(grown.pixel(600, 100)), 0);
        QCOMPARE(qAlpha(grown.pixel(1190, height - 1)), 0);
        // The knob body sits at x 17-48, 24 rows below the plugin row.
        if (paint)
            QCOMPARE(qAlpha(grown.pixel(33, row + 24)), 255);
    }

    void writtenPngHoldsThePixels_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("alpha");
        QTest::addColumn<int>("flatRows"); // rows of one colour at the top, coded another way than noise
        const int band = pngwriter::bandRows(1000 * 4 + 1);
        QTest::newRow("1 x 1") << QSize(1, 1) << true << 0;
        for (const int rows : {band - 1, band, band + 1, 2 * band + 1})
            QTest::addRow("%d rows, band of %d", rows, band) << QSize(1000, rows) << true << 0;
        QTest::newRow("flat band, then noise") << QSize(1000, 2 * band + 1) << true << band + 3;
        QTest::newRow("no alpha") << QSize(333, 2 * pngwriter::bandRows(333 * 3 + 1) + 1) << false << 0;
        QTest::newRow("large") << QSize(2500, 1700) << true << 0;
    }

    // Random pixels of every alpha, in bands coded on their own.
    void writtenPngHoldsThePixels()
    {
        QFETCH(QSize, size);
        QFETCH(bool, alpha);
        QFETCH(int, flatRows);
        QImage image(size, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < image.height(); ++y) {
            auto *row = reinterpret_cast<quint32 *>(image.scanLine(y));
            if (y < flatRows)
                std::fill_n(row, image.width(), 0x80402010u);
            else
                random.fillRange(row, image.width());
        }
        const QString path = m_dir.filePath("written.png");
        QCOMPARE(imagecompositor::writePng(image, path), QString());
        QCOMPARE(fixtures::strictPngProblem(fixtures::readFile(path)), QString());
        const QImage read(path);
        QCOMPARE(read.hasAlphaChannel(), alpha);
        QCOMPARE(read.convertToFormat(QImage::Format_ARGB32), image.convertToFormat(QImage::Format_ARGB32));
    }

    void floatingBrowserImage()
    {
        const QImage image = imagecompositor::floatingBrowserImage(pluginStyle());
        QCOMPARE(image.size(), QSize(801, 270));
        const QImage original(":/new/images/myfiles/browserfloat.png");
        QCOMPARE(region(image, QRect(0, 0, 801, 204)), original.convertToFormat(QImage::Format_ARGB32));
        QVERIFY(near(image.pixel(83, 210 + 12), pluginStyle().colour("fx_knobfader")));
    }

    void firstUsableDeclarationIsCut()
    {
        QTemporaryDir folder;
        QImage icons(64, 64, QImage::Format_ARGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                icons.setPixel(x, y, qRgba(x * 4, y * 4, 7, 255));
        QVERIFY(icons.save(folder.filePath("icons.png")));
        // The first file's declaration lacks its count a row, so the second one's is cut.
        const QByteArray skin =
            "<skin image=\"icons.png\">\n<customicons x=\"10\" y=\"20\" iconsize=\"8\" nb=\"6\"";
        QVERIFY(fixtures::writeFile(folder.filePath("0.xml"), skin + " />\n"));
        QVERIFY(fixtures::writeFile(folder.filePath("1.xml"), skin + " nbx=\"3\" />\n"));
        const auto sheet = sourcescan::findDeclaration(
            sourcescan::readLayouts(folder.path(), sourcescan::scannedElements()));
        QVERIFY(sheet && sheet->imageName == "icons.png");
        const QRect area(sheet->x, sheet->y, sheet->layout.width(), sheet->layout.height());
        QCOMPARE(
            iconsheets::cut(folder.path(), sheet->imageName, area).convertToFormat(QImage::Format_ARGB32),
            icons.copy(10, 20, 24, 16));
        // A sheet whose image is missing or outside the folder cuts nothing.
        for (const char *image : {"gone.png", "../icons.png"})
            QVERIFY(iconsheets::cut(folder.path(), image, QRect(0, 0, 8, 8)).isNull());
    }
};

QTEST_MAIN(TestSkinImages)
#include "tst_skinimages.moc"
