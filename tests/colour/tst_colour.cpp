// SPDX-License-Identifier: GPL-3.0-or-later
// The skin's palette, the style drawn from it and the colour-vision simulations; colour schemes
// read, turned into styles that keep both floors, and written back. Schemes of every kind keep
// the floors in the fuzz seeds (fuzz/corpus/scheme), replayed by the suite.

#include "colour/colourspace.h"
#include "colour/colourvision.h"
#include "colour/floors.h"
#include "colour/scheme.h"
#include "colour/skinpalette.h"
#include "colour/stylefrompalette.h"
#include "colour/stylefromscheme.h"
#include "skinfixtures.h"
#include "style/contrast.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using colourvision::Vision;
using skinpalette::Swatch;
Q_DECLARE_METATYPE(Vision)
Q_DECLARE_METATYPE(Swatch)

namespace {

// base00..base0F as a base16 file; `form` says how each value is written, as published schemes
// differ in that.
QByteArray base16(const QString &name, const QStringList &colours, const QString &form = "\"%1\"")
{
    QString text = QStringLiteral("scheme: \"%1\"\nauthor: \"Panelcraft tests\"\n").arg(name);
    for (int i = 0; i < colours.size(); ++i)
        text += QStringLiteral("base0%1: %2\n").arg(QString::number(i, 16).toUpper(), form.arg(colours[i]));
    return text.toUtf8();
}

const QStringList harbourNight{"1b2029", "252b36", "323a48", "5b6577", "8a93a5", "c5cad3",
                               "dde1e8", "f2f4f7", "e06c6c", "e0975c", "e3c76b", "8fc27a",
                               "6cc4c4", "6f9ee8", "c38be0", "a8765a"};

} // namespace

class ColourTest : public QObject
{
    Q_OBJECT

private slots:
    // Published simulations at full severity (sRGB, 8 bits) for a few reference colours, and
    // greys, which every eye sees as they are.
    void simulationsMatchPublishedValues_data()
    {
        QTest::addColumn<Vision>("vision");
        QTest::addColumn<QStringList>("seen"); // red, green, #2080c0, #e69f00
        QTest::newRow("protanopia") << Vision::Protanopia
                                    << QStringList{"#6d5f00", "#ffe500", "#6282c3", "#b9a200"};
        QTest::newRow("deuteranopia")
            << Vision::Deuteranopia << QStringList{"#a39000", "#efd63a", "#4b74bf", "#cab411"};
        QTest::newRow("tritanopia") << Vision::Tritanopia
                                    << QStringList{"#ff000f", "#00f7d9", "#009097", "#fb8c87"};
        QTest::newRow("achromatopsia")
            << Vision::Achromatopsia << QStringList{"#7f7f7f", "#dcdcdc", "#7a7a7a", "#adadad"};
    }
    void simulationsMatchPublishedValues()
    {
        QFETCH(Vision, vision);
        QFETCH(QStringList, seen);
        const QColor inputs[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0x20, 0x80, 0xc0),
                                 QColor(0xe6, 0x9f, 0x00)};
        for (int i = 0; i < 4; ++i) {
            const QColor got = colourvision::simulate(vision, inputs[i]), want(seen[i]);
            QVERIFY2(qAbs(got.red() - want.red()) <= 1 && qAbs(got.green() - want.green()) <= 1 &&
                         qAbs(got.blue() - want.blue()) <= 1,
                     qPrintable(inputs[i].name() + " -> " + got.name() + ", expected " + seen[i]));
        }
        for (int level : {0, 37, 128, 255}) {
            const QColor out = colourvision::simulate(vision, QColor(level, level, level, 90));
            QVERIFY(qAbs(out.red() - level) <= 1 && qAbs(out.green() - level) <= 1 &&
                    qAbs(out.blue() - level) <= 1);
            QCOMPARE(out.alpha(), 90);
        }
        QCOMPARE(colourspace::fromLinear({1.2, -0.1, 0.0}), QColor(255, 0, 0)); // out of gamut: clamped
    }

    // Text is lifted to the first lightness that reads at 4.5:1 on its ground, and kept when it
    // already does.
    void textIsLiftedJustAboveTheContrastFloor_data()
    {
        QTest::addColumn<QColor>("tint");
        QTest::addColumn<bool>("kept");
        QTest::newRow("3.0:1 lifted") << QColor(0x6a, 0x6a, 0x6a) << false;
        QTest::newRow("4.1:1 lifted") << QColor(0x80, 0x80, 0x80) << false;
        // Lifted to 4.50:1 as held, #868686 once written would read at 4.48:1.
        QTest::newRow("1.6:1 lifted, as written") << QColor(0x40, 0x40, 0x40) << false;
        QTest::newRow("4.6:1 kept") << QColor(0x88, 0x88, 0x88) << true;
    }
    void textIsLiftedJustAboveTheContrastFloor()
    {
        QFETCH(QColor, tint);
        QFETCH(bool, kept);
        const QColor ground(0x20, 0x20, 0x20);
        const QColor text = floors::readable({ground}, colourspace::oklab(tint), true);
        const double ratio = contrast::ratio(QColor(text.name()), ground); // as written
        QVERIFY2(ratio >= 4.5 && ratio < 4.85, qPrintable(QString::number(ratio)));
        QCOMPARE(text == tint, kept);
    }

    void paletteWeighsTheNamedImagesByArea()
    {
        // Red covers three times blue's area, counting blue's 40 % opacity; the green image is no skin image
        // and the transparent one (named by its layout's name, as a build finds it) has nothing to see.
        QTemporaryDir dir;
        const QString zip = dir.filePath("skin.zip");
        QVERIFY(fixtures::writeZip(
            zip, {{"skin.xml",
                   fixtures::xml({"<skin image=\"Red.PNG\">", "<window image=\"green.png\"/>", "</skin>"})},
                  {"two.xml", fixtures::xml({"<skin image=\"img\\blue.bmp\"/>"})},
                  {"clear.xml", fixtures::xml({"<skin/>"})},
                  {"red.png", fixtures::png(600, 200, QColor(220, 20, 20))},
                  {"img/blue.png", fixtures::png(500, 200, QColor(20, 20, 220, 102))},
                  {"clear.png", fixtures::png(900, 900, QColor(0, 220, 0, 0))},
                  {"green.png", fixtures::png(900, 900, QColor(0, 220, 0))}}));
        const skinpalette::Result result = skinpalette::readSkin(zip);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(result.swatches.size(), 2);
        QCOMPARE(result.swatches[0].colour, QColor(220, 20, 20));
        QCOMPARE(result.swatches[1].colour.rgb(), QColor(20, 20, 220).rgb());
        QVERIFY(qAbs(result.swatches[0].weight - 0.75) < 1e-9);

        QVERIFY(fixtures::writeZip(zip, {{"skin.xml", fixtures::xml({"<skin image=\"gone.png\"/>"})}}));
        QVERIFY(!skinpalette::readSkin(zip).error.isEmpty());
    }

    // Rows that normal eyes tell apart get a hint when some eye sees them closer than 10
    // (CIEDE2000): focus colours on both sides of it, against Over.
    void rowsAlikeForSomeEyesGetAHint_data()
    {
        QTest::addColumn<QColor>("focus");
        QTest::addColumn<bool>("hinted");
        QTest::newRow("9.5 apart for some eye") << QColor(0x48, 0x68, 0x40) << true;
        QTest::newRow("10.6 apart for every eye") << QColor(0x50, 0x68, 0x48) << false;
        QTest::newRow("9.4 apart for normal eyes too") << QColor(0x92, 0x70, 0x40) << false;
    }
    void rowsAlikeForSomeEyesGetAHint()
    {
        QFETCH(QColor, focus);
        QFETCH(bool, hinted);
        Style style = fixtures::defaultStyle();
        style.setColour("list_over", QColor(0xb0, 0x70, 0x40));
        style.setColour("list_focus", focus);
        style.setColour("list_selected", QColor(0x20, 0x20, 0x80));
        // Download and Scan are the same colour on purpose (as in the default table): no hint.
        const QVector<colourvision::Confusion> found = colourvision::confusions(style);
        QCOMPARE(found.size(), hinted ? 1 : 0);
        if (hinted) {
            QCOMPARE(found[0].first, stylekeys::colourIndex("list_over"));
            QCOMPARE(found[0].second, stylekeys::colourIndex("list_focus"));
        }
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
        QVERIFY2(lowest >= 4.5 && closest >= 11,
                 qPrintable(QString("%1:1, %2 apart").arg(lowest).arg(closest)));
        QVERIFY(colourvision::confusions(style).isEmpty());
        QCOMPARE(stylefrompalette::generate(palette, std::nullopt, base).colours, style.colours);
    }

    // A scheme colour that already meets a floor is kept exactly; one just short of it moves,
    // but no further than the floor needs.
    void colourMovesOnlyWhenAFloorNeeds_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<double>("furthest"); // CIEDE2000 from the colour given
        // search_text (base05) is drawn on search_background (base00, #202020) alone.
        QTest::newRow("text 4.60:1") << "search_text" << 5 << "888888" << true << 2.5;
        QTest::newRow("text 4.47:1") << "search_text" << 5 << "868686" << false << 2.5;
        // Selected (base02) beside over (base01, #303030).
        QTest::newRow("selection 11.3 apart") << "list_selected" << 2 << "525252" << true << 2.5;
        QTest::newRow("selection 10.9 apart") << "list_selected" << 2 << "515151" << false << 2.5;
        // White text on the toolbar (base01) reads at 3.4:1; darkened to #757575, at 4.6:1.
        QTest::newRow("panel darkened for its text") << "toolbar_background" << 1 << "8a8a8a" << false << 9.0;
    }
    void colourMovesOnlyWhenAFloorNeeds()
    {
        QFETCH(QString, key);
        QFETCH(int, role);
        QFETCH(QString, colour);
        QFETCH(bool, kept);
        QFETCH(double, furthest);
        QStringList colours = harbourNight;
        colours[0] = "202020";
        colours[1] = "303030";
        colours[role] = colour;
        const scheme::Scheme input = scheme::parse(base16("Edge", colours)).scheme;
        const Style style = stylefromscheme::generate(input, fixtures::defaultStyle());
        const QColor given(QLatin1Char('#') + colour), drawn = style.colour(key);
        QCOMPARE(drawn == given, kept);
        QVERIFY(colourspace::ciede2000(given, drawn) < furthest);
        QVERIFY(role == 2 ? colourvision::leastDifference(drawn, QColor(0x30, 0x30, 0x30)) >= 11
                          : contrast::ratio(drawn, role == 5 ? QColor(0x20, 0x20, 0x20) : Qt::white) >= 4.5);
        // The browser's ground is the scheme's, whatever else moves.
        QCOMPARE(style.colour("backgroundcolor"), QColor(0x20, 0x20, 0x20));
    }

    // The fuzz seeds of every kind of scheme are read (the fuzz target accepts a refusal too).
    void everySchemeSeedIsRead()
    {
        const QDir seeds(fixtures::sourcePath("fuzz/corpus/scheme"));
        const QStringList names = seeds.entryList({"*.yaml", "*.gpl"}, QDir::Files);
        QVERIFY(names.size() >= 10);
        for (const QString &name : names)
            QVERIFY2(scheme::read(seeds.filePath(name)).error.isEmpty(), qPrintable(name));
    }

    // Valid YAML in the forms schemes are published in reads as the same scheme; what is not a
    // scheme is refused with the line and the reason.
    void filesAreReadOrRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message"); // empty: read
        const QByteArray good = base16("Harbour Night", harbourNight);
        const QString text = QString::fromUtf8(good);
        const QByteArray utf16 =
            "\xff\xfe" + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        QJsonObject palette;
        for (int i = 0; i < harbourNight.size(); ++i)
            palette.insert(QString("base%1").arg(i, 2, 16, QChar('0')), "#" + harbourNight[i]);
        QTest::newRow("ends with a marker") << "--- # dark\n" + good + "...\nnot: [yaml\n"
                                            << "";
        QTest::newRow("CR line ends") << QByteArray(good).replace('\n', '\r') << "";
        QTest::newRow("UTF-16 with its mark") << utf16 << "";
        QByteArray flow = good;
        flow.replace("\"a8765a\"", "*b").replace("\"Panelcraft tests\"", "&b a8765a").replace("\n", ",\n ");
        QTest::newRow("flow mapping, an alias") << "{" + flow + "}"
                                                << "";
        QTest::newRow("JSON")
            << QJsonDocument(QJsonObject{{"name", "Harbour Night"}, {"palette", palette}}).toJson() << "";
        QTest::newRow("escaped no-break space")
            << QByteArray(good).replace("Harbour Night", "Harbour\\_Night") << "";
        QTest::newRow("quoted over an empty line")
            << QByteArray(good).replace("Harbour Night", "Harbour\n\n  Night") << "";
        QTest::newRow("doubled double quote")
            << QByteArray(good).replace("Harbour Night", "Harbour\"\" Night")
            << "Line 1: the value of scheme is not closed";
        QTest::newRow("UTF-16 cut short") << utf16 + 'x' << "The file is not valid UTF-16LE text.";
        QTest::newRow("unknown escape") << QByteArray(good).replace("Harbour", "Harb\\qour")
                                        << "Line 1: \"\\q\" is no escape YAML knows.";
        QTest::newRow("missing key") << QByteArray(good).replace("base0A: \"e3c76b\"\n", "")
                                     << "Line 17: the scheme ends without base0A.";
        QTest::newRow("bad hex") << QByteArray(good).replace("c5cad3", "c5cad")
                                 << "Line 8: \"c5cad\" is not a colour";
        QTest::newRow("given twice") << QByteArray(good + "base05: \"ffffff\"\n")
                                     << "Line 19: base05 is given twice.";
        QTest::newRow("base24 incomplete")
            << QByteArray(good + "base10: \"14181f\"\n") << "Line 19: the scheme ends without base11.";
        QTest::newRow("unknown format")
            << QByteArray("[Scheme]\nbackground=#1b2029\n") << "Line 1: this is neither";
        QTest::newRow("no colours") << QByteArray("scheme: \"Nothing\"\n")
                                    << "Line 1: the scheme ends without base00.";
        QTest::newRow("palette line") << QByteArray("GIMP Palette\n0 0 0\n256 0 0\n") << "Line 3:";
        QTest::newRow("empty") << QByteArray("\n  \n") << "The file is empty.";
        QTest::newRow("huge") << QByteArray(good + QByteArray(1024 * 1024, '#')) << "larger than 1024 KB";
    }
    void filesAreReadOrRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir folder;
        QFile file(folder.filePath("scheme.yaml"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const scheme::ReadResult result = scheme::read(file.fileName());
        if (message.isEmpty()) {
            QCOMPARE(result.error, QString());
            const QHash<QString, QString> names{{"escaped no-break space", "Harbour\u00a0Night"},
                                                {"quoted over an empty line", "Harbour\nNight"}};
            QCOMPARE(result.scheme.name, names.value(QTest::currentDataTag(), "Harbour Night"));
            QStringList colours;
            for (const QColor &c : result.scheme.colours)
                colours << c.name().mid(1);
            QCOMPARE(colours, harbourNight);
            return;
        }
        QVERIFY2(result.error.startsWith(message) || result.error.contains(message),
                 qPrintable(result.error));
        QVERIFY(result.scheme.colours.isEmpty());
    }

    // A name is written as YAML every reader takes back as it was: the first line is checked.
    void exportedSchemesReadBackAsTheyWereWritten_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("firstLine");
        QTest::newRow("base16") << "style.yaml"
                                << "Default dark" << QByteArray("scheme: \"Default dark\"");
        QTest::newRow("palette") << "style.gpl"
                                 << "Default dark" << QByteArray("GIMP Palette");
        QTest::newRow("escaped name") << "style.yaml"
                                      << "C:\\ \"dark\"\x01\n\u2028é\u0085"
                                      << QByteArray("scheme: \"C:\\\\ \\\"dark\\\"\\x01\\x0a\\u2028é\\x85\"");
    }
    void exportedSchemesReadBackAsTheyWereWritten()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, name);
        QFETCH(QByteArray, firstLine);
        const scheme::Scheme written = stylefromscheme::fromStyle(fixtures::defaultStyle(), name);
        QTemporaryDir folder;
        const QString path = folder.filePath(fileName);
        const Result<void> wrote = scheme::write(path, written);
        QVERIFY2(wrote, qPrintable(wrote.error()));
        QCOMPARE(fixtures::readFile(path).split('\n').value(0), firstLine);
        const scheme::ReadResult back = scheme::read(path);
        QCOMPARE(back.error, QString());
        QCOMPARE(int(back.scheme.kind), int(scheme::Kind::Base16));
        QCOMPARE(back.scheme.name, name);
        for (int i = 0; i < scheme::base16Count; ++i)
            QCOMPARE(back.scheme.colours[i].name(), written.colours[i].name());
        QCOMPARE(written.colours[0], fixtures::defaultStyle().colour("backgroundcolor").toRgb());
        // The style drawn from the exported scheme reads it back into the same rows.
        const Style redrawn = stylefromscheme::generate(back.scheme, fixtures::defaultStyle());
        QCOMPARE(redrawn.colour("backgroundcolor").name(), written.colours[0].name());
    }
};

QTEST_GUILESS_MAIN(ColourTest)
#include "tst_colour.moc"
