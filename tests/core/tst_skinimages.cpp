// Grown skin images: the icon sheet below the picture and the painted plugin-zone controls.

#include "skin/iconsheets.h"
#include "skin/imagecompositor.h"
#include "skin/pngwriter.h"
#include "skinfixtures.h"
#include "style/resources.h"

#include <QtTest>

namespace {

// Vivid, solid plugin colours, far enough apart that antialiased edges still tell them apart.
Style pluginStyle()
{
    Style style = fixtures::defaultStyle();
    const QString colours = QStringLiteral(
        "fx_knobborderout=#c80000 fx_back=#0000c8 fx_knobborder=#00c800 fx_knobfader=#f0f000 "
        "fx_buttonfill_start=#800000 fx_buttonfill_end=#800000 fx_overbuttonfill_start=#008000 "
        "fx_overbuttonfill_end=#008000 fx_selectbuttonfill_start=#000080 fx_selectbuttonfill_end=#000080");
    for (const QString &pair : colours.split(QLatin1Char(' ')))
        style.setColour(pair.section(QLatin1Char('='), 0, 0), QColor(pair.section(QLatin1Char('='), 1)));
    return style;
}

QImage filled(int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
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

private slots:
    void initTestCase() { initPanelcraftResources(); }

    void controlsHaveThePluginColours_data()
    {
        QTest::addColumn<QPoint>("offset"); // from (0, plugin row)
        QTest::addColumn<QString>("key");
        QTest::newRow("knob ring, inner line") << QPoint(33, 0) << "fx_back";
        QTest::newRow("knob ring, outer line") << QPoint(33, 1) << "fx_knobborderout";
        QTest::newRow("pointer") << QPoint(83, 12) << "fx_knobfader";
        QTest::newRow("value arc, inner line") << QPoint(133, 0) << "fx_knobborder";
        QTest::newRow("value arc, outer line") << QPoint(133, 1) << "fx_knobborderout";
        QTest::newRow("button up") << QPoint(192, 12) << "fx_buttonfill_start";
        QTest::newRow("button over") << QPoint(242, 12) << "fx_overbuttonfill_start";
        QTest::newRow("button selected") << QPoint(292, 12) << "fx_selectbuttonfill_start";
    }

    void controlsHaveThePluginColours()
    {
        QFETCH(QPoint, offset);
        QFETCH(QString, key);
        const Style style = pluginStyle();
        const int row = 106;
        const QImage image = imagecompositor::compose(filled(400, 100, Qt::white), QImage(), row, style);
        const QRgb pixel = image.pixel(offset.x(), row + offset.y());
        QVERIFY2(near(pixel, style.colour(key)),
                 qPrintable(QStringLiteral("%1 instead of %2")
                                .arg(QColor::fromRgba(pixel).name(QColor::HexArgb), style.colourName(key))));
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
        const QImage sheet = iconsheets::builtInSheet(set);
        const int row = 100 + (sheet.isNull() ? imagecompositor::pluginRowWithoutSheet
                                              : imagecompositor::pluginRowBelowSheet);
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

    void imageGrownFromItsFile_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<int>("kept"); // rows of the picture kept, of 100
        for (const int kept : {100, 60}) {
            QTest::addRow("RGBA, %d rows kept", kept) << QImage::Format_ARGB32 << kept;
            QTest::addRow("RGB, %d rows kept", kept) << QImage::Format_RGB32 << kept;
            QTest::addRow("palette, %d rows kept", kept) << QImage::Format_Indexed8 << kept;
        }
    }

    // Decoded into the canvas, the file grows as the decoded picture does.
    void imageGrownFromItsFile()
    {
        QFETCH(QImage::Format, format);
        QFETCH(int, kept);
        QImage random(1200, 100, QImage::Format_ARGB32);
        QRandomGenerator generator(3);
        for (int y = 0; y < random.height(); ++y)
            generator.fillRange(reinterpret_cast<quint32 *>(random.scanLine(y)), random.width());
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("skin.png"));
        QVERIFY(random.convertToFormat(format).save(path));
        const QImage sheet = iconsheets::builtInSheet(IconSet::Default);
        const int row = kept + imagecompositor::pluginRowBelow(sheet.height());
        const Style style = fixtures::defaultStyle();
        QString problem;
        const QImage grown =
            imagecompositor::composeFile(path, QSize(1200, kept), sheet, row, style, &problem);
        QCOMPARE(problem, QString());
        QCOMPARE(grown, imagecompositor::compose(QImage(path).copy(0, 0, 1200, kept), sheet, row, style));
    }

    void floatingBrowserImage()
    {
        const Style style = pluginStyle();
        const QImage image = imagecompositor::floatingBrowserImage(style);
        QCOMPARE(image.size(), QSize(801, 270));
        const QImage original(QStringLiteral(":/new/images/myfiles/browserfloat.png"));
        QCOMPARE(region(image, QRect(0, 0, 801, 204)), original.convertToFormat(QImage::Format_ARGB32));
        QVERIFY(near(image.pixel(83, 210 + 12), style.colour(QStringLiteral("fx_knobfader"))));
        QCOMPARE(qAlpha(image.pixel(700, 240)), 0);
    }

    void firstUsableDeclarationIsCut()
    {
        QTemporaryDir folder;
        QImage icons(64, 64, QImage::Format_ARGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                icons.setPixel(x, y, qRgba(x * 4, y * 4, 7, 255));
        QVERIFY(icons.save(folder.filePath(QStringLiteral("icons.png"))));
        // The first file's declaration lacks its count a row, so the second one's is cut.
        QVERIFY(fixtures::writeFile(
            folder.filePath(QStringLiteral("0.xml")),
            "<skin image=\"icons.png\">\n<customicons x=\"1\" iconsize=\"8\" nb=\"6\" />\n"));
        QVERIFY(
            fixtures::writeFile(folder.filePath(QStringLiteral("1.xml")),
                                "<skin image=\"icons.png\">\n<customicons x=\"10\" y=\"20\" iconsize=\"8\" "
                                "nb=\"6\" nbx=\"3\" />\n"));
        const auto sheet = iconsheets::findDeclaration(folder.path());
        QVERIFY(sheet);
        QCOMPARE(sheet->imageName, QStringLiteral("icons.png"));
        QCOMPARE(iconsheets::cut(*sheet, folder.path()).convertToFormat(QImage::Format_ARGB32),
                 icons.copy(10, 20, 24, 16));
        // A sheet whose image is missing or outside the folder cuts nothing.
        QVERIFY(iconsheets::cut({QStringLiteral("gone.png"), 0, 0, {8, 6, 3}}, folder.path()).isNull());
        QVERIFY(iconsheets::cut({QStringLiteral("../icons.png"), 0, 0, {8, 6, 3}}, folder.path()).isNull());
    }

    void writtenPngHoldsThePixels_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("alpha");
        const int band = pngwriter::bandRows(1000 * 4 + 1);
        QTest::newRow("1 x 1") << QSize(1, 1) << true;
        for (const int rows : {band - 1, band, band + 1, 2 * band + 1})
            QTest::addRow("%d rows, band of %d", rows, band) << QSize(1000, rows) << true;
        QTest::newRow("no alpha") << QSize(333, 2 * pngwriter::bandRows(333 * 3 + 1) + 1) << false;
        QTest::newRow("large") << QSize(2500, 1700) << true;
    }

    // Random pixels of every alpha, written on one thread and on several.
    void writtenPngHoldsThePixels()
    {
        QFETCH(QSize, size);
        QFETCH(bool, alpha);
        QImage image(size, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < image.height(); ++y)
            random.fillRange(reinterpret_cast<quint32 *>(image.scanLine(y)), image.width());
        QTemporaryDir folder;
        QByteArray written[2];
        const int threads = QThreadPool::globalInstance()->maxThreadCount();
        for (const int count : {1, 4}) {
            QThreadPool::globalInstance()->setMaxThreadCount(count);
            const QString path = folder.filePath(QStringLiteral("%1.png").arg(count));
            QCOMPARE(imagecompositor::writePng(image, path), QString());
            written[count > 1] = fixtures::readFile(path);
        }
        QThreadPool::globalInstance()->setMaxThreadCount(threads);
        QCOMPARE(written[0], written[1]);
        const QImage read = QImage::fromData(written[0], "PNG");
        QCOMPARE(read.hasAlphaChannel(), alpha);
        QCOMPARE(read.convertToFormat(QImage::Format_ARGB32), image.convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TestSkinImages)
#include "tst_skinimages.moc"
