// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's style sheets as functions of a Style: which colour and font reach which widget,
// filled placeholders and kept transparency.

#include "preview/previewsheets.h"
#include "skinfixtures.h"

#include <QRegularExpression>
#include <QtTest>

using preview::Sheets;

namespace {

// Which keys each preview widget shows, by tests/preview/previewkeys.txt.
QMap<QString, QString> expectedKeys(bool stripesShown)
{
    QMap<QString, QString> keys;
    const QString path = fixtures::sourcePath("tests/preview/previewkeys.txt");
    for (const QString &line : QString::fromUtf8(fixtures::readFile(path)).split('\n')) {
        if (line.contains(": ") && !line.startsWith('#'))
            for (const QString &widget : line.section(": ", 0, 0).split(' '))
                keys[widget] = line.section(": ", 1);
    }
    if (!stripesShown)
        keys["trackList"] = keys["automixList"] = keys["folderList"];
    return keys;
}

// What each marker value in a sheet stands for: a colour key, or a font group with how many px
// the sheet takes off its size.
QHash<QString, QString> markerKeys(const Style &style)
{
    QHash<QString, QString> keys;
    for (const auto &key : stylekeys::colourKeys)
        keys[style.colourName(QLatin1String(key.key))] = QLatin1String(key.key);
    for (int i = 0; i < stylekeys::fontGroupCount; ++i)
        for (int drop = 0; drop <= 10; ++drop)
            keys[QStringLiteral("Weight%1 %2px \"Family & %3\"")
                     .arg(i)
                     .arg(40 + 3 * i - drop)
                     .arg(QLatin1String(stylekeys::fontGroups[i].prefix))] =
                QStringLiteral("%1-%2").arg(QLatin1String(stylekeys::fontGroups[i].prefix)).arg(drop);
    return keys;
}

// A sheet read back as the keys it carries: "property=key" per value, grouped by selector.
QString keysIn(const QString &sheet, const QHash<QString, QString> &markers)
{
    static const QRegularExpression token(QStringLiteral("#\\w+(\\S*)\\s*\\{|\\}|([a-z-]+)\\s*:([^;{}]*)"));
    static const QRegularExpression colour(QStringLiteral("#[0-9a-f]{6,8}|\\$\\{[^}]*\\}"));
    static const QHash<QString, QString> shortNames{{"background-color", "bg"},
                                                    {"background", "bg"},
                                                    {"color", "fg"},
                                                    {"selection-background-color", "sel"}};
    QString keys;
    for (auto tokens = token.globalMatch(sheet); tokens.hasNext();) {
        const auto match = tokens.next();
        if (match.captured(0) == QLatin1String("}") || match.captured(0).startsWith(QLatin1Char('#'))) {
            keys += match.captured(0) == QLatin1String("}") ? QStringLiteral("} ") : match.captured(1) + '{';
            continue;
        }
        const QString property = shortNames.value(match.captured(2), match.captured(2)) + QLatin1Char('=');
        const QString value = match.captured(3).trimmed();
        if (value.startsWith(QLatin1String("normal ")))
            keys += property + markers.value(value.mid(7), '?' + value) + ' ';
        for (auto colours = colour.globalMatch(value); colours.hasNext();) {
            const QString found = colours.next().captured(0);
            keys += property + markers.value(found, '?' + found) + ' ';
        }
    }
    return keys.replace(QLatin1String(" }"), QLatin1String("}")).trimmed();
}

} // namespace

class PreviewSheetsTest : public QObject
{
    Q_OBJECT

    Style defaults;

private slots:
    void initTestCase() { defaults = fixtures::defaultStyle(); }

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

    // Also: every placeholder is filled, and a see-through colour keeps its alpha in every sheet.
    void eachWidgetShowsItsOwnKeys_data()
    {
        QTest::addColumn<bool>("alternating");
        QTest::newRow("plain lists") << false;
        QTest::newRow("striped lists") << true;
    }

    void eachWidgetShowsItsOwnKeys()
    {
        QFETCH(bool, alternating);
        const Style style = fixtures::distinctStyle();
        const Sheets sheets = preview::initguiSheets(style) +
                              preview::listSheets(style, 100, alternating, alternating) +
                              preview::gridSheets(style) + preview::pluginSheets(style);
        const QHash<QString, QString> markers = markerKeys(style);
        QMap<QString, QString> shown;
        for (const auto &entry : sheets)
            shown[entry.widget] = keysIn(entry.sheet, markers);
        const QMap<QString, QString> expected = expectedKeys(alternating);
        QCOMPARE(shown.keys(), expected.keys());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QVERIFY2(shown[it.key()] == it.value(),
                     qPrintable(it.key() + ": " + shown[it.key()] + "\n   expected: " + it.value()));
    }
};

QTEST_GUILESS_MAIN(PreviewSheetsTest)
#include "tst_previewsheets.moc"
