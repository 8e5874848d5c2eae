// Colour schemes read, turned into styles that keep both floors, and written back. Schemes of
// every kind keep the floors in the fuzz seeds (fuzz/corpus/scheme), replayed by the suite.

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

class SchemeTest : public QObject
{
    Q_OBJECT

private slots:
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
        colours[0] = "202020";
        colours[1] = "303030";
        colours[role] = colour;
        const scheme::Scheme input = scheme::parse(base16("Edge", colours)).scheme;
        const Style style = stylefromscheme::generate(input, fixtures::defaultStyle());
        const QColor given(QLatin1Char('#') + colour), drawn = style.colour(key);
        QCOMPARE(drawn == given, kept);
        QVERIFY(colourspace::ciede2000(given, drawn) < 2.5);
        QVERIFY(role == 5 ? contrast::ratio(drawn, QColor(0x20, 0x20, 0x20)) >= 4.5
                          : colourvision::leastDifference(drawn, QColor(0x30, 0x30, 0x30)) >= 11);
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

    void malformedFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QByteArray good = base16("Harbour Night", harbourNight);
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
        QFile file(folder.filePath("scheme.yaml"));
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
        const scheme::Scheme written = stylefromscheme::fromStyle(fixtures::defaultStyle(), "Default dark");
        QTemporaryDir folder;
        const QString path = folder.filePath(fileName);
        QCOMPARE(scheme::write(path, written), QString());
        const scheme::ReadResult back = scheme::read(path);
        QCOMPARE(back.error, QString());
        QCOMPARE(int(back.scheme.kind), int(scheme::Kind::Base16));
        QCOMPARE(back.scheme.name, "Default dark");
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
