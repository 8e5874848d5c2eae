// A grown image carries its picture's coded rows over from the skin's file. Whatever coded
// them, the grown file must decode to what decoding and coding the whole gives. A sound PNG of
// another kind is checked without being carried; anything spoiled is left to the image decoder.

#include "skin/images/codedrows.h"
#include "skin/images/iconsheets.h"
#include "skin/images/imagecompositor.h"
#include "skin/images/pluginzone.h"
#include "skinfixtures.h"

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

// Flat, it has long runs, so that deflate uses matches of every length.
QImage noise(const QSize &size, QRandomGenerator &random, bool flat = false)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor(40, 80, 120, 200));
    for (int y = 0; y < size.height() && !flat; ++y)
        random.fillRange(reinterpret_cast<quint32 *>(image.scanLine(y)), size.width());
    return image;
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
            else
                QVERIFY(fixtures::writeFile(source, handMade(picture, {}, random)));
            const auto found = codedrows::find(source);
            QVERIFY2(found, qPrintable(QStringLiteral("round %1").arg(round)));
            const QImage sheet = round % 2 ? alternative : QImage();
            const int row =
                picture.height() + (round % 2 ? pluginzone::rowBelowSheet : pluginzone::rowWithoutSheet);
            QCOMPARE(
                imagecompositor::writeCarriedOver(source, *found, picture.size(), sheet, row, style, grown),
                QString());
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
