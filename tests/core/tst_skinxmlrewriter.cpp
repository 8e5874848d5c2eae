// The line rules that turn a skin XML file into the restyled one.

#include "skin/browserblock.h"
#include "skin/fontrewrite.h"
#include "skin/xmlrewriter.h"
#include "skinfixtures.h"
#include "style/resources.h"

#include <QtTest>

namespace {

// Runs the rewriter on `lines` with the images of a fixture skin: "skin.png" is 300 high. The
// marks around what the build adds are left out here; the builder's tests follow them.
RewrittenXml rewrite(const QStringList &lines, const SkinBuildOptions &options,
                     const QList<QStringList> &windowFiles = {})
{
    static const Style style = fixtures::defaultStyle();
    const RewriteContext context{options, style, std::nullopt, windowFiles, [](const QString &image) {
                                     return image == QLatin1String("skin.png") ? 300 : 0;
                                 }};
    RewrittenXml xml = rewriteSkinXml(lines, QStringLiteral("layout"), context);
    xml.lines = xml.lines.filter(QRegularExpression(QStringLiteral("^(?!<!-- panelcraft )")));
    return xml;
}

SkinBuildOptions keepBrowser()
{
    SkinBuildOptions options;
    options.changeColours = false;
    return options;
}

} // namespace

class TestSkinXmlRewriter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initPanelcraftResources(); }

    // The generated block is written as it is: the global font option is for the skin's own lines.
    // <browserinfo> neither starts nor ends a replacement.
    void multiLineBrowserKeepsOnlyPositionAndSize()
    {
        SkinBuildOptions options;
        options.lineHeight = QStringLiteral("120");
        options.globalFont = true;
        options.globalFontName = QStringLiteral("Verdana");
        options.globalSize = QStringLiteral("150");
        const QStringList in{"<skin image=\"skin.png\">",
                             "\t<browser lineheight=\"90%\" name=\"b\">",
                             "\t\t<pos x=\"1\" y=\"2\"/>",
                             "\t\t<colors background=\"#010101\">",
                             "\t\t</colors>",
                             "\t\t<size width=\"3\" height=\"4\"/>",
                             "\t\t<font name=\"Old\" size=\"9\"/>",
                             "\t</browser>",
                             "<browserinfo>",
                             "\t<separator/>",
                             "</browserinfo>",
                             "</skin>"};
        const QStringList block = browserblock::contentBlock(fixtures::defaultStyle(), 306);
        const QStringList expected =
            QStringList{"<skin image=\"skin.png\">", "\t<browser lineheight=\"120%\" name=\"b\">",
                        "\t\t<pos x=\"1\" y=\"2\"/>", "\t\t<size width=\"3\" height=\"4\"/>"} +
            block + in.mid(7);
        QCOMPARE(rewrite(in, options).lines, expected);
    }

    void selfClosingBrowserGetsAWholeElement()
    {
        const QStringList in{"<skin image=\"skin.png\">", "\t<browser name=\"b\" />", "\t<deck/>", "</skin>"};
        const QStringList out = rewrite(in, SkinBuildOptions()).lines;
        QCOMPARE(out.at(1), QStringLiteral("\t<browser lineheight=\"100%\"  name=\"b\" >"));
        QCOMPARE(out.mid(2, 47), browserblock::contentBlock(fixtures::defaultStyle(), 306));
        QCOMPARE(out.mid(49), (QStringList{"</browser>", "\t<deck/>", "</skin>"}));
    }

    void iconLines_data()
    {
        QTest::addColumn<IconSet>("set");
        QTest::addColumn<bool>("sheet");
        QTest::newRow("default") << IconSet::Default << false;
        QTest::newRow("alternative") << IconSet::Alternative << true;
        QTest::newRow("white") << IconSet::White << true;
        QTest::newRow("another skin without a sheet") << IconSet::FromOtherSkin << false;
    }

    // The skin's own <customicons line always goes; each skin end gets one line at its image's
    // row, unless that image is missing: nothing may point into it.
    void iconLines()
    {
        QFETCH(IconSet, set);
        QFETCH(bool, sheet);
        SkinBuildOptions options;
        options.iconSet = set;
        const QString capital =
            QStringLiteral("\t<Customicons x=\"5\" y=\"6\" iconsize=\"32\" nb=\"8\" nbx=\"4\" />");
        const QStringList out = rewrite({"<skin image=\"skin.png\">",
                                         "\t<customicons x=\"5\" y=\"6\" iconsize=\"32\" nb=\"8\" />",
                                         capital, "</skin>", "<skin image=\"other.png\">", "</Skin>"},
                                        options)
                                    .lines;
        QVERIFY(out.contains(capital));
        QCOMPARE(out.filter(QStringLiteral("<customicons")).size(), sheet ? 1 : 0);
        if (sheet)
            QCOMPARE(
                out.at(out.indexOf(QStringLiteral("</skin>")) - 1),
                QStringLiteral("<customicons x=\"0\" y=\"301\" iconsize=\"64\" nb=\"144\" nbx=\"16\" />"));
    }

    // A custom sheet taller than the usual 590 rows pushes the plugin row down instead of being
    // painted over.
    void tallSheetPushesThePluginRowDown()
    {
        SkinBuildOptions options;
        options.iconSet = IconSet::FromOtherSkin;
        static const Style style = fixtures::defaultStyle();
        const RewriteContext context{
            options, style, iconsheets::CustomSheet{"icons.png", 0, 0, {100, 8, 1}}, {}, [](const QString &) {
                return 300;
            }};
        const RewrittenXml xml = rewriteSkinXml({"<skin image=\"skin.png\">", "</skin>"}, "layout", context);
        QCOMPARE(xml.iconRow, 301);
        QCOMPARE(xml.pluginRow, 301 + 800 + 10);
    }

    void rowsFollowTheSkinImage_data()
    {
        QTest::addColumn<QString>("skinLine");
        QTest::addColumn<QString>("imageName");
        QTest::addColumn<int>("iconRow");
        QTest::addColumn<int>("pluginRow");
        const auto row = [](const char *name, const char *line, const char *image, int iconRow,
                            int pluginRow) {
            QTest::newRow(name) << QString(line) << QString(image) << iconRow << pluginRow;
        };
        row("image attribute", "<skin image=\"skin.png\">", "skin.png", 301, 306);
        row("no image attribute", "<skin name=\"x\">", "layout.png", 1, 6);
        row("dotted name kept", "<skin image=\"my.skin.png\">", "my.skin.png", 1, 6);
        row("attribute named exactly image", "<Skin imagebis=\"gone.png\" image = 'skin.png'>", "skin.png",
            301, 306);
        row("no skin line", "<deck>", "", 0, 0);
    }

    void rowsFollowTheSkinImage()
    {
        QFETCH(QString, skinLine);
        QFETCH(QString, imageName);
        QFETCH(int, iconRow);
        QFETCH(int, pluginRow);
        const QStringList in{skinLine, "<browser>", "</browser>"};
        const RewrittenXml xml = rewrite(in, SkinBuildOptions());
        QCOMPARE(xml.imageName, imageName);
        QCOMPARE(xml.iconRow, iconRow);
        QCOMPARE(xml.pluginRow, pluginRow);
        // Without its image the browser keeps its own coordinates rather than point into nothing.
        if (iconRow > 1)
            QVERIFY(xml.lines.contains(QStringLiteral("\t\t\t<off x=\"10\" y=\"%1-3\"/>").arg(pluginRow)));
        else
            QCOMPARE(xml.lines, in);
    }

    void layoutsOfOtherTools_data()
    {
        QTest::addColumn<QStringList>("in");
        QTest::addColumn<IconSet>("icons");
        QTest::addColumn<QStringList>("expected"); // BLOCK: the content block at row 306
        const QString skin = QStringLiteral("<skin image=\"skin.png\">");
        const QString opening = QStringLiteral("<browser lineheight=\"100%\" >");
        QTest::newRow("tags named in a comment")
            << QStringList{skin,         "<!-- the <browser> and </skin> follow -->",
                           "<deck/>",    "<browser>",
                           "</browser>", "</skin>"}
            << IconSet::Default << QStringList{skin,      "<!-- the <browser> and </skin> follow -->",
                                               "<deck/>", opening,
                                               "BLOCK",   "</browser>",
                                               "</skin>"};
        QTest::newRow("tags inside a processing instruction over lines")
            << QStringList{skin, "<?note the", "</skin> is not here ?>", "<browser>", "</browser>", "</skin>"}
            << IconSet::Default
            << QStringList{skin,    "<?note the", "</skin> is not here ?>", opening,
                           "BLOCK", "</browser>", "</skin>"};
        QTest::newRow("browser on one line")
            << QStringList{skin, "\t<browser><pos x=\"1\"/><colors/></browser>", "</skin>"}
            << IconSet::Default
            << QStringList{skin, "\t" + opening, "<pos x=\"1\"/><colors/>", "BLOCK", "</browser>", "</skin>"};
        QTest::newRow("file on one line")
            << QStringList{skin + "<browser></browser><deck/></skin>"} << IconSet::Default
            << QStringList{skin, opening, "BLOCK", "</browser><deck/>", "</skin>"};
        QTest::newRow("tags split over lines, single quotes, spaces around =")
            << QStringList{"<skin name='x'", "  image = 'skin.png'>",
                           "<browser",       "  lineheight = '90%'>",
                           "</browser>",     "</skin>"}
            << IconSet::Default
            << QStringList{"<skin name='x'   image = 'skin.png'>", "<browser   lineheight = '100%'>", "BLOCK",
                           "</browser>", "</skin>"};
        QTest::newRow("upper-case skin end")
            << QStringList{"<SKIN image=\"skin.png\">", "</SKIN>"} << IconSet::Alternative
            << QStringList{"<SKIN image=\"skin.png\">",
                           "<customicons x=\"0\" y=\"301\" iconsize=\"64\" nb=\"144\" nbx=\"16\" />",
                           "</SKIN>"};
    }

    // Layouts as other tools write them come out as one well-formed browser, each line once.
    void layoutsOfOtherTools()
    {
        QFETCH(QStringList, in);
        QFETCH(IconSet, icons);
        QFETCH(QStringList, expected);
        SkinBuildOptions options;
        options.iconSet = icons;
        const int block = expected.indexOf(QStringLiteral("BLOCK"));
        if (block >= 0) {
            expected.removeAt(block);
            const QStringList content = browserblock::contentBlock(fixtures::defaultStyle(), 306);
            for (int i = content.size() - 1; i >= 0; --i)
                expected.insert(block, content.at(i));
        }
        QCOMPARE(rewrite(in, options).lines, expected);
    }

    // Every window of every file, each whole: a self-closing one ends where it starts.
    void importedWindowsBeforeEverySkinEnd()
    {
        const QList<QStringList> windowFiles{
            {"<skin>", "<window name=\"a\" image=\"a.png\" />", "<deck/>", "<window name=\"b\">",
             "\t<pos x=\"1\"/>", "</window>", "<other/>"},
            // A commented-out window is none; one left open ends before its skin does.
            {"<!-- <window name=\"x\"> -->", "<Window name=\"c\">", "<pos/>", "</skin>", "<after/>"},
        };
        const QStringList imported{"<window name=\"a\" image=\"a.png\" />",
                                   "<window name=\"b\">",
                                   "\t<pos x=\"1\"/>",
                                   "</window>",
                                   "<Window name=\"c\">",
                                   "<pos/>"};
        const QStringList out =
            rewrite({"<skin>", "</skin>", "<skin>", "</skin>"}, keepBrowser(), windowFiles).lines;
        QCOMPARE(out, (QStringList{"<skin>"} + imported + QStringList{"</skin>", "<skin>"} + imported +
                       QStringList{"</skin>"}));
    }

    void globalFont_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *family, const char *size, const char *line,
                            const char *expected) {
            QTest::newRow(name) << QString(family) << QString(size) << QString(line) << QString(expected);
        };
        row("text size rounds half up", "Verdana", "150", "<text font=\"Arial\" size=\"11\"/>",
            "<text font=\"Verdana\" size=\"17\"/>");
        row("font keeps its size", "Verdana", "150", "<font name=\"Arial\" size=\"11\"/>",
            "<font name=\"Verdana\" size=\"11\"/>");
        row("every text font and size", "V", "200",
            "<textover font=\"A\" size=\"5\" fontb font=\"B\" size=\"7.5\"/>",
            "<textover font=\"V\" size=\"10\" fontb font=\"V\" size=\"15\"/>");
        row("100 keeps sizes", "V", "100", "<text font=\"A\" size=\"11\"/>",
            "<text font=\"V\" size=\"11\"/>");
        row("no family: names stay", "", "150", "<text font=\"A\" size=\"12\"/>",
            "<text font=\"A\" size=\"18\"/>");
        row("size that is no number stays", "V", "150", "<text font=\"A\" size=\"big\"/>",
            "<text font=\"V\" size=\"big\"/>");
        row("size out of range stays", "V", "150", "<text size=\"1e300\"/><text size=\"nan\"/>",
            "<text size=\"1e300\"/><text size=\"nan\"/>");
        row("font line without name", "V", "150", "<fontsearch font=\"A\"/>", "<fontsearch font=\"A\"/>");
        row("family escaped", "A&B", "", "<font name=\"Arial\"/>", "<font name=\"A&amp;B\"/>");
    }

    void globalFont()
    {
        QFETCH(QString, family);
        QFETCH(QString, size);
        QFETCH(QString, line);
        QFETCH(QString, expected);
        SkinBuildOptions options = keepBrowser();
        options.globalFont = true;
        options.globalFontName = family;
        options.globalSize = size;
        QCOMPARE(rewrite({line}, options).lines, QStringList(expected));
    }
};

QTEST_GUILESS_MAIN(TestSkinXmlRewriter)
#include "tst_skinxmlrewriter.moc"
