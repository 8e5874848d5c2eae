// The whole "Create Skin" pipeline on skins built here, checked by unpacking its output, and the
// pictures it paints: grown skin images (the icon sheet
// below the picture, the plugin-zone controls) and the editor's knob preview.

#include "preview/knobimage.h"
#include "rebuildproperty.h"
#include "skin/images/iconsheets.h"
#include "skin/images/imagecompositor.h"
#include "skin/images/pluginzone.h"
#include "skin/images/pngwriter.h"
#include "skin/layout/sourcescan.h"
#include "skin/layout/xmlrewriter.h"
#include "skin/outputname.h"
#include "skin/skinbuilder.h"
#include "skin/undoplan.h"
#include "skinfixtures.h"
#include "strictpng.h"
#include "style/resources.h"

#include <QRandomGenerator>
#include <QXmlStreamReader>
#include <QtTest>
#include <sys/stat.h>

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

// Vivid plugin colours, far enough apart that antialiased edges still tell them apart.
Style pluginStyle()
{
    Style style = fixtures::defaultStyle();
    const QString colours = QStringLiteral(
        "fx_knobborderout=#c80000 fx_back=#0000c8 fx_knobborder=#00c800 fx_knobfader=#f0f000 "
        "fx_buttonfill_start=#800000 fx_buttonfill_end=#ff8000 fx_overbuttonfill_start=#008000 "
        "fx_overbuttonfill_end=#80ff00 fx_selectbuttonfill_start=#000080 fx_selectbuttonfill_end=#8000ff "
        "fx_knobback_start=#00c8c8 fx_knobback_end=#00c8c8");
    for (const QString &pair : colours.split(QLatin1Char(' ')))
        style.setColour(pair.section(QLatin1Char('='), 0, 0), QColor(pair.section(QLatin1Char('='), 1)));
    return style;
}

QImage filled(int width, int height, const QColor &colour)
{
    return QImage::fromData(fixtures::png(width, height, colour)).convertToFormat(QImage::Format_ARGB32);
}

bool near(QRgb actual, const QColor &expected, int tolerance = 24)
{
    return qAbs(qRed(actual) - expected.red()) <= tolerance &&
           qAbs(qGreen(actual) - expected.green()) <= tolerance &&
           qAbs(qBlue(actual) - expected.blue()) <= tolerance && qAlpha(actual) >= 255 - tolerance;
}

QImage region(const QImage &image, const QRect &area)
{
    return image.copy(area).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestSkinBuilder : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    Style m_style;
    int m_paintedImages = 0;

    QSet<QByteArray> m_madeFiles; // as the skins made here hold them

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
        });
    }

private slots:
    void initTestCase()
    {
        initPanelcraftResources();
        m_style = fixtures::defaultStyle();
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_paintedImages = 0;
        m_madeFiles.clear();
    }

    // After every run the four work folders exist and hold no files.
    void cleanup()
    {
        if (!QFileInfo(path("work")).isDir())
            return;
        QCOMPARE(fixtures::entriesBelow(path("work"), QDir::Dirs),
                 (QStringList{"changed", "iconskin", "unpacked", "windowskin"}));
        QCOMPARE(fixtures::entriesBelow(path("work"), QDir::Files), QStringList());
    }

    // Entries the usual Windows and macOS file systems would take for one file, or that Windows
    // cannot hold at all: each keeps its own work file, so none takes another's place.
    void entriesThatOneFileSystemWouldMixUp_data()
    {
        QTest::addColumn<QStringList>("names"); // two layouts, then their two images
        QTest::newRow("case") << QStringList{"Skin.xml", "skin.xml", "Main.png", "main.png"};
        QTest::newRow("normal forms")
            << QStringList{"caf\u00e9.xml", "cafe\u0301.xml", "\u00e9.png", "e\u0301.png"};
        QTest::newRow("names Windows reserves") << QStringList{"con.xml", "CON.xml", "aux.png", "Aux.png"};
    }

    void entriesThatOneFileSystemWouldMixUp()
    {
        QFETCH(QStringList, names);
        const QList<QColor> colours{Qt::red, Qt::blue};
        QList<fixtures::ZipEntry> entries;
        for (int i = 0; i < 2; ++i) {
            entries.append(
                {names.at(i), layout({QString("<deck name=\"deck %1\"/>").arg(i)}, names.at(i + 2))});
            entries.append({names.at(i + 2), png(400, 300, colours.at(i))});
        }
        entries << fixtures::ZipEntry{"Notes.txt", "upper"} << fixtures::ZipEntry{"notes.txt", "lower"};
        QStringList workFiles;
        const BuildResult result = SkinBuilder::build(optionsFor(makeSkin("skin.zip", entries)), m_style,
                                                      path("work"), [&](BuildStep step, const QString &) {
                                                          if (step == BuildStep::Pack)
                                                              workFiles =
                                                                  fixtures::entriesBelow(path("work"));
                                                      });
        QVERIFY2(result.ok, qPrintable(result.message));

        QVERIFY(workFiles.size() >= 4);
        QHash<QString, QString> folded;
        for (const QString &file : qAsConst(workFiles)) {
            const QString key = file.normalized(QString::NormalizationForm_C).toCaseFolded();
            QVERIFY2(!folded.contains(key), qPrintable(file + " and " + folded.value(key)));
            folded.insert(key, file);
            for (const QString &part : file.split('/'))
                QVERIFY2(!fixtures::refusedByWindows(part), qPrintable(file));
        }
        const auto files = output();
        QCOMPARE(files.value("Notes.txt"), QByteArray("upper"));
        QCOMPARE(files.value("notes.txt"), QByteArray("lower"));
        for (int i = 0; i < 2; ++i) {
            const QByteArray text = files.value(names.at(i));
            QVERIFY2(text.contains(QString("<deck name=\"deck %1\"/>").arg(i).toUtf8()) &&
                         text.contains(("image=\"" + names.at(i + 2) + '"').toUtf8()),
                     qPrintable(names.at(i)));
            const QImage image = imageIn(files, names.at(i + 2));
            QCOMPARE(image.size(), QSize(400, 366));
            QCOMPARE(image.pixelColor(0, 0), colours.at(i));
        }
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

    void rebuildingABuiltSkin_data()
    {
        QTest::addColumn<IconSet>("firstIcons");
        QTest::addColumn<bool>("firstExtras"); // floating browser and imported windows
        QTest::addColumn<IconSet>("secondIcons");
        QTest::addColumn<QString>("image");    // named in the build's mark
        QTest::addColumn<bool>("keepBrowser"); // on the second build
        QTest::newRow("same options again")
            << IconSet::Alternative << true << IconSet::Alternative << "skin.png" << false;
        QTest::newRow("other icons, no extras")
            << IconSet::Alternative << true << IconSet::White << "skin.png" << false;
        QTest::newRow("icons added later")
            << IconSet::Default << false << IconSet::Alternative << "skin.png" << false;
        QTest::newRow("image name with --")
            << IconSet::Default << false << IconSet::White << "my--skin.png" << false;
        // The kept browser points into what the first build painted: it stays, and a third build
        // still knows the original picture.
        QTest::newRow("browser kept") << IconSet::Default << false << IconSet::Default << "skin.png" << true;
    }

    // A skin built again with other options equals the original built with those options: no
    // window twice, no image growing on every pass.
    void rebuildingABuiltSkin()
    {
        QFETCH(IconSet, firstIcons);
        QFETCH(bool, firstExtras);
        QFETCH(IconSet, secondIcons);
        QFETCH(QString, image);
        QFETCH(bool, keepBrowser);
        // The skin's own browserfloat.png stays: the build's picture takes a name beside it.
        SkinBuildOptions first = optionsFor(makeSkin("skin.zip", {{"a.xml", layout({}, image)},
                                                                  {"b.xml", layout({}, image)},
                                                                  {image, png(400, 300)},
                                                                  {"browserfloat.png", png(9, 9)}}));
        first.iconSet = firstIcons;
        first.floatBrowser = first.importWindows = firstExtras;
        first.windowSkinFile =
            makeSkin("windows.zip", {{"w.xml", xml({"<window name=\"w\">", "</window>"})}});
        first.outputPath = path("first.zip");
        QVERIFY(build(first).ok);
        if (firstExtras && firstIcons == secondIcons) { // built again as it was: the same bytes
            SkinBuildOptions same = first;
            same.selectedSkinFile = std::exchange(same.outputPath, path("same.zip"));
            QVERIFY(build(same).ok);
            QCOMPARE(fixtures::readFile(same.outputPath), fixtures::readFile(first.outputPath));
        }
        SkinBuildOptions second = optionsFor(first.selectedSkinFile);
        second.iconSet = secondIcons;
        second.floatBrowser = secondIcons == firstIcons;
        QVERIFY(build(second).ok);
        const auto expected = output();
        second.selectedSkinFile = first.outputPath;
        if (keepBrowser) {
            second.changeColours = false;
            second.outputPath = path("kept.zip");
            QVERIFY(build(second).ok);
            const auto firstFiles = built(first.outputPath), kept = built(second.outputPath);
            QCOMPARE(imageIn(kept, image), imageIn(firstFiles, image));
            QCOMPARE(lines(kept.value("a.xml")).filter("<off"),
                     lines(firstFiles.value("a.xml")).filter("<off"));
            second.changeColours = true;
            second.selectedSkinFile = std::exchange(second.outputPath, path("out.zip"));
        }
        QVERIFY(build(second).ok);
        const auto rebuilt = output();
        for (const char *name : {"a.xml", "b.xml"})
            QCOMPARE(lines(rebuilt.value(name)), lines(expected.value(name)));
        for (const QString &grown : {image, QStringLiteral("browserfloat-1.png")})
            QCOMPARE(imageIn(rebuilt, grown).size(), imageIn(expected, grown).size());
        QCOMPARE(rebuilt.keys(), expected.keys());
        QCOMPARE(rebuilt.value("browserfloat.png"), png(9, 9));
    }

    // What a rebuild takes out is worked out from the marks alone and the proofs of the entries
    // they name: only a complete pair where a build writes it counts, and only proven claims.
    void undoPlanTakesOutOnlyWhatItProves_data()
    {
        QTest::addColumn<QStringList>("body"); // inside <skin image="s.png">
        QTest::addColumn<QString>("takenOut");
        QTest::addColumn<int>("height"); // of s.png's picture; 0 when it is kept whole
        QTest::addColumn<int>("warnings");
        const QString begin = "<!-- panelcraft added image=\"s.png\" height=\"10\" grown=\"99:0badf00d\" "
                              "files=\"n.txt:4:8b0cdb4a\" -->";
        const QString end = "<!-- panelcraft end -->";
        QTest::newRow("a pair") << QStringList{begin, "<window/>", end} << "n.txt" << 10 << 0;
        QTest::newRow("a lone begin") << QStringList{begin, "<window/>"} << "" << 0 << 0;
        QTest::newRow("end before begin") << QStringList{end, begin} << "" << 0 << 0;
        QTest::newRow("inside the browser")
            << QStringList{"<browser>", begin, end, "</browser>"} << "" << 0 << 0;
        QTest::newRow("split across elements")
            << QStringList{begin, "<window>", end, "</window>", end} << "" << 0 << 0;
        QTest::newRow("nested: the inner pair")
            << QStringList{"<!-- panelcraft added files=\"o.txt:4:8b0cdb4a\" -->", begin, end, end} << "n.txt"
            << 10 << 0;
        QTest::newRow("image replaced")
            << QStringList{QString(begin).replace("99:", "98:"), end} << "n.txt" << 0 << 1;
        QTest::newRow("image without proof")
            << QStringList{QString(begin).replace(" grown=\"99:0badf00d\"", ""), end} << "n.txt" << 0 << 1;
        QTest::newRow("CRC alone") << QStringList{QString(begin).replace("n.txt:4:", "n.txt:"), end} << ""
                                   << 10 << 1;
        QTest::newRow("other length")
            << QStringList{QString(begin).replace("n.txt:4:", "n.txt:5:"), end} << "" << 10 << 1;
        QTest::newRow("still named outside")
            << QStringList{"<window image=\"N.TXT\"/>", begin, end} << "" << 10 << 1;
    }

    void undoPlanTakesOutOnlyWhatItProves()
    {
        QFETCH(QStringList, body);
        QFETCH(QString, takenOut);
        QFETCH(int, height);
        QFETCH(int, warnings);
        const xmltokens::Document layout = xmltokens::read(
            ("<skin image=\"s.png\">\n" + body.join('\n') + "\n</skin>\n"), rewrittenElements());
        const undoplan::Plan plan = undoplan::make(
            {&layout}, {{"s.png", "99:0badf00d"}, {"n.txt", "4:8b0cdb4a"}, {"o.txt", "4:8b0cdb4a"}});
        QCOMPARE(QStringList(plan.takenOut.cbegin(), plan.takenOut.cend()).join(' '), takenOut);
        QCOMPARE(plan.originalHeights.value("s.png"), height);
        QCOMPARE(plan.warnings.size(), warnings);
    }

    // Generated changes to a built skin (see rebuildproperty.h); fuzz_rebuild explores further.
    void rebuildsKeepWhatTheyDidNotAdd()
    {
        QRandomGenerator random(29);
        for (int scenario = 0; scenario < 60; ++scenario) {
            QByteArray choices(24, '\0');
            random.fillRange(reinterpret_cast<quint32 *>(choices.data()), choices.size() / 4);
            const QTemporaryDir dir;
            QCOMPARE(fixtures::rebuildScenario(choices, dir.path()), QString());
        }
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
        row("work folder a file", "work", {}, "/work\": Not a directory");
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
        QVERIFY(bad != "fifo" || mkfifo(QFile::encodeName(options.outputPath), 0600) == 0);
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

    // Each control shows its own colour somewhere; where it sits is the painter's business.
    void controlsHaveThePluginColours()
    {
        const Style style = pluginStyle();
        const auto shows = [&style](const QImage &image, const char *key) {
            int found = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    found += near(image.pixel(x, y), style.colour(key));
            return found >= 4;
        };
        const QImage skin = imagecompositor::compose(filled(400, 100, Qt::white), QImage(), 106, style);
        for (const char *key :
             {"fx_back", "fx_knobborderout", "fx_knobborder", "fx_knobfader", "fx_buttonfill_start",
              "fx_buttonfill_end", "fx_overbuttonfill_start", "fx_overbuttonfill_end",
              "fx_selectbuttonfill_start", "fx_selectbuttonfill_end"})
            QVERIFY2(shows(skin, key), key);
        const QImage knob = preview::knobImage(style);
        for (const char *key :
             {"fx_back", "fx_knobborderout", "fx_knobborder", "fx_knobback_start", "fx_knobfader"})
            QVERIFY2(shows(knob, key), key);
    }

    void imageGrowsBelowThePicture_data()
    {
        QTest::addColumn<IconSet>("set");
        QTest::addColumn<bool>("paint");
        QTest::addColumn<int>("height");
        QTest::newRow("default, colours changed") << IconSet::Default << true << 100 + 66;
        QTest::newRow("alternative, colours changed") << IconSet::Alternative << true << 100 + 661;
        QTest::newRow("white, colours kept") << IconSet::White << false << 100 + 10 + 580;
    }

    // The picture stays as it was; below it the sheet from row h+1, then the controls.
    void imageGrowsBelowThePicture()
    {
        QFETCH(IconSet, set);
        QFETCH(bool, paint);
        QFETCH(int, height);
        const QImage skin = filled(1200, 100, QColor(10, 20, 30));
        const QImage sheet = set == IconSet::Default
                                 ? QImage()
                                 : QImage(set == IconSet::White ? iconsheets::whiteSheetPath
                                                                : iconsheets::alternativeSheetPath);
        const int row = 100 + (sheet.isNull() ? pluginzone::rowWithoutSheet : pluginzone::rowBelowSheet);
        const QImage grown = imagecompositor::compose(
            skin, sheet, paint ? std::optional<int>(row) : std::nullopt, fixtures::defaultStyle());
        QCOMPARE(grown.size(), QSize(1200, height));
        QCOMPARE(region(grown, QRect(0, 0, 1200, 100)), skin);
        if (!sheet.isNull())
            QCOMPARE(region(grown, QRect(QPoint(0, 101), sheet.size())),
                     sheet.convertToFormat(QImage::Format_ARGB32));
        // Nothing is drawn in the gap below the picture, nor beside what follows it.
        QCOMPARE(qAlpha(grown.pixel(600, 100)), 0);
        QCOMPARE(qAlpha(grown.pixel(1190, height - 1)), 0);
        // The knob body sits at x 17-48, 24 rows below the plugin row.
        if (paint)
            QCOMPARE(qAlpha(grown.pixel(33, row + 24)), 255);
    }

    void writtenPngHoldsThePixels_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("alpha");
        QTest::addColumn<int>("flatRows"); // rows of one colour at the top, coded another way than noise
        const int band = pngwriter::bandRows(1000 * 4 + 1);
        QTest::newRow("1 x 1") << QSize(1, 1) << true << 0;
        for (const int rows : {band - 1, band, band + 1, 2 * band + 1})
            QTest::addRow("%d rows, band of %d", rows, band) << QSize(1000, rows) << true << 0;
        QTest::newRow("flat band, then noise") << QSize(1000, 2 * band + 1) << true << band + 3;
        QTest::newRow("no alpha") << QSize(333, 2 * pngwriter::bandRows(333 * 3 + 1) + 1) << false << 0;
        QTest::newRow("large") << QSize(2500, 1700) << true << 0;
    }

    // Random pixels of every alpha, in bands coded on their own.
    void writtenPngHoldsThePixels()
    {
        QFETCH(QSize, size);
        QFETCH(bool, alpha);
        QFETCH(int, flatRows);
        QImage image(size, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < image.height(); ++y) {
            auto *row = reinterpret_cast<quint32 *>(image.scanLine(y));
            if (y < flatRows)
                std::fill_n(row, image.width(), 0x80402010u);
            else
                random.fillRange(row, image.width());
        }
        const QString path = m_dir->filePath("written.png");
        QCOMPARE(imagecompositor::writePng(image, path), QString());
        QCOMPARE(fixtures::strictPngProblem(fixtures::readFile(path)), QString());
        const QImage read(path);
        QCOMPARE(read.hasAlphaChannel(), alpha);
        QCOMPARE(read.convertToFormat(QImage::Format_ARGB32), image.convertToFormat(QImage::Format_ARGB32));
    }

    void floatingBrowserImage()
    {
        const QImage image = imagecompositor::floatingBrowserImage(pluginStyle());
        QCOMPARE(image.size(), QSize(801, 270));
        const QImage original(":/new/images/myfiles/browserfloat.png");
        QCOMPARE(region(image, QRect(0, 0, 801, 204)), original.convertToFormat(QImage::Format_ARGB32));
        QVERIFY(near(image.pixel(83, 210 + 12), pluginStyle().colour("fx_knobfader")));
    }

    void firstUsableDeclarationIsCut()
    {
        QTemporaryDir folder;
        QImage icons(64, 64, QImage::Format_ARGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                icons.setPixel(x, y, qRgba(x * 4, y * 4, 7, 255));
        QVERIFY(icons.save(folder.filePath("icons.png")));
        // The first file's declaration lacks its count a row, so the second one's is cut.
        const QByteArray skin =
            "<skin image=\"icons.png\">\n<customicons x=\"10\" y=\"20\" iconsize=\"8\" nb=\"6\"";
        QVERIFY(fixtures::writeFile(folder.filePath("0.xml"), skin + " />\n"));
        QVERIFY(fixtures::writeFile(folder.filePath("1.xml"), skin + " nbx=\"3\" />\n"));
        const auto sheet = sourcescan::findDeclaration(
            sourcescan::readLayouts(folder.path(), sourcescan::scannedElements()));
        QVERIFY(sheet && sheet->imageName == "icons.png");
        const QRect area(sheet->x, sheet->y, sheet->layout.width(), sheet->layout.height());
        QCOMPARE(
            iconsheets::cut(folder.path(), sheet->imageName, area).convertToFormat(QImage::Format_ARGB32),
            icons.copy(10, 20, 24, 16));
        // A sheet whose image is missing or outside the folder cuts nothing.
        for (const char *image : {"gone.png", "../icons.png"})
            QVERIFY(iconsheets::cut(folder.path(), image, QRect(0, 0, 8, 8)).isNull());
    }
};

QTEST_MAIN(TestSkinBuilder)
#include "tst_skinbuilder.moc"
