// The line rules that turn a skin XML file into the restyled one.

#include "skin/browserblock.h"
#include "skin/fontrewrite.h"
#include "skin/xmlrewriter.h"
#include "skinfixtures.h"
#include "style/resources.h"

#include <QtTest>

Q_DECLARE_METATYPE(IconSet)

namespace {

const QString alternativeLine =
    QStringLiteral("<customicons x=\"0\" y=\"%1\" iconsize=\"64\" nb=\"144\" nbx=\"16\" />");

// Runs the rewriter on `lines` with the images of a fixture skin: "skin.png" is 300 high.
RewrittenXml rewrite(const QStringList &lines, const SkinBuildOptions &options,
                     const QList<QStringList> &windowFiles = {},
                     std::optional<iconsheets::CustomSheet> customSheet = std::nullopt)
{
    static const Style style = fixtures::defaultStyle();
    const RewriteContext context{options, style, customSheet, windowFiles, [](const QString &image) {
                                     return image == QLatin1String("skin.png") ? 300 : 0;
                                 }};
    return rewriteSkinXml(lines, QStringLiteral("layout"), context);
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
    void multiLineBrowserKeepsOnlyPositionAndSize();
    void browserInfoNeverStartsTheReplacement();
    void selfClosingBrowserGetsAWholeElement();
    void iconLines_data();
    void iconLines();
    void rowsFollowTheSkinImage_data();
    void rowsFollowTheSkinImage();
    void importedWindowsBeforeEverySkinEnd();
    void selfClosingImportedWindowIsComplete();
    void globalFont_data();
    void globalFont();
    void generatedLinesIgnoreTheGlobalFont();
};

void TestSkinXmlRewriter::multiLineBrowserKeepsOnlyPositionAndSize()
{
    SkinBuildOptions options;
    options.lineHeight = QStringLiteral("120");
    const QStringList in{"<skin image=\"skin.png\">",
                         "\t<browser lineheight=\"90%\" name=\"b\">",
                         "\t\t<pos x=\"1\" y=\"2\"/>",
                         "\t\t<colors background=\"#010101\">",
                         "\t\t</colors>",
                         "\t\t<size width=\"3\" height=\"4\"/>",
                         "\t\t<font name=\"Old\" size=\"9\"/>",
                         "\t</browser>",
                         "</skin>"};
    const QStringList out = rewrite(in, options).lines;
    const QStringList block = browserblock::contentBlock(fixtures::defaultStyle(), 306);
    const QStringList expected =
        QStringList{"<skin image=\"skin.png\">", "\t<browser lineheight=\"120%\" name=\"b\">",
                    "\t\t<pos x=\"1\" y=\"2\"/>", "\t\t<size width=\"3\" height=\"4\"/>"} +
        block + QStringList{"\t</browser>", "</skin>"};
    QCOMPARE(out, expected);
}

void TestSkinXmlRewriter::browserInfoNeverStartsTheReplacement()
{
    const QStringList in{"<skin image=\"skin.png\">", "<browserinfo>", "\t<text size=\"9\"/>",
                         "</browserinfo>", "</skin>"};
    QCOMPARE(rewrite(in, SkinBuildOptions()).lines, in);
}

void TestSkinXmlRewriter::selfClosingBrowserGetsAWholeElement()
{
    const QStringList in{"<skin image=\"skin.png\">", "\t<browser name=\"b\" />", "\t<deck/>", "</skin>"};
    const QStringList out = rewrite(in, SkinBuildOptions()).lines;
    QCOMPARE(out.at(1), QStringLiteral("\t<browser lineheight=\"100%\"  name=\"b\" >"));
    QCOMPARE(out.mid(2, 47), browserblock::contentBlock(fixtures::defaultStyle(), 306));
    QCOMPARE(out.mid(49), (QStringList{"</browser>", "\t<deck/>", "</skin>"}));
}

void TestSkinXmlRewriter::iconLines_data()
{
    QTest::addColumn<IconSet>("set");
    QTest::addColumn<bool>("sheet");
    QTest::newRow("default") << IconSet::Default << false;
    QTest::newRow("alternative") << IconSet::Alternative << true;
    QTest::newRow("white") << IconSet::White << true;
    QTest::newRow("another skin without a sheet") << IconSet::FromOtherSkin << false;
}

// The skin's own <customicons line always goes; each skin end gets one line at its image's row.
void TestSkinXmlRewriter::iconLines()
{
    QFETCH(IconSet, set);
    QFETCH(bool, sheet);
    SkinBuildOptions options;
    options.iconSet = set;
    const QString own =
        QStringLiteral("\t<customicons x=\"5\" y=\"6\" iconsize=\"32\" nb=\"8\" nbx=\"4\" />");
    const QString capital =
        QStringLiteral("\t<Customicons x=\"5\" y=\"6\" iconsize=\"32\" nb=\"8\" nbx=\"4\" />");
    const QStringList out = rewrite({"<skin image=\"skin.png\">", own, capital, "</skin>",
                                     "<skin image=\"other.png\">", "</Skin>"},
                                    options)
                                .lines;
    QVERIFY(out.contains(capital));
    QCOMPARE(out.filter(QStringLiteral("<customicons")).size(), sheet ? 2 : 0);
    if (sheet) {
        QCOMPARE(out.at(out.indexOf(QStringLiteral("</skin>")) - 1), alternativeLine.arg(301));
        QCOMPARE(out.at(out.indexOf(QStringLiteral("</Skin>")) - 1), alternativeLine.arg(1));
    }
}

void TestSkinXmlRewriter::rowsFollowTheSkinImage_data()
{
    QTest::addColumn<QString>("skinLine");
    QTest::addColumn<IconSet>("set");
    QTest::addColumn<QString>("imageName");
    QTest::addColumn<int>("iconRow");
    QTest::addColumn<int>("pluginRow");
    QTest::newRow("image attribute") << "<skin image=\"skin.png\">" << IconSet::Default << "skin.png" << 301
                                     << 306;
    QTest::newRow("no image attribute") << "<skin name=\"x\">" << IconSet::Default << "layout.png" << 1 << 6;
    QTest::newRow("dotted name kept")
        << "<skin image=\"my.skin.png\">" << IconSet::Default << "my.skin.png" << 1 << 6;
    QTest::newRow("last image wins") << "<Skin image=\"gone.png\" imagebis=\"skin.png\">" << IconSet::Default
                                     << "skin.png" << 301 << 306;
    QTest::newRow("no skin line") << "<deck>" << IconSet::Default << "" << 0 << 0;
}

void TestSkinXmlRewriter::rowsFollowTheSkinImage()
{
    QFETCH(QString, skinLine);
    QFETCH(IconSet, set);
    QFETCH(QString, imageName);
    QFETCH(int, iconRow);
    QFETCH(int, pluginRow);
    SkinBuildOptions options;
    options.iconSet = set;
    const RewrittenXml xml = rewrite({skinLine, "<browser>", "</browser>"}, options);
    QCOMPARE(xml.imageName, imageName);
    QCOMPARE(xml.iconRow, iconRow);
    QCOMPARE(xml.pluginRow, pluginRow);
    QVERIFY(xml.lines.contains(QStringLiteral("\t\t\t<off x=\"10\" y=\"%1-3\"/>").arg(pluginRow)));
}

void TestSkinXmlRewriter::importedWindowsBeforeEverySkinEnd()
{
    const QList<QStringList> windowFiles{
        {"<skin>", "<window name=\"a\">", "\t<pos x=\"1\"/>", "</window>", "<deck/>"},
        {"<Window name=\"b\">", "</Window>", "</skin>"},
    };
    const QStringList imported{"<window name=\"a\">", "\t<pos x=\"1\"/>", "</window>", "<Window name=\"b\">",
                               "</Window>"};
    const QStringList out =
        rewrite({"<skin>", "</skin>", "<skin>", "</skin>"}, keepBrowser(), windowFiles).lines;
    QCOMPARE(out, (QStringList{"<skin>"} + imported + QStringList{"</skin>", "<skin>"} + imported +
                   QStringList{"</skin>"}));
}

void TestSkinXmlRewriter::selfClosingImportedWindowIsComplete()
{
    const QList<QStringList> windowFiles{
        {"<window name=\"a\" image=\"a.png\" />", "<deck/>", "<window name=\"b\"><pos x=\"1\"/>", "</window>",
         "<other/>"},
    };
    const QStringList out = rewrite({"<skin>", "</skin>"}, keepBrowser(), windowFiles).lines;
    QCOMPARE(out, (QStringList{"<skin>", "<window name=\"a\" image=\"a.png\" />",
                               "<window name=\"b\"><pos x=\"1\"/>", "</window>", "</skin>"}));
}

void TestSkinXmlRewriter::globalFont_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("text size rounds half up") << "Verdana"
                                              << "150"
                                              << "<text font=\"Arial\" size=\"11\"/>"
                                              << "<text font=\"Verdana\" size=\"17\"/>";
    QTest::newRow("font keeps its size") << "Verdana"
                                         << "150"
                                         << "<font name=\"Arial\" size=\"11\"/>"
                                         << "<font name=\"Verdana\" size=\"11\"/>";
    QTest::newRow("every text font and size")
        << "V"
        << "200"
        << "<textover font=\"A\" size=\"5\" fontb font=\"B\" size=\"7.5\"/>"
        << "<textover font=\"V\" size=\"10\" fontb font=\"V\" size=\"15\"/>";
    QTest::newRow("100 keeps sizes") << "V"
                                     << "100"
                                     << "<text font=\"A\" size=\"11\"/>"
                                     << "<text font=\"V\" size=\"11\"/>";
    QTest::newRow("size that is no number stays") << ""
                                                  << "150"
                                                  << "<text font=\"A\" size=\"big\"/>"
                                                  << "<text font=\"A\" size=\"big\"/>";
    QTest::newRow("font line without name") << "V"
                                            << "150"
                                            << "<fontsearch font=\"A\"/>"
                                            << "<fontsearch font=\"A\"/>";
    QTest::newRow("family escaped") << "A&B"
                                    << ""
                                    << "<font name=\"Arial\"/>"
                                    << "<font name=\"A&amp;B\"/>";
}

void TestSkinXmlRewriter::globalFont()
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

// The generated block is written as it is: the global option applies to the skin's own lines.
void TestSkinXmlRewriter::generatedLinesIgnoreTheGlobalFont()
{
    SkinBuildOptions options;
    options.globalFont = true;
    options.globalFontName = QStringLiteral("Verdana");
    options.globalSize = QStringLiteral("150");
    const QStringList out =
        rewrite({"<skin image=\"skin.png\">", "<browser>", "</browser>", "</skin>"}, options).lines;
    QVERIFY(out.contains(QStringLiteral("\t<font name=\"Arial\" size=\"20\" weight=\"Normal\"/>")));
    QVERIFY(out.contains(
        QStringLiteral("\t\t<text font=\"Arial\" align=\"center\" size=\"12\" weight=\"Bold\"/>")));
}

QTEST_GUILESS_MAIN(TestSkinXmlRewriter)
#include "tst_skinxmlrewriter.moc"
