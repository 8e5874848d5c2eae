// SPDX-License-Identifier: GPL-3.0-or-later
// The line rules that turn a skin XML file into the restyled one; what a source skin offers (its
// floating windows and custom browser icons); the generated <browser> block, whose default is the
// known text tests/skin/layout/browserblock.xml, and the block read back: what one writes the other reads.

#include "skin/layout/browserblock.h"
#include "skin/layout/browserblockreader.h"
#include "skin/layout/layoutfile.h"
#include "skin/layout/sourcescan.h"
#include "skin/layout/xmlrewriter.h"
#include "skin/sourceskins.h"
#include "skinfixtures.h"

#include <QtTest>

namespace {

// Runs the rewriter on `lines` with the images of a fixture skin: "skin.png" is 300 high, every
// other image missing. The marks around what the build adds are left out here; the builder's
// tests follow them.
RewrittenXml rewriteText(const QString &text, const SkinBuildOptions &options,
                         const QList<QStringList> &windowFiles = {},
                         const std::optional<sourcescan::CustomSheet> &sheet = std::nullopt)
{
    static const Style style = fixtures::defaultStyle();
    const xmltokens::Document layout = xmltokens::read(text, rewrittenElements());
    ImageTable images;
    for (const QString &name : skinImageNames(layout, QStringLiteral("layout")))
        images.insert(name, name == QLatin1String("skin.png") ? ImageFacts{name, QSize(400, 300), {}}
                                                              : ImageFacts());
    QList<sourcescan::Layout> windows;
    for (const QStringList &file : windowFiles)
        windows << sourcescan::Layout{{}, xmltokens::read(file.join('\n'), sourcescan::scannedElements())};
    std::optional<iconsheets::Layout> sheetLayout;
    if (options.iconSet == IconSet::Alternative || options.iconSet == IconSet::White)
        sheetLayout = iconsheets::builtInLayout;
    else if (options.iconSet == IconSet::FromOtherSkin && sheet)
        sheetLayout = sheet->layout;
    const RewriteContext context{options, style, sheetLayout, sourcescan::windows(windows).lines, images};
    return rewriteSkinXml(layout, QStringLiteral("layout"), context);
}

// The lines the rewriter makes of `lines`, without the marks.
QStringList rewrite(const QStringList &lines, const SkinBuildOptions &options,
                    const QList<QStringList> &windowFiles = {})
{
    QStringList out = rewriteText(lines.join('\n') + '\n', options, windowFiles).text.split('\n');
    out.removeLast();
    return out.filter(QRegularExpression(QStringLiteral("^(?!<!-- panelcraft )")));
}

// The default style's block as written out in tests/skin/layout/browserblock.xml, at another plugin row.
QStringList knownBlock(int pluginRow)
{
    const QString golden = fixtures::sourcePath("tests/skin/layout/browserblock.xml");
    return QString::fromUtf8(fixtures::readFile(golden))
        .replace("y=\"123-", QStringLiteral("y=\"%1-").arg(pluginRow))
        .split('\n', Qt::SkipEmptyParts);
}

SkinBuildOptions keepBrowser()
{
    SkinBuildOptions options;
    options.changeColours = false;
    return options;
}

QByteArray skinXml(const QStringList &block,
                   const QString &browserLine = QStringLiteral("<browser lineheight=\"120%\">"))
{
    return fixtures::xml(QStringList{"<skin image=\"s.png\">", browserLine} + block +
                         QStringList{"</browser>", "</skin>"});
}

// The attributes of every line in the opposite order, as another skin editor might write them.
QStringList reversedAttributes(const QStringList &lines)
{
    static const QRegularExpression attribute(QStringLiteral("\\s(\\w+)=\"[^\"]*\""));
    QStringList out;
    for (const QString &line : lines) {
        QStringList found;
        for (auto it = attribute.globalMatch(line); it.hasNext();)
            found.prepend(it.next().captured(0));
        QString bare = line;
        bare.remove(attribute);
        const int close =
            bare.lastIndexOf(bare.endsWith(QLatin1String("/>")) ? QLatin1String("/>") : QLatin1String(">"));
        out << bare.left(close) + found.join(QString()) + bare.mid(close);
    }
    return out;
}

} // namespace

class TestSkinXmlRewriter : public QObject
{
    Q_OBJECT

private slots:

    // Lines removed go with their whole line end, lines added take the layout's first: no end is
    // left half, and none of another kind appears (L: LF, C: CR, W: CR LF, in order).
    void lineEndsAroundEverySplice_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("ends");
        const QString body =
            "<skin image=\"skin.png\">#\t<customicons x=\"5\" nb=\"8\" />#<browser>#</browser>#</skin>#";
        QTest::newRow("CR LF") << QString(body).replace('#', "\r\n") << "W+";
        QTest::newRow("CR") << QString(body).replace('#', "\r") << "C+";
        QTest::newRow("LF, then CR LF") << "<skin image=\"skin.png\">\n\t<customicons nb=\"8\" "
                                           "/>\r\n<browser>\r\n</browser>\r\n</skin>\r\n"
                                        << "L+WL+W";
    }
    void lineEndsAroundEverySplice()
    {
        QFETCH(QString, layout);
        QFETCH(QString, ends);
        SkinBuildOptions options;
        options.iconSet = IconSet::White;
        const QString out = rewriteText(layout, options).text;
        QVERIFY2(!out.contains("x=\"5\"") && out.contains("<customicons x=\"0\""), qPrintable(out));
        QString found;
        for (int i = 0; i < out.size(); ++i) {
            if (out.midRef(i, 2) == QLatin1String("\r\n"))
                found += 'W', ++i;
            else if (out.at(i) == '\r' || out.at(i) == '\n')
                found += out.at(i) == '\r' ? 'C' : 'L';
        }
        QVERIFY2(QRegularExpression("^" + ends + "$").match(found).hasMatch(), qPrintable(found));
    }

    // A layout declaring its own entities cannot be rewritten by offsets (the builder leaves it
    // as it is, with a warning); a DOCTYPE alone changes nothing.
    void layoutsWithADoctype_data()
    {
        QTest::addColumn<QString>("doctype");
        QTest::addColumn<bool>("readable");
        QTest::newRow("no entities") << "<!DOCTYPE skin>" << true;
        QTest::newRow("internal subset without entities") << "<!DOCTYPE skin [<!ELEMENT skin ANY>]>" << true;
        QTest::newRow("own entity") << "<!DOCTYPE skin [<!ENTITY w \"40\">]>" << false;
    }
    void layoutsWithADoctype()
    {
        QFETCH(QString, doctype);
        QFETCH(bool, readable);
        const QString head = "<?xml version=\"1.0\"?>\n" + doctype + "\n<skin image=\"skin.png\">\n";
        const QString layout = head + "<browser>\n</browser>\n</skin>\n";
        QCOMPARE(xmltokens::read(layout, rewrittenElements()).error,
                 readable ? QString() : QString("declares entities of its own"));
        if (readable)
            QVERIFY(rewriteText(layout, SkinBuildOptions()).text.startsWith(head + "<browser lineheight"));
    }

    // A custom sheet taller than the usual 590 rows pushes the plugin row down instead of being
    // painted over.
    void tallSheetPushesThePluginRowDown()
    {
        SkinBuildOptions options;
        options.iconSet = IconSet::FromOtherSkin;
        const RewrittenXml xml = rewriteText("<skin image=\"skin.png\"></skin>", options, {},
                                             sourcescan::CustomSheet{"icons.png", 0, 0, {100, 8, 1}});
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
                            int pluginRow) { QTest::newRow(name) << line << image << iconRow << pluginRow; };
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
        const QString end = "</" + skinLine.mid(1).section(QRegularExpression("[ >]"), 0, 0) + ">";
        const QStringList in{skinLine, "<browser>", "</browser>", end};
        const RewrittenXml xml = rewriteText(in.join('\n'), SkinBuildOptions());
        QCOMPARE(xml.imageName, imageName);
        QCOMPARE(xml.iconRow, iconRow);
        QCOMPARE(xml.pluginRow, pluginRow);
        // Without its image the browser keeps its own coordinates rather than point into nothing.
        if (iconRow > 1)
            QVERIFY(xml.text.contains(QStringLiteral("\t\t\t<off x=\"10\" y=\"%1-3\"/>").arg(pluginRow)));
        else
            QCOMPARE(xml.text, in.join('\n'));
    }

    void layoutsOfOtherTools_data()
    {
        QTest::addColumn<QStringList>("in");
        QTest::addColumn<IconSet>("icons");
        QTest::addColumn<QStringList>("expected"); // BLOCK: the content block at row 306
        const QString skin = "<skin image=\"skin.png\">", opening = "<browser lineheight=\"100%\" >";
        const auto row = [](const char *name, const QStringList &in, const QStringList &expected,
                            IconSet icons = IconSet::Default) {
            QTest::newRow(name) << in << icons << expected;
        };
        row("self-closing browser", {skin, "\t<browser name=\"b\" />", "</skin>"},
            {skin, "\t<browser lineheight=\"100%\"  name=\"b\" >", "BLOCK", "</browser>", "</skin>"});
        // Tags keep their places: the block and what is added start lines of their own. Comments,
        // processing instructions and layouts on one line are in the fuzz seeds (fuzz/corpus/xmlrewriter).
        row("browser on one line",
            {skin, "\t<browser><pos x=\"1\"/><font name=\"Old\"/></browser>", "</skin>"},
            {skin, "\t" + opening, "<pos x=\"1\"/>", "BLOCK", "</browser>", "</skin>"});
        row("tags split over lines, single quotes, spaces around =",
            {"<skin name='x'", "  image = 'skin.png'>", "<browser", "  lineheight = '90%'>", "</browser>",
             "</skin>"},
            {"<skin name='x'", "  image = 'skin.png'>", "<browser", "  lineheight = '100%'>", "BLOCK",
             "</browser>", "</skin>"});
        // The skin's own <customicons line always goes; each skin end gets one line at its image's
        // row, unless that image is missing: nothing may point into it.
        const QString own = "<customicons x=\"5\" iconsize=\"32\" nb=\"8\" />",
                      other = "<Skin image=\"a.png\">"; // a skin end in any case
        const QString capital = "<Customicons nb=\"8\" />",
                      sheet = "<customicons x=\"0\" y=\"301\" iconsize=\"64\" nb=\"144\" nbx=\"16\" />";
        row("built-in icons", {"<skins>", skin, own, capital, "</skin>", other, "</Skin>", "</skins>"},
            {"<skins>", skin, capital, sheet, "</skin>", other, "</Skin>", "</skins>"}, IconSet::White);
        row("no sheet", {skin, own, "</skin>"}, {skin, "</skin>"}, IconSet::Default);
        row("another skin without a sheet", {skin, own, "</skin>"}, {skin, "</skin>"},
            IconSet::FromOtherSkin);
    }

    // Layouts as other tools write them come out as one well-formed browser, each line once. The
    // global font is for the skin's own lines: the block, and what it replaces, are written as they are.
    void layoutsOfOtherTools()
    {
        QFETCH(QStringList, in);
        QFETCH(IconSet, icons);
        QFETCH(QStringList, expected);
        SkinBuildOptions options;
        options.iconSet = icons;
        options.globalFont = true;
        options.globalFontName = "Verdana";
        const int block = expected.indexOf("BLOCK");
        if (block >= 0)
            expected = expected.mid(0, block) + knownBlock(306) + expected.mid(block + 1);
        QCOMPARE(rewrite(in, options), expected);
    }

    // Every whole window of every file, even of one that breaks off later: a self-closing one
    // ends where it starts.
    void importedWindowsBeforeEverySkinEnd()
    {
        const QList<QStringList> windowFiles{
            {"<skin>", "<window name=\"a\" image=\"a.png\" />", "<deck/>", "\t<window name=\"b\">",
             "\t<pos x=\"1\"/></window>", "<other/>"},
            // A commented-out window is none; one left open is left out.
            {"<!-- <window name=\"x\"> -->", "<Window name=\"c\">", "<pos/>", "</skin>", "<after/>"},
        };
        const QStringList imported =
            QString("<window name=\"a\" image=\"a.png\" />|\t<window name=\"b\">|\t<pos x=\"1\"/></window>")
                .split('|');
        const QStringList out = rewrite({"<skins>", "<skin>", "</skin>", "<skin>", "</skin>", "</skins>"},
                                        keepBrowser(), windowFiles);
        QCOMPARE(out, (QStringList{"<skins>", "<skin>"} + imported + QStringList{"</skin>", "<skin>"} +
                       imported + QStringList{"</skin>", "</skins>"}));
    }

    void globalFont_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *family, const char *size, const char *line,
                            const char *expected) {
            QTest::newRow(name) << family << size << line << expected;
        };
        row("text size rounds half up", "Verdana", "150", "<text font=\"Arial\" size=\"11\"/>",
            "<text font=\"Verdana\" size=\"17\"/>");
        row("font keeps its size", "Verdana", "150", "<font name=\"Arial\" size=\"11\"/>",
            "<font name=\"Verdana\" size=\"11\"/>");
        row("every text font and size", "V", "200",
            "<textover font=\"A\" size=\"5\"/><text font=\"B\" size=\"7.5\"/>",
            "<textover font=\"V\" size=\"10\"/><text font=\"V\" size=\"15\"/>");
        row("no family: names stay", "", "150", "<text font=\"A\" size=\"12\"/>",
            "<text font=\"A\" size=\"18\"/>");
        row("size that is no number stays", "V", "150", "<text font=\"A\" size=\"big\"/>",
            "<text font=\"V\" size=\"big\"/>");
        row("size out of range stays", "V", "150", "<text size=\"1e300\"/><text size=\"nan\"/>",
            "<text size=\"1e300\"/><text size=\"nan\"/>");
        row("font line without name", "V", "150", "<fontsearch font=\"A\"/>", "<fontsearch font=\"A\"/>");
        // Raw white space in a value is normalised by readers; other control characters have no place in XML.
        row("family escaped", "Black & \"White\"'\t\x01", "", "<font name=\"Arial\"/>",
            "<font name=\"Black &amp; &quot;White&quot;&apos;&#9;\"/>");
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
        QCOMPARE(rewrite({"<deck>", line, "</deck>"}, options), (QStringList{"<deck>", expected, "</deck>"}));
    }
    // Counts that are missing, zero (both in the builder's tests) or no number would size the
    // sheet by a division by zero; counts too large would allocate without bound.
    void sourceSkinScans_data()
    {
        QTest::addColumn<QString>("attributes"); // of a <customicons line
        QTest::addColumn<bool>("found");
        QTest::newRow("declared") << "x=\"0\" y=\"0\" iconsize=\"8\" nb=\"4\" nbx=\"2\"" << true;
        QTest::newRow("count a row not a number") << "iconsize=\"8\" nb=\"4\" nbx=\"four\"" << false;
        // A sheet larger than an image may be; the second overflowed a 32-bit product.
        QTest::newRow("sheet of 144 megapixels") << "iconsize=\"12000\" nb=\"1\" nbx=\"1\"" << false;
        QTest::newRow("counts overflowing int")
            << "iconsize=\"100000\" nb=\"100000\" nbx=\"100000\"" << false;
    }

    // The same skin scanned for its windows: both spellings of the tag, files in name order
    // whatever their case.
    void sourceSkinScans()
    {
        QFETCH(QString, attributes);
        QFETCH(bool, found);
        QTemporaryDir dir;
        const QString zip = dir.filePath("icons.zip"), work = dir.filePath("work");
        QVERIFY(fixtures::writeZip(
            zip, {{"i.xml", fixtures::xml({"<skin image=\"i.png\">", "<customicons " + attributes + " />"})},
                  {"B.xml", fixtures::xml({"<deck name=\"d\">", "<Window name=\"second\"/>", "</deck>"})},
                  {"a.xml", fixtures::xml({"<window name=\"first\"/>"})},
                  {"i.png", fixtures::png(16, 16)}}));
        const sourceskins::IconScan scan = sourceskins::scanIconSkin(zip, work);
        QCOMPARE(scan.error, QString());
        QCOMPARE(scan.customIcons, found);
        QCOMPARE(sourceskins::scanWindowSkin(zip, work).names, (QStringList{"first", "second"}));
        QCOMPARE(QDir(work).entryList(QDir::Files), QStringList());
    }
    void readsBackWhatTheWriterWrote_data()
    {
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<bool>("trimmed"); // no over colours nor line height, sizes out of bounds
        QTest::newRow("writer's order") << false << false;
        QTest::newRow("host's own order") << true << false;
        QTest::newRow("attributes missing or out of bounds") << false << true;
    }

    void readsBackWhatTheWriterWrote()
    {
        QFETCH(bool, reversed);
        QFETCH(bool, trimmed);
        const Style style = fixtures::distinctStyle();
        QStringList block = browserblock::contentBlock(style, 50);
        if (trimmed)
            block.replaceInStrings(QRegularExpression(QStringLiteral(" over=\"[^\"]*\"")), QString())
                .replaceInStrings(QRegularExpression(QStringLiteral(" size=\"[^\"]*\"")), " size=\"5000\"");
        const auto result = browserblock::readBlock(trimmed    ? skinXml(block, "<browser>")
                                                    : reversed ? skinXml(reversedAttributes(block))
                                                               : skinXml(block));
        QVERIFY2(result, qPrintable(result.error()));
        const browserblock::ReadValues read = *result;
        // Keys the block does not carry (the plugin colours painted into the image, the plugin
        // font's weight, sizes it cannot hold) stay as the base has them.
        const Style base = fixtures::defaultStyle();
        const QString written = block.join(QLatin1Char('\n'));
        Style expected = style;
        for (int i = 0; i < stylekeys::colourKeyCount; ++i)
            if (!written.contains(style.colourName(QLatin1String(stylekeys::colourKeys[i].key))))
                expected.colours[std::size_t(i)] = base.colours[std::size_t(i)];
        expected.font("plugin").weight = base.font("plugin").weight;
        for (std::size_t i = 0; trimmed && i < expected.fonts.size(); ++i)
            expected.fonts[i].size = base.fonts[i].size;
        const Style back = browserblock::applyBlock(read, base);
        QVERIFY(back.colours == expected.colours);
        QVERIFY(back.fonts == expected.fonts);
        QCOMPARE(read.lineHeight, trimmed ? 0 : 120);
    }

    void noBlockIsReported()
    {
        const auto none = browserblock::readBlock(fixtures::xml({"<skin>", "</skin>"}));
        QVERIFY(!none && none.error().contains("no <browser> block"));
        const auto unclosed = browserblock::readBlock("<skin><unclosed");
        QVERIFY(!unclosed && unclosed.error().contains("could not be read"));
        QTemporaryDir dir;
        const QString zip = dir.filePath("empty.zip");
        QVERIFY(fixtures::writeZip(zip, {{"readme.txt", "no layout"}}));
        const auto noLayout = browserblock::readSkinBlock(zip);
        QVERIFY(!noLayout);
        QCOMPARE(noLayout.error(), noXmlFilesMessage());
    }

    // Many defaults share a value (#ffffff) and are opaque; a style whose colours all differ and
    // are half transparent shows each attribute reads its own key, in its own form.
    void attributesTakeTheirOwnKeys_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("key");
        const auto row = [](const char *name, int line, const char *attribute, const char *key) {
            QTest::newRow(name) << line << QString(attribute) << QString(key);
        };
        row("background, with alpha", 1, "<colors background=\"", "backgroundcolor");
        row("toolbars, without alpha", 3, "<toolbars background=\"", "toolbar_background");
        row("lists background", 7, "<lists background=\"", "list_background");
        row("lists stripes, with alpha", 7, " stripes=\"", "list_stripes");
        row("button textover", 40, " color=\"", "fx_buttonover_text");
        row("button textdown", 41, " color=\"", "fx_buttonselect_text");
        row("button textselected", 42, " color=\"", "fx_buttonselect_text");
        row("plugin title", 45, " title=\"", "fx_titleback");
    }

    void attributesTakeTheirOwnKeys()
    {
        QFETCH(int, line);
        QFETCH(QString, attribute);
        QFETCH(QString, key);
        const Style style = fixtures::distinctStyle();
        const QString text = browserblock::contentBlock(style, 0).at(line - 1);
        QCOMPARE(text.section(attribute, 1).section('"', 0, 0), style.colourName(key));
    }

    void floatingWindow_data()
    {
        QTest::addColumn<bool>("changeColours");
        QTest::addColumn<int>("lineHeight");
        QTest::addColumn<QString>("browserLine");
        QTest::newRow("own line height") << true << 120 << QStringLiteral("<browser lineheight=\"120%\" >");
        QTest::newRow("100 gives a bare browser") << true << 100 << QStringLiteral("<browser>");
        QTest::newRow("host colours, no block") << false << 120 << QStringLiteral("<browser>");
    }

    // The block, when there is one, has the plugin graphics at the floating image's own row.
    void floatingWindow()
    {
        QFETCH(bool, changeColours);
        QFETCH(int, lineHeight);
        QFETCH(QString, browserLine);
        const Style style = fixtures::defaultStyle();
        const QStringList window =
            browserblock::floatingWindow(style, changeColours, lineHeight, "browserfloat.png");
        const QStringList block = changeColours ? browserblock::contentBlock(style, 210) : QStringList();
        QCOMPARE(window.at(1), browserLine);
        QCOMPARE(window.mid(4, block.size() + 1), block + QStringList("</browser>"));
    }
};

QTEST_GUILESS_MAIN(TestSkinXmlRewriter)
#include "tst_skinxmlrewriter.moc"
