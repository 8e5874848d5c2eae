// The whole "Create Skin" pipeline on skins built here, checked by unpacking its output.

#include "skin/outputname.h"
#include "skin/skinbuilder.h"
#include "skinfixtures.h"
#include "style/resources.h"

#include <QtTest>
#include <sys/stat.h>

using fixtures::ZipEntry;

namespace {

// A layout on skin.png (400 x 300): a browser with its own colours, then `extraLines`.
QByteArray layout(const QStringList &extraLines = {})
{
    return fixtures::xml(
        QStringList{"<skin name=\"Fixture\" image=\"skin.png\" width=\"400\" height=\"300\">", "\t<browser>",
                    "\t\t<pos x=\"0\" y=\"100\"/>", "\t\t<size width=\"400\" height=\"200\"/>",
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
    QMap<QString, QByteArray> output() const { return fixtures::readZip(path(QStringLiteral("out.zip"))); }

    QString makeSkin(const QString &name, const QList<ZipEntry> &entries)
    {
        const QString zip = path(name);
        if (!fixtures::writeZip(zip, entries))
            qWarning("cannot write %s", qPrintable(zip));
        return zip;
    }

    // a.xml and b.xml share skin.png.
    QString twoLayoutSkin()
    {
        return makeSkin(QStringLiteral("skin.zip"), {{"a.xml", layout()},
                                                     {"b.xml", layout({"<deck/>"})},
                                                     {"skin.png", fixtures::png(400, 300)},
                                                     {"other.png", fixtures::png(10, 10)},
                                                     {"notes.txt", "left behind"}});
    }

    SkinBuildOptions optionsFor(const QString &skin) const
    {
        SkinBuildOptions options;
        options.selectedSkinFile = skin;
        options.outputPath = path(QStringLiteral("out.zip"));
        return options;
    }

    BuildResult build(const SkinBuildOptions &options)
    {
        return SkinBuilder::build(
            options, m_style, path(QStringLiteral("work")),
            [this](BuildStep step, const QString &) { m_paintedImages += step == BuildStep::PaintImage; });
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
        QVERIFY(m_dir->isValid());
        m_paintedImages = 0;
    }

    // After every run the five work folders exist and hold no files; only the last cut icon
    // sheet is kept beside them.
    void cleanup()
    {
        const QString root = path(QStringLiteral("work"));
        if (!QFileInfo::exists(root))
            return;
        QCOMPARE(fixtures::entriesBelow(root, QDir::Dirs),
                 (QStringList{"skin", "temp", "temp2", "tempicons", "tempwind"}));
        QStringList files = fixtures::entriesBelow(root, QDir::Files);
        files.removeOne(QStringLiteral("customicons.png"));
        QCOMPARE(files, QStringList());
    }

    void defaultIconsGrowTheSharedImageOnce()
    {
        // A run that was cut short left this behind; it must not reach the new archive.
        QVERIFY(QDir().mkpath(path(QStringLiteral("work/temp"))));
        QVERIFY(fixtures::writeFile(path(QStringLiteral("work/temp/stale.xml")), "<skin>"));
        const BuildResult result = build(optionsFor(twoLayoutSkin()));
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.outputPath, path(QStringLiteral("out.zip")));
        const auto files = output();
        QCOMPARE(files.keys(), (QStringList{"a.xml", "b.xml", "notes.txt", "other.png", "skin.png"}));
        const QImage shared = fixtures::imageIn(files, QStringLiteral("skin.png"));
        QCOMPARE(shared.size(), QSize(400, 366));
        for (const QString &xml : {QStringLiteral("a.xml"), QStringLiteral("b.xml")})
            QVERIFY(fixtures::lines(files.value(xml))
                        .contains(QStringLiteral("\t\t\t<off x=\"10\" y=\"306-3\"/>")));
        QCOMPARE(m_paintedImages, 1);

        // One layout alone gives the very same image, also when the output replaces its skin.
        const QString single = makeSkin(QStringLiteral("single.zip"),
                                        {{"b.xml", layout()}, {"skin.png", fixtures::png(400, 300)}});
        SkinBuildOptions options = optionsFor(single);
        options.outputPath = single;
        QVERIFY(build(options).ok);
        QCOMPARE(fixtures::imageIn(fixtures::readZip(single), QStringLiteral("skin.png")), shared);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
                 (QStringList{"out.zip", "single.zip", "skin.zip"}));
    }

    // A layout without a <skin line names no image: painting its namesake at row 0 would draw
    // over a picture other layouts may share. A file with CR line ends is one line per CR.
    void fileWithoutSkinLineKeepsItsImage()
    {
        const QString skin =
            makeSkin(QStringLiteral("skin.zip"),
                     {{"plain.xml", fixtures::xml({"<deck/>"})},
                      {"plain.png", fixtures::png(400, 300, Qt::red)},
                      {"mac.xml", "<skin image=\"plain.png\">\r<browser>\r</browser>\r</skin>\r"}});
        QVERIFY(build(optionsFor(skin)).ok);
        const auto files = output();
        QCOMPARE(fixtures::imageIn(files, QStringLiteral("plain.png")).copy(0, 0, 400, 300),
                 QImage::fromData(fixtures::png(400, 300, Qt::red)));
        const QStringList mac = QString::fromUtf8(files.value(QStringLiteral("mac.xml"))).split('\r');
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
        options.windowSkinFile = makeSkin(
            QStringLiteral("windows.zip"),
            {{"w.xml", fixtures::xml({"<skin image=\"win.png\">", "<window name=\"one\" image=\"skin.png\">",
                                      "<pos x=\"1\"/>", "</window>", "<deck/>",
                                      "<Window name=\"two\" image=\"win.png\" />", "</skin>"})},
             {"win.png", fixtures::png(20, 20, Qt::green)},
             {"unused.png", fixtures::png(5, 5, Qt::green)},
             {"skin.png", fixtures::png(5, 5, Qt::green)}});
        const BuildResult result = build(options);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.warnings.size(), 1);
        QVERIFY2(result.warnings.at(0).contains("\"skin.png\" was kept"), qPrintable(result.warnings.at(0)));
        const auto files = output();
        QCOMPARE(fixtures::imageIn(files, QStringLiteral("browserfloat.png")).size(), QSize(801, 204));
        const QStringList windows{"<window name=\"one\" image=\"skin.png\">", "<pos x=\"1\"/>", "</window>",
                                  "<Window name=\"two\" image=\"win.png\" />", "<!-- panelcraft end -->"};
        for (const QString &xml : {QStringLiteral("a.xml"), QStringLiteral("b.xml")}) {
            const QStringList lines = fixtures::lines(files.value(xml));
            QCOMPARE(lines.mid(lines.size() - 6), windows + QStringList("</skin>"));
            QCOMPARE(lines.filter(QStringLiteral("browserfloat")).size(),
                     3); // the window, its button, the mark
        }
        QCOMPARE(files.value(QStringLiteral("win.png")), fixtures::png(20, 20, Qt::green));
        QCOMPARE(files.value(QStringLiteral("skin.png")), fixtures::png(400, 300));
        QVERIFY(!files.contains(QStringLiteral("unused.png")));
    }

    // Everything of the skin comes through: sub-folders, fonts, other files, names from old zip
    // tools. What the build does not change is stored exactly as it was; the image a layout
    // names in a sub-folder (in another case) is painted where it is; each layout keeps its encoding.
    void keepsEveryEntryOfTheSkin()
    {
        QTextCodec *latin1 = QTextCodec::codecForName("ISO-8859-1");
        const QByteArray latin = latin1->fromUnicode(
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<skin image=\"Images/Main.PNG\">\r\n"
            "<text text=\"Café\"/>\r\n<browser>\r\n</browser>\r\n</skin>\r\n");
        // The codec starts the text with its byte-order mark.
        const QByteArray utf16 =
            QTextCodec::codecForName("UTF-16LE")
                ->fromUnicode("<?xml encoding=\"UTF-16\"?>\n<skin image=\"images/main.png\">\n<text "
                              "text=\"Ünï\"/>\n<browser>\n</browser>\n</skin>\n");
        const QList<ZipEntry> entries{{"latin.xml", latin, 0100644, -1, false},
                                      {"utf16.xml", utf16, 0100644, -1, false},
                                      {"broken.xml",
                                       "<?xml encoding=\"UTF-8\"?>\n<skin image=\"images/main.png\">\xff\n",
                                       0100644, -1, false},
                                      {"images/", "", 040755, -1, false},
                                      {"images/main.png", fixtures::png(400, 300), 0100644, -1, false},
                                      {"fonts/face.ttf", QByteArray(3000, 'f'), 0100644, 0, false},
                                      {"Crème.jpg", "photo", 0100644, -1, false},
                                      {"notes.txt", "kept", 0100644, 9, false}};
        const QString skin = makeSkin(QStringLiteral("skin.zip"), entries);
        const auto stored = fixtures::storedZip(skin);
        const BuildResult result = build(optionsFor(skin));
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.warnings.size(), 1);
        QVERIFY2(result.warnings.at(0).contains("\"broken.xml\" is not valid UTF-8"),
                 qPrintable(result.warnings.at(0)));

        QCOMPARE(fixtures::zipNames(path("out.zip")), fixtures::zipNames(skin));
        const auto out = fixtures::storedZip(path("out.zip"));
        for (const char *kept : {"broken.xml", "images/", "fonts/face.ttf", "Crème.jpg", "notes.txt"})
            QVERIFY2(out.value(kept) == stored.value(kept), qPrintable(kept));
        const auto files = output();
        QCOMPARE(fixtures::imageIn(files, "images/main.png").size(), QSize(400, 366));
        const QString latinOut = latin1->toUnicode(files.value("latin.xml"));
        QVERIFY(latinOut.contains("<text text=\"Café\"/>\r\n<browser lineheight=\"100%\" >\r\n\t<colors"));
        QVERIFY(files.value("utf16.xml").startsWith("\xff\xfe<\0?\0"));
        QVERIFY(QTextCodec::codecForName("UTF-16LE")
                    ->toUnicode(files.value("utf16.xml"))
                    .contains("Ünï\"/>\n<browser lineheight"));
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
                                        << fixtures::png(4, 4) << "a line longer than 1048576";
        QTest::newRow("over 500000 lines")
            << header + QByteArray(500001, '\n') << fixtures::png(4, 4) << "more than 500000 lines";
        QTest::newRow("output over 64 MB") << header + QByteArray(30000, '\n').replace("\n", "</browser>\n")
                                           << fixtures::png(4, 4) << "would grow beyond 64 MB";
    }

    void hostileSkinIsRefused()
    {
        QFETCH(QByteArray, layout);
        QFETCH(QByteArray, image);
        QFETCH(QString, message);
        const BuildResult result =
            build(optionsFor(makeSkin(QStringLiteral("skin.zip"), {{"a.xml", layout}, {"skin.png", image}})));
        QVERIFY(!result.ok);
        QVERIFY2(result.message.contains(message), qPrintable(result.message));
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
        const QString original = twoLayoutSkin();
        SkinBuildOptions first = optionsFor(original);
        first.iconSet = firstIcons;
        first.floatBrowser = firstExtras;
        first.importWindows = firstExtras;
        first.windowSkinFile = makeSkin(QStringLiteral("windows.zip"),
                                        {{"w.xml", fixtures::xml({"<window name=\"w\">", "</window>"})}});
        first.outputPath = path(QStringLiteral("first.zip"));
        QVERIFY(build(first).ok);
        SkinBuildOptions second = optionsFor(original);
        second.iconSet = secondIcons;
        second.floatBrowser = secondIcons == firstIcons;
        QVERIFY(build(second).ok);
        const auto expected = output();
        second.selectedSkinFile = first.outputPath;
        QVERIFY(build(second).ok);
        const auto rebuilt = output();

        for (const QString &xml : {QStringLiteral("a.xml"), QStringLiteral("b.xml")})
            QCOMPARE(fixtures::lines(rebuilt.value(xml)), fixtures::lines(expected.value(xml)));
        for (const QString &image : {QStringLiteral("skin.png"), QStringLiteral("browserfloat.png")})
            QCOMPARE(fixtures::imageIn(rebuilt, image).size(), fixtures::imageIn(expected, image).size());
    }

    // Images are painted several at once; the archive holds the very bytes of a build that
    // paints them one after another.
    void parallelPaintingMatchesSerial()
    {
        QList<ZipEntry> entries;
        for (const char *name : {"a", "b", "c", "d"}) {
            entries.append(
                {QString("%1.xml").arg(name), layout().replace("skin.png", QByteArray(name) + ".png")});
            entries.append({QString("%1.png").arg(name), fixtures::png(300, 200, QColor(name[0], 90, 30))});
        }
        SkinBuildOptions options = optionsFor(makeSkin(QStringLiteral("skin.zip"), entries));
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
        QCOMPARE(fixtures::imageIn(serial, "d.png").size(), QSize(300, 200 + 661));
    }

    // Sources without what was asked for are reported; the skin is still built without them.
    void sourcesWithoutWhatWasAskedFor()
    {
        SkinBuildOptions options = optionsFor(twoLayoutSkin());
        options.iconSet = IconSet::FromOtherSkin;
        options.iconSkinFile =
            makeSkin(QStringLiteral("icons.zip"),
                     {{"icons.xml", fixtures::xml({"<skin image=\"icons.png\">",
                                                   "<customicons iconsize=\"20\" nb=\"12\" nbx=\"0\" />"})},
                      {"icons.png", fixtures::png(100, 100)}});
        options.importWindows = true;
        options.windowSkinFile =
            makeSkin(QStringLiteral("windows.zip"),
                     {{"w.xml", fixtures::xml({"<skin>", "</skin>"})}, {"win.png", fixtures::png(20, 20)}});
        const BuildResult result = build(options);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.warnings.size(), 2);
        QVERIFY(result.warnings.at(0).contains(QLatin1String("icons.zip")));
        QVERIFY(result.warnings.at(1).contains(QLatin1String("windows.zip")));
        const auto files = output();
        QCOMPARE(fixtures::imageIn(files, QStringLiteral("skin.png")).size(), QSize(400, 366));
        QCOMPARE(fixtures::lines(files.value(QStringLiteral("a.xml"))).filter(QStringLiteral("<customicons")),
                 QStringList());
        QVERIFY(!files.contains(QStringLiteral("win.png")));
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

    // Each build would write over its selected skin (the last one to a name no file system
    // holds); failing, it leaves every file as it was and nothing outside the work folder.
    void failureLeavesEveryFileAsItWas()
    {
        QFETCH(QString, bad);
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        const QString badZip = path(QStringLiteral("bad.zip"));
        QList<ZipEntry> zipEntries;
        for (const QString &name : qAsConst(entries))
            zipEntries.append({name, "<skin>"});
        QVERIFY(entries.isEmpty() ? fixtures::writeFile(badZip, "PK\x03\x04 broken")
                                  : fixtures::writeZip(badZip, zipEntries));
        SkinBuildOptions options = optionsFor(bad == QLatin1String("skin") ? badZip : twoLayoutSkin());
        QTemporaryDir pipeFolder; // apart: reading the pipe to compare it would wait for ever
        options.outputPath = bad == QLatin1String("output") ? path(QStringLiteral("a|b.zip"))
                             : bad == QLatin1String("fifo") ? pipeFolder.filePath(QStringLiteral("fifo"))
                                                            : options.selectedSkinFile;
        QVERIFY(bad != QLatin1String("fifo") || mkfifo(QFile::encodeName(options.outputPath), 0600) == 0);
        options.iconSet = IconSet::FromOtherSkin;
        options.iconSkinFile = bad == QLatin1String("icons") ? badZip : QString();
        options.importWindows = true;
        options.windowSkinFile = bad == QLatin1String("windows") ? badZip : QString();
        const auto before = fixtures::filesBelow(m_dir->path());

        const BuildResult result = build(options);
        QVERIFY(!result.ok);
        QVERIFY2(result.message.contains(message), qPrintable(result.message));
        QCOMPARE(fixtures::filesBelow(m_dir->path()), before);
        QVERIFY(!QFileInfo::exists(QStringLiteral("/escaped.png")));
        QVERIFY(bad != QLatin1String("fifo") || !QFileInfo(options.outputPath).isFile());
    }

    void outputNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("suggested") << outputname::suggestedName(QStringLiteral("/s/My.Skin.v2.zip")) << true;
        QTest::newRow("empty replaces the selected skin") << "" << true;
        QTest::newRow("folder part") << "../escaped" << false;
        QTest::newRow("colon") << "a:b" << false;
        QTest::newRow("control character") << "a\tb" << false;
        QTest::newRow("trailing dot") << "name." << false;
    }

    void outputNames()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QString error;
        const QString output = outputname::outputPath(QStringLiteral("/docs/Turnwise/skins"), typed,
                                                      QStringLiteral("/s/My.Skin.v2.zip"), &error);
        QCOMPARE(error.isEmpty(), accepted);
        if (!accepted)
            QVERIFY(output.isEmpty());
        else if (typed.isEmpty())
            QCOMPARE(output, QStringLiteral("/s/My.Skin.v2.zip"));
        else
            QCOMPARE(output, QStringLiteral("/docs/Turnwise/skins/") + typed + QStringLiteral(".zip"));
    }
};

QTEST_MAIN(TestSkinBuilder)
#include "tst_skinbuilder.moc"
