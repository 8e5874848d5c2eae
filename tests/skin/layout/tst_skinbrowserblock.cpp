// The generated <browser> text, whose default is the known text tests/skin/layout/browserblock.xml
// (against which the rewriter's tests compare whole layouts): each attribute its own key.

#include "skin/layout/browserblock.h"
#include "skinfixtures.h"

#include <QtTest>

class TestSkinBrowserBlock : public QObject
{
    Q_OBJECT

private slots:

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

QTEST_GUILESS_MAIN(TestSkinBrowserBlock)
#include "tst_skinbrowserblock.moc"
