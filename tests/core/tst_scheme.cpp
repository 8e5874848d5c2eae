// Colour schemes read, turned into styles that keep both floors, and written back.

#include "colour/colourspace.h"
#include "colour/colourvision.h"
#include "colour/scheme.h"
#include "colour/stylefromscheme.h"
#include "skinfixtures.h"
#include "style/contrast.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// base00..base0F as a base16 file; `form` says how each value is written, as published schemes
// differ in that.
QByteArray base16(const QString &name, const QStringList &colours,
                  const QString &form = QStringLiteral("\"%1\""))
{
    QString text = QStringLiteral("scheme: \"%1\"\nauthor: \"Panelcraft tests\"\n").arg(name);
    for (int i = 0; i < colours.size(); ++i)
        text += QStringLiteral("base0%1: %2\n").arg(QString::number(i, 16).toUpper(), form.arg(colours[i]));
    return text.toUtf8();
}

double lowestContrast(const Style &style)
{
    double lowest = 21;
    for (const contrast::TextOnGrounds &row : contrast::table())
        for (int b : row.backgrounds)
            lowest = std::min(
                lowest, contrast::ratio(style.colours[std::size_t(row.text)], style.colours[std::size_t(b)]));
    return lowest;
}

double closestStates(const Style &style)
{
    double closest = 1000;
    for (const auto &[a, b] : colourvision::pairsToTellApart())
        closest = std::min(closest, colourvision::leastDifference(style.colours[std::size_t(a)],
                                                                  style.colours[std::size_t(b)]));
    return closest;
}

const QStringList harbourNight{"1b2029", "252b36", "323a48", "5b6577", "8a93a5", "c5cad3",
                               "dde1e8", "f2f4f7", "e06c6c", "e0975c", "e3c76b", "8fc27a",
                               "6cc4c4", "6f9ee8", "c38be0", "a8765a"};

} // namespace

class SchemeTest : public QObject
{
    Q_OBJECT

private slots:
    void everyKindOfSchemeKeepsTheFloors_data()
    {
        QTest::addColumn<QByteArray>("content");
        QByteArray nested = "system: \"base16\"\nname: \"Harbour Night\"\nvariant: \"dark\"\npalette:\n";
        for (int i = 15; i >= 0; --i) // any order, lower-case hex in the key, CR LF lines
            nested += QStringLiteral("  base0%1: \"#%2\"  # role %1\r\n")
                          .arg(i, 0, 16)
                          .arg(harbourNight[i])
                          .toUtf8();
        QTest::newRow("dark") << nested;
        QTest::newRow("light") << base16(QStringLiteral("Paper Mill"),
                                         {"faf7f0", "efe9dc", "e0d6c2", "a59a86", "7a705f", "4a4336",
                                          "2f2a21", "1a1712", "c0392b", "d35400", "b8860b", "3f7d20",
                                          "1a8080", "2a5db0", "8e44ad", "8b5a2b"},
                                         QStringLiteral("#%1"));
        // Text hardly lighter than its ground, accents as dull as the rest.
        QTest::newRow("low contrast")
            << base16(QStringLiteral("Fog"),
                      {"3a3d42", "3f4247", "44474c", "4a4d52", "55585d", "5f6267", "686b70", "72757a",
                       "7a5f5f", "7a6a5a", "76735a", "5f7a62", "5a7576", "5f687a", "735f7a", "6a5f55"},
                      QStringLiteral("'%1' # muted"));
        QTest::newRow("text darker than its dark ground")
            << base16(QStringLiteral("Cellar"),
                      {"2b2b30", "303036", "36363c", "202024", "1c1c20", "1a1a1a", "141416", "0e0e10",
                       "803030", "804a20", "807020", "307030", "207070", "304a80", "603070", "503a28"});
        QTest::newRow("one saturated hue")
            << base16(QStringLiteral("Ember"),
                      {"2a0008", "3d000d", "550012", "8a1f33", "c23a52", "ff9fb0", "ffc2cc", "ffe5ea",
                       "ff1a3c", "ff3355", "ff4d6a", "e6002e", "ff6680", "cc0025", "ff809a", "99001c"},
                      QStringLiteral("%1"));
        // A light scheme in greys only: the accents differ in lightness alone, and little.
        QTest::newRow("greyscale") << base16(QStringLiteral("Newsprint"),
                                             {"eeeeee", "e4e4e4", "d8d8d8", "9a9a9a", "6e6e6e", "3a3a3a",
                                              "262626", "111111", "5c5c5c", "666666", "707070", "606060",
                                              "646464", "505050", "585858", "6a6a6a"});
        // Red, green and brown-olive at one lightness: plain to most eyes, one colour to some.
        QTest::newRow("accents clash under a simulation")
            << base16(QStringLiteral("Orchard"),
                      {"1e1c1a", "2a2724", "3a3632", "6b645c", "9c948a", "d8d0c4", "e8e2d8", "f6f2ec",
                       "c8553d", "c98a3c", "b5a642", "6d9a3a", "8f9a3a", "5f8ac8", "a36bb8", "8a6a4a"});
        QTest::newRow("base24") << QByteArray(base16(QStringLiteral("Harbour Night 24"), harbourNight) +
                                              "base10: \"14181f\"\nbase11: \"0d1015\"\nbase12: \"ff8a8a\"\n"
                                              "base13: \"f5dc8a\"\nbase14: \"a8e090\"\nbase15: \"8ae0e0\"\n"
                                              "base16: \"8ab8ff\"\nbase17: \"dba8f5\"\n");
        QTest::newRow("palette without roles")
            << QByteArray("GIMP Palette\nName: Dusk\nColumns: 4\n#\n 30  28  40\tNight\n 60  52  80\n"
                          "200 120  60\tLamp\n240 230 210\n");
    }
    void everyKindOfSchemeKeepsTheFloors()
    {
        QFETCH(QByteArray, content);
        const scheme::Scheme input = scheme::parse(content).scheme;
        QVERIFY(!input.colours.isEmpty());
        Style base = fixtures::defaultStyle();
        base.colours.fill(QColor()); // every colour must be drawn anew
        const Style style = stylefromscheme::generate(input, base);
        QCOMPARE(style.fonts, base.fonts);
        QVERIFY(std::all_of(style.colours.cbegin(), style.colours.cend(),
                            [](const QColor &c) { return c.isValid() && c.alpha() == 255; }));
        const double lowest = lowestContrast(style), closest = closestStates(style);
        QString moves;
        const QVector<double> changes = stylefromscheme::roleChanges(input, style);
        for (int i = 0; i < changes.size(); ++i)
            moves += QStringLiteral(" %1:%2").arg(i, 2, 16, QLatin1Char('0')).arg(changes[i], 0, 'f', 1);
        qInfo("lowest contrast %.2f:1, closest states %.1f; largest move per role%s", lowest, closest,
              qPrintable(moves));
        QVERIFY(lowest >= 4.5);
        QVERIFY(closest >= 11);
        QCOMPARE(changes.value(0, 0.0), 0.0); // the browser's ground is the scheme's, whatever else moves
        QCOMPARE(stylefromscheme::generate(input, base).colours, style.colours);
    }

    // A scheme colour that already meets a floor is kept exactly; one just short of it moves,
    // but no further than the floor needs.
    void colourMovesOnlyWhenAFloorNeeds_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<bool>("kept");
        // search_text (base05) is drawn on search_background (base00, #202020) alone.
        QTest::newRow("text 4.60:1") << "search_text" << 5 << "888888" << true;
        QTest::newRow("text 4.47:1") << "search_text" << 5 << "868686" << false;
        // Selected (base02) beside over (base01, #303030).
        QTest::newRow("selection 11.3 apart") << "list_selected" << 2 << "525252" << true;
        QTest::newRow("selection 10.9 apart") << "list_selected" << 2 << "515151" << false;
    }
    void colourMovesOnlyWhenAFloorNeeds()
    {
        QFETCH(QString, key);
        QFETCH(int, role);
        QFETCH(QString, colour);
        QFETCH(bool, kept);
        QStringList colours = harbourNight;
        colours[0] = QStringLiteral("202020");
        colours[1] = QStringLiteral("303030");
        colours[role] = colour;
        const scheme::Scheme input = scheme::parse(base16(QStringLiteral("Edge"), colours)).scheme;
        const Style style = stylefromscheme::generate(input, fixtures::defaultStyle());
        const QColor given(QLatin1Char('#') + colour), drawn = style.colour(key);
        QCOMPARE(drawn == given, kept);
        QVERIFY(colourspace::ciede2000(given, drawn) < 2.5);
        QVERIFY(lowestContrast(style) >= 4.5);
        QVERIFY(closestStates(style) >= 11);
    }

    void malformedFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QByteArray good = base16(QStringLiteral("Harbour Night"), harbourNight);
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
    void malformedFilesAreRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("scheme.yaml")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const scheme::ReadResult result = scheme::read(file.fileName());
        QVERIFY2(result.error.startsWith(message) || result.error.contains(message),
                 qPrintable(result.error));
        QVERIFY(result.scheme.colours.isEmpty());
    }

    void exportedSchemesReadBackAsTheyWereWritten_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("base16") << "style.yaml";
        QTest::newRow("palette") << "style.gpl";
    }
    void exportedSchemesReadBackAsTheyWereWritten()
    {
        QFETCH(QString, fileName);
        const scheme::Scheme written =
            stylefromscheme::fromStyle(fixtures::defaultStyle(), QStringLiteral("Default dark"));
        QTemporaryDir folder;
        const QString path = folder.filePath(fileName);
        QCOMPARE(scheme::write(path, written), QString());
        const scheme::ReadResult back = scheme::read(path);
        QCOMPARE(back.error, QString());
        QCOMPARE(int(back.scheme.kind), int(scheme::Kind::Base16));
        QCOMPARE(back.scheme.name, QStringLiteral("Default dark"));
        for (int i = 0; i < scheme::base16Count; ++i)
            QCOMPARE(back.scheme.colours[i].name(), written.colours[i].name());
        QCOMPARE(written.colours[0], fixtures::defaultStyle().colour("backgroundcolor").toRgb());
        // The style drawn from the exported scheme reads it back into the same rows.
        const Style redrawn = stylefromscheme::generate(back.scheme, fixtures::defaultStyle());
        QCOMPARE(redrawn.colour("backgroundcolor").name(), written.colours[0].name());
    }
};

QTEST_GUILESS_MAIN(SchemeTest)
#include "tst_scheme.moc"
