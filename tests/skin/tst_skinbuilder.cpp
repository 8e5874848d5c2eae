// SPDX-License-Identifier: GPL-3.0-or-later
// The whole "Create Skin" pipeline on skins built here, checked by unpacking its output: what
// each option does, failures that leave every file as it was, and the output names. Rebuilds of
// built skins are the rebuild fuzz target's property (tests/support/rebuildproperty.h), whose
// seeds the suite replays.

#include "skin/layout/buildmarks.h"
#include "skin/layout/xmlrewriter.h"
#include "skin/outputname.h"
#include "skin/skinbuilder.h"
#include "skin/undoplan.h"
#include "skinfixtures.h"

#include <QXmlStreamReader>
#include <QtTest>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using fixtures::imageIn;
using fixtures::lines;
using fixtures::png;
using fixtures::xml;

namespace {

// A layout on a 400 x 300 image: a browser with its own colours, then `extraLines`.
QByteArray layout(const QStringList &extraLines = {}, const QString &image = QStringLiteral("skin.png"))
{
    return xml(QStringList{"<skin name=\"Fixture\" image=\"" + image + "\" width=\"400\" height=\"300\">",
                           "\t<browser>", "\t\t<pos x=\"0\" y=\"100\"/>",
                           "\t\t<colors background=\"#123456\"/>", "\t</browser>"} +
               extraLines + QStringList{"</skin>"});
}

} // namespace

class TestSkinBuilder : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    Style m_style;
    int m_paintedImages = 0;

    QSet<QByteArray> m_madeFiles; // as the skins made here hold them
    QStringList m_workFiles;      // as the last build packed them

    QString path(const QString &name) const { return m_dir->filePath(name); }

    QMap<QString, QByteArray> output() const { return built(path("out.zip")); }

    // A built archive's files. Every layout the build wrote must be well-formed XML: a build mark
    // that is not a valid comment spoils the whole layout.
    QMap<QString, QByteArray> built(const QString &archive) const
    {
        const auto files = fixtures::readZip(archive);
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            if (!it.key().endsWith(".xml") || m_madeFiles.contains(it.value()))
                continue;
            QXmlStreamReader reader(it.value());
            while (!reader.atEnd())
                reader.readNext();
            if (reader.hasError())
                QTest::qFail(qPrintable(it.key() + ": " + reader.errorString()), __FILE__, __LINE__);
        }
        return files;
    }

    QString makeSkin(const QString &name, const QList<fixtures::ZipEntry> &entries)
    {
        for (const auto &entry : entries)
            m_madeFiles.insert(entry.data);
        if (!fixtures::writeZip(path(name), entries))
            qWarning("cannot write %s", qPrintable(name));
        return path(name);
    }

    // a.xml and b.xml share one image.
    QString twoLayoutSkin(const QString &image = QStringLiteral("skin.png"))
    {
        return makeSkin("skin.zip", {{"a.xml", layout({}, image)},
                                     {"b.xml", layout({"<deck/>"}, image)},
                                     {image, png(400, 300)},
                                     {"notes.txt", "left behind"}});
    }

    SkinBuildOptions optionsFor(const QString &skin) const
    {
        SkinBuildOptions options;
        options.selectedSkinFile = skin;
        options.outputPath = path("out.zip");
        return options;
    }

    BuildResult build(const SkinBuildOptions &options)
    {
        return SkinBuilder::build(options, m_style, path("work"), [this](BuildStep step, const QString &) {
            m_paintedImages += step == BuildStep::PaintImage;
            if (step == BuildStep::Pack)
                m_workFiles = fixtures::entriesBelow(path("work"));
        });
    }

private slots:
    void initTestCase() { m_style = fixtures::defaultStyle(); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_paintedImages = 0;
        m_madeFiles.clear();
        m_workFiles.clear();
    }

    // After every run the four work folders exist and hold no files. Every work file a build
    // packed is one Windows can make, and none is one that a file system ignoring case or normal
    // form would take for another.
    void cleanup()
    {
        QHash<QString, QString> folded;
        for (const QString &file : qAsConst(m_workFiles)) {
            const QString key = file.normalized(QString::NormalizationForm_C).toCaseFolded();
            QVERIFY2(!folded.contains(key), qPrintable(file + " and " + folded.value(key)));
            folded.insert(key, file);
            for (const QString &part : file.split('/'))
                QVERIFY2(!fixtures::refusedByWindows(part), qPrintable(file));
        }
        if (!QFileInfo(path("work")).isDir())
            return;
        QCOMPARE(fixtures::entriesBelow(path("work"), QDir::Dirs),
                 (QStringList{"changed", "iconskin", "unpacked", "windowskin"}));
        QCOMPARE(fixtures::entriesBelow(path("work"), QDir::Files), QStringList());
    }

    void defaultIconsGrowTheSharedImageOnce()
    {
        // A run that was cut short left this behind; it must not reach the new archive.
        QVERIFY(QDir().mkpath(path("work/unpacked")) &&
                fixtures::writeFile(path("work/unpacked/stale.xml"), "<skin>"));
        const BuildResult result = build(optionsFor(twoLayoutSkin()));
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.outputPath, path("out.zip"));
        QCOMPARE(output().keys(), (QStringList{"a.xml", "b.xml", "notes.txt", "skin.png"}));
        const QImage shared = imageIn(output(), "skin.png");
        QCOMPARE(shared.size(), QSize(400, 366));
        for (const char *name : {"a.xml", "b.xml"})
            QVERIFY(lines(output().value(name)).contains("\t\t\t<off x=\"10\" y=\"306-3\"/>"));
        QCOMPARE(m_paintedImages, 1);

        // One layout alone gives the very same image, also when the output replaces its skin. A
        // layout without a <skin line names no image: painting its namesake at row 0 would draw over
        // a picture other layouts may share. A file with CR line ends is one line per CR, and keeps
        // its other line ends and its end without one. Names are found ignoring case, as the host
        // does, but one written exactly as stored wins.
        const QString single =
            makeSkin("single.zip",
                     {{"b.xml", layout()},
                      {"skin.png", png(400, 300)},
                      {"Skin.png", png(400, 300, Qt::red)},
                      {"plain.xml", xml({"<deck/>"})},
                      {"plain.png", png(400, 300, Qt::red)},
                      {"mac.xml", "<skin image=\"plain.png\">\r<browser>\r</browser>\n<deck/>\r\n</skin>"}});
        SkinBuildOptions options = optionsFor(single);
        options.outputPath = single;
        QVERIFY(build(options).ok);
        const auto files = built(single);
        QCOMPARE(imageIn(files, "skin.png"), shared);
        QCOMPARE(imageIn(files, "plain.png").copy(0, 0, 400, 300), QImage::fromData(png(400, 300, Qt::red)));
        const QStringList mac = QString::fromUtf8(files.value("mac.xml")).split('\r');
        QVERIFY(mac.filter("<skin").size() == 1 && mac.filter("</browser>").size() == 1);
        QVERIFY(files.value("mac.xml").contains("</browser>\n<deck/>\r\n") &&
                files.value("mac.xml").endsWith("</skin>"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
                 (QStringList{"out.zip", "single.zip", "skin.zip"}));
    }

    // With the browser's colours kept, the floating browser shows the host's colours on the
    // built-in image. Of the window skin's images only those its windows name come along, and
    // never over the skin's own, whatever the case of the name.
    void windowsOfAnotherSkinAfterTheFloatingBrowser()
    {
        SkinBuildOptions options = optionsFor(twoLayoutSkin());
        options.changeColours = false;
        options.floatBrowser = true;
        options.importWindows = true;
        options.windowSkinFile =
            makeSkin("windows.zip",
                     {{"w.xml", xml({"<skin image=\"win.png\">", "<window name=\"one\" image=\"Skin.png\">",
                                     "</window>", "<deck/>", "<Window name=\"two\" image=\"win.png\" />"})},
                      {"win.png", png(20, 20, Qt::green)},
                      {"unused.png", png(5, 5, Qt::green)},
                      {"Skin.png", png(5, 5, Qt::green)}});
        const BuildResult result = build(options);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.warnings.size(), 1);
        QVERIFY2(result.warnings.at(0).contains("\"skin.png\" was kept"), qPrintable(result.warnings.at(0)));
        const auto files = output();
        QCOMPARE(imageIn(files, "browserfloat.png").size(), QSize(801, 204));
        for (const char *name : {"a.xml", "b.xml"}) {
            const QStringList out = lines(files.value(name));
            QCOMPARE(out.filter("<window name=\"one\"").size() + out.filter("<Window name=\"two\"").size(),
                     2);
            QCOMPARE(out.filter("browserfloat").size(), 3); // the window, its button, the mark
        }
        QCOMPARE(files.value("win.png"), png(20, 20, Qt::green));
        QCOMPARE(files.value("skin.png"), png(400, 300));
        QVERIFY(!files.contains("unused.png") && !files.contains("Skin.png"));
    }

    // What a rebuild takes out is worked out from the marks alone and the proofs of the entries
    // they name: only a complete pair within one element counts, only a block whose text is what a
    // build wrote (by its digest; without one, as older builds wrote it: last in <skin>, holding
    // windows), and only proven claims, which one build makes alike in every layout. (Marks
    // moved, copied or nested and files changed or named again are the rebuild fuzz target's
    // property; these rows are what no random change reaches: a CRC alike for another length.)
    void undoPlanTakesOutOnlyWhatItProves_data()
    {
        QTest::addColumn<QStringList>("body"); // inside <skin image="s.png">
        QTest::addColumn<QString>("takenOut");
        QTest::addColumn<int>("height"); // of s.png's picture; 0 when it is kept whole
        QTest::addColumn<int>("warnings");
        QTest::addColumn<int>("own"); // blocks a build may take out
        const QString begin = "<!-- panelcraft added image=\"s.png\" height=\"10\" grown=\"99:0badf00d\" "
                              "files=\"n.txt:4:8b0cdb4a\" -->";
        const QString end = "<!-- panelcraft end -->", named = "<window image=\"n.txt\"/>";
        QTest::newRow("a pair") << QStringList{begin, named, end} << "n.txt" << 10 << 0 << 1;
        QTest::newRow("split across elements")
            << QStringList{begin, "<window>", end, "</window>", end} << "" << 0 << 0 << 0;
        QTest::newRow("image without proof")
            << QStringList{QString(begin).replace(" grown=\"99:0badf00d\"", ""), named, end} << "n.txt" << 0
            << 1 << 1;
        QTest::newRow("CRC alone") << QStringList{QString(begin).replace("n.txt:4:", "n.txt:"), named, end}
                                   << "" << 10 << 1 << 1;
        QTest::newRow("other length")
            << QStringList{QString(begin).replace("n.txt:4:", "n.txt:5:"), named, end} << "" << 10 << 1 << 1;
        QTest::newRow("a file the block does not name")
            << QStringList{begin, "<window/>", end} << "" << 10 << 1 << 1;
        QTest::newRow("no digest, not last")
            << QStringList{begin, named, end, "<deck/>"} << "" << 0 << 0 << 0;
        QTest::newRow("no digest, holding a deck")
            << QStringList{begin, "<deck deck=\"7\"/>", named, end} << "" << 0 << 0 << 0;
        // Two layouts on one picture: heights that differ cannot both be true.
        QTest::newRow("heights that differ")
            << QStringList{begin,
                           named,
                           end,
                           "</skin>",
                           "<skin image=\"s.png\">",
                           QString(begin).replace("height=\"10\"", "height=\"12\""),
                           named,
                           end}
            << "n.txt" << 0 << 1 << 2;
        const QString rows = QString(begin).replace(" files=", " rows=\"5\" files=");
        QTest::newRow("rows recorded in one layout of two")
            << QStringList{rows, named, end, "</skin>", "<skin image=\"s.png\">", begin, named, end}
            << "n.txt" << 10 << 0 << 2;
        buildmarks::Record record{"s.png", 10, "99:0badf00d", 0, {"n.txt:4:8b0cdb4a"}};
        const QStringList digested =
            buildmarks::pair(record, {"<window name=\"b\" posx=\"100\" image=\"n.txt\"/>"});
        QTest::newRow("digest, moved up") << digested + QStringList{"<deck/>"} << "n.txt" << 10 << 0 << 1;
        // As an earlier version wrote it, read back with CR LF line ends.
        QTest::newRow("digest of an earlier build, CR LF")
            << QStringList{QString(begin).replace(" -->", " digest=\"6ab5552505c28462\" -->\r"), named + "\r",
                           end + "\r", "<deck/>"}
            << "n.txt" << 10 << 0 << 1;
        QTest::newRow("a NUL reference dropped from a name")
            << QStringList{QString(begin).replace("n.txt:", "n&#0;.txt:"), named, end} << "n.txt" << 10 << 0
            << 1;
        QTest::newRow("added in a folder, named by its own name")
            << QStringList{QString(begin).replace("n.txt:", "sub/n.txt:"), named, end} << "sub/n.txt" << 10
            << 0 << 1;
        QTest::newRow("split across skins")
            << QStringList{begin, "<skin image=\"t.png\">", named, end, "</skin>"} << "" << 0 << 0 << 0;
        QTest::newRow("digest, content changed")
            << QStringList(digested).replaceInStrings("posx=\"100\"", "posx=\"120\"") << "" << 0 << 0 << 0;
        QTest::newRow("digest, height changed")
            << QStringList(digested).replaceInStrings("height=\"10\"", "height=\"5\"") << "" << 0 << 0 << 0;
        record.files = QStringList{"n\u0080.txt:4:8b0cdb4a"}; // a name the proofs do not hold
        QTest::newRow("digest, a name outside ASCII")
            << buildmarks::pair(record, {"<window image=\"n&#128;.txt\"/>"}) << "" << 10 << 0 << 1;
    }

    void undoPlanTakesOutOnlyWhatItProves()
    {
        QFETCH(QStringList, body);
        QFETCH(QString, takenOut);
        QFETCH(int, height);
        QFETCH(int, warnings);
        QFETCH(int, own);
        // Marks hold only ASCII, which every encoding of a layout holds.
        const QString text = body.join('\n');
        QVERIFY(std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }));
        const xmltokens::Document layout =
            xmltokens::read(("<skins><skin image=\"s.png\">\n" + body.join('\n') + "\n</skin></skins>\n"),
                            rewrittenElements());
        const undoplan::Plan plan = undoplan::make(
            {&layout}, {{"s.png", "99:0badf00d"}, {"n.txt", "4:8b0cdb4a"}, {"sub/n.txt", "4:8b0cdb4a"}});
        QCOMPARE(QStringList(plan.takenOut.cbegin(), plan.takenOut.cend()).join(' '), takenOut);
        QCOMPARE(plan.originalHeights.value("s.png"), height);
        // Rows count only where every layout on the picture records them, which no row here does.
        QCOMPARE(plan.browserRows.value("s.png"), 0);
        QCOMPARE(plan.warnings.size(), warnings);
        QCOMPARE(buildmarks::ownBlocks(layout).size(), own);
    }

    // With no layout written, nothing would name the floating browser's picture: it is not added.
    void nothingIsAddedThatNoLayoutNames()
    {
        SkinBuildOptions options = optionsFor(makeSkin(
            "skin.zip",
            {{"ascii.xml", "<?xml version=\"1.0\" encoding=\"US-ASCII\"?>\n<skin>Caf\xc3\xa9\n</skin>\n"},
             {"ascii.png", png(40, 30)}}));
        options.floatBrowser = true;
        const BuildResult result = build(options);
        QVERIFY(result.ok && result.warnings.size() == 1);
        QCOMPARE(output().keys(), (QStringList{"ascii.png", "ascii.xml"}));
    }

    // Sources without what was asked for are reported; the skin is still built without them.
    void sourcesWithoutWhatWasAskedFor()
    {
        SkinBuildOptions options = optionsFor(twoLayoutSkin());
        options.iconSet = IconSet::FromOtherSkin;
        options.iconSkinFile = makeSkin(
            "icons.zip", {{"icons.xml", xml({"<skin image=\"art/icons.png\">",
                                             "<customicons iconsize=\"20\" nb=\"12\" nbx=\"0\" />"})},
                          {"art/icons.png", png(100, 100)}});
        options.importWindows = true;
        options.windowSkinFile =
            makeSkin("windows.zip", {{"w.xml", xml({"<skin>", "</skin>"})}, {"win.png", png(20, 20)}});
        const BuildResult result = build(options);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.warnings.size(), 2);
        QVERIFY(result.warnings.at(0).contains("icons.zip") && result.warnings.at(1).contains("windows.zip"));
        const auto files = output();
        QCOMPARE(imageIn(files, "skin.png").size(), QSize(400, 366));
        QCOMPARE(lines(files.value("a.xml")).filter("<customicons"), QStringList());
        QVERIFY(!files.contains("win.png"));
    }

    void failureLeavesEveryFileAsItWas_data()
    {
        QTest::addColumn<QString>("bad");            // what is wrong: the skin or the output
        QTest::addColumn<QByteArrayList>("entries"); // of bad.zip, name then data; none: not a zip at all
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, const char *bad, const QByteArrayList &entries,
                            const char *message) {
            QTest::newRow(name) << QString(bad) << entries << QString(message);
        };
        const QByteArray header = "<skin image=\"skin.png\">\n", end = "</skin>\n";
        row("corrupt skin", "skin", {}, "\"bad.zip\" is not a zip file");
        row("no top-level XML", "skin", {"inner/a.xml", "<skin>", "skin.png", "x"},
            "The Zip file doesn't contain any XML files");
        // One row for the seam: the archive tests below hold every kind of hostile entry.
        row("hostile skin", "skin", {"a.xml", "<skin>", "../../escaped.png", "x"}, "\"bad.zip\" was refused");
        row("image of 30000 x 30000", "skin",
            {"a.xml", header + end, "skin.png", fixtures::pngDeclaring(30000, 30000)},
            "30000 x 30000 pixels");
        row("image of 200 megapixels", "skin",
            {"a.xml", header + end, "skin.png", fixtures::pngDeclaring(16000, 12500)}, "100 megapixels");
        row("line over 1 MB", "skin", {"a.xml", "<skin image=\"" + QByteArray(1100000, 'a') + "\">\n"},
            "a line longer than 1048576");
        row("over 500000 lines", "skin", {"a.xml", header + QByteArray(500001, '\n'), "skin.png", png(4, 4)},
            "more than 500000 lines");
        row("output over 64 MB", "skin",
            {"a.xml", header + QByteArray(30000, '\n').replace("\n", "<browser/>\n") + end, "skin.png",
             png(4, 4)},
            "would grow beyond 64 MB");
        // What a build writes is held to the limits of what it reads.
        row("image grown past 16384 rows", "skin", {"a.xml", header + end, "skin.png", png(300, 16384)},
            "300 x 16450 pixels");
        row("layout grown past 500000 lines", "skin",
            {"a.xml", header + QByteArray(499990, '\n') + "<browser/>" + end, "skin.png", png(4, 4)},
            "more than 500000 lines when rewritten");
        row("output name some file system cannot hold", "output", {}, "a|b.zip");
        row("output a pipe", "fifo", {}, "is not a regular file");
#ifdef Q_OS_WIN // the system's words differ between Windows and Wine
        row("work folder a file", "work", {}, "\\work\": ");
#else
        row("work folder a file", "work", {}, "/work\": System error: Not a directory");
#endif
        // The window and the CLI refuse it before; a caller of the core alone is refused alike.
        row("line height that is no percentage", "line height", {}, "line height as a whole percentage");
    }

    // Each build would write over its selected skin (unless the output is wrong itself); failing,
    // hostile or oversized input included, it leaves every file as it was and nothing outside the
    // work folder.
    void failureLeavesEveryFileAsItWas()
    {
        QFETCH(QString, bad);
        QFETCH(QByteArrayList, entries);
        QFETCH(QString, message);
        const QString badZip = path("bad.zip");
        QList<fixtures::ZipEntry> zipEntries;
        for (int i = 0; i + 1 < entries.size(); i += 2)
            zipEntries.append({QString::fromUtf8(entries.at(i)), entries.at(i + 1)});
        QVERIFY(entries.isEmpty() ? fixtures::writeFile(badZip, "PK\x03\x04 broken")
                                  : fixtures::writeZip(badZip, zipEntries));
        SkinBuildOptions options = optionsFor(bad == "skin" ? badZip : twoLayoutSkin());
        QTemporaryDir pipeFolder; // apart: reading the pipe to compare it would wait for ever
        options.outputPath = bad == "output" ? path("a|b.zip")
                             : bad == "fifo" ? pipeFolder.filePath("fifo")
                                             : options.selectedSkinFile;
#ifdef Q_OS_WIN
        if (bad == "fifo")
            QSKIP("Windows keeps its named pipes outside the file system");
#else
        QVERIFY(bad != "fifo" || mkfifo(QFile::encodeName(options.outputPath), 0600) == 0);
#endif
        if (bad == "line height")
            options.lineHeight = 1000;
        QVERIFY(bad != "work" || fixtures::writeFile(path("work"), "in the way"));
        const auto before = fixtures::filesBelow(m_dir->path());

        const BuildResult result = build(options);
        QVERIFY2(!result.ok && result.message.contains(message), qPrintable(result.message));
        QCOMPARE(fixtures::filesBelow(m_dir->path()), before);
        QVERIFY(!QFileInfo::exists("/escaped.png"));
        QVERIFY(bad != "fifo" || !QFileInfo(options.outputPath).isFile());
    }

    void outputNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected"); // empty: refused
        QTest::newRow("suggested") << outputname::suggestedName("/s/My.Skin.v2.zip")
                                   << "/d/My (Browser edit).zip";
        QTest::newRow("empty replaces the selected skin") << QString() << "/s/My.Skin.v2.zip";
        QTest::newRow("typed suffix") << "name.ZIP"
                                      << "/d/name.zip";
        for (const char *refused : {"../escaped", "a:b", "a\tb", "name.", ".zip"})
            QTest::newRow(refused) << refused << "";
    }

    void outputNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QString error;
        QCOMPARE(outputname::outputPath("/d", typed, "/s/My.Skin.v2.zip", &error), expected);
        QCOMPARE(error.isEmpty(), !expected.isEmpty());
    }
};

QTEST_MAIN(TestSkinBuilder)
#include "tst_skinbuilder.moc"
