// The preview's style sheets as functions of a Style: filled placeholders and kept transparency.

#include "preview/previewsheets.h"
#include "skinfixtures.h"
#include "style/resources.h"

#include <QtTest>

using preview::Sheets;

namespace {

QString sheetOf(const Sheets &sheets, const QString &widget)
{
    for (const auto &entry : sheets)
        if (entry.widget == widget)
            return entry.sheet;
    return QStringLiteral("<no sheet for %1>").arg(widget);
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
        defaults = fixtures::defaultStyle();
    }

    // Unknown names and an unclosed placeholder are kept as written: visible, and never a hang.
    void placeholdersKeepWhatTheyCannotFill_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("filled");
        QTest::newRow("known") << QString("#${widget} { color: ${list_text}; }") << "#w { color: #ffffff; }";
        QTest::newRow("unknown") << QString("a ${list_txet} ${list_text}") << "a ${list_txet} #ffffff";
        QTest::newRow("unclosed") << QString("a ${list_text} ${list_text") << "a #ffffff ${list_text";
        QTest::newRow("lone brace") << QString("} {list_text} $") << "} {list_text} $";
    }

    void placeholdersKeepWhatTheyCannotFill()
    {
        QFETCH(QString, text);
        QTEST(preview::fillTemplate(text, QStringLiteral("w"), preview::colourNames(defaults)), "filled");
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
};

QTEST_GUILESS_MAIN(PreviewSheetsTest)
#include "tst_previewsheets.moc"
