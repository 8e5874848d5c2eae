// Painted pictures: grown skin images (the icon sheet below the picture, the plugin-zone controls)
// and the editor's knob preview.

#include "preview/knobimage.h"
#include "skin/iconsheets.h"
#include "skin/imagecompositor.h"
#include "skinfixtures.h"
#include "style/resources.h"

#include <QtTest>

namespace {

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

private slots:
    void initTestCase() { initPanelcraftResources(); }

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
        const auto sheet = iconsheets::findDeclaration(folder.path());
        QVERIFY(sheet && sheet->imageName == "icons.png");
        QCOMPARE(iconsheets::cut(*sheet, folder.path()).convertToFormat(QImage::Format_ARGB32),
                 icons.copy(10, 20, 24, 16));
        // A sheet whose image is missing or outside the folder cuts nothing.
        for (const char *image : {"gone.png", "../icons.png"})
            QVERIFY(iconsheets::cut({image, 0, 0, {8, 6, 3}}, folder.path()).isNull());
    }
};

QTEST_MAIN(TestSkinImages)
#include "tst_skinimages.moc"
