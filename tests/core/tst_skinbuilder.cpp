// The whole "Create Skin" pipeline on skins built here, checked by unpacking its output.

#include "skin/outputname.h"
#include "skin/skinbuilder.h"
#include "skinfixtures.h"
#include "style/resources.h"

#include <QtTest>

Q_DECLARE_METATYPE(IconSet)

using fixtures::ZipEntry;

namespace {

const QStringList workFolders{"temp", "skin", "temp2", "tempwind", "tempicons"};

QImage imageOf(const QMap<QString, QByteArray> &files, const QString &name)
{
    return QImage::fromData(files.value(name), "PNG");
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesBelow(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    found.sort();
    return found;
}

} // namespace

class TestSkinBuilder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void defaultIconsGrowTheSharedImageOnce();
    void imagesFollowTheIconOption_data();
    void imagesFollowTheIconOption();
    void fileWithoutSkinLineKeepsItsImage();
    void keptBrowserLeavesImagesAlone();
    void floatingBrowserImage_data();
    void floatingBrowserImage();
    void customIconsFromAnotherSkin();
    void unusableCustomIconsAreReported();
    void windowsOfAnotherSkin();
    void skinWithoutWindowsAddsNone();
    void nonAsciiTextSurvives();
    void leftoversOfAnEarlierRunAreNotPacked();
    void stepsAreReportedInOrder();
    void noTopLevelXml();
    void unusableArchiveFailsCleanly_data();
    void unusableArchiveFailsCleanly();
    void outputReplacesTheSelectedSkin();
    void failedBuildKeepsTheSelectedSkin();
    void unwritableOutputFolder();
    void outputNames_data();
    void outputNames();
    void outputFileNameIsChecked();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString makeSkin(const QString &name, const QList<ZipEntry> &entries);
    // The sample two-layout skin: a.xml and b.xml share skin.png (400 x 300).
    QString twoLayoutSkin();
    BuildResult build(const SkinBuildOptions &options);
    SkinBuildOptions optionsFor(const QString &skin) const;
    QMap<QString, QByteArray> output() const { return fixtures::readZip(path(QStringLiteral("out.zip"))); }

    std::unique_ptr<QTemporaryDir> m_dir;
    Style m_style;
    QList<QPair<BuildStep, QString>> m_steps;
};

void TestSkinBuilder::initTestCase()
{
    initPanelcraftResources();
    m_style = fixtures::defaultStyle();
}

void TestSkinBuilder::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_steps.clear();
}

// After every run the work folders exist and hold no files.
void TestSkinBuilder::cleanup()
{
    const QString root = path(QStringLiteral("work"));
    if (!QFileInfo::exists(root))
        return;
    for (const QString &folder : workFolders)
        QVERIFY2(QFileInfo(root + QLatin1Char('/') + folder).isDir(), qPrintable(folder));
    QCOMPARE(
        filesBelow(root).filter(QRegularExpression(QStringLiteral("^(temp|skin|temp2|tempwind|tempicons)/"))),
        QStringList());
}

QString TestSkinBuilder::makeSkin(const QString &name, const QList<ZipEntry> &entries)
{
    const QString zip = path(name);
    if (!fixtures::writeZip(zip, entries))
        qWarning("cannot write %s", qPrintable(zip));
    return zip;
}

QString TestSkinBuilder::twoLayoutSkin()
{
    return makeSkin(QStringLiteral("skin.zip"),
                    {{"a.xml", fixtures::xml(fixtures::skinLayout(QStringLiteral("skin.png")))},
                     {"b.xml", fixtures::xml(fixtures::skinLayout(QStringLiteral("skin.png"), {"<deck/>"}))},
                     {"skin.png", fixtures::png(400, 300)},
                     {"other.png", fixtures::png(10, 10)},
                     {"notes.txt", "left behind"}});
}

SkinBuildOptions TestSkinBuilder::optionsFor(const QString &skin) const
{
    SkinBuildOptions options;
    options.selectedSkinFile = skin;
    options.outputPath = path(QStringLiteral("out.zip"));
    return options;
}

BuildResult TestSkinBuilder::build(const SkinBuildOptions &options)
{
    return SkinBuilder::build(options, m_style, path(QStringLiteral("work")),
                              [this](BuildStep step, const QString &file) {
                                  m_steps.append({step, file});
                              });
}

void TestSkinBuilder::defaultIconsGrowTheSharedImageOnce()
{
    const BuildResult result = build(optionsFor(twoLayoutSkin()));
    QVERIFY2(result.ok, qPrintable(result.message));
    QCOMPARE(result.outputPath, path(QStringLiteral("out.zip")));
    const auto files = output();
    QCOMPARE(files.keys(), (QStringList{"a.xml", "b.xml", "other.png", "skin.png"}));
    QCOMPARE(imageOf(files, QStringLiteral("skin.png")).size(), QSize(400, 366));
    QCOMPARE(files.value(QStringLiteral("other.png")), fixtures::png(10, 10));
    for (const QString &xml : {QStringLiteral("a.xml"), QStringLiteral("b.xml")})
        QVERIFY(
            fixtures::lines(files.value(xml)).contains(QStringLiteral("\t\t\t<off x=\"10\" y=\"306-3\"/>")));
    int painted = 0;
    for (const auto &step : qAsConst(m_steps))
        painted += step.first == BuildStep::PaintImage;
    QCOMPARE(painted, 1);

    // One layout alone gives the very same image.
    const QByteArray shared = files.value(QStringLiteral("skin.png"));
    const QString single =
        makeSkin(QStringLiteral("single.zip"),
                 {{"b.xml", fixtures::xml(fixtures::skinLayout(QStringLiteral("skin.png")))},
                  {"skin.png", fixtures::png(400, 300)}});
    QVERIFY(build(optionsFor(single)).ok);
    QCOMPARE(imageOf(output(), QStringLiteral("skin.png")), QImage::fromData(shared, "PNG"));
}

void TestSkinBuilder::imagesFollowTheIconOption_data()
{
    QTest::addColumn<IconSet>("set");
    QTest::addColumn<bool>("changeColours");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("iconLine");
    const QString builtIn =
        QStringLiteral("<customicons x=\"0\" y=\"301\" iconsize=\"64\" nb=\"144\" nbx=\"16\" />");
    QTest::newRow("alternative") << IconSet::Alternative << true << 300 + 661 << builtIn;
    QTest::newRow("white") << IconSet::White << true << 300 + 661 << builtIn;
    QTest::newRow("alternative, browser kept") << IconSet::Alternative << false << 300 + 10 + 590 << builtIn;
    QTest::newRow("another skin, none chosen") << IconSet::FromOtherSkin << true << 300 + 66 << QString();
}

void TestSkinBuilder::imagesFollowTheIconOption()
{
    QFETCH(IconSet, set);
    QFETCH(bool, changeColours);
    QFETCH(int, height);
    QFETCH(QString, iconLine);
    SkinBuildOptions options = optionsFor(twoLayoutSkin());
    options.iconSet = set;
    options.changeColours = changeColours;
    const BuildResult result = build(options);
    QVERIFY2(result.ok, qPrintable(result.message));
    const auto files = output();
    const QImage image = imageOf(files, QStringLiteral("skin.png"));
    QCOMPARE(image.size(), QSize(400, height));
    const QStringList lines = fixtures::lines(files.value(QStringLiteral("a.xml")));
    QCOMPARE(lines.filter(QStringLiteral("<customicons")),
             iconLine.isEmpty() ? QStringList() : QStringList(iconLine));
    if (!iconLine.isEmpty()) {
        const QImage sheet =
            QImage(set == IconSet::White ? QStringLiteral(":/new/images/myfiles/ICONSWHITE.png")
                                         : QStringLiteral(":/new/images/myfiles/ICONS.png"))
                .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.copy(0, 301, 400, 100).convertToFormat(QImage::Format_ARGB32),
                 sheet.copy(0, 0, 400, 100));
    }
}

void TestSkinBuilder::fileWithoutSkinLineKeepsItsImage()
{
    const QString skin =
        makeSkin(QStringLiteral("skin.zip"), {{"plain.xml", fixtures::xml({"<deck/>"})},
                                              {"plain.png", fixtures::png(400, 300, Qt::red)}});
    QVERIFY(build(optionsFor(skin)).ok);
    const QImage image = imageOf(output(), QStringLiteral("plain.png"));
    QCOMPARE(image.size(), QSize(400, 300));
    QCOMPARE(image.pixel(200, 200), QColor(Qt::red).rgba());
}

void TestSkinBuilder::keptBrowserLeavesImagesAlone()
{
    const QString skin = twoLayoutSkin();
    SkinBuildOptions options = optionsFor(skin);
    options.changeColours = false;
    QVERIFY(build(options).ok);
    const auto files = output();
    QCOMPARE(files.value(QStringLiteral("skin.png")), fixtures::png(400, 300));
    QCOMPARE(fixtures::lines(files.value(QStringLiteral("a.xml"))),
             fixtures::skinLayout(QStringLiteral("skin.png")));
}

void TestSkinBuilder::floatingBrowserImage_data()
{
    QTest::addColumn<bool>("changeColours");
    QTest::addColumn<QSize>("size");
    QTest::newRow("painted") << true << QSize(801, 270);
    QTest::newRow("built-in copy") << false << QSize(801, 204);
}

void TestSkinBuilder::floatingBrowserImage()
{
    QFETCH(bool, changeColours);
    QFETCH(QSize, size);
    SkinBuildOptions options = optionsFor(twoLayoutSkin());
    options.floatBrowser = true;
    options.changeColours = changeColours;
    QVERIFY(build(options).ok);
    const auto files = output();
    QCOMPARE(imageOf(files, QStringLiteral("browserfloat.png")).size(), size);
    QCOMPARE(fixtures::lines(files.value(QStringLiteral("b.xml")))
                 .filter(QStringLiteral("<window name=\"browserfloat\""))
                 .size(),
             1);
}

void TestSkinBuilder::customIconsFromAnotherSkin()
{
    QImage icons(200, 100, QImage::Format_ARGB32);
    icons.fill(Qt::blue);
    QByteArray iconBytes;
    QBuffer buffer(&iconBytes);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && icons.save(&buffer, "PNG"));
    SkinBuildOptions options = optionsFor(twoLayoutSkin());
    options.iconSet = IconSet::FromOtherSkin;
    options.iconSkinFile = makeSkin(
        QStringLiteral("icons.zip"),
        {{"icons.xml", fixtures::xml({"<skin image=\"icons.png\">",
                                      "<customicons x=\"10\" y=\"20\" iconsize=\"20\" nb=\"12\" nbx=\"4\" />",
                                      "</skin>"})},
         {"icons.png", iconBytes}});
    const BuildResult result = build(options);
    QVERIFY2(result.ok, qPrintable(result.message));
    QCOMPARE(result.warnings, QStringList());
    const auto files = output();
    QCOMPARE(imageOf(files, QStringLiteral("skin.png")).size(), QSize(400, 300 + 661));
    QCOMPARE(imageOf(files, QStringLiteral("skin.png")).pixel(40, 301 + 30), QColor(Qt::blue).rgba());
    QVERIFY(fixtures::lines(files.value(QStringLiteral("a.xml")))
                .contains(
                    QStringLiteral("<customicons x=\"0\" y=\"301\" iconsize=\"20\" nb=\"12\" nbx=\"4\" />")));
    QCOMPARE(QImage(path(QStringLiteral("work/customicons.png"))).size(), QSize(80, 60));
}

void TestSkinBuilder::unusableCustomIconsAreReported()
{
    SkinBuildOptions options = optionsFor(twoLayoutSkin());
    options.iconSet = IconSet::FromOtherSkin;
    options.iconSkinFile =
        makeSkin(QStringLiteral("icons.zip"),
                 {{"icons.xml",
                   fixtures::xml({"<skin image=\"icons.png\">",
                                  "<customicons x=\"0\" y=\"0\" iconsize=\"20\" nb=\"12\" nbx=\"0\" />"})},
                  {"icons.png", fixtures::png(100, 100)}});
    const BuildResult result = build(options);
    QVERIFY2(result.ok, qPrintable(result.message));
    QCOMPARE(result.warnings.size(), 1);
    QVERIFY(result.warnings.first().contains(QLatin1String("icons.zip")));
    const auto files = output();
    QCOMPARE(imageOf(files, QStringLiteral("skin.png")).size(), QSize(400, 366));
    QCOMPARE(fixtures::lines(files.value(QStringLiteral("a.xml"))).filter(QStringLiteral("<customicons")),
             QStringList());
}

void TestSkinBuilder::windowsOfAnotherSkin()
{
    SkinBuildOptions options = optionsFor(twoLayoutSkin());
    options.changeColours = false;
    options.importWindows = true;
    options.windowSkinFile =
        makeSkin(QStringLiteral("windows.zip"),
                 {{"w.xml", fixtures::xml({"<skin image=\"win.png\">", "<window name=\"one\">",
                                           "<pos x=\"1\"/>", "</window>", "<deck/>",
                                           "<Window name=\"two\" image=\"win.png\" />", "</skin>"})},
                  {"win.png", fixtures::png(20, 20, Qt::green)},
                  {"skin.png", fixtures::png(5, 5, Qt::green)}});
    const BuildResult result = build(options);
    QVERIFY2(result.ok, qPrintable(result.message));
    const auto files = output();
    const QStringList windows{"<window name=\"one\">", "<pos x=\"1\"/>", "</window>",
                              "<Window name=\"two\" image=\"win.png\" />"};
    for (const QString &xml : {QStringLiteral("a.xml"), QStringLiteral("b.xml")}) {
        const QStringList lines = fixtures::lines(files.value(xml));
        QCOMPARE(lines.mid(lines.size() - 5), windows + QStringList("</skin>"));
    }
    QCOMPARE(files.value(QStringLiteral("win.png")), fixtures::png(20, 20, Qt::green));
    // The window skin's namesake reaches the archive first and wins.
    QCOMPARE(files.value(QStringLiteral("skin.png")), fixtures::png(5, 5, Qt::green));
}

void TestSkinBuilder::skinWithoutWindowsAddsNone()
{
    SkinBuildOptions options = optionsFor(twoLayoutSkin());
    options.importWindows = true;
    options.windowSkinFile =
        makeSkin(QStringLiteral("windows.zip"),
                 {{"w.xml", fixtures::xml({"<skin>", "</skin>"})}, {"win.png", fixtures::png(20, 20)}});
    const BuildResult result = build(options);
    QVERIFY2(result.ok, qPrintable(result.message));
    QCOMPARE(result.warnings.size(), 1);
    QVERIFY(!output().contains(QStringLiteral("win.png")));
}

void TestSkinBuilder::nonAsciiTextSurvives()
{
    const QStringList layout =
        fixtures::skinLayout(QStringLiteral("skin.png"), {"<text text=\"Café – ÿ 東\"/>"});
    const QString skin = makeSkin(QStringLiteral("skin.zip"),
                                  {{"a.xml", fixtures::xml(layout)}, {"skin.png", fixtures::png(40, 30)}});
    SkinBuildOptions options = optionsFor(skin);
    options.importWindows = true;
    options.windowSkinFile = makeSkin(QStringLiteral("windows.zip"),
                                      {{"w.xml", fixtures::xml({"<window name=\"Grüße\">", "</window>"})}});
    QVERIFY(build(options).ok);
    const QStringList lines = fixtures::lines(output().value(QStringLiteral("a.xml")));
    QVERIFY(lines.contains(QStringLiteral("<text text=\"Café – ÿ 東\"/>")));
    QVERIFY(lines.contains(QStringLiteral("<window name=\"Grüße\">")));
}

void TestSkinBuilder::leftoversOfAnEarlierRunAreNotPacked()
{
    QVERIFY(QDir().mkpath(path(QStringLiteral("work/temp"))));
    QFile stale(path(QStringLiteral("work/temp/stale.xml")));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    QVERIFY(build(optionsFor(twoLayoutSkin())).ok);
    QVERIFY(!output().contains(QStringLiteral("stale.xml")));
}

void TestSkinBuilder::stepsAreReportedInOrder()
{
    SkinBuildOptions options = optionsFor(twoLayoutSkin());
    options.floatBrowser = true;
    options.iconSet = IconSet::FromOtherSkin;
    options.iconSkinFile = makeSkin(QStringLiteral("icons.zip"), {{"i.xml", fixtures::xml({"<skin>"})}});
    options.importWindows = true;
    options.windowSkinFile =
        makeSkin(QStringLiteral("windows.zip"), {{"w.xml", fixtures::xml({"<window name=\"w\"/>"})}});
    QVERIFY(build(options).ok);
    const QList<QPair<BuildStep, QString>> expected{
        {BuildStep::ImportIcons, options.iconSkinFile},
        {BuildStep::Unpack, options.selectedSkinFile},
        {BuildStep::UnpackWindows, options.windowSkinFile},
        {BuildStep::Rewrite, QStringLiteral("a.xml")},
        {BuildStep::PaintImage, QStringLiteral("skin.png")},
        {BuildStep::Rewrite, QStringLiteral("b.xml")},
        {BuildStep::PaintFloatingBrowser, QStringLiteral("browserfloat.png")},
        {BuildStep::GatherImages, QString()},
        {BuildStep::Pack, options.outputPath},
    };
    QCOMPARE(m_steps, expected);
}

void TestSkinBuilder::noTopLevelXml()
{
    const QString skin = makeSkin(QStringLiteral("skin.zip"), {{"inner/a.xml", fixtures::xml({"<skin>"})},
                                                               {"skin.png", fixtures::png(4, 4)}});
    const BuildResult result = build(optionsFor(skin));
    QVERIFY(!result.ok);
    QCOMPARE(result.message, QStringLiteral("The Zip file doesn't contain any XML files"));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("out.zip"))));
}

void TestSkinBuilder::unusableArchiveFailsCleanly_data()
{
    QTest::addColumn<QString>("which"); // the option holding the bad archive
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("message");
    QTest::newRow("corrupt skin") << "skin" << QString() << "not a zip file";
    QTest::newRow("hostile skin") << "skin"
                                  << "../../escaped.png"
                                  << "refused";
    QTest::newRow("hostile icon skin") << "icons"
                                       << "../escaped.png"
                                       << "refused";
    QTest::newRow("hostile window skin") << "windows"
                                         << "/escaped.png"
                                         << "refused";
}

void TestSkinBuilder::unusableArchiveFailsCleanly()
{
    QFETCH(QString, which);
    QFETCH(QString, entry);
    QFETCH(QString, message);
    const QString bad = path(QStringLiteral("bad.zip"));
    if (entry.isEmpty()) {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("PK\x03\x04 broken") > 0);
    } else {
        QVERIFY(fixtures::writeZip(bad, {{"a.xml", fixtures::xml({"<skin>"})}, {entry, "x"}}));
    }
    SkinBuildOptions options = optionsFor(which == QLatin1String("skin") ? bad : twoLayoutSkin());
    options.iconSet = IconSet::FromOtherSkin;
    options.iconSkinFile = which == QLatin1String("icons") ? bad : QString();
    options.importWindows = true;
    options.windowSkinFile = which == QLatin1String("windows") ? bad : QString();
    const QStringList before = filesBelow(m_dir->path());

    const BuildResult result = build(options);
    QVERIFY(!result.ok);
    QVERIFY2(result.message.contains(message), qPrintable(result.message));
    QVERIFY2(result.message.contains(QLatin1String("bad.zip")), qPrintable(result.message));
    QCOMPARE(filesBelow(m_dir->path()), before);
    QVERIFY(!QFileInfo::exists(QStringLiteral("/escaped.png")));
}

void TestSkinBuilder::outputReplacesTheSelectedSkin()
{
    const QString skin = twoLayoutSkin();
    SkinBuildOptions options = optionsFor(skin);
    options.outputPath = skin;
    QVERIFY(build(options).ok);
    const auto files = fixtures::readZip(skin);
    QCOMPARE(QImage::fromData(files.value(QStringLiteral("skin.png")), "PNG").height(), 366);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), (QStringList{"skin.zip"}));
}

void TestSkinBuilder::failedBuildKeepsTheSelectedSkin()
{
    const QString skin = makeSkin(QStringLiteral("skin.zip"), {{"inner/a.xml", "<skin>"}});
    const QByteArray before = readFile(skin);
    SkinBuildOptions options = optionsFor(skin);
    options.outputPath = skin;
    QVERIFY(!build(options).ok);
    QCOMPARE(readFile(skin), before);
}

void TestSkinBuilder::unwritableOutputFolder()
{
    const QString skin = twoLayoutSkin();
    const QByteArray before = readFile(skin);
    SkinBuildOptions options = optionsFor(skin);
    options.outputPath = path(QStringLiteral("skin.zip/out.zip")); // a folder that is a file
    const BuildResult result = build(options);
    QVERIFY(!result.ok);
    QVERIFY2(result.message.startsWith(QLatin1String("Cannot write")), qPrintable(result.message));
    QCOMPARE(readFile(skin), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList("skin.zip"));
}

void TestSkinBuilder::outputNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("suggested") << outputname::suggestedName(QStringLiteral("/s/My.Skin.v2.zip")) << true;
    QTest::newRow("non-ASCII") << "Grüße Skin" << true;
    QTest::newRow("empty replaces the selected skin") << "" << true;
    QTest::newRow("folder part") << "../escaped" << false;
    QTest::newRow("backslash") << "a\\b" << false;
    QTest::newRow("colon") << "a:b" << false;
    QTest::newRow("question mark") << "what?" << false;
    QTest::newRow("control character") << "a\tb" << false;
    QTest::newRow("trailing dot") << "name." << false;
    QTest::newRow("dots only") << ".." << false;
}

void TestSkinBuilder::outputNames()
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

// The builder refuses a file name that some file system cannot hold, whoever made the path.
void TestSkinBuilder::outputFileNameIsChecked()
{
    SkinBuildOptions options = optionsFor(twoLayoutSkin());
    options.outputPath = path(QStringLiteral("a|b.zip"));
    const BuildResult result = build(options);
    QVERIFY(!result.ok);
    QVERIFY2(result.message.contains(QLatin1String("a|b.zip")), qPrintable(result.message));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList("skin.zip"));
}

QTEST_MAIN(TestSkinBuilder)
#include "tst_skinbuilder.moc"
