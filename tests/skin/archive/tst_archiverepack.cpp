// SPDX-License-Identifier: GPL-3.0-or-later
// The archives a build reads, which are untrusted input, and the one it writes: every entry of
// the skin kept as it was, and the dates of the entries it adds.

#include "skin/archive/archive.h"
#include "skin/archive/workpaths.h"
#include "skin/skinbuilder.h"
#include "skinfixtures.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>
#include <functional>
#include <quazip/quazip.h>
#include <quazip/quazipfileinfo.h>

namespace {

// A skin with every kind of entry, built once with the floating browser.
struct KeptSkin
{
    BuildResult result;
    QStringList skinNames, names;          // of the entries, in archive order
    QMap<QString, QByteArray> stored, out; // as stored, still compressed
    QMap<QString, QByteArray> files;       // of the output, unpacked
    QByteArray built;
};
using KeptCheck = std::function<bool(const KeptSkin &)>;

// Each upper-case letter takes two characters in a work name: a work path past 260 characters,
// which Windows makes only when asked for long paths.
const char deepName[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWX/ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWX/"
    "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWX/FAR.TXT";

// A time stamp, then a zip64 block the copy leaves out: its sizes would contradict the 32-bit ones.
const QByteArray timeStamp = QByteArray::fromHex("55540500010a0b0c0d");
const QByteArray extraFields = timeStamp + QByteArray::fromHex("01000800ffffff0000000000");

const QByteArray lzma =
    QByteArray::fromHex("090405005d000080000035994a681ff6ad558829769c83f75d0758b696ffff98a48000");

// Bytes of an entry's local header at the given offsets, then of its central record, where each
// field lies two bytes further on: the method at 8, the version a reader needs at 4, the byte
// holding the UTF-8 flag (8) at 7. Nothing when no entry is named with exactly these bytes.
QVector<int> fields(const QByteArray &zip, const QByteArray &name, const QVector<int> &offsets)
{
    const int local = zip.indexOf(name) - 30, central = zip.indexOf(name, local + 40) - 46;
    QVector<int> bytes;
    for (const int header : {local, central + 2})
        for (const int offset : offsets)
            bytes << (local < 0 || central < 0 ? -1 : zip.at(header + offset));
    return bytes;
}

const std::pair<const char *, char> copiedLevels[] = {
    {"docs\\notes.txt", 6}, {"fonts/face.ttf", 4}, {"cut.png", 2}};

// Every entry's DOS time and date: local headers hold them at 10, central records at 12.
void stampEntries(QByteArray &bytes, const QByteArray &stamp)
{
    for (const auto &[signature, at] : {std::pair("PK\x03\x04", 10), std::pair("PK\x01\x02", 12)})
        for (int i = bytes.indexOf(signature); i >= 0; i = bytes.indexOf(signature, i + 4))
            bytes.replace(i + at, 4, stamp);
}

} // namespace

Q_DECLARE_METATYPE(KeptCheck)

class ArchiveRepackTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_keptDir;
    KeptSkin m_kept;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_target; // the folder the tests unpack into

    QString path(const QString &name) const { return m_dir->filePath(name); }

private slots:
    void initTestCase()
    {
        QTextCodec *latin1 = QTextCodec::codecForName("ISO-8859-1");
        QTextCodec *utf16 = QTextCodec::codecForName("UTF-16LE"); // starts the text with a byte-order mark
        // One name without the UTF-8 flag makes the archive's names all so; utf16.xml gets it below.
        const QList<fixtures::ZipEntry> entries{
            {"latin.xml",
             latin1->fromUnicode(
                 "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<skin image=\"Images/Main.PNG\">"
                 "\r\n<text text=\"Café\"/>\r\n<browser>\r\n</browser>\r\n</skin>\r\n"),
             0100644, -1, false},
            {"utf16.xml",
             utf16->fromUnicode(
                 "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<skin image=\"images/main.png\">\n<text "
                 "text=\"Ünï\"/>\n<browser>\n</browser>\n</skin>\n")},
            {"broken.xml", "<?xml encoding=\"UTF-8\"?>\n<skin image=\"images/main.png\">\xff\n"},
            {"ascii.xml", "<?xml version=\"1.0\" encoding=\"US-ASCII\"?>\n<skin "
                          "image=\"images/main.png\">Caf\xc3\xa9\n</skin>\n"},
            {"cut.xml", "<skin image=\"cut.png\">\n<browser>\n</browser>\n</skin>\n"},
            {"cut.png", fixtures::png(400, 300).chopped(300)},
            {"images/", "", 040755},
            {"images/main.png", fixtures::png(400, 300)},
            {"fonts/face.ttf", QByteArray(3000, 'f'), 0100644, 0},
            {"Crème.jpg", "photo"},
            // "café" in UTF-8, as zip -r writes it under a UTF-8 locale, and "µÇ" in code page 437.
            {QLatin1String("img/caf\xc3\xa9.png"), fixtures::png(400, 300)},
            {QLatin1String("img/\xe6\x80.png"), fixtures::png(400, 300)},
            {"cafe.xml",
             fixtures::xml({"<skin image=\"img/café.png\">", "<browser>", "</browser>", "</skin>"})},
            {"mu.xml", fixtures::xml({"<skin image=\"img/µÇ.png\">", "<browser>", "</browser>", "</skin>"})},
            {"docs\\notes.txt", "from an old tool"},
            {"images\\", "", 040755},
            {"./licence.txt", "free", 0100644, -1, true, nullptr, {}, 0, extraFields, "a comment"},
            {deepName, "far down"},
            {"", "nameless"},
            {"readme.txt", "kept as it was\n", 0100644, -1, false, nullptr,
             QByteArray::fromHex(
                 "425a6839314159265359f43dbd7100000451800010400022284c80200031003021a1a69a2e01e702"
                 "94367c5dc914e14243d0f6f5c4"),
             0}, // bzip2
            {"history.txt", "kept as it was\n", 0100644, -1, false, nullptr, lzma, 0}};
        SkinBuildOptions options;
        options.selectedSkinFile = m_keptDir.filePath("skin.zip");
        options.outputPath = m_keptDir.filePath("out.zip");
        options.floatBrowser = true;
        options.importWindows = true; // whose image goes in under a name of the build's
        options.windowSkinFile = m_keptDir.filePath("windows.zip");
        QVERIFY(fixtures::writeZip(options.windowSkinFile,
                                   {{"w.xml", fixtures::xml({"<skin>", "<window image=\"fenêtre.png\"/>"})},
                                    {"fenêtre.png", fixtures::png(20, 20)}}));
        QVERIFY(fixtures::writeZip(options.selectedSkinFile, entries));
        // The archive library cannot write LZMA, nor bzip2 where it is built without: each entry
        // goes in as stored and gets its method here. No entry is dated, as some tools leave
        // them, and the archive has a comment.
        QByteArray bytes = fixtures::readFile(options.selectedSkinFile);
        for (const auto &[name, method] : {std::pair("history.txt", 14), std::pair("readme.txt", 12)})
            bytes[bytes.indexOf(name) - 30 + 8] = bytes[bytes.lastIndexOf(name) - 46 + 10] = char(method);
        stampEntries(bytes, QByteArray(4, '\0'));
        for (const int flags : {bytes.indexOf("utf16.xml") - 30 + 7, bytes.lastIndexOf("utf16.xml") - 46 + 9})
            bytes[flags] = char(bytes.at(flags) | 0x08);
        // The deflate level each copy keeps in flag bits 1 and 2.
        for (const auto &[name, bits] : copiedLevels)
            for (const int flags : {bytes.indexOf(name) - 30 + 6, bytes.lastIndexOf(name) - 46 + 8})
                bytes[flags] = char(bytes.at(flags) | bits);
        bytes[bytes.size() - 2] = char(4);
        QVERIFY(fixtures::writeFile(options.selectedSkinFile, bytes + "\x80 by"));
        m_kept.result = SkinBuilder::build(options, fixtures::defaultStyle(), m_keptDir.filePath("work"));
        QVERIFY2(m_kept.result.ok, qPrintable(m_kept.result.message));
        m_kept.skinNames = fixtures::zipNames(options.selectedSkinFile);
        m_kept.names = fixtures::zipNames(options.outputPath);
        m_kept.stored = fixtures::readZip(options.selectedSkinFile, true);
        m_kept.out = fixtures::readZip(options.outputPath, true);
        m_kept.files = fixtures::readZip(options.outputPath);
        m_kept.built = fixtures::readFile(options.outputPath);
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(m_target = path("unpacked")));
    }

    // Everything of the skin comes through: sub-folders, fonts, other files, names from old zip
    // tools. What the build does not change is stored exactly as it was; the image a layout
    // names in a sub-folder (in another case) is painted where it is; each layout keeps its encoding.
    void keepsEveryEntryOfTheSkin_data()
    {
        QTest::addColumn<KeptCheck>("check");
        const auto row = [](const char *name, const KeptCheck &check) { QTest::newRow(name) << check; };
        const auto warns = [](int at, const char *text) {
            return [=](const KeptSkin &k) {
                return k.result.warnings.size() == 3 && k.result.warnings.at(at).contains(text);
            };
        };
        row("warning: not UTF-8", warns(0, "\"broken.xml\" is not valid UTF-8"));
        row("warning: damaged image",
            warns(1, "\"cut.png\" is damaged and cannot be decoded; its layout keeps"));
        row("warning: text the encoding cannot hold",
            warns(2, "\"ascii.xml\" cannot hold its new text in the encoding US-ASCII"));
        row("every name in order, the added ones last", [](const KeptSkin &k) {
            return k.names == QStringList(k.skinNames) << "browserfloat.png"
                                                       << "fenêtre.png";
        });
        for (const char *kept : {"broken.xml", "ascii.xml", "cut.png", "fonts/face.ttf", "Crème.jpg",
                                 "docs\\notes.txt", "./licence.txt", deepName, "", "readme.txt"})
            QTest::addRow("stored as it was: \"%s\"", kept)
                << KeptCheck([=](const KeptSkin &k) { return k.out.value(kept) == k.stored.value(kept); });
        row("folders stored empty", [](const KeptSkin &k) {
            return !k.stored.value("images/").isEmpty() && k.out.value("images/") == "" &&
                   k.out.value("images\\") == "" && k.out.contains("images\\");
        });
        row("archive comment",
            [](const KeptSkin &k) { return k.built.endsWith(QByteArray("\x04\0\x80 by", 6)); });
        for (const auto &[name, bits] : copiedLevels)
            QTest::addRow("flag bits 1 and 2: %s", name)
                << KeptCheck([name = name, bits = bits](const KeptSkin &k) {
                       const QVector<int> flags = fields(k.built, name, {6});
                       return !flags.contains(-1) &&
                              std::all_of(flags.begin(), flags.end(), [&](int f) { return (f & 6) == bits; });
                   });
        row("extra field without its zip64 block", [](const KeptSkin &k) {
            return fields(k.built, "./licence.txt", {28}) == QVector<int>{9, 9} &&
                   k.built.contains(timeStamp);
        });
        row("LZMA data", [](const KeptSkin &k) { return k.built.contains(lzma); });
        // An undated skin gives what the build adds the earliest date a zip entry holds, 1980-01-01.
        row("added entry's date", [](const KeptSkin &k) {
            return fields(k.built, "browserfloat.png", {10, 11, 12, 13}) ==
                   QVector<int>{0, 0, 0x21, 0, 0, 0, 0x21, 0};
        });
        row("LZMA method and version", [](const KeptSkin &k) {
            return fields(k.built, "history.txt", {8, 4}) == QVector<int>{14, 63, 14, 63};
        });
        row("bzip2 method and version", [](const KeptSkin &k) {
            return fields(k.built, "readme.txt", {8, 4}) == QVector<int>{12, 46, 12, 46};
        });
        // Each name keeps its bytes, and its UTF-8 flag in both headers, copied, rewritten or added.
        // Without the flag a name reads as UTF-8 where it is UTF-8, else in code page 437: the
        // layouts naming "café" and "µÇ" find their images.
        const std::tuple<const char *, QByteArray, int> names[] = {
            {"UTF-8 unflagged", "img/caf\xc3\xa9.png", 0},
            {"code page 437", "img/\xe6\x80.png", 0},
            {"copied", "fonts/face.ttf", 0},
            {"flagged", "utf16.xml", 8},
            {"added", "browserfloat.png", 8},
            {"added in UTF-8", "fen\xc3\xaatre.png", 8}};
        for (const auto &[label, name, flag] : names) {
            QTest::addRow("name's bytes and flag: %s", label)
                << KeptCheck([name = name, flag = flag](const KeptSkin &k) {
                       return fields(k.built, name, {7}) == QVector<int>{flag, flag};
                   });
            if (name.startsWith("img/"))
                QTest::addRow("image named: %s", label) << KeptCheck([name = name](const KeptSkin &k) {
                    return fixtures::imageIn(k.files, QString::fromLatin1(name)).size() == QSize(400, 366);
                });
        }
        row("image in a sub-folder, named in another case", [](const KeptSkin &k) {
            return fixtures::imageIn(k.files, "images/main.png").size() == QSize(400, 366);
        });
        row("Latin-1 layout with CR LF", [](const KeptSkin &k) {
            return QTextCodec::codecForName("ISO-8859-1")
                ->toUnicode(k.files.value("latin.xml"))
                .contains("<text text=\"Café\"/>\r\n<browser lineheight=\"100%\" >\r\n\t<colors");
        });
        row("UTF-16 byte-order mark",
            [](const KeptSkin &k) { return k.files.value("utf16.xml").startsWith("\xff\xfe<\0?\0"); });
        row("UTF-16 layout rewritten", [](const KeptSkin &k) {
            return QTextCodec::codecForName("UTF-16LE")
                ->toUnicode(k.files.value("utf16.xml"))
                .contains("Ünï\"/>\n<browser lineheight");
        });
    }
    void keepsEveryEntryOfTheSkin()
    {
        QFETCH(KeptCheck, check);
        QVERIFY(check(m_kept));
    }

    // Added files are dated like the skin's newest entry, so a build of the same skin gives the
    // same archive.
    void addedEntriesTakeTheSkinsDate()
    {
        SkinBuildOptions options;
        options.selectedSkinFile = path("skin.zip");
        options.outputPath = path("out.zip");
        options.floatBrowser = true;
        QVERIFY(fixtures::writeZip(options.selectedSkinFile,
                                   {{"a.xml", fixtures::xml({"<skin image=\"skin.png\">", "</skin>"})},
                                    {"skin.png", fixtures::png(400, 300)}}));
        QByteArray bytes = fixtures::readFile(options.selectedSkinFile);
        stampEntries(bytes, QByteArray("\x20\x5a\x87\x53", 4)); // 11:17:00, 2021-12-07
        QVERIFY(fixtures::writeFile(options.selectedSkinFile, bytes));
        const BuildResult result = SkinBuilder::build(options, fixtures::defaultStyle(), path("work"));
        QVERIFY2(result.ok, qPrintable(result.message));
        QuaZip zip(options.outputPath);
        QuaZipFileInfo64 added;
        QVERIFY(zip.open(QuaZip::mdUnzip) && zip.setCurrentFile("browserfloat.png") &&
                zip.getCurrentFileInfo(&added));
        QCOMPARE(added.dateTime, QDateTime(QDate(2021, 12, 7), QTime(11, 17)));
    }

    // Names any two of which one file system or another takes for one file, or that Windows
    // refuses: each gets a work name of its own that every system can make, and reads back.
    void workNamesKeepEntriesApart()
    {
        // Each line: names one file system or another takes for one file.
        const QList<QStringList> alike{{"Skin.xml", "skin.xml", "SKIN.XML"},
                                       {"aux .png", "AUX.png", "Aux.png"},
                                       {"com1.txt", "COM1.txt", "conout$"},
                                       {"a.", "a. ", "a", "A", "^a"},
                                       {"x~1.png", "x%7e1.png"},
                                       {"a:b.png", "a%3ab.png"},
                                       {"\u00e9.png", "e\u0301.png"},
                                       {"dir/Con/x.png", "dir/con/x.png"}};
        QHash<QString, QString> folded;
        for (const QStringList &names : alike)
            for (const QString &name : names) {
                const QString work = archive::workName(name);
                QCOMPARE(archive::entryPath(work), name);
                for (const QString &part : work.split('/'))
                    QVERIFY2(!fixtures::refusedByWindows(part) &&
                                 part == QString::fromLatin1(part.toLatin1()),
                             qPrintable(work));
                const QString key = work.normalized(QString::NormalizationForm_C).toCaseFolded();
                QVERIFY2(!folded.contains(key), qPrintable(name + " and " + folded.value(key)));
                folded.insert(key, name);
            }
        // Only the spelling a work name has: no other file of a work folder passes for an entry.
        for (const char *stray : {"Skin.xml", "aux.png", "%41", "a%2", "a%zz", "\u00e9.png"})
            QCOMPARE(archive::entryPath(QString::fromUtf8(stray)), QString());
    }

    // Skin archives are untrusted input.
    void hostileEntryIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("mode");
        QTest::addColumn<QString>("message");
        const QString outside = "would be written outside";
        QTest::newRow("parent folder") << "../escaped.png" << 0100644u << outside;
        QTest::newRow("parent folder deeper") << "sub/../../escaped.png" << 0100644u << outside;
        QTest::newRow("parent folder, backslashes") << "..\\escaped.png" << 0100644u << outside;
        QTest::newRow("absolute path") << "ABSOLUTE/escaped.png" << 0100644u << outside;
        QTest::newRow("drive path") << "C:/escaped.png" << 0100644u << outside;
        QTest::newRow("symbolic link") << "link" << 0120777u << "symbolic link";
        // Shown escaped: a raw line end in a message could forge a line of output.
        QTest::newRow("control character")
            << "a\nforged.png" << 0100644u << "\"a\\x0aforged.png\" has a control";
        QTest::newRow("password") << "PASSWORD" << 0100644u << "password-protected";
        // Unpacked, each of these would land on another entry's file, and one would be lost.
        const QString onto = "would be unpacked onto the entry";
        QTest::newRow("same name twice") << "skin.xml" << 0100644u << "\"skin.xml\" appears twice";
        QTest::newRow("same path through \"./\"") << "./skin.xml" << 0100644u << onto;
        QTest::newRow("same path through \"//\"") << "link//through.png" << 0100644u << onto;
        QTest::newRow("same path through a backslash") << "link\\through.png" << 0100644u << onto;
        QTest::newRow("file where a folder is") << "link/through.png/x" << 0100644u << "onto a folder";
        // Decoded, every such name reads as one replacement character: two would become one.
        QTest::newRow("name not UTF-8")
            << "caf\u00ff.txt" << 0100644u << "\"caf\\xe9\\xe8.txt\" has a name that is not valid UTF-8";
    }

    void hostileEntryIsRefused()
    {
        QFETCH(QString, name);
        QFETCH(quint32, mode);
        QFETCH(QString, message);
        name.replace(QLatin1String("ABSOLUTE"), m_dir->path());
        const QString zip = m_dir->filePath("hostile.zip");
        // A link would point outside; the entry after it would write through it.
        QVERIFY(fixtures::writeZip(zip, {{"skin.xml", "<skin/>"},
                                         {name, mode == 0120777u ? m_dir->path().toUtf8() : QByteArray("x"),
                                          mode, -1, true, name == "PASSWORD" ? "secret" : nullptr},
                                         {"link/through.png", "x"}}));
        // Flagged as UTF-8, the name's bytes say otherwise.
        QVERIFY(fixtures::writeFile(zip, fixtures::readFile(zip).replace("caf\xc3\xbf", "caf\xe9\xe8")));
        const QStringList before = fixtures::entriesBelow(m_dir->path());

        const QString error = archive::extract(zip, m_target).error();
        QVERIFY2(error.contains(message) && error.contains("\"hostile.zip\""), qPrintable(error));
        QCOMPARE(fixtures::entriesBelow(m_dir->path()), before);
    }

    void unpackingStopsAndLeavesNothing_data()
    {
        QTest::addColumn<int>("maxEntries");
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<QString>("damage"); // none, data, short, extra, size or empty
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, int maxEntries, qint64 maxBytes, const char *damage,
                            const char *message) {
            QTest::newRow(name) << maxEntries << maxBytes << QString(damage) << QString(message);
        };
        row("unpacked size", 100, 3000, "none", "more than 3 kB");
        row("entry count", 2, qint64(1) << 30, "none", "more than 2 entries");
        row("damaged data", 100, qint64(1) << 30, "data", "damaged");
        // The archive library checks the CRC only of data that reaches the declared size.
        row("data shorter than declared", 100, qint64(1) << 30, "short", "damaged");
        // A folder has no data to unpack; its entry is read all the same.
        row("folder entry", 100, qint64(1) << 30, "folder", "damaged");
        row("local header naming another file", 100, qint64(1) << 30, "name", "damaged");
        // Listed by the archive library two bytes at a time, this took seconds.
        row("extra field past the directory", 100, qint64(1) << 30, "extra",
            "extra fields of its entries are inconsistent");
        // 2^63 is negative as a signed size; summed that way it slipped below the limit.
        row("declared size 2^63", 100, qint64(1) << 30, "size", "more than 1 GB");
        row("no files", 100, qint64(1) << 30, "empty", "\"big.zip\" holds no files");
        // The archive is within the limits; with a file the build adds it would not be.
        row("an added entry past the count", 4, qint64(1) << 30, "added",
            "would hold 5 entries; a skin may hold at most 4");
        row("an added entry past the size", 100, 4100, "added", "would unpack to more than 4");
    }

    void unpackingStopsAndLeavesNothing()
    {
        QFETCH(int, maxEntries);
        QFETCH(qint64, maxBytes);
        QFETCH(QString, damage);
        QFETCH(QString, message);
        const QString zip = m_dir->filePath("big.zip");
        // Noise does not compress, so damage inside it is found only when read.
        QVERIFY(fixtures::writeZip(zip, {{"a.xml", QByteArray(2000, 'a')},
                                         {"d/", ""},
                                         {"b.png", fixtures::noise(2000)},
                                         {"c.png", "c"}}));
        QVERIFY(damage != "empty" || fixtures::writeZip(zip, {}));
        QByteArray bytes = fixtures::readFile(zip);
        if (damage == "data") {
            const int data = bytes.indexOf("b.png") + 5 + 200;
            for (int i = data; i < data + 64; ++i)
                bytes[i] = char(bytes[i] ^ 0x5a);
        } else if (damage == "short") {
            const int record = bytes.indexOf("PK\x01\x02"); // a.xml's
            bytes[record + 24] = char(bytes.at(record + 24) + 1);
        } else if (damage == "folder") {
            bytes[bytes.indexOf("d/") - 30] = 'X'; // its local header's signature
        } else if (damage == "name") {
            bytes[bytes.indexOf("c.png")] = 'e'; // in its local header, the same length
        } else if (damage == "extra") {
            const int record = bytes.indexOf("PK\x01\x02");
            bytes[record + 30] = bytes[record + 31] = char(0xff);
        } else if (damage == "size") {
            // c.png's central record gets a 0xffffffff size and a zip64 block holding 2^63.
            const int record = bytes.lastIndexOf("PK\x01\x02");
            bytes.replace(record + 24, 4, QByteArray(4, '\xff'));
            bytes[record + 30] = char(bytes.at(record + 30) + 12);
            bytes.insert(record + 46 + quint8(bytes.at(record + 28)),
                         QByteArray("\x01\x00\x08\x00\x00\x00\x00\x00\x00\x00\x00\x80", 12));
            const int end = bytes.lastIndexOf("PK\x05\x06");
            bytes[end + 12] = char(bytes.at(end + 12) + 12); // the directory grew by 12 bytes
        }
        QVERIFY(fixtures::writeFile(zip, bytes));
        QString error;
        if (damage == "added") {
            QVERIFY(QDir().mkpath(path("changed")) &&
                    fixtures::writeFile(path("changed/e.png"), QByteArray(200, 'e')));
            archive::Unpacker unpacker(zip, m_target, {maxBytes, maxEntries});
            QVERIFY(unpacker.check());
            error = unpacker.repack(path("changed"), path("out.zip")).error();
            QVERIFY(!QFileInfo::exists(path("out.zip")));
        } else {
            error = archive::extract(zip, m_target, {maxBytes, maxEntries}).error();
        }
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(fixtures::entriesBelow(m_target), QStringList());
        if (damage == "none")
            QVERIFY(archive::extract(zip, m_target)); // the defaults leave room for it
    }

    // Entries copied as stored are never unpacked: the copy itself must notice damage.
    void repackRefusesDamagedCopies_data()
    {
        QTest::addColumn<QString>("damaged");
        QTest::addColumn<int>("mask"); // of the bits flipped in its first byte
        QTest::newRow("stored entry") << "fonts/face.ttf" << 0x55;
        QTest::newRow("deflated entry") << "notes.txt" << 0x55;
        // Its data and CRC are whole, but the stream goes on where the data ends.
        QTest::newRow("deflated entry, no last block") << "notes.txt" << 0x01;
    }

    void repackRefusesDamagedCopies()
    {
        QFETCH(QString, damaged);
        QFETCH(int, mask);
        const QString zip = m_dir->filePath("skin.zip");
        QVERIFY(fixtures::writeZip(
            zip, {{"fonts/face.ttf", QByteArray(5000, 'f'), 0100644, 0}, {"notes.txt", "kept"}}));
        QByteArray bytes = fixtures::readFile(zip);
        const int data = bytes.indexOf(damaged.toLatin1()) + damaged.size(); // after the local header's name
        bytes[data] = char(bytes.at(data) ^ mask);
        QVERIFY(fixtures::writeFile(zip, bytes));
        const QStringList before = fixtures::entriesBelow(m_dir->path());
        // Read as far as a header, as a build measures an image it does not change, is not checked.
        archive::Unpacker unpacker(zip, QString());
        QVERIFY(unpacker.check());
        unpacker.peek(damaged, 2);
        const QString error = unpacker.repack(m_target, zip).error();
        QVERIFY2(error.startsWith("\"skin.zip\" is damaged"), qPrintable(error));
        QCOMPARE(fixtures::entriesBelow(m_dir->path()), before);
    }
};

QTEST_GUILESS_MAIN(ArchiveRepackTest)
#include "tst_archiverepack.moc"
