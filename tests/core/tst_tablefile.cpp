// Table files: reading rules, deriving a style, writing profiles; and the key table's integrity.

#include "style/resources.h"
#include "style/tablefile.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString writeTemp(const QTemporaryDir &dir, const QByteArray &content)
{
    const QString path = dir.filePath(QStringLiteral("table.ini"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return path;
}

StyleTable builtIn(const QString &path)
{
    StyleTable table;
    tablefile::read(path, table);
    return table;
}
} // namespace

class TableFileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initPanelcraftResources(); }

    void keyTableIsConsistent()
    {
        QSet<QString> keys, widgets;
        int widgetCount = 0;
        for (const auto &key : stylekeys::colourKeys) {
            keys.insert(key.key);
            QCOMPARE(stylekeys::colourIndex(key.key), int(&key - stylekeys::colourKeys));
            for (const char *name : {key.pick, key.swatch, key.value, key.reset}) {
                widgets.insert(name);
                ++widgetCount;
            }
        }
        QCOMPARE(keys.size(), stylekeys::colourKeyCount);
        QCOMPARE(widgets.size(), widgetCount); // no widget serves two rows
        QCOMPARE(stylekeys::colourIndex("no_such_key"), -1);
        QCOMPARE(stylekeys::fontGroupIndex("no_such_group"), -1);
    }

    void unknownKeysAreReportedAndChangeNothing()
    {
        Style style;
        style.colours.fill(QColor(Qt::red));
        const Style before = style;
        QTest::ignoreMessage(QtCriticalMsg, "Unknown colour key \"list_txet\"");
        QVERIFY(!style.colour("list_txet").isValid());
        QTest::ignoreMessage(QtCriticalMsg, "Unknown colour key \"list_txet\"");
        style.setColour("list_txet", Qt::blue);
        QTest::ignoreMessage(QtCriticalMsg, "Unknown font group \"skni\"");
        style.font("skni").size = 40;
        QTest::ignoreMessage(QtCriticalMsg, "Unknown font group \"skni\"");
        QCOMPARE(std::as_const(style).font("skni"), FontSpec());
        QVERIFY(style.colours == before.colours);
        QVERIFY(style.fonts == before.fonts);
    }

    void readRules_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << QByteArray("list_text=#ff0000\r\n") << "list_text"
                               << "#ff0000";
        QTest::newRow("second equals drops the rest") << QByteArray("list_text=#ff0000=x\r\n") << "list_text"
                                                      << "#ff0000";
        QTest::newRow("nothing trimmed") << QByteArray("list_text = #ff0000\r\n") << "list_text "
                                         << " #ff0000";
        QTest::newRow("later line wins")
            << QByteArray("grids_text=#111111\r\ngrids_text=#222222\r\n") << "grids_text"
            << "#222222";
        QTest::newRow("LF only") << QByteArray("a=1\nb=2\n") << "b"
                                 << "2";
        QTest::newRow("no final line end") << QByteArray("a=1\r\nb=2") << "b"
                                           << "2";
        QTest::newRow("empty value") << QByteArray("a=\r\n") << "a"
                                     << "";
        QTest::newRow("line without equals skipped") << QByteArray("junk\r\n\r\nb=2\r\n") << "b"
                                                     << "2";
    }

    void readRules()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QTemporaryDir dir;
        StyleTable table;
        QVERIFY(tablefile::read(writeTemp(dir, content), table));
        QCOMPARE(table.value(key, "<missing>"), value);
        QVERIFY(!table.contains("junk") && !table.contains(""));
    }

    void missingFileLeavesTableAlone()
    {
        StyleTable table{{"list_text", "#123456"}};
        QVERIFY(!tablefile::read("/nonexistent/table.ini", table));
        QCOMPARE(table, (StyleTable{{"list_text", "#123456"}}));
    }

    void loadsMergeAndDeriveTheStyle()
    {
        StyleTable table = builtIn(tablefile::defaultTablePath);
        QCOMPARE(table.size(), stylekeys::tableLineCount);
        Style style = tablefile::derive(table);
        QCOMPARE(style.colourName("list_automix"), QString("#4080c4"));
        QCOMPARE(style.font("toolbar"), (FontSpec{"Arial", "Normal", 16}));
        QCOMPARE(style.colourName("backgroundcolor"), QString("#ff202020"));

        tablefile::read(tablefile::whiteTablePath, table);
        style = tablefile::derive(table);
        QCOMPARE(style.colourName("list_automix"), QString("#56a7b3"));
        QCOMPARE(style.font("toolbar"), (FontSpec{"Arial", "Bold", 16}));

        table.insert("skinfontsize", "abc");
        table.insert("list_text", "not a colour");
        table.insert("list_over", "transparent");
        style = tablefile::derive(table);
        QCOMPARE(style.font("skin").size, 0);
        QVERIFY(!style.colour("list_text").isValid());
        QCOMPARE(style.colour("list_over").alpha(), 0);
    }

    void profileTextIsTheTableFormat()
    {
        Style style = tablefile::derive(builtIn(tablefile::defaultTablePath));
        style.setColour("list_text", QColor());
        style.setColour("list_stripes", QColor());
        style.setColour("grids_text", QColor("#ABCDEF"));
        style.setColour("list_over", QColor(0x11, 0x22, 0x33, 0x44));
        const QByteArray text = tablefile::profileText(style);
        const QList<QByteArray> lines = text.split('\n');
        QCOMPARE(lines.size(), stylekeys::tableLineCount + 1);
        QVERIFY(lines.last().isEmpty());
        for (int i = 0; i < stylekeys::tableLineCount; ++i)
            QVERIFY2(lines[i].endsWith('\r'), lines[i].constData());
        QVERIFY(text.contains("\r\nlist_text=#000000\r\n"));
        QVERIFY(text.contains("\r\nlist_stripes=#ff000000\r\n"));
        QVERIFY(text.contains("\r\ngrids_text=#abcdef\r\n"));
        QVERIFY(text.contains("\r\nlist_over=#44112233\r\n")); // transparency chosen in its row survives
        QVERIFY(text.startsWith("backgroundcolor=#ff202020\r\nseperatorline=#7e7e7e\r\n"));
        QVERIFY(text.endsWith("toolbarfontname=Arial\r\ntoolbarfontsize=16\r\ntoolbarfontweight=Normal\r\n"));
    }

    void profilesAreWrittenWholeOrNotAtAll()
    {
        QTemporaryDir dir;
        const Style style = tablefile::derive(builtIn(tablefile::defaultTablePath));
        const QString path = dir.filePath("p.pcp");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old content that is much longer than nothing at all, so truncation would show\n");
        old.close();
        QCOMPARE(tablefile::writeProfile(path, style), QString());
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), tablefile::profileText(style));

        const QString blocked = dir.filePath("p.pcp/inside.pcp"); // its folder is a file
        QVERIFY(!tablefile::writeProfile(blocked, style).isEmpty());
        QVERIFY(!QFile::exists(blocked));
    }
};

QTEST_GUILESS_MAIN(TableFileTest)
#include "tst_tablefile.moc"
