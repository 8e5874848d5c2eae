// The <browser> block reader against the writer: what one writes the other reads back.

#include "skin/browserblock.h"
#include "skin/browserblockreader.h"
#include "skin/workspace.h"
#include "skinfixtures.h"
#include "style/resources.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Every key a value of its own.
Style distinctStyle()
{
    Style style;
    for (int i = 0; i < stylekeys::colourKeyCount; ++i)
        style.colours[std::size_t(i)] =
            QColor(i * 3, 255 - i, 7 * i % 256, stylekeys::colourKeys[i].alpha ? i : 255);
    for (int i = 0; i < stylekeys::fontGroupCount; ++i)
        style.fonts[std::size_t(i)] = {QStringLiteral("Family & %1").arg(i), QStringLiteral("W%1").arg(i),
                                       20 + i};
    return style;
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

class BlockReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initPanelcraftResources(); }

    void readsBackWhatTheWriterWrote_data()
    {
        QTest::addColumn<bool>("reversed");
        QTest::newRow("writer's order") << false;
        QTest::newRow("host's own order") << true;
    }

    void readsBackWhatTheWriterWrote()
    {
        QFETCH(bool, reversed);
        const Style style = distinctStyle();
        const QStringList block = browserblock::contentBlock(style, 50);
        browserblock::ReadValues read;
        QCOMPARE(browserblock::readBlock(skinXml(reversed ? reversedAttributes(block) : block), read),
                 QString());
        // Keys the block does not carry (the plugin colours painted into the image, the plugin
        // font's weight) stay as the base has them.
        const Style base = fixtures::defaultStyle();
        const QString written = block.join(QLatin1Char('\n'));
        Style expected = style;
        for (int i = 0; i < stylekeys::colourKeyCount; ++i)
            if (!written.contains(style.colourName(QLatin1String(stylekeys::colourKeys[i].key))))
                expected.colours[std::size_t(i)] = base.colours[std::size_t(i)];
        expected.font("plugin").weight = base.font("plugin").weight;
        const Style back = browserblock::applyBlock(read, base);
        QVERIFY(back.colours == expected.colours);
        QVERIFY(back.fonts == expected.fonts);
        QCOMPARE(read.lineHeight, QStringLiteral("120"));
    }

    void missingAttributesKeepTheBase()
    {
        QStringList block = browserblock::contentBlock(distinctStyle(), 50);
        block.replaceInStrings(QRegularExpression(QStringLiteral(" over=\"[^\"]*\"")), QString());
        block.replaceInStrings(QRegularExpression(QStringLiteral(" size=\"[^\"]*\"")),
                               QStringLiteral(" size=\"5000\""));
        browserblock::ReadValues read;
        QCOMPARE(browserblock::readBlock(skinXml(block, "<browser>"), read), QString());
        const Style base = fixtures::defaultStyle();
        const Style back = browserblock::applyBlock(read, base);
        for (const char *key : {"list_over", "grids_over"})
            QCOMPARE(back.colour(key), base.colour(key));
        QCOMPARE(back.colour("list_text"), distinctStyle().colour("list_text"));
        QCOMPARE(back.font("skin").size, base.font("skin").size); // out of bounds: not taken
        QCOMPARE(read.lineHeight, QString());
    }

    void noBlockIsReported()
    {
        browserblock::ReadValues read;
        QVERIFY(browserblock::readBlock(fixtures::xml({"<skin>", "</skin>"}), read)
                    .contains("no <browser> block"));
        QVERIFY(browserblock::readBlock("<skin><unclosed", read).contains("could not be read"));
        QTemporaryDir dir;
        const QString zip = dir.filePath("empty.zip");
        QVERIFY(fixtures::writeZip(zip, {{"readme.txt", "no layout"}}));
        QCOMPARE(browserblock::readSkinBlock(zip, read), noXmlFilesMessage);
    }
};

QTEST_MAIN(BlockReaderTest)
#include "tst_browserblockreader.moc"
