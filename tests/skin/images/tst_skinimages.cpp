// SPDX-License-Identifier: GPL-3.0-or-later
// The skin's grown images: the icon sheet below the picture, the plugin-zone controls (and the
// editor's knob preview), the floating browser's image, our PNG writer, cut icon sheets, and what
// a grown image keeps of its picture's file.
//
// A grown image also carries its picture's coded rows over from the skin's file. Whatever coded
// them, the grown file must decode to what decoding and coding the whole gives, and rows are
// carried only from a file a strict reader opens: the images fuzz target's property, over seeds
// the suite replays (fuzz/corpus/images): carried-* from the image library, from our own writer
// and hand-made in each of zlib's ways; handmade-* sound of every kind and spoiled-* spoiled in
// every way the rows' check looks for.

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

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cstring>
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

// A 2 x 2 picture (grey when its colour type says so) whose top left pixel is fully transparent and keeps a
// colour, with `kept` (the chunks that describe it) before its rows and `palette` (PLTE and tRNS) when its
// colour type asks for one.
QByteArray described(char depth, char colourType, const QByteArray &kept, const QByteArray &palette)
{
    const QByteArray sample = depth == 16 ? QByteArray(2, '\0') : QByteArray(1, '\0');
    const auto pixel = [&](int r, int g, int b, int a) {
        if (colourType == 3)
            return QByteArray(1, char(a == 0 ? 0 : 1));
        QByteArray out;
        for (const int value : colourType == 4 ? QVector<int>{r, a} : QVector<int>{r, g, b, a})
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

class TestSkinImages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Whichever way it grows, an image keeps what describes it and the colour of its fully
    // transparent pixels; an animation stays as it is, a file that lies about a chunk is not read.
    void grownImagesKeepTheirPicture_data()
    {
        QTest::addColumn<char>("depth");
        QTest::addColumn<char>("colourType");
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<int>("cut"); // bytes cut off the end
        const QByteArray palette =
            chunk("PLTE", QByteArray("\xc8\x64\x32\x09\x09\x09", 6)) + chunk("tRNS", QByteArray("\0\xff", 2));
        const QString damaged("is damaged and cannot be decoded");
        QTest::newRow("8-bit RGBA, carried") << char(8) << char(6) << QByteArray() << QString() << 0;
        QTest::newRow("16-bit RGBA") << char(16) << char(6) << QByteArray() << QString() << 0;
        QTest::newRow("grey with alpha") << char(8) << char(4) << QByteArray() << QString() << 0;
        QTest::newRow("palette with tRNS") << char(8) << char(3) << palette << QString() << 0;
        QTest::newRow("animated") << char(8) << char(6) << chunk("acTL", QByteArray(8, '\0'))
                                  << QString("is animated") << 0;
        // A reader would set aside the 1.5 GB the text claims before finding 4 bytes.
        QTest::newRow("a chunk longer than the file")
            << char(8) << char(6) << QByteArray::fromHex("5d000004") + "tEXtmade" + QByteArray(4, '\0')
            << damaged << 0;
        QTest::newRow("cut inside its last checksum") << char(8) << char(6) << QByteArray() << damaged << 1;
    }

    void grownImagesKeepTheirPicture()
    {
        QFETCH(char, depth);
        QFETCH(char, colourType);
        QFETCH(QByteArray, extra);
        QFETCH(QString, problem);
        QFETCH(int, cut);
        QByteArray kept;
        for (const auto &[type, data] :
             {std::pair{"tEXt", QByteArray("Author\0me", 9)},
              {"zTXt", QByteArray("Licence\0\0", 9) + qCompress("ours").mid(4)},
              {"iTXt", QByteArray("Title\0\0\0en\0\0x", 13)},
              {"gAMA", bigEndian(45455)},
              {"cHRM",
               QByteArray::fromHex("00007a26000080840000fa00000080e8000075300000ea6000003a9800001770")},
              {"pHYs", bigEndian(2835) + bigEndian(2835) + '\1'},
              {"sRGB", QByteArray(1, '\0')}})
            kept += chunk(type, data);
        // Kept where it describes colour pixels: a grey picture grows into colour ones.
        const QByteArray profile =
            chunk("iCCP", QByteArray("ours\0\0", 6) + qCompress(QByteArray(132, '\0')).mid(4));
        const bool palette = colourType == 3;
        const QByteArray file =
            described(depth, colourType, (palette ? QByteArray() : extra) + profile + kept,
                      palette ? extra : QByteArray())
                .chopped(cut);
        const QString from = m_dir.filePath("from"), to = m_dir.filePath("to");
        QVERIFY(QDir().mkpath(from) && QDir().mkpath(to));
        QVERIFY(fixtures::writeFile(from + "/picture.png", file));
        QCOMPARE(imagelimits::measure(from + "/picture.png").problem, problem);
        QCOMPARE(imagelimits::chunksFit(from + "/picture.png"), !problem.startsWith("is damaged"));
        if (!problem.isEmpty())
            return;
        skinimages::CodedImages coded;
        if (const auto found = codedrows::find(from + "/picture.png"); found && found->carriable)
            coded.insert("picture.png", *found);
        QCOMPARE(coded.size(), depth == 8 && colourType == 6 ? 1 : 0);
        const ImageJob job{"picture.png", QSize(2, 2), 2 + pluginzone::rowWithoutSheet};
        QVERIFY(skinimages::paint({job}, coded, {}, fixtures::defaultStyle(), from, to));
        const QByteArray grown = fixtures::readFile(to + "/picture.png");
        QCOMPARE(fixtures::strictPngProblem(grown), QString());
        QVERIFY(grown.contains(kept));
        QCOMPARE(grown.contains(profile), colourType != 4);
        QCOMPARE(grown.count("pHYs"), 1);
        QCOMPARE(QImage(to + "/picture.png").convertToFormat(QImage::Format_ARGB32).pixel(0, 0),
                 colourType == 4 ? qRgba(200, 200, 200, 0) : qRgba(200, 100, 50, 0));
    }

    // Each control shows its own colour somewhere; where it sits is the painter's business.
    void controlsHaveThePluginColours()
    {
        const Style style = pluginStyle();
        const auto shows = [&style](const QImage &image, const char *key) {
            return fixtures::pixelsWhere(image, [&](QRgb pixel) { return near(pixel, style.colour(key)); }) >=
                   4;
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
        QTest::addColumn<bool>("carried"); // below two rows coded before, the last black and white in turn
        // A band is coded on its own from 1 MiB of filtered rows: 262 rows of 1000 RGBA pixels (4,001
        // bytes with the filter byte), 1,048 of 333 RGB ones.
        const int band = 262;
        QTest::newRow("1 x 1") << QSize(1, 1) << true << 0 << false;
        for (const int rows : {band - 1, band, band + 1, 2 * band + 1})
            QTest::addRow("%d rows, band of %d", rows, band) << QSize(1000, rows) << true << 0 << false;
        QTest::newRow("flat band, then noise") << QSize(1000, 2 * band + 1) << true << band + 3 << false;
        QTest::newRow("no alpha") << QSize(333, 2 * 1048 + 1) << false << 0 << false;
        QTest::newRow("large") << QSize(2500, 1700) << true << 0 << false;
        QTest::newRow("below sharp rows") << QSize(64, 3) << true << 0 << true;
    }

    // Random pixels of every alpha, in bands coded on their own.
    void writtenPngHoldsThePixels()
    {
        QFETCH(QSize, size);
        QFETCH(bool, alpha);
        QFETCH(int, flatRows);
        QFETCH(bool, carried);
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
        QImage whole = image.convertToFormat(QImage::Format_ARGB32);
        if (carried) {
            QImage top(size.width(), 2, QImage::Format_ARGB32);
            for (int x = 0; x < size.width(); ++x)
                top.setPixel(x, 0, 0x70707070), top.setPixel(x, 1, x % 2 ? 0xffffffff : 0xff000000);
            QVERIFY(top.save(m_dir.filePath("top.png")));
            const auto found = codedrows::find(m_dir.filePath("top.png"));
            const auto above =
                found ? codedrows::carried(m_dir.filePath("top.png"), *found, 2) : std::nullopt;
            QFile file(path);
            QVERIFY(above && file.open(QIODevice::WriteOnly) &&
                    pngwriter::write(image, file, {}, &*above) == pngwriter::Outcome::Written);
            whole = top.copy(0, 0, size.width(), size.height() + 2);
            for (int y = 0; y < size.height(); ++y)
                std::memcpy(whole.scanLine(y + 2), image.constScanLine(y), size_t(size.width()) * 4);
        } else {
            QVERIFY(imagecompositor::writePng(image, path));
        }
        QCOMPARE(fixtures::strictPngProblem(fixtures::readFile(path)), QString());
        const QImage read(path);
        QCOMPARE(read.hasAlphaChannel(), alpha);
        QCOMPARE(read.convertToFormat(QImage::Format_ARGB32), whole);
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
