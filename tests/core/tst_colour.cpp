// The skin's palette, the style drawn from it and the colour-vision simulations.

#include "colour/colourspace.h"
#include "colour/colourvision.h"
#include "colour/skinpalette.h"
#include "colour/stylefrompalette.h"
#include "skinfixtures.h"
#include "style/contrast.h"

#include <QTemporaryDir>
#include <QtTest>

using colourvision::Vision;
using skinpalette::Swatch;
Q_DECLARE_METATYPE(Vision)
Q_DECLARE_METATYPE(Swatch)

class ColourTest : public QObject
{
    Q_OBJECT

private slots:
    void simulationsFollowTheModel_data()
    {
        // The reference matrices, row-major; pure red, green and blue must come out as their columns.
        QTest::addColumn<Vision>("vision");
        QTest::addColumn<QVector<double>>("matrix");
        QTest::newRow("protanopia") << Vision::Protanopia
                                    << QVector<double>{0.152286, 1.052583,  -0.204868, 0.114503, 0.786281,
                                                       0.099216, -0.003882, -0.048116, 1.051998};
        QTest::newRow("deuteranopia")
            << Vision::Deuteranopia << QVector<double>{0.367322, 0.860646,  -0.227968, 0.280085, 0.672501,
                                                       0.047413, -0.011820, 0.042940,  0.968881};
        QTest::newRow("tritanopia") << Vision::Tritanopia
                                    << QVector<double>{1.255528, -0.076749, -0.178779, -0.078411, 0.930809,
                                                       0.147602, 0.004733,  0.691367,  0.303900};
        QTest::newRow("achromatopsia")
            << Vision::Achromatopsia
            << QVector<double>{0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722};
    }
    void simulationsFollowTheModel()
    {
        QFETCH(Vision, vision);
        QFETCH(QVector<double>, matrix);
        const QColor primaries[] = {Qt::red, Qt::green, Qt::blue};
        for (int column = 0; column < 3; ++column) {
            const colourspace::Linear got =
                colourspace::linear(colourvision::simulate(vision, primaries[column]));
            const double channels[] = {got.r, got.g, got.b};
            for (int row = 0; row < 3; ++row) {
                // Clamped into 0..1; an 8-bit channel holds a linear value to about 0.003.
                const double want = qBound(0.0, matrix[3 * row + column], 1.0);
                QVERIFY2(qAbs(channels[row] - want) < 0.004,
                         qPrintable(
                             QStringLiteral("column %1 row %2: %3").arg(column).arg(row).arg(channels[row])));
            }
        }
        for (int level : {0, 37, 128, 255}) {
            const QColor out = colourvision::simulate(vision, QColor(level, level, level, 90));
            QVERIFY(qAbs(out.red() - level) <= 1 && qAbs(out.green() - level) <= 1 &&
                    qAbs(out.blue() - level) <= 1);
            QCOMPARE(out.alpha(), 90);
        }
    }

    void paletteWeighsTheNamedImagesByArea()
    {
        // Red covers three times blue's area; the green image is no skin image and the transparent
        // one (named by its layout's name, as a build finds it) has nothing to see.
        QTemporaryDir dir;
        const QString zip = dir.filePath(QStringLiteral("skin.zip"));
        QVERIFY(fixtures::writeZip(
            zip,
            {{QStringLiteral("skin.xml"),
              fixtures::xml({QStringLiteral("<skin image=\"Red.PNG\">"),
                             QStringLiteral("<window image=\"green.png\"/>"), QStringLiteral("</skin>")})},
             {QStringLiteral("two.xml"), fixtures::xml({QStringLiteral("<skin image=\"img\\blue.bmp\"/>")})},
             {QStringLiteral("clear.xml"), fixtures::xml({QStringLiteral("<skin/>")})},
             {QStringLiteral("red.png"), fixtures::png(600, 200, QColor(220, 20, 20))},
             {QStringLiteral("img/blue.png"), fixtures::png(200, 200, QColor(20, 20, 220))},
             {QStringLiteral("clear.png"), fixtures::png(900, 900, QColor(0, 220, 0, 0))},
             {QStringLiteral("green.png"), fixtures::png(900, 900, QColor(0, 220, 0))}}));
        const skinpalette::Result result = skinpalette::readSkin(zip);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(result.swatches.size(), 2);
        QCOMPARE(result.swatches[0].colour, QColor(220, 20, 20));
        QCOMPARE(result.swatches[1].colour, QColor(20, 20, 220));
        QVERIFY(qAbs(result.swatches[0].weight - 0.75) < 1e-9);

        QVERIFY(fixtures::writeZip(zip, {{QStringLiteral("skin.xml"),
                                          fixtures::xml({QStringLiteral("<skin image=\"gone.png\"/>")})}}));
        QVERIFY(!skinpalette::readSkin(zip).error.isEmpty());
    }

    void rowsAlikeForSomeEyesGetAHint()
    {
        Style style = fixtures::defaultStyle();
        // Over and Focus differ only in red against green, at the same lightness.
        style.setColour(QStringLiteral("list_over"), QColor(0xb0, 0x70, 0x40));
        style.setColour(QStringLiteral("list_focus"), QColor(0x70, 0x88, 0x40));
        style.setColour(QStringLiteral("list_selected"), QColor(0x20, 0x20, 0x80));
        // Download and Scan are the same colour on purpose (as in the default table): no hint.
        const QVector<colourvision::Confusion> found = colourvision::confusions(style);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].vision, Vision::Protanopia);
        QCOMPARE(found[0].first, stylekeys::colourIndex(QStringLiteral("list_over")));
        QCOMPARE(found[0].second, stylekeys::colourIndex(QStringLiteral("list_focus")));
        QVERIFY(found[0].difference < colourvision::tooClose);
        QVERIFY(colourspace::ciede2000(style.colour(QStringLiteral("list_over")),
                                       style.colour(QStringLiteral("list_focus"))) >= colourvision::tooClose);
    }

    void generatedStylesReadAndKeepStatesApart_data()
    {
        QTest::addColumn<QVector<Swatch>>("palette");
        QTest::newRow("dark") << QVector<Swatch>{{QColor(0x1a, 0x1c, 0x22), 0.6},
                                                 {QColor(0x30, 0x34, 0x3c), 0.3},
                                                 {QColor(0xd0, 0x80, 0x20), 0.1}};
        QTest::newRow("light") << QVector<Swatch>{{QColor(0xf2, 0xf0, 0xea), 0.7},
                                                  {QColor(0xc8, 0xc4, 0xbc), 0.2},
                                                  {QColor(0x20, 0x60, 0xc0), 0.1}};
        QTest::newRow("one saturated hue")
            << QVector<Swatch>{{QColor(0xe0, 0x10, 0x30), 0.8}, {QColor(0x90, 0x08, 0x18), 0.2}};
        QTest::newRow("greyscale") << QVector<Swatch>{{QColor(0x80, 0x80, 0x80), 0.5},
                                                      {QColor(0x40, 0x40, 0x40), 0.3},
                                                      {QColor(0xc0, 0xc0, 0xc0), 0.2}};
        QVector<Swatch> hues;
        for (int i = 0; i < 12; ++i)
            hues << Swatch{QColor::fromHsv(i * 30, 200, 90 + 12 * i), 1.0 / 12};
        QTest::newRow("many hues") << hues;
        QTest::newRow("empty") << QVector<Swatch>{};
    }
    void generatedStylesReadAndKeepStatesApart()
    {
        QFETCH(QVector<Swatch>, palette);
        Style base = fixtures::defaultStyle();
        base.colours.fill(QColor()); // every colour must be proposed anew
        const Style style = stylefrompalette::generate(palette, std::nullopt, base);
        QCOMPARE(style.fonts, base.fonts);
        QVERIFY(std::all_of(style.colours.cbegin(), style.colours.cend(),
                            [](const QColor &c) { return c.isValid() && c.alpha() == 255; }));
        double lowest = 21;
        for (const contrast::TextOnGrounds &row : contrast::table())
            for (int b : row.backgrounds)
                lowest = std::min(lowest, contrast::ratio(style.colours[std::size_t(row.text)],
                                                          style.colours[std::size_t(b)]));
        double closest = 1000;
        for (const auto &[a, b] : colourvision::pairsToTellApart())
            closest = std::min(closest, colourvision::leastDifference(style.colours[std::size_t(a)],
                                                                      style.colours[std::size_t(b)]));
        qInfo("lowest contrast %.2f:1, closest states %.1f (CIEDE2000, any eye)", lowest, closest);
        QVERIFY(lowest >= 4.5);
        QVERIFY(closest >= 11);
        QVERIFY(colourvision::confusions(style).isEmpty());
        QCOMPARE(stylefrompalette::generate(palette, std::nullopt, base).colours, style.colours);
    }
};

QTEST_GUILESS_MAIN(ColourTest)
#include "tst_colour.moc"
