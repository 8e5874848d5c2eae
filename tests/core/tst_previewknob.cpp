// The plugin zone's knob picture, sampled where each of its parts must show its own colour.

#include "preview/knobimage.h"
#include "skin/fxpainter.h"
#include "style/resources.h"
#include "style/tablefile.h"

#include <QPainter>
#include <QtTest>

namespace {

// Antialiasing at a sample's border and the gradient's colour table may shift a channel slightly.
constexpr int tolerance = 12;

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance && qAbs(a.alpha() - b.alpha()) <= tolerance;
}

// The body gradient runs from y 5 to y 40; a pixel is sampled at its centre.
QColor bodyAt(int y, const QColor &start, const QColor &end)
{
    const qreal t = (y + 0.5 - 5) / 35;
    const auto mix = [t](int a, int b) { return qRound(a + t * (b - a)); };
    return QColor(mix(start.red(), end.red()), mix(start.green(), end.green()),
                  mix(start.blue(), end.blue()));
}

} // namespace

class PreviewKnobTest : public QObject
{
    Q_OBJECT

    Style style;
    QImage knob;

    // Every colour the picture uses is distinct, so a swapped colour shows.
    const QColor back{0x10, 0x20, 0x30};
    const QColor ringEdge{0xe0, 0x40, 0x10};
    const QColor valueArc{0x20, 0xc0, 0x40};
    const QColor bodyStart{0xf0, 0xc8, 0x00};
    const QColor bodyEnd{0x00, 0x28, 0xf0};
    const QColor pointer{0xff, 0x00, 0xff};

private slots:
    void initTestCase()
    {
        initPanelcraftResources();
        StyleTable table;
        QVERIFY(tablefile::read(tablefile::defaultTablePath, table));
        style = tablefile::derive(table);
        style.setColour(QStringLiteral("fx_back"), back);
        style.setColour(QStringLiteral("fx_knobborderout"), ringEdge);
        style.setColour(QStringLiteral("fx_knobborder"), valueArc);
        style.setColour(QStringLiteral("fx_knobback_start"), bodyStart);
        style.setColour(QStringLiteral("fx_knobback_end"), bodyEnd);
        style.setColour(QStringLiteral("fx_knobfader"), pointer);
        knob = preview::knobImage(style);
    }

    // The painters name their keys as literals; a name the table lacks is reported, and must not be.
    void paintersNameOnlyKnownKeys()
    {
        static bool reported;
        reported = false;
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &) { reported |= type == QtCriticalMsg; });
        QImage row(400, 100, QImage::Format_ARGB32);
        QPainter painter(&row);
        fxpainter::paint(painter, 10, style);
        painter.end();
        preview::knobImage(style);
        qInstallMessageHandler(previous);
        QVERIFY(!reported);
    }

    // The ring is centred at (25,25) with radius 20: its edges lie 17..18.5 and 21.5..23 from the
    // centre, the hollow between them; it is open between 225 and 315 degrees.
    void pixels_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("expected");

        QTest::newRow("background left top") << QPoint(0, 0) << back;
        QTest::newRow("background right bottom") << QPoint(199, 49) << back;
        QTest::newRow("open bottom of the ring") << QPoint(24, 46) << back;
        QTest::newRow("ring outer edge, right") << QPoint(47, 24) << ringEdge;
        QTest::newRow("ring hollow, right") << QPoint(44, 24) << back;
        QTest::newRow("ring inner edge, right") << QPoint(42, 24) << ringEdge;
        QTest::newRow("ring outer edge, left") << QPoint(2, 24) << ringEdge;
        QTest::newRow("value arc, left") << QPoint(5, 24) << valueArc;
        QTest::newRow("value arc, top") << QPoint(23, 5) << valueArc;
        QTest::newRow("ring hollow, right of top") << QPoint(28, 5) << back;
        QTest::newRow("body, upper") << QPoint(32, 20) << bodyAt(20, bodyStart, bodyEnd);
        QTest::newRow("body, lower") << QPoint(30, 35) << bodyAt(35, bodyStart, bodyEnd);
        QTest::newRow("pointer, top") << QPoint(24, 9) << pointer;
        QTest::newRow("pointer, inside the body") << QPoint(25, 20) << pointer;
        QTest::newRow("beside the pointer") << QPoint(27, 15) << bodyAt(15, bodyStart, bodyEnd);
    }

    void pixels()
    {
        QFETCH(QPoint, at);
        QFETCH(QColor, expected);
        QCOMPARE(knob.size(), QSize(200, 50));
        const QColor actual = knob.pixelColor(at);
        QVERIFY2(near(actual, expected),
                 qPrintable(QStringLiteral("%1 instead of %2")
                                .arg(actual.name(QColor::HexArgb), expected.name(QColor::HexArgb))));
    }
};

QTEST_GUILESS_MAIN(PreviewKnobTest)
#include "tst_previewknob.moc"
