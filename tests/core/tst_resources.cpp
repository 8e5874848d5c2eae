// The compiled-in tables and images: exact contents of the tables, exact image sizes, icon sheets
// that really hold 144 different icons, and committed PNGs that are what the generator draws.

#include "artwork.h"
#include "skinfixtures.h"
#include "style/resources.h"
#include "style/stylekeys.h"

#include <QHash>
#include <QTest>

namespace {

// The built-in values, written out here as an independent record of what the tables must hold.
struct ColourDefault
{
    const char *key;
    const char *dark;
    const char *white;
};

const ColourDefault colourDefaults[] = {
    {"backgroundcolor", "#202020", "#ffffff"},
    {"seperatorline", "#7e7e7e", "#000000"},
    {"toolbar_background", "#393939", "#dadada"},
    {"toolbar_text", "#ffffff", "#000000"},
    {"toolbar_icon", "#1e1e1e", "#ffffff"},
    {"toolbar_border", "#6d6d6d", "#000000"},
    {"column_background", "#454545", "#000000"},
    {"column_text", "#ffffff", "#ffffff"},
    {"scrollbar_back", "#454545", "#000000"},
    {"scrollbar_button", "#ffffff", "#ffffff"},
    {"info_background", "#393939", "#fefefe"},
    {"info_stripes", "#303030", "#cfcfcf"},
    {"info_text", "#ffffff", "#000000"},
    {"info_label", "#a0a0a0", "#505050"},
    {"info_artist", "#d5d5d5", "#000000"},
    {"info_title", "#ffffff", "#000000"},
    {"list_background", "#202020", "#202020"},
    {"list_stripes", "#2a2a2a", "#ececec"},
    {"list_over", "#252525", "#e2e2e2"},
    {"list_overstripes", "#2f2f2f", "#d6d6d6"},
    {"list_selected", "#555555", "#666666"},
    {"list_focus", "#7a7a7a", "#000000"},
    {"list_text", "#ffffff", "#000000"},
    {"list_overtext", "#ffffff", "#000000"},
    {"list_selectedtext", "#ffffff", "#ffffff"},
    {"list_focustext", "#ffffff", "#ffffff"},
    {"list_automix", "#4080c4", "#56a7b3"},
    {"list_livefeedback", "#ffc4c4", "#068700"},
    {"list_download", "#ff4040", "#ff4040"},
    {"list_scan", "#ff4040", "#ff4040"},
    {"list_button", "#3d3d3d", "#e7e7e7"},
    {"list_buttonactive", "#838383", "#020202"},
    {"list_insert", "#ff0000", "#ff0000"},
    {"search_background", "#1f1f1f", "#ffffff"},
    {"search_border", "#7a7a7a", "#7a7a7a"},
    {"search_selected", "#717171", "#2f2f2f"},
    {"search_text", "#ffffff", "#000000"},
    {"search_cursor", "#ffffff", "#ffffff"},
    {"grids_background", "#2a2a2a", "#fdfdfd"},
    {"grids_over", "#2f2f2f", "#dcdcdc"},
    {"grids_selected", "#555555", "#121212"},
    {"grids_focus", "#7a7a7a", "#414141"},
    {"grids_text", "#ffffff", "#000000"},
    {"grids_overtext", "#ffffff", "#000000"},
    {"grids_selectedtext", "#ffffff", "#ffffff"},
    {"grids_focustext", "#ffffff", "#ffffff"},
    {"grids_stripes", "#202020", "#dadada"},
    {"grids_overstripes", "#2e2e2e", "#c3c3c3"},
    {"grids_selectedstripes", "#2e2e2e", "#2e2e2e"},
    {"grids_focusstripes", "#2e2e2e", "#2e2e2e"},
    {"grids_label", "#7f7f7f", "#cacaca"},
    {"prelisten_background", "#1f1f1f", "#ffffff"},
    {"prelisten_border", "#7a7a7a", "#000000"},
    {"prelisten_selected", "#136024", "#0a3513"},
    {"prelisten_cursor", "#18a639", "#18a639"},
    {"prelisten_button", "#cbcbcb", "#ffffff"},
    {"prelisten_buttonbackground", "#5c5c5c", "#bebebe"},
    {"prelisten_buttonselected", "#18a639", "#000000"},
    {"fx_back", "#181818", "#ffffff"},
    {"fx_titleback", "#424242", "#d1d1d1"},
    {"fx_buttonfill_start", "#383838", "#ffffff"},
    {"fx_buttonfill_end", "#000000", "#d1d1d1"},
    {"fx_buttonborder", "#535353", "#000000"},
    {"fx_selectbuttonfill_start", "#498c4e", "#51fe51"},
    {"fx_selectbuttonfill_end", "#1b3d1f", "#27b82c"},
    {"fx_selectbuttonborder", "#8d8d8d", "#000000"},
    {"fx_overbuttonfill_start", "#767676", "#d8d8d8"},
    {"fx_overbuttonfill_end", "#212121", "#b6b6b6"},
    {"fx_overbuttonborder", "#838383", "#000000"},
    {"fx_knobback_start", "#4d4d4d", "#646464"},
    {"fx_knobback_end", "#000000", "#000000"},
    {"fx_knobborder", "#2c9638", "#000000"},
    {"fx_knobborderout", "#636363", "#5f5f5f"},
    {"fx_knobfader", "#ffffff", "#ffffff"},
    {"fx_titletext", "#ffffff", "#000000"},
    {"fx_text", "#ffffff", "#000000"},
    {"fx_button_text", "#ffffff", "#000000"},
    {"fx_buttonover_text", "#ffffff", "#000000"},
    {"fx_buttonselect_text", "#ffffff", "#000000"},
};

struct FontValues
{
    const char *name;
    const char *size;
    const char *weight;
};

struct FontDefault
{
    const char *prefix;
    FontValues dark;
    FontValues white;
};

const FontDefault fontDefaults[] = {
    {"skin", {"Arial", "20", "Normal"}, {"Arial", "20", "Bold"}},
    {"skinheaders", {"Arial", "16", "Normal"}, {"Arial", "16", "Normal"}},
    {"skinsearch", {"Arial", "20", "Normal"}, {"Arial", "20", "Bold"}},
    {"skingrid", {"Arial", "20", "Normal"}, {"Arial", "16", "Bold"}},
    {"plugin", {"Arial", "20", "Normal"}, {"Arial", "20", "Normal"}},
    {"pluginknob", {"Arial", "12", "Bold"}, {"Arial", "12", "Bold"}},
    {"pluginbutton", {"Arial", "12", "Bold"}, {"Arial", "12", "Bold"}},
    {"toolbar", {"Arial", "16", "Normal"}, {"Arial", "16", "Bold"}},
};

const char *const tooltipLines[] = {
    "skinfileselect=It's the first step you need to do to modify a skin. Click this button to get a File "
    "Dialog Window and select the Turnwise Skin you wish to modify",
    "radioButton=Select this option to have the Default Browser Icons in your skin",
    "fontheadersbutton=Test here what you see",
    "radioButton_2=Select this option to use the Alternative Browser Icons (found in several custom Turnwise "
    "Skins) in your modified Skin",
    "radioButton_4=Select this option to use the White Browser Icons (inverted colors for White Browsers) in "
    "your modified Skin",
    "radioButton_3=Select this option to import Custom Browser Icons from another skin",
    "iconselect=Opens a File Dialog Window to select a skin from which you want to import Custom Browser "
    "Icons. Available only when the 'From another Skin' option is selected",
    "floatlabel_7=The selected skin does not include custom Browser Icons",
    "iconselect_name=Displays the selected skin from which the Custom Browser Icons will be imported from.",
    "checkBox=When enabled, an additional Browser will be added in a floating Window",
    "checkBox_window=When enabled, the floating Windows of another Skin will be added to the modified Skin",
    "windowfileselect=Select a skin and add its floating windows to the modified skin",
    "floatlabel_3=Assign a keyboard or custom button as show_window 'WindowName' to open/close the floating "
    "window(s)",
    "checkBox_globalfont=Enable to alter the size and the fonts of the modified skin",
    "globalfontbutton=Choose a Font to use for the modified skin. Will affect Browser if the 'Change Browser "
    "Colors and Fonts' option is disabled",
    "floatlabel_4=Enter a % value. Example: Value 110 will increase font size by 10%. Example: Value 95 will "
    "decrease font size by 5%. Leave blank for the Font to retain its current size",
    "pushButton=Click to reset all Browser Colors and Fonts to their default values",
    "checkBox_changecolors=Enable to view the Browser Colors and Fonts and apply the changes to the Browser "
    "of the modified skin.",
    "checkBox_changecolors_2=Show/Hide the Browser Preview",
    "background_transp=Click to make the background of the Browser transparent.The background graphics of "
    "the skin png will be visible",
    "backcolorbutton=Select a color for the background of the Browser",
    "resetbackcolor=Reset Background color to its default value",
    "listoverbutton=Select a color for the background of the Browser lines when mouse is over",
    "resetlistover=Reset the background color of lines (when mouse is over), to its default value",
    "liststripesbutton=Select a color as background for the alternate Browser lines",
    "list_stripes_transp_2=Make the alternate Browser lines transparent (no Stripes)",
    "resetliststripes=Reset the background color of the alternate Browser lines, to its default value",
    "listoverstripebutton=Select a color as background for the alternate Browser lines, when mouse is over",
};

constexpr int iconSize = 64;
constexpr int iconColumns = 16;
constexpr int iconCount = 144;

// The file's lines, or nothing unless every line, the last one too, ends in CR LF and no other
// line break occurs.
QList<QByteArray> crlfLines(const QString &path)
{
    QFile file(path);
    const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!content.endsWith("\r\n") || content.count('\n') != content.count("\r\n") ||
        content.count('\r') != content.count("\r\n"))
        return {};
    QList<QByteArray> lines = content.split('\n');
    lines.removeLast();
    for (QByteArray &line : lines)
        line.chop(1);
    return lines;
}

QList<QByteArray> expectedTableLines(bool white)
{
    QList<QByteArray> lines;
    for (const ColourDefault &c : colourDefaults)
        lines << QByteArray(c.key) + '=' + (white ? c.white : c.dark);
    for (const FontDefault &f : fontDefaults) {
        const FontValues &v = white ? f.white : f.dark;
        lines << QByteArray(f.prefix) + "fontname=" + v.name << QByteArray(f.prefix) + "fontsize=" + v.size
              << QByteArray(f.prefix) + "fontweight=" + v.weight;
    }
    return lines;
}

} // namespace

class ResourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initPanelcraftResources(); }

    // Profiles are written in key-table order, so the built-in tables must share it.
    void recordFollowsKeyTable()
    {
        QCOMPARE(int(std::size(colourDefaults)), stylekeys::colourKeyCount);
        for (int i = 0; i < stylekeys::colourKeyCount; ++i)
            QCOMPARE(colourDefaults[i].key, stylekeys::colourKeys[i].key);
        QCOMPARE(int(std::size(fontDefaults)), stylekeys::fontGroupCount);
        for (int i = 0; i < stylekeys::fontGroupCount; ++i)
            QCOMPARE(fontDefaults[i].prefix, stylekeys::fontGroups[i].prefix);
    }

    void textFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QList<QByteArray>>("expected");
        QList<QByteArray> tooltips;
        for (const char *line : tooltipLines)
            tooltips << line;
        QTest::newRow("dark table") << ":/new/images/myfiles/data.ini" << expectedTableLines(false);
        QTest::newRow("white table") << ":/new/images/myfiles/datawhite.ini" << expectedTableLines(true);
        QTest::newRow("tooltips") << ":/new/images/myfiles/tooltips.ini" << tooltips;
    }

    void textFiles()
    {
        QFETCH(QString, path);
        QFETCH(QList<QByteArray>, expected);
        const QList<QByteArray> lines = crlfLines(path);
        QCOMPARE(lines.size(), expected.size());
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(lines.at(i), expected.at(i));
    }

    void imageSizes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        const struct
        {
            const char *path;
            QSize size;
        } images[] = {
            {":/new/images/myfiles/ICONS.png", {1144, 590}},
            {":/myfiles/icons/ICONS.png", {1144, 590}},
            {":/new/images/myfiles/ICONSWHITE.png", {1026, 580}},
            {":/myfiles/icons/ICONSWHITE.png", {1026, 580}},
            {":/new/images/myfiles/browserfloat.png", {801, 204}},
            {":/new/images/myfiles/question.png", {21, 21}},
            {":/myfiles/myfiles/Warning.png", {21, 21}},
            {":/myfiles/quillologo.png", {128, 128}},
        };
        for (const auto &image : images)
            QTest::newRow(image.path) << QString::fromLatin1(image.path) << image.size;
    }

    void imageSizes()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QCOMPARE(QImage(path).size(), size);
    }

    void iconSheets_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("lightGlyphs");
        QTest::newRow("alternative") << QStringLiteral(":/new/images/myfiles/ICONS.png") << true;
        QTest::newRow("white") << QStringLiteral(":/new/images/myfiles/ICONSWHITE.png") << false;
    }

    void iconSheets()
    {
        QFETCH(QString, path);
        QFETCH(bool, lightGlyphs);
        const QImage sheet = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!sheet.isNull());

        QHash<QByteArray, int> seen;
        qint64 inkSum = 0, inkPixels = 0;
        for (int i = 0; i < iconCount; ++i) {
            const QImage icon =
                sheet.copy(i % iconColumns * iconSize, i / iconColumns * iconSize, iconSize, iconSize);
            int covered = 0;
            for (int y = 0; y < iconSize; ++y) {
                for (int x = 0; x < iconSize; ++x) {
                    const QRgb pixel = icon.pixel(x, y);
                    covered += qAlpha(pixel) > 0;
                    if (qAlpha(pixel) == 255) {
                        inkSum += (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3;
                        ++inkPixels;
                    }
                }
            }
            // Even the slimmest glyph (a minus) covers a few hundred pixels; a speck is no icon.
            QVERIFY2(covered > iconSize * iconSize / 20,
                     qPrintable(QStringLiteral("icon %1 is empty").arg(i)));
            const QByteArray pixels(reinterpret_cast<const char *>(icon.constBits()),
                                    int(icon.sizeInBytes()));
            QVERIFY2(
                !seen.contains(pixels),
                qPrintable(QStringLiteral("icons %1 and %2 are the same").arg(seen.value(pixels)).arg(i)));
            seen.insert(pixels, i);
        }

        const QRect grid(0, 0, iconColumns * iconSize, iconCount / iconColumns * iconSize);
        for (int y = 0; y < sheet.height(); ++y) {
            for (int x = grid.contains(0, y) ? grid.width() : 0; x < sheet.width(); ++x)
                QVERIFY2(qAlpha(sheet.pixel(x, y)) == 0,
                         qPrintable(QStringLiteral("(%1, %2) is not clear").arg(x).arg(y)));
        }

        // Light glyphs for dark browsers, dark glyphs for white ones.
        QVERIFY(inkPixels > 0);
        const qint64 meanInk = inkSum / inkPixels;
        QVERIFY2(lightGlyphs ? meanInk > 180 : meanInk < 75, qPrintable(QString::number(meanInk)));
    }

    void committedImagesAreTheGeneratorsOutput_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(artwork::files.size()); ++i)
            QTest::newRow(artwork::files[std::size_t(i)].name) << i;
    }

    void committedImagesAreTheGeneratorsOutput()
    {
        QFETCH(int, index);
        const artwork::File &file = artwork::files[std::size_t(index)];
        const QString committed =
            qEnvironmentVariable("PANELCRAFT_SOURCE_DIR") + QStringLiteral("/resources/myfiles/") + file.name;
        const QImage onDisk = QImage(committed).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!onDisk.isNull(), qPrintable(committed));
        const QImage drawn = file.draw().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn.size(), onDisk.size());
        // Qt picks its raster code per processor at run time, so anti-aliased edges may differ by
        // a step or two between machines; anything more is a real change of the artwork.
        QVERIFY2(fixtures::nearlyEqual(onDisk, drawn), file.name);
    }
};

QTEST_GUILESS_MAIN(ResourcesTest)
#include "tst_resources.moc"
