// The whole "Create Skin" pipeline on skins built here, checked by unpacking its output.

#include "skin/outputname.h"
#include "skin/skinbuilder.h"
#include "skinfixtures.h"
#include "style/resources.h"

#include <QtTest>
#include <sys/stat.h>

using fixtures::imageIn;
using fixtures::lines;
using fixtures::png;
using fixtures::xml;

namespace {

// A layout on skin.png (400 x 300): a browser with its own colours, then `extraLines`.
QByteArray layout(const QStringList &extraLines = {})
{
    return xml(QStringList{"<skin name=\"Fixture\" image=\"skin.png\" width=\"400\" height=\"300\">",
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

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QMap<QString, QByteArray> output() const { return fixtures::readZip(path("out.zip")); }

    QString makeSkin(const QString &name, const QList<fixtures::ZipEntry> &entries)
    {
        if (!fixtures::writeZip(path(name), entries))
            qWarning("cannot write %s", qPrintable(name));
        return path(name);
    }

    // a.xml and b.xml share skin.png.
    QString twoLayoutSkin()
    {
        return makeSkin("skin.zip", {{"a.xml", layout()},
                                     {"b.xml", layout({"<deck/>"})},
                                     {"skin.png", png(400, 300)},
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
    }

    // After every run the five work folders exist and hold no files; only the last cut icon
    // sheet is kept beside them.
    void cleanup()
    {
        if (!QFileInfo::exists(path("work")))
            return;
        QCOMPARE(fixtures::entriesBelow(path("work"), QDir::Dirs),
                 (QStringList{"skin", "temp", "temp2", "tempicons", "tempwind"}));
        QStringList files = fixtures::entriesBelow(path("work"), QDir::Files);
        files.removeOne("customicons.png");
        QCOMPARE(files, QStringList());
    }

    void defaultIconsGrowTheSharedImageOnce()
    {
        // A run that was cut short left this behind; it must not reach the new archive.
        QVERIFY(QDir().mkpath(path("work/temp")) &&
                fixtures::writeFile(path("work/temp/stale.xml"), "<skin>"));
        const BuildResult result = build(optionsFor(twoLayoutSkin()));
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.outputPath, path("out.zip"));
        const auto files = output();
        QCOMPARE(files.keys(), (QStringList{"a.xml", "b.xml", "notes.txt", "skin.png"}));
        const QImage shared = imageIn(files, "skin.png");
        QCOMPARE(shared.size(), QSize(400, 366));
        for (const char *name : {"a.xml", "b.xml"})
            QVERIFY(lines(files.value(name)).contains("\t\t\t<off x=\"10\" y=\"306-3\"/>"));
        QCOMPARE(m_paintedImages, 1);

        // One layout alone gives the very same image, also when the output replaces its skin.
        const QString single = makeSkin("single.zip", {{"b.xml", layout()}, {"skin.png", png(400, 300)}});
        SkinBuildOptions options = optionsFor(single);
        options.outputPath = single;
        QVERIFY(build(options).ok);
        QCOMPARE(imageIn(fixtures::readZip(single), "skin.png"), shared);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
                 (QStringList{"out.zip", "single.zip", "skin.zip"}));
    }

    // A layout without a <skin line names no image: painting its namesake at row 0 would draw
    // over a picture other layouts may share. A file with CR line ends is one line per CR.
    void fileWithoutSkinLineKeepsItsImage()
    {
        const QString skin = makeSkin(
            "skin.zip", {{"plain.xml", xml({"<deck/>"})},
                         {"plain.png", png(400, 300, Qt::red)},
                         {"mac.xml", "<skin image=\"plain.png\">\r<browser>\r</browser>\r</skin>\r"}});
        QVERIFY(build(optionsFor(skin)).ok);
        const auto files = output();
        QCOMPARE(imageIn(files, "plain.png").copy(0, 0, 400, 300), QImage::fromData(png(400, 300, Qt::red)));
        const QStringList mac = QString::fromUtf8(files.value("mac.xml")).split('\r');
        QCOMPARE(mac.filter("<skin").size(), 1);
        QCOMPARE(mac.filter("</browser>").size(), 1);
    }

    // With the browser's colours kept, the floating browser shows the host's colours on the
    // built-in image. Of the window skin's images only those its windows name come along, and
    // never over the skin's own.
    void windowsOfAnotherSkinAfterTheFloatingBrowser()
    {
        SkinBuildOptions options = optionsFor(twoLayoutSkin());
        options.changeColours = false;
        options.floatBrowser = true;
        options.importWindows = true;
        options.windowSkinFile =
            makeSkin("windows.zip",
                     {{"w.xml", xml({"<skin image=\"win.png\">", "<window name=\"one\" image=\"skin.png\">",
                                     "</window>", "<deck/>", "<Window name=\"two\" image=\"win.png\" />"})},
                      {"win.png", png(20, 20, Qt::green)},
                      {"unused.png", png(5, 5, Qt::green)},
                      {"skin.png", png(5, 5, Qt::green)}});
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
        QVERIFY(!files.contains("unused.png"));
    }

    // Everything of the skin comes through: sub-folders, fonts, other files, names from old zip
    // tools. What the build does not change is stored exactly as it was; the image a layout
    // names in a sub-folder (in another case) is painted where it is; each layout keeps its encoding.
    void keepsEveryEntryOfTheSkin()
    {
        QTextCodec *latin1 = QTextCodec::codecForName("ISO-8859-1");
        QTextCodec *utf16 = QTextCodec::codecForName("UTF-16LE"); // starts the text with a byte-order mark
        const QList<fixtures::ZipEntry> entries{
            {"latin.xml",
             latin1->fromUnicode(
                 "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<skin image=\"Images/Main.PNG\">"
                 "\r\n<text text=\"Café\"/>\r\n<browser>\r\n</browser>\r\n</skin>\r\n"),
             0100644, -1, false},
            {"utf16.xml",
             utf16->fromUnicode("<?xml encoding=\"UTF-16\"?>\n<skin image=\"images/main.png\">\n<text "
                                "text=\"Ünï\"/>\n<browser>\n</browser>\n</skin>\n"),
             0100644, -1, false},
            {"broken.xml", "<?xml encoding=\"UTF-8\"?>\n<skin image=\"images/main.png\">\xff\n", 0100644, -1,
             false},
            {"images/", "", 040755, -1, false},
            {"images/main.png", png(400, 300), 0100644, -1, false},
            {"fonts/face.ttf", QByteArray(3000, 'f'), 0100644, 0, false},
            {"Crème.jpg", "photo", 0100644, -1, false}};
        const QString skin = makeSkin("skin.zip", entries);
        const auto stored = fixtures::readZip(skin, true);
        const BuildResult result = build(optionsFor(skin));
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.warnings.size(), 1);
        QVERIFY2(result.warnings.at(0).contains("\"broken.xml\" is not valid UTF-8"),
                 qPrintable(result.warnings.at(0)));

        QCOMPARE(fixtures::zipNames(path("out.zip")), fixtures::zipNames(skin));
        const auto out = fixtures::readZip(path("out.zip"), true);
        for (const char *kept : {"broken.xml", "images/", "fonts/face.ttf", "Crème.jpg"})
            QVERIFY2(out.value(kept) == stored.value(kept), kept);
        const auto files = output();
        QCOMPARE(imageIn(files, "images/main.png").size(), QSize(400, 366));
        QVERIFY(latin1->toUnicode(files.value("latin.xml"))
                    .contains("<text text=\"Café\"/>\r\n<browser lineheight=\"100%\" >\r\n\t<colors"));
        QVERIFY(files.value("utf16.xml").startsWith("\xff\xfe<\0?\0"));
        QVERIFY(utf16->toUnicode(files.value("utf16.xml")).contains("Ünï\"/>\n<browser lineheight"));
    }

    void hostileSkinIsRefused_data()
    {
        QTest::addColumn<QByteArray>("layout");
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QString>("message");
        const QByteArray header = "<skin image=\"skin.png\">\n";
        QTest::newRow("image of 30000 x 30000")
            << header << fixtures::pngDeclaring(30000, 30000) << "30000 x 30000 pixels";
        QTest::newRow("image of 200 megapixels")
            << header << fixtures::pngDeclaring(16000, 12500) << "100 megapixels";
        QTest::newRow("line over 1 MB") << "<skin image=\"" + QByteArray(1100000, 'a') + "\">\n"
                                        << png(4, 4) << "a line longer than 1048576";
        QTest::newRow("over 500000 lines")
            << header + QByteArray(500001, '\n') << png(4, 4) << "more than 500000 lines";
        QTest::newRow("output over 64 MB") << header + QByteArray(30000, '\n').replace("\n", "</browser>\n")
                                           << png(4, 4) << "would grow beyond 64 MB";
    }

    void hostileSkinIsRefused()
    {
        QFETCH(QByteArray, layout);
        QFETCH(QByteArray, image);
        QFETCH(QString, message);
        const BuildResult result =
            build(optionsFor(makeSkin("skin.zip", {{"a.xml", layout}, {"skin.png", image}})));
        QVERIFY2(!result.ok && result.message.contains(message), qPrintable(result.message));
        QVERIFY(!QFileInfo::exists(path("out.zip")));
    }

    void rebuildingABuiltSkin_data()
    {
        QTest::addColumn<IconSet>("firstIcons");
        QTest::addColumn<bool>("firstExtras"); // floating browser and imported windows
        QTest::addColumn<IconSet>("secondIcons");
        QTest::newRow("same options again") << IconSet::Alternative << true << IconSet::Alternative;
        QTest::newRow("other icons, no extras") << IconSet::Alternative << true << IconSet::White;
        QTest::newRow("icons added later") << IconSet::Default << false << IconSet::Alternative;
    }

    // A skin built again with other options equals the original built with those options: no
    // window twice, no image growing on every pass.
    void rebuildingABuiltSkin()
    {
        QFETCH(IconSet, firstIcons);
        QFETCH(bool, firstExtras);
        QFETCH(IconSet, secondIcons);
        SkinBuildOptions first = optionsFor(twoLayoutSkin());
        first.iconSet = firstIcons;
        first.floatBrowser = first.importWindows = firstExtras;
        first.windowSkinFile =
            makeSkin("windows.zip", {{"w.xml", xml({"<window name=\"w\">", "</window>"})}});
        first.outputPath = path("first.zip");
        QVERIFY(build(first).ok);
        SkinBuildOptions second = optionsFor(first.selectedSkinFile);
        second.iconSet = secondIcons;
        second.floatBrowser = secondIcons == firstIcons;
        QVERIFY(build(second).ok);
        const auto expected = output();
        second.selectedSkinFile = first.outputPath;
        QVERIFY(build(second).ok);
        const auto rebuilt = output();
        for (const char *name : {"a.xml", "b.xml"})
            QCOMPARE(lines(rebuilt.value(name)), lines(expected.value(name)));
        for (const char *image : {"skin.png", "browserfloat.png"})
            QCOMPARE(imageIn(rebuilt, image).size(), imageIn(expected, image).size());
    }

    // Images are painted several at once; the archive holds the very bytes of a build that
    // paints them one after another.
    void parallelPaintingMatchesSerial()
    {
        QList<fixtures::ZipEntry> entries;
        for (const char *name : {"a", "b", "c", "d"}) {
            entries.append(
                {QString("%1.xml").arg(name), layout().replace("skin.png", QByteArray(name) + ".png")});
            entries.append({QString("%1.png").arg(name), png(300, 200, QColor(name[0], 90, 30))});
        }
        SkinBuildOptions options = optionsFor(makeSkin("skin.zip", entries));
        options.iconSet = IconSet::Alternative;
        QThreadPool *pool = QThreadPool::globalInstance();
        const int threads = pool->maxThreadCount();
        pool->setMaxThreadCount(1);
        QVERIFY(build(options).ok);
        pool->setMaxThreadCount(qMax(4, threads));
        const auto serial = output();
        QVERIFY(build(options).ok);
        pool->setMaxThreadCount(threads);
        QCOMPARE(output(), serial);
        QCOMPARE(imageIn(serial, "d.png").size(), QSize(300, 200 + 661));
    }

    // Sources without what was asked for are reported; the skin is still built without them.
    void sourcesWithoutWhatWasAskedFor()
    {
        SkinBuildOptions options = optionsFor(twoLayoutSkin());
        options.iconSet = IconSet::FromOtherSkin;
        options.iconSkinFile = makeSkin(
            "icons.zip", {{"icons.xml", xml({"<skin image=\"icons.png\">",
                                             "<customicons iconsize=\"20\" nb=\"12\" nbx=\"0\" />"})},
                          {"icons.png", png(100, 100)}});
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
        QTest::addColumn<QString>("bad");         // what is wrong: the skin, icons, windows or output
        QTest::addColumn<QStringList>("entries"); // of bad.zip; none: not a zip at all
        QTest::addColumn<QString>("message");
        QTest::newRow("corrupt skin") << "skin" << QStringList() << "\"bad.zip\" is not a zip file";
        QTest::newRow("no top-level XML") << "skin" << QStringList{"inner/a.xml", "skin.png"}
                                          << "The Zip file doesn't contain any XML files";
        QTest::newRow("hostile skin")
            << "skin" << QStringList{"a.xml", "../../escaped.png"} << "\"bad.zip\" was refused";
        QTest::newRow("hostile icon skin")
            << "icons" << QStringList{"a.xml", "../escaped.png"} << "\"bad.zip\" was refused";
        QTest::newRow("hostile window skin")
            << "windows" << QStringList{"a.xml", "/escaped.png"} << "\"bad.zip\" was refused";
        QTest::newRow("output name some file system cannot hold") << "output" << QStringList() << "a|b.zip";
        QTest::newRow("output a pipe") << "fifo" << QStringList() << "is not a regular file";
    }

    // Each build would write over its selected skin (unless the output is wrong itself); failing,
    // it leaves every file as it was and nothing outside the work folder.
    void failureLeavesEveryFileAsItWas()
    {
        QFETCH(QString, bad);
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        const QString badZip = path("bad.zip");
        QList<fixtures::ZipEntry> zipEntries;
        for (const QString &name : qAsConst(entries))
            zipEntries.append({name, "<skin>"});
        QVERIFY(entries.isEmpty() ? fixtures::writeFile(badZip, "PK\x03\x04 broken")
                                  : fixtures::writeZip(badZip, zipEntries));
        SkinBuildOptions options = optionsFor(bad == "skin" ? badZip : twoLayoutSkin());
        QTemporaryDir pipeFolder; // apart: reading the pipe to compare it would wait for ever
        options.outputPath = bad == "output" ? path("a|b.zip")
                             : bad == "fifo" ? pipeFolder.filePath("fifo")
                                             : options.selectedSkinFile;
        QVERIFY(bad != "fifo" || mkfifo(QFile::encodeName(options.outputPath), 0600) == 0);
        options.iconSet = IconSet::FromOtherSkin;
        options.iconSkinFile = bad == "icons" ? badZip : QString();
        options.importWindows = true;
        options.windowSkinFile = bad == "windows" ? badZip : QString();
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
        QTest::newRow("empty replaces the selected skin") << ""
                                                          << "/s/My.Skin.v2.zip";
        for (const char *refused : {"../escaped", "a:b", "a\tb", "name."})
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
