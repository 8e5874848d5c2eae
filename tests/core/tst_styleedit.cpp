// The editing rules without widgets: linked list rows, transparency, resets and row states; and
// the contrast hints shown beside the text rows.

#include "skinfixtures.h"
#include "style/contrast.h"
#include "style/resources.h"
#include "style/styleedit.h"

#include <QTest>
#include <optional>

namespace {
int key(const char *name)
{
    return stylekeys::colourIndex(QLatin1String(name));
}

QColor colour(const EditorValues &values, const char *name)
{
    return values.style.colour(QLatin1String(name));
}

std::optional<contrast::Hint> hintFor(const Style &style, const char *name)
{
    for (const contrast::Hint &hint : contrast::hints(style))
        if (hint.key == key(name))
            return hint;
    return std::nullopt;
}
} // namespace

class StyleEditTest : public QObject
{
    Q_OBJECT

    StyleTable table;
    EditorValues start;

    EditorValues run(EditorValues values, std::initializer_list<StyleEdit> edits) const
    {
        for (const StyleEdit &edit : edits)
            values = edit.apply(values, table).values;
        return values;
    }

private slots:
    void initTestCase()
    {
        initPanelcraftResources();
        tablefile::read(tablefile::defaultTablePath, table);
        start.style = tablefile::derive(table);
    }

    void overStripesFollowOverOnlyWhileStripesAreHidden()
    {
        const QColor blue("#0000ff");
        const QColor over = colour(start, "list_over");
        const auto hidden = StyleEdit::makeTransparent(key("list_stripes")).apply(start, table);
        QCOMPARE(colour(hidden.values, "list_overstripes"), over);
        QVERIFY(!hidden.states.stripesShown);
        QVERIFY(hidden.states.colourModified[std::size_t(key("list_stripes"))]);
        QVERIFY(!hidden.states.colourModified[std::size_t(key("list_overstripes"))]); // row out of use
        QCOMPARE(hidden.changes.colours, (QVector<int>{key("list_stripes"), key("list_overstripes")}));

        const EditorValues picked = run(hidden.values, {StyleEdit::pickColour(key("list_over"), blue)});
        QCOMPARE(colour(picked, "list_overstripes"), blue);
        const EditorValues cleared = run(hidden.values, {StyleEdit::makeTransparent(key("list_over"))});
        QCOMPARE(colour(cleared, "list_overstripes"), over);

        // Showing the stripes again does not give the over stripes their own colour back.
        const auto shown = StyleEdit::resetColour(key("list_stripes")).apply(picked, table);
        QVERIFY(shown.states.stripesShown);
        QCOMPARE(colour(shown.values, "list_overstripes"), blue);
        QVERIFY(shown.states.colourModified[std::size_t(key("list_overstripes"))]);
        const EditorValues visible =
            run(shown.values, {StyleEdit::pickColour(key("list_over"), QColor("#123456"))});
        QCOMPARE(colour(visible, "list_overstripes"), blue);
    }

    void rowStatesFollowTheTableWhateverTheEdit()
    {
        FontSpec bigger = start.style.fonts[0];
        bigger.size += 4;
        const auto font = StyleEdit::pickFont(0, bigger).apply(start, table);
        QVERIFY(font.states.fontModified[0]);
        QCOMPARE(font.changes.fonts, QVector<int>{0});
        QCOMPARE(rowStates(font.values.style, table), font.states);
        const auto reset = StyleEdit::resetFont(0).apply(font.values, table);
        QCOMPARE(reset.states, rowStates(start.style, table));
        QVERIFY(reset.values.style.fonts == start.style.fonts);

        const auto table0 =
            StyleEdit::pickColour(key("list_text"), colour(start, "list_text")).apply(start, table);
        QVERIFY(table0.changes.isEmpty());
    }
    void worstBackgroundCounts()
    {
        Style style = fixtures::defaultStyle();
        style.setColour("list_text", QColor("#ffffff"));
        style.setColour("list_automix", QColor("#eeeeee"));
        const auto hint = hintFor(style, "list_text");
        QVERIFY(hint);
        QCOMPARE(hint->background, QString("list_automix"));
        QCOMPARE(hint->ratio, contrast::ratio(Qt::white, QColor("#eeeeee")));
        QVERIFY(hint->ratio < contrast::warnBelow);
        QCOMPARE(contrast::ratio(Qt::black, Qt::white), 21.0);
    }

    void translucentBackgroundsAreSeenOverTheBrowser()
    {
        Style style = fixtures::defaultStyle();
        style.setColour("list_stripes", QColor(255, 255, 255, 0));
        style.setColour("list_automix", style.colour("backgroundcolor"));
        const auto hint = hintFor(style, "list_text");
        QCOMPARE(hint->ratio, contrast::ratio(style.colour("list_text"), style.colour("backgroundcolor")));
        // Over the skin's own picture nothing can be said.
        style.setColour("backgroundcolor", Qt::transparent);
        QCOMPARE(hintFor(style, "list_text")->background, QString("list_automix"));
        style.setColour("list_automix", Qt::transparent);
        QVERIFY(!hintFor(style, "list_text"));
    }
};

QTEST_MAIN(StyleEditTest)
#include "tst_styleedit.moc"
