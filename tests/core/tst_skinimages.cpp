// Grown skin images: the icon sheet below the picture and the painted plugin-zone controls.

#include "skin/iconsheets.h"
#include "skin/imagecompositor.h"
#include "skinfixtures.h"
#include "style/resources.h"

#include <QtTest>

Q_DECLARE_METATYPE(IconSet)

namespace {

// Vivid, solid plugin colours, far enough apart that antialiased edges still tell them apart.
Style pluginStyle()
{
    Style style = fixtures::defaultStyle();
    const std::pair<const char *, QColor> colours[] = {
        {"fx_knobborderout", QColor(200, 0, 0)},
        {"fx_back", QColor(0, 0, 200)},
        {"fx_knobborder", QColor(0, 200, 0)},
        {"fx_knobfader", QColor(240, 240, 0)},
        {"fx_knobback_start", QColor(100, 100, 100)},
        {"fx_knobback_end", QColor(0, 0, 0)},
        {"fx_buttonfill_start", QColor(128, 0, 0)},
        {"fx_buttonfill_end", QColor(128, 0, 0)},
        {"fx_overbuttonfill_start", QColor(0, 128, 0)},
        {"fx_overbuttonfill_end", QColor(0, 128, 0)},
        {"fx_selectbuttonfill_start", QColor(0, 0, 128)},
        {"fx_selectbuttonfill_end", QColor(0, 0, 128)},
    };
    for (const auto &[key, colour] : colours)
        style.setColour(QLatin1String(key), colour);
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
    void controlsHaveThePluginColours_data();
    void controlsHaveThePluginColours();
    void defaultIconsGrowBySixtySix();
    void sheetSitsBelowThePicture_data();
    void sheetSitsBelowThePicture();
    void paintingNeverCutsThePicture();
    void floatingBrowserImage();
    void declaration_data();
    void declaration();
    void firstUsableDeclarationIsCut();
};

void TestSkinImages::controlsHaveThePluginColours_data()
{
    QTest::addColumn<QPoint>("offset"); // from (0, plugin row)
    QTest::addColumn<QString>("key");
    QTest::newRow("knob ring, inner line") << QPoint(33, 0) << "fx_back";
    QTest::newRow("knob ring, outer line") << QPoint(33, 1) << "fx_knobborderout";
    QTest::newRow("knob ring, left side") << QPoint(13, 20) << "fx_back";
    QTest::newRow("pointer") << QPoint(83, 12) << "fx_knobfader";
    QTest::newRow("value arc, inner line") << QPoint(133, 0) << "fx_knobborder";
    QTest::newRow("value arc, outer line") << QPoint(133, 1) << "fx_knobborderout";
    QTest::newRow("button up") << QPoint(192, 12) << "fx_buttonfill_start";
    QTest::newRow("button over") << QPoint(242, 12) << "fx_overbuttonfill_start";
    QTest::newRow("button selected") << QPoint(292, 12) << "fx_selectbuttonfill_start";
}

void TestSkinImages::controlsHaveThePluginColours()
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

void TestSkinImages::defaultIconsGrowBySixtySix()
{
    const QImage skin = filled(400, 300, QColor(10, 20, 30));
    const QImage grown = imagecompositor::compose(
        skin, QImage(), 300 + imagecompositor::pluginRowWithoutSheet, fixtures::defaultStyle());
    QCOMPARE(grown.size(), QSize(400, 366));
    QCOMPARE(region(grown, QRect(0, 0, 400, 300)), skin);
    // Nothing drawn between the picture and the controls, nor beside them.
    for (const QPoint &p : {QPoint(0, 300), QPoint(399, 305), QPoint(380, 330), QPoint(5, 365)})
        QCOMPARE(qAlpha(grown.pixel(p)), 0);
    // The knob body sits at x 17-48, 4 rows below the row.
    QCOMPARE(qAlpha(grown.pixel(33, 330)), 255);
}

void TestSkinImages::sheetSitsBelowThePicture_data()
{
    QTest::addColumn<IconSet>("set");
    QTest::addColumn<bool>("paint");
    QTest::addColumn<int>("height");
    QTest::newRow("alternative, colours changed") << IconSet::Alternative << true << 100 + 661;
    QTest::newRow("white, colours changed") << IconSet::White << true << 100 + 661;
    QTest::newRow("alternative, colours kept") << IconSet::Alternative << false << 100 + 10 + 590;
    QTest::newRow("white, colours kept") << IconSet::White << false << 100 + 10 + 580;
}

void TestSkinImages::sheetSitsBelowThePicture()
{
    QFETCH(IconSet, set);
    QFETCH(bool, paint);
    QFETCH(int, height);
    const QImage skin = filled(1200, 100, QColor(10, 20, 30));
    const QImage sheet = iconsheets::builtInSheet(set);
    QVERIFY(!sheet.isNull());
    const std::optional<int> row =
        paint ? std::optional<int>(100 + imagecompositor::pluginRowBelowSheet) : std::nullopt;
    const QImage grown = imagecompositor::compose(skin, sheet, row, fixtures::defaultStyle());
    QCOMPARE(grown.size(), QSize(1200, height));
    QCOMPARE(region(grown, QRect(0, 0, 1200, 100)), skin);
    QCOMPARE(region(grown, QRect(QPoint(0, 101), sheet.size())),
             sheet.convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(qAlpha(grown.pixel(600, 100)), 0);
    QCOMPARE(qAlpha(grown.pixel(1190, 150)), 0);
}

// A file without a <skin line paints at row 0: over the picture, never cutting it.
void TestSkinImages::paintingNeverCutsThePicture()
{
    const QImage skin = filled(400, 300, QColor(10, 20, 30));
    const QImage grown = imagecompositor::compose(skin, QImage(), 0, fixtures::defaultStyle());
    QCOMPARE(grown.size(), skin.size());
    QCOMPARE(region(grown, QRect(0, 60, 400, 240)), skin.copy(0, 60, 400, 240));
}

void TestSkinImages::floatingBrowserImage()
{
    const Style style = pluginStyle();
    const QImage image = imagecompositor::floatingBrowserImage(style);
    QCOMPARE(image.size(), QSize(801, 270));
    const QImage original(QStringLiteral(":/new/images/myfiles/browserfloat.png"));
    QCOMPARE(region(image, QRect(0, 0, 801, 204)), original.convertToFormat(QImage::Format_ARGB32));
    QVERIFY(near(image.pixel(83, 210 + 12), style.colour(QStringLiteral("fx_knobfader"))));
    QCOMPARE(qAlpha(image.pixel(700, 240)), 0);
}

void TestSkinImages::declaration_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("usable");
    QTest::newRow("complete") << "<customicons x=\"3\" y=\"4\" iconsize=\"8\" nb=\"6\" nbx=\"3\" />" << true;
    QTest::newRow("capital C") << "<Customicons x=\"3\" y=\"4\" iconsize=\"8\" nb=\"6\" nbx=\"3\" />" << true;
    QTest::newRow("nbx missing") << "<customicons x=\"3\" y=\"4\" iconsize=\"8\" nb=\"6\" />" << false;
    QTest::newRow("nbx zero") << "<customicons x=\"3\" y=\"4\" iconsize=\"8\" nb=\"6\" nbx=\"0\" />" << false;
    QTest::newRow("nbx not a number")
        << "<customicons x=\"3\" y=\"4\" iconsize=\"8\" nb=\"6\" nbx=\"x\" />" << false;
    QTest::newRow("no icon size") << "<customicons x=\"3\" y=\"4\" nb=\"6\" nbx=\"3\" />" << false;
    QTest::newRow("no count") << "<customicons x=\"3\" y=\"4\" iconsize=\"8\" nbx=\"3\" />" << false;
}

void TestSkinImages::declaration()
{
    QFETCH(QString, line);
    QFETCH(bool, usable);
    const auto sheet = iconsheets::parseDeclaration(line, QStringLiteral("s.png"));
    QCOMPARE(sheet.has_value(), usable);
    if (usable) {
        QCOMPARE(sheet->x, 3);
        QCOMPARE(sheet->y, 4);
        QCOMPARE(sheet->layout.iconSize, 8);
        QCOMPARE(sheet->layout.count, 6);
        QCOMPARE(sheet->layout.perRow, 3);
    }
}

void TestSkinImages::firstUsableDeclarationIsCut()
{
    QTemporaryDir folder;
    const auto put = [&folder](const QString &name, const QByteArray &data) {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
    };
    QImage icons = filled(64, 64, Qt::transparent);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            icons.setPixel(x, y, qRgba(x * 4, y * 4, 7, 255));
    QVERIFY(icons.save(folder.filePath(QStringLiteral("icons.png"))));
    QVERIFY(put(QStringLiteral("a.xml"),
                fixtures::xml({"<skin image=\"icons.png\">",
                               "<customicons x=\"1\" y=\"1\" iconsize=\"8\" nb=\"6\" />"})));
    QVERIFY(
        put(QStringLiteral("B.xml"), fixtures::xml({"<skin name=\"b\" image=\"icons.png\">",
                                                    "<customicons x=\"10\" y=\"20\" iconsize=\"8\" nb=\"6\" "
                                                    "nbx=\"3\" />"})));
    QVERIFY(put(
        QStringLiteral("c.xml"),
        fixtures::xml({"<skin image=\"other.png\">", "<customicons x=\"0\" y=\"0\" iconsize=\"4\" nb=\"4\" "
                                                     "nbx=\"2\" />"})));
    const auto sheet = iconsheets::findDeclaration(folder.path());
    QVERIFY(sheet);
    QCOMPARE(sheet->imageName, QStringLiteral("icons.png"));
    QCOMPARE(sheet->x, 10);
    const QImage cut = iconsheets::cut(*sheet, folder.path());
    QCOMPARE(cut.size(), QSize(24, 16));
    QCOMPARE(cut.convertToFormat(QImage::Format_ARGB32), icons.copy(10, 20, 24, 16));
    // A sheet whose image is missing cuts nothing: no stale sheet is used instead.
    QVERIFY(iconsheets::cut({QStringLiteral("gone.png"), 0, 0, {8, 6, 3}}, folder.path()).isNull());
    QVERIFY(iconsheets::cut({QStringLiteral("../icons.png"), 0, 0, {8, 6, 3}}, folder.path()).isNull());
}

QTEST_MAIN(TestSkinImages)
#include "tst_skinimages.moc"
