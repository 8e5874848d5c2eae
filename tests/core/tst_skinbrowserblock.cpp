// The generated <browser> text: byte for byte, since the host reads it as written.

#include "skin/browserblock.h"
#include "skin/linetext.h"
#include "skinfixtures.h"
#include "style/resources.h"

#include <QtTest>

class TestSkinBrowserBlock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initPanelcraftResources(); }
    void contentBlockOfDefaultTable();
    void attributesTakeTheirOwnKeys_data();
    void attributesTakeTheirOwnKeys();
    void alphaOnlyOnTheTwoLongFormKeys();
    void fontNamesStayWellFormedXml();
    void openingLine_data();
    void openingLine();
    void floatingWindow_data();
    void floatingWindow();
};

void TestSkinBrowserBlock::contentBlockOfDefaultTable()
{
    const QString expected = QStringLiteral(
        "\t<colors background=\"#ff202020\">\n"
        "\t\t<separators line=\"#7e7e7e\"/>\n"
        "\t\t<toolbars background=\"#393939\" text=\"#ffffff\" iconbackground=\"#1e1e1e\" border=\"#6d6d6d\" "
        "/>\n"
        "\t\t<columns background=\"#454545\" text=\"#ffffff\" />\n"
        "\t\t<scrollbars background=\"#454545\" button=\"#ffffff\" />\n"
        "\t\t<info background=\"#393939\" stripes=\"#303030\" text=\"#ffffff\" label=\"#a0a0a0\" "
        "artist=\"#d5d5d5\" "
        "title=\"#ffffff\" />\n"
        "\t\t<lists background=\"#202020\" stripes=\"#ff2a2a2a\" over=\"#252525\" overstripes=\"#2f2f2f\" "
        "selected=\"#555555\" focus=\"#7a7a7a\" text=\"#ffffff\" overtext=\"#ffffff\" "
        "selectedtext=\"#ffffff\" "
        "focustext=\"#ffffff\" automix=\"#4080c4\" livefeedback=\"#ffc4c4\" download=\"#ff4040\" "
        "scan=\"#ff4040\" "
        "button=\"#3d3d3d\" buttonactive=\"#838383\" insert=\"#ff0000\" />\n"
        "\t\t<search background=\"#1f1f1f\" border=\"#7a7a7a\" selected=\"#717171\" text=\"#ffffff\" "
        "cursor=\"#ffffff\" />\n"
        "\t\t<grids background=\"#2a2a2a\" over=\"#2f2f2f\" selected=\"#555555\" focus=\"#7a7a7a\" "
        "text=\"#ffffff\" "
        "overtext=\"#ffffff\" selectedtext=\"#ffffff\" focustext=\"#ffffff\" stripes=\"#202020\" "
        "overstripes=\"#2e2e2e\" selectedstripes=\"#2e2e2e\" focusstripes=\"#2e2e2e\" label=\"#7f7f7f\" />\n"
        "\t\t<prelisten background=\"#1f1f1f\" border=\"#7a7a7a\" selected=\"#136024\" cursor=\"#18a639\" "
        "button=\"#cbcbcb\" buttonbackground=\"#5c5c5c\" buttonselected=\"#18a639\" />\n"
        "\t</colors>\n"
        "\t<font name=\"Arial\" size=\"20\" weight=\"Normal\"/>\n"
        "\t<fontsearch font=\"Arial\" size=\"20\" weight=\"Normal\"/>\n"
        "\t<fontheader font=\"Arial\" size=\"16\" weight=\"Normal\"/>\n"
        "\t<fontgridtitle font=\"Arial\" size=\"20\" weight=\"Normal\"/>\n"
        "\t<fonttoolbar font=\"Arial\" size=\"16\" weight=\"Normal\"/>\n"
        "\t<pluginzone>\n"
        "\t\t<text font=\"Arial\" align=\"center\" size=\"12\" weight=\"Bold\"/>\n"
        "\t\t<font name=\"Arial\" size=\"20\" />\n"
        "\t\t<slider orientation=\"round\">\n"
        "\t\t\t<size width=\"47\" height=\"47\"/>\n"
        "\t\t\t<off x=\"10\" y=\"123-3\"/>\n"
        "\t\t\t<on x=\"10\" y=\"123-3\"/>\n"
        "\t\t\t<mousemask x=\"10\" y=\"123-3\"/>\n"
        "\t\t\t<fader anglemin=\"-140\" anglemax=\"+140\">\n"
        "\t\t\t\t<size width=\"47\" height=\"47\"/>\n"
        "\t\t\t\t<pos x=\"10+50\" y=\"123-3\"/>\n"
        "\t\t\t</fader>\n"
        "\t\t\t<fill>\n"
        "\t\t\t\t<on x=\"10+50+50\" y=\"123-3\"/>\n"
        "\t\t\t</fill>\n"
        "\t\t</slider>\n"
        "\t\t<button>\n"
        "\t\t\t<size width=\"47\" height=\"27\"/>\n"
        "\t\t\t<up x=\"170-1\" y=\"123-1\"/>\n"
        "\t\t\t<over x=\"170-1+50\" y=\"123-1\"/>\n"
        "\t\t\t<selected x=\"170-1+50+50\" y=\"123-1\"/>\n"
        "\t\t\t<down x=\"170-1+50+50\" y=\"123-1\"/>\n"
        "\t\t\t<text font=\"Arial\" size=\"12\" weight=\"Bold\" align=\"center\" color=\"#ffffff\" />\n"
        "\t\t\t<textover font=\"Arial\" size=\"12\" weight=\"Bold\" align=\"center\" color=\"#ffffff\" />\n"
        "\t\t\t<textdown font=\"Arial\" size=\"12\" weight=\"Bold\" align=\"center\" color=\"#ffffff\" />\n"
        "\t\t\t<textselected font=\"Arial\" size=\"12\" weight=\"Bold\" align=\"center\" color=\"#ffffff\" "
        "/>\n"
        "\t\t</button>\n"
        "\t\t<colors>\n"
        "\t\t<plugin background=\"#181818\" text=\"#ffffff\" title=\"#424242\" titletext=\"#ffffff\" />\n"
        "\t\t</colors>\n"
        "\t\t</pluginzone>");
    const QStringList block = browserblock::contentBlock(fixtures::defaultStyle(), 123);
    QCOMPARE(block.size(), 47);
    const QStringList want = expected.split(QLatin1Char('\n'));
    for (int i = 0; i < want.size(); ++i)
        QCOMPARE(block.at(i), want.at(i));
}

// Many defaults share a value (#ffffff); a style whose colours all differ shows each
// attribute reads its own key.
void TestSkinBrowserBlock::attributesTakeTheirOwnKeys_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("key");
    QTest::newRow("lists background") << 7 << "<lists background=\""
                                      << "list_background";
    QTest::newRow("button textover") << 40 << " color=\""
                                     << "fx_buttonover_text";
    QTest::newRow("button textdown") << 41 << " color=\""
                                     << "fx_buttonselect_text";
    QTest::newRow("button textselected") << 42 << " color=\""
                                         << "fx_buttonselect_text";
    QTest::newRow("plugin title") << 45 << " title=\""
                                  << "fx_titleback";
}

void TestSkinBrowserBlock::attributesTakeTheirOwnKeys()
{
    QFETCH(int, line);
    QFETCH(QString, attribute);
    QFETCH(QString, key);
    Style style = fixtures::defaultStyle();
    for (int i = 0; i < stylekeys::colourKeyCount; ++i)
        style.colours[std::size_t(i)] = QColor(i, 255 - i, 3 * i);
    const QString text = browserblock::contentBlock(style, 0).at(line - 1);
    QCOMPARE(linetext::valueAfter(text, attribute), style.colourName(key));
}

void TestSkinBrowserBlock::alphaOnlyOnTheTwoLongFormKeys()
{
    Style style = fixtures::defaultStyle();
    style.setColour(QStringLiteral("backgroundcolor"), QColor(0x12, 0x34, 0x56, 0));
    style.setColour(QStringLiteral("toolbar_background"), QColor(0x65, 0x43, 0x21, 0));
    const QStringList block = browserblock::contentBlock(style, 0);
    QCOMPARE(block.at(0), QStringLiteral("\t<colors background=\"#00123456\">"));
    QCOMPARE(linetext::valueAfter(block.at(2), QStringLiteral("background=\"")), QStringLiteral("#654321"));
}

void TestSkinBrowserBlock::fontNamesStayWellFormedXml()
{
    Style style = fixtures::defaultStyle();
    style.font(QStringLiteral("skin")).family = QStringLiteral("Black & \"White\"");
    QCOMPARE(
        browserblock::contentBlock(style, 0).at(11),
        QStringLiteral("\t<font name=\"Black &amp; &quot;White&quot;\" size=\"20\" weight=\"Normal\"/>"));
}

void TestSkinBrowserBlock::openingLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("lineHeight");
    QTest::addColumn<QString>("expected");
    QTest::newRow("bare") << "<browser>"
                          << "120"
                          << "<browser lineheight=\"120%\" >";
    QTest::newRow("value replaced, rest intact") << "\t<browser name=\"b\" lineheight=\"90%\" mode=\"x\">"
                                                 << "120"
                                                 << "\t<browser name=\"b\" lineheight=\"120%\" mode=\"x\">";
    QTest::newRow("100 is still written") << "<browser>"
                                          << "100"
                                          << "<browser lineheight=\"100%\" >";
    QTest::newRow("empty text") << "<browser lineheight=\"90%\">"
                                << ""
                                << "<browser lineheight=\"%\">";
    QTest::newRow("no quoted value is left alone") << "<browser lineheight=90>"
                                                   << "120"
                                                   << "<browser lineheight=90>";
}

void TestSkinBrowserBlock::openingLine()
{
    QFETCH(QString, line);
    QFETCH(QString, lineHeight);
    QFETCH(QString, expected);
    QCOMPARE(browserblock::rewriteOpeningLine(line, lineHeight), expected);
}

void TestSkinBrowserBlock::floatingWindow_data()
{
    QTest::addColumn<bool>("changeColours");
    QTest::addColumn<QString>("lineHeight");
    QTest::addColumn<QString>("browserLine");
    QTest::addColumn<int>("lineCount");
    QTest::newRow("own line height") << true << "120"
                                     << "<browser lineheight=\"120%\" >" << 10 + 47;
    QTest::newRow("100 gives a bare browser") << true << "100"
                                              << "<browser>" << 10 + 47;
    QTest::newRow("host colours") << false << "120"
                                  << "<browser>" << 10;
}

void TestSkinBrowserBlock::floatingWindow()
{
    QFETCH(bool, changeColours);
    QFETCH(QString, lineHeight);
    QFETCH(QString, browserLine);
    QFETCH(int, lineCount);
    const QStringList window =
        browserblock::floatingWindow(fixtures::defaultStyle(), changeColours, lineHeight);
    QCOMPARE(window.size(), lineCount);
    QCOMPARE(window.at(0),
             QStringLiteral("<window name=\"browserfloat\" breakline=\"21\" posx=\"100\" posy=\"100\" "
                            "width=\"800\" height=\"200\" image=\"browserfloat.png\" shown=\"true\" >"));
    QCOMPARE(window.at(1), browserLine);
    QCOMPARE(window.at(2), QStringLiteral("\t<size width=\"800-10\" height=\"200-20-10\"/>"));
    QCOMPARE(window.at(3), QStringLiteral("\t<pos x=\"5\" y=\"20\"/>"));
    if (changeColours)
        QVERIFY(window.contains(QStringLiteral("\t\t\t<off x=\"10\" y=\"210-3\"/>")));
    const QStringList tail = window.mid(window.size() - 6);
    QCOMPARE(tail, (QStringList{QStringLiteral("</browser>"),
                                QStringLiteral("\t<button action=\"show_window &apos;browserfloat&apos;\">"),
                                QStringLiteral("\t\t<pos x=\"780\" y=\"2\"/>"),
                                QStringLiteral("\t\t<size width=\"17\" height=\"16\"/>"),
                                QStringLiteral("\t</button>"), QStringLiteral("</window>")}));
}

QTEST_GUILESS_MAIN(TestSkinBrowserBlock)
#include "tst_skinbrowserblock.moc"
