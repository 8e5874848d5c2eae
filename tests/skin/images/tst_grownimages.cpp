// A grown image carries its picture's coded rows over from the skin's file. Whatever coded
// them, the grown file must decode to what decoding and coding the whole gives. A sound PNG of
// another kind is checked without being carried; anything spoiled is left to the image decoder.

#include "skin/images/codedrows.h"
#include "skin/images/iconsheets.h"
#include "skin/images/imagecompositor.h"
#include "skin/images/imagelimits.h"
#include "skin/images/pluginzone.h"
#include "skin/images/skinimages.h"
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
    int windowBits = 0; // 0: any
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
    const int level = random.bounded(0, 10),
              windowBits = how.windowBits ? how.windowBits : random.bounded(9, 16),
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

// Flat, it has long runs, so that deflate uses matches of every length.
QImage noise(const QSize &size, QRandomGenerator &random, bool flat = false)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor(40, 80, 120, 200));
    for (int y = 0; y < size.height() && !flat; ++y)
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

} // namespace

Q_DECLARE_METATYPE(Coding)

class TestGrownImages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Files from the image library (filters chosen per row), from our own writer (bands joined
    // after full flushes) and hand-made in each of zlib's ways; grown with and without a sheet.
    void carriedRowsGiveTheSamePixels()
    {
        QRandomGenerator random(11);
        const QImage alternative(iconsheets::alternativeSheetPath);
        const Style style = fixtures::defaultStyle();
        const QString source = m_dir.filePath("source.png"), grown = m_dir.filePath("grown.png");
        for (int round = 0; round < 120; ++round) {
            const QImage picture =
                noise({random.bounded(1, 300), random.bounded(1, 40)}, random, round % 3 == 0);
            if (round % 4 == 0)
                QVERIFY(picture.save(source));
            else if (round % 4 == 1)
                QCOMPARE(imagecompositor::writePng(picture, source), QString());
            else { // every other one as an optimiser writes a small picture: with a small window
                Coding how;
                how.windowBits = round % 8 == 2 ? 9 : 0;
                QVERIFY(fixtures::writeFile(source, handMade(picture, how, random)));
            }
            const auto found = codedrows::find(source);
            QVERIFY2(found, qPrintable(QStringLiteral("round %1").arg(round)));
            const QImage sheet = round % 2 ? alternative : QImage();
            const int row =
                picture.height() + (round % 2 ? pluginzone::rowBelowSheet : pluginzone::rowWithoutSheet);
            QCOMPARE(
                imagecompositor::writeCarriedOver(source, *found, picture.size(), sheet, row, style, grown),
                QString());
            QCOMPARE(fixtures::strictPngProblem(fixtures::readFile(grown)), QString());
            QCOMPARE(QImage(grown).convertToFormat(QImage::Format_ARGB32),
                     imagecompositor::compose(picture, sheet, row, style));
            // Built again, the grown file gives its picture's rows back, for other additions.
            const auto again = codedrows::find(grown, picture.height());
            QVERIFY(again && again->cutRows == picture.height());
            QCOMPARE(imagecompositor::writeCarriedOver(grown, *again, picture.size(), {}, row, style, source),
                     QString());
            QCOMPARE(QImage(source).convertToFormat(QImage::Format_ARGB32),
                     imagecompositor::compose(picture, {}, row, style));
        }
    }

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
};

QTEST_MAIN(TestGrownImages)
#include "tst_grownimages.moc"
