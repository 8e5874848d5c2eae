// The preview's style sheets as functions of a Style: literal texts of representative sheets, the
// order they are applied in, kept transparency and unclamped font sizes.

#include "preview/previewsheets.h"
#include "style/resources.h"
#include "style/tablefile.h"

#include <QtTest>

Q_DECLARE_METATYPE(preview::Sheets)

using preview::Sheets;

namespace {

QString sheetOf(const Sheets &sheets, const QString &widget)
{
    for (const auto &entry : sheets)
        if (entry.widget == widget)
            return entry.sheet;
    return QStringLiteral("<no sheet for %1>").arg(widget);
}

QStringList widgetsOf(const Sheets &sheets)
{
    QStringList widgets;
    for (const auto &entry : sheets)
        widgets << entry.widget;
    return widgets;
}

Sheets allSheets(const Style &style, bool alternating = true)
{
    return preview::initguiSheets(style) + preview::listSheets(style, alternating, alternating) +
           preview::gridSheets(style) + preview::pluginSheets(style);
}

} // namespace

class PreviewSheetsTest : public QObject
{
    Q_OBJECT

    Style defaults;

private slots:
    void initTestCase()
    {
        initPanelcraftResources();
        StyleTable table;
        QVERIFY(tablefile::read(tablefile::defaultTablePath, table));
        defaults = tablefile::derive(table);
    }

    // The automix list's striped form is the file list's with two blanks in its first rule.
    void automixListOpensWithTwoBlanks()
    {
        const Sheets lists = preview::listSheets(defaults, true, true);
        QString files = sheetOf(lists, QStringLiteral("listWidget_2"));
        files.replace(QLatin1String("listWidget_2"), QLatin1String("listWidget_3"))
            .replace(QLatin1String("{border:0px; "), QLatin1String("{border:0px;  "));
        QCOMPARE(sheetOf(lists, QStringLiteral("listWidget_3")), files);
        QVERIFY(
            files.startsWith(QLatin1String("#listWidget_3 {border:0px;  background-color: #ff202020; } ")));
    }

    void applicationOrder_data()
    {
        QTest::addColumn<Sheets>("sheets");
        QTest::addColumn<QStringList>("expected");

        // One line per row of the window's tables.
        // clang-format off
        QTest::newRow("browser") << preview::initguiSheets(defaults) << QStringList{
            "tabWidget_2", "toolbar_back", "search_back", "sideview_back", "automix_back",
            "header_artist", "header_title", "header_artist_2", "header_title_2",
            "scroll_back", "scroll_back_2", "browser_backview",
            "scroll_but1", "scroll_but2", "scroll_but3", "scroll_but1_2", "scroll_but2_2", "scroll_but3_2",
            "file_count", "separator_line", "separator_line_2", "livefeedback_label", "sampler_bank_name",
            "sideview_icon", "automix_icon", "listback_color", "listback_color_2", "info_background",
            "Info_Line1", "Info_Line3", "Info_Line2", "Info_Line4",
            "Info_value1", "Info_value3", "Info_value2", "Info_value4", "info_tracktitle", "info_trackartist",
            "sampler_but1", "sampler_but2", "sampler_but3",
            "searchbarbox", "previewbutton", "previewbackground", "previewplayed", "prelisten_line"};
        QTest::newRow("lists") << preview::listSheets(defaults, false, true) << QStringList{
            "listWidget", "listWidget_2", "listWidget_3", "listWidget_4"};
        QTest::newRow("grids") << preview::gridSheets(defaults) << QStringList{
            "gridbackgroun_label",
            "grid_tracknormal_back", "label_104", "label_105", "label_114",
            "grid_strike_text1", "grid_strike_text2", "grid_strike_back", "grid_strike_back2",
            "grid_tracknormal_back_2", "label_111", "label_107", "label_118",
            "grid_strike_text1_2", "grid_strike_text2_2", "grid_strike_back_2", "grid_strike_back2_2",
            "grid_tracknormal_back_3", "label_121", "label_112", "label_120",
            "grid_strike_text1_3", "grid_strike_text2_3", "grid_strike_back_3", "grid_strike_back2_3",
            "grid_tracknormal_back_4", "label_122", "label_124", "label_125",
            "grid_strike_text1_4", "grid_strike_text2_4", "grid_strike_back_4", "grid_strike_back2_4"};
        QTest::newRow("plugin") << preview::pluginSheets(defaults) << QStringList{
            "plugin_frame", "plugin_background", "plugin_fxtitle", "plugin_parameter", "plugin_parameter_value",
            "plugin_string", "plugin_fxbut"};
        // clang-format on
    }

    void applicationOrder()
    {
        QFETCH(Sheets, sheets);
        QFETCH(QStringList, expected);
        QCOMPARE(widgetsOf(sheets), expected);
    }

    void everyPlaceholderIsFilled()
    {
        for (bool alternating : {false, true})
            for (const auto &entry : allSheets(defaults, alternating))
                QVERIFY2(!entry.sheet.contains(QLatin1String("${")) &&
                             !entry.sheet.contains(QLatin1String("%")),
                         qPrintable(entry.widget + QLatin1String(": ") + entry.sheet));
    }

    void transparentColoursKeepTheirAlpha()
    {
        Style style = defaults;
        style.setColour(QStringLiteral("backgroundcolor"), QColor(0x20, 0x20, 0x20, 0));
        style.setColour(QStringLiteral("list_stripes"), QColor(0x2a, 0x2a, 0x2a, 0));
        const Sheets sheets = allSheets(style);
        for (const char *widget : {"scroll_back", "scroll_back_2", "browser_backview", "gridbackgroun_label",
                                   "listWidget", "listWidget_2", "listWidget_3"})
            QVERIFY2(
                sheetOf(sheets, QLatin1String(widget)).contains(QLatin1String("background-color: #00202020")),
                widget);
        QVERIFY(sheetOf(sheets, QStringLiteral("listWidget_2"))
                    .contains(QLatin1String(":alternate { background-color: #002a2a2a;")));
        QVERIFY(!sheetOf(sheets, QStringLiteral("listWidget_4")).contains(QLatin1String("#00")));
    }

    // Small fonts reach zero and below after the preview's offsets; the number is written as computed.
    void fontSizesAreNotClamped()
    {
        Style style = defaults;
        style.font(QStringLiteral("plugin")).size = 5;
        style.font(QStringLiteral("pluginknob")).size = 2;
        const Sheets sheets = preview::pluginSheets(style);
        QVERIFY(sheetOf(sheets, QStringLiteral("plugin_fxtitle"))
                    .startsWith("font: normal Normal -3px \"Arial\" ;"));
        QVERIFY(sheetOf(sheets, QStringLiteral("plugin_parameter_value"))
                    .startsWith("font: normal Bold 0px \"Arial\" ;"));
    }
};

QTEST_GUILESS_MAIN(PreviewSheetsTest)
#include "tst_previewsheets.moc"
