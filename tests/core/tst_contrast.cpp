// Contrast ratios and the hints derived from them.

#include "skinfixtures.h"
#include "style/contrast.h"
#include "style/resources.h"

#include <QTest>
#include <optional>

class ContrastTest : public QObject
{
    Q_OBJECT

    static std::optional<contrast::Hint> hintFor(const QVector<contrast::Hint> &hints, const char *key)
    {
        for (const contrast::Hint &hint : hints)
            if (hint.key == stylekeys::colourIndex(QLatin1String(key)))
                return hint;
        return std::nullopt;
    }

private slots:
    void initTestCase() { initPanelcraftResources(); }

    void worstBackgroundCounts()
    {
        Style style = fixtures::defaultStyle();
        style.setColour("list_text", QColor("#ffffff"));
        style.setColour("list_automix", QColor("#eeeeee"));
        const auto hint = hintFor(contrast::hints(style), "list_text");
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
        const auto hint = hintFor(contrast::hints(style), "list_text");
        QCOMPARE(hint->ratio, contrast::ratio(style.colour("list_text"), style.colour("backgroundcolor")));
        // Over the skin's own picture nothing can be said.
        style.setColour("backgroundcolor", Qt::transparent);
        QCOMPARE(hintFor(contrast::hints(style), "list_text")->background, QString("list_automix"));
        style.setColour("list_automix", Qt::transparent);
        QVERIFY(!hintFor(contrast::hints(style), "list_text"));
    }
};

QTEST_MAIN(ContrastTest)
#include "tst_contrast.moc"
