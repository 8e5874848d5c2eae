// SPDX-License-Identifier: GPL-3.0-or-later
// The style layer: table files (reading rules, deriving a style, writing profiles),
// the editing rules without widgets (linked list rows, transparency, resets, row states), the
// contrast hints; and the compiled-in tables and images: complete tables in key-table order,
// committed PNGs that are what the generator draws.

#include "artwork.h"
#include "skinfixtures.h"
#include "style/contrast.h"
#include "style/styleedit.h"
#include "style/tablefile.h"

#include <QFont>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace {

// The key of every line.
QList<QByteArray> keys(const QByteArray &text)
{
    QList<QByteArray> keys;
    for (const QByteArray &line : text.split('\n'))
        keys << line.left(line.indexOf('='));
    return keys;
}

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

class StyleTest : public QObject
{
    Q_OBJECT

    StyleTable defaults;
    EditorValues start;

    EditorValues run(EditorValues values, std::initializer_list<StyleEdit> edits) const
    {
        for (const StyleEdit &edit : edits)
            values = edit.apply(values, defaults).values;
        return values;
    }

private slots:
    void initTestCase()
    {
        tablefile::read(tablefile::defaultTablePath, defaults);
        start.style = tablefile::derive(defaults);
    }

    void readRules_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const auto row = [](const char *name, const char *content, const char *key, const char *value) {
            QTest::newRow(name) << QByteArray(content) << QString(key) << QString(value);
        };
        row("plain", "list_text=#ff0000\r\n", "list_text", "#ff0000");
        row("second equals drops the rest", "list_text=#ff0000=x\r\n", "list_text", "#ff0000");
        row("nothing trimmed", "list_text = #ff0000\r\n", "list_text ", " #ff0000");
        row("later line wins", "a=#111111\r\na=#222222\r\n", "a", "#222222");
        row("LF only", "a=1\nb=2\n", "b", "2");
        row("no final line end", "a=1\r\nb=2", "b", "2");
        row("empty value", "a=\r\n", "a", "");
        row("line without equals skipped", "junk\r\n\r\nb=2\r\n", "b", "2");
    }

    void readRules()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QTemporaryDir dir;
        QVERIFY(fixtures::writeFile(dir.filePath("table.ini"), content));
        StyleTable table;
        QVERIFY(tablefile::read(dir.filePath("table.ini"), table));
        QCOMPARE(table.value(key, "<missing>"), value);
        QVERIFY(!table.contains("junk") && !table.contains(""));
        // A missing file leaves the table alone.
        QVERIFY(!tablefile::read(dir.filePath("missing.ini"), table));
        QCOMPARE(table.value(key, "<missing>"), value);
    }

    // The one golden check of the format tables and profiles share.
    void profileTextIsTheTableFormat()
    {
        Style style = fixtures::defaultStyle();
        style.setColour("list_text", QColor());
        style.setColour("list_stripes", QColor());
        style.setColour("grids_text", QColor("#ABCDEF"));
        style.setColour("list_over", QColor(0x11, 0x22, 0x33, 0x44));
        const QByteArray text = tablefile::profileText(style, 180);
        QCOMPARE(text.count('\n'), text.count("\r\n"));
        QVERIFY(text.endsWith("\r\n"));
        // An invalid colour is written black; transparency chosen in its row survives.
        for (const char *line :
             {"list_text=#000000", "list_stripes=#ff000000", "grids_text=#abcdef", "list_over=#44112233"})
            QVERIFY2(text.contains("\r\n" + QByteArray(line) + "\r\n"), line);
        QVERIFY(text.startsWith("backgroundcolor=#ff202020\r\nseperatorline=#7e7e7e\r\n"));
        QVERIFY(text.endsWith("toolbarfontsize=16\r\ntoolbarfontweight=Normal\r\nlineheight=180\r\n"));
    }

    // Profiles are written in key-table order, so the built-in tables hold every key in that
    // order, each with a usable value, in CR LF lines.
    void builtInTablesFollowTheKeyTable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("dark") << tablefile::defaultTablePath;
        QTest::newRow("white") << tablefile::whiteTablePath;
    }

    void builtInTablesFollowTheKeyTable()
    {
        QFETCH(QString, path);
        const QByteArray content = fixtures::readFile(path);
        QVERIFY(content.endsWith("\r\n") && content.count('\n') == content.count("\r\n") &&
                content.count('\r') == content.count("\r\n"));
        StyleTable table;
        QVERIFY(tablefile::read(path, table));
        const Style style = tablefile::derive(table);
        QCOMPARE(keys(content), keys(tablefile::profileText(style, 100)));
        for (const QColor &colour : style.colours)
            QVERIFY(colour.isValid());
        for (const FontSpec &font : style.fonts)
            QVERIFY(font.size > 0 && (font.weight == "Normal" || font.weight == "Bold"));
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
        const QString committed = fixtures::sourcePath(QLatin1String("resources/myfiles/") + file.name);
        const QImage onDisk = QImage(committed).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!onDisk.isNull(), qPrintable(committed));
        const QImage drawn = file.draw().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn.size(), onDisk.size());
        // Qt picks its raster code per processor at run time, so anti-aliased edges may differ by
        // a step or two between machines; anything more is a real change of the artwork.
        QVERIFY2(fixtures::nearlyEqual(onDisk, drawn), file.name);
    }

    // The host knows two weights: whatever the font dialog gives maps onto them and back.
    void fontWeightsMapOntoNormalAndBold()
    {
        QCOMPARE(FontSpec::weightWord(QFont::Light), QString("Normal"));
        QCOMPARE(FontSpec::weightWord(QFont::Normal), QString("Normal"));
        QCOMPARE(FontSpec::weightWord(QFont::DemiBold), QString("Bold"));
        QCOMPARE((FontSpec{"Arial", "Bold", 9}.qtWeight()), int(QFont::Bold));
        QCOMPARE((FontSpec{"Arial", "heavy", 9}.qtWeight()), int(QFont::Normal));
    }

    void overStripesFollowOverOnlyWhileStripesAreHidden()
    {
        const QColor blue("#0000ff");
        const QColor over = colour(start, "list_over");
        const auto hidden = StyleEdit::makeTransparent(key("list_stripes")).apply(start, defaults);
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
        const auto shown = StyleEdit::resetColour(key("list_stripes")).apply(picked, defaults);
        QVERIFY(shown.states.stripesShown);
        QCOMPARE(colour(shown.values, "list_overstripes"), blue);
        QVERIFY(shown.states.colourModified[std::size_t(key("list_overstripes"))]);
        const EditorValues visible =
            run(shown.values, {StyleEdit::pickColour(key("list_over"), QColor("#123456"))});
        QCOMPARE(colour(visible, "list_overstripes"), blue);
    }

    // A text row's hint names the background where it reads worst (WCAG ratios written out).
    void hintsNameTheWorstGround()
    {
        Style style = fixtures::defaultStyle();
        style.setColour("list_text", Qt::white);
        style.setColour("list_automix", QColor(0x96, 0x96, 0x96));
        const auto hint = hintFor(style, "list_text");
        QVERIFY(hint && hint->background == "list_automix");
        QVERIFY2(qAbs(hint->ratio - 2.958) < 0.001, qPrintable(QString::number(hint->ratio)));
        QCOMPARE(contrast::ratio(Qt::black, Qt::white), 21.0);

        // Translucent grounds are seen over the browser's; over the skin's own picture nothing
        // can be said.
        style = fixtures::defaultStyle();
        style.setColour("list_stripes", QColor(255, 255, 255, 0));
        style.setColour("list_automix", style.colour("backgroundcolor"));
        const auto overBrowser = hintFor(style, "list_text"); // white on #202020
        QVERIFY(overBrowser && qAbs(overBrowser->ratio - 16.29) < 0.01);
        style.setColour("backgroundcolor", Qt::transparent);
        const auto overPicture = hintFor(style, "list_text");
        QVERIFY(overPicture && overPicture->background == "list_automix");
        style.setColour("list_automix", Qt::transparent);
        QVERIFY(!hintFor(style, "list_text"));
    }
};

QTEST_GUILESS_MAIN(StyleTest)
#include "tst_style.moc"
