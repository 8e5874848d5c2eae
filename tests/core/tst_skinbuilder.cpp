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

} // namespace

class TestSkinBuilder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void defaultIconsGrowTheSharedImageOnce();
    void fileWithoutSkinLineKeepsItsImage();
    void floatingBrowserWithHostColours();
    void sourcesWithoutWhatWasAskedFor();
    void windowsOfAnotherSkin();
    void leftoversOfAnEarlierRunAreNotPacked();
    void noTopLevelXml();
    void unusableArchiveFailsCleanly_data();
    void unusableArchiveFailsCleanly();
    void outputReplacesTheSelectedSkin();
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
    QCOMPARE(fixtures::entriesBelow(root, QDir::Files)
                 .filter(QRegularExpression(QStringLiteral("^(temp|skin|temp2|tempwind|tempicons)/"))),
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

// Without colour changes the floating browser shows the host's colours on the built-in image.
void TestSkinBuilder::floatingBrowserWithHostColours()
{
    SkinBuildOptions options = optionsFor(twoLayoutSkin());
    options.floatBrowser = true;
    options.changeColours = false;
    QVERIFY(build(options).ok);
    const auto files = output();
    QCOMPARE(imageOf(files, QStringLiteral("browserfloat.png")).size(), QSize(801, 204));
    QCOMPARE(
        fixtures::lines(files.value(QStringLiteral("b.xml"))).filter(QStringLiteral("browserfloat")).size(),
        2);
}

// Sources without what was asked for are reported; the skin is still built without them.
void TestSkinBuilder::sourcesWithoutWhatWasAskedFor()
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
    QCOMPARE(imageOf(files, QStringLiteral("skin.png")).size(), QSize(400, 366));
    QCOMPARE(fixtures::lines(files.value(QStringLiteral("a.xml"))).filter(QStringLiteral("<customicons")),
             QStringList());
    QVERIFY(!files.contains(QStringLiteral("win.png")));
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

void TestSkinBuilder::leftoversOfAnEarlierRunAreNotPacked()
{
    QVERIFY(QDir().mkpath(path(QStringLiteral("work/temp"))));
    QVERIFY(fixtures::writeFile(path(QStringLiteral("work/temp/stale.xml")), "<skin>"));
    QVERIFY(build(optionsFor(twoLayoutSkin())).ok);
    QVERIFY(!output().contains(QStringLiteral("stale.xml")));
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
    if (entry.isEmpty())
        QVERIFY(fixtures::writeFile(bad, "PK\x03\x04 broken"));
    else
        QVERIFY(fixtures::writeZip(bad, {{"a.xml", fixtures::xml({"<skin>"})}, {entry, "x"}}));
    SkinBuildOptions options = optionsFor(which == QLatin1String("skin") ? bad : twoLayoutSkin());
    options.iconSet = IconSet::FromOtherSkin;
    options.iconSkinFile = which == QLatin1String("icons") ? bad : QString();
    options.importWindows = true;
    options.windowSkinFile = which == QLatin1String("windows") ? bad : QString();
    const QStringList before = fixtures::entriesBelow(m_dir->path(), QDir::Files);

    const BuildResult result = build(options);
    QVERIFY(!result.ok);
    QVERIFY2(result.message.contains(message), qPrintable(result.message));
    QVERIFY2(result.message.contains(QLatin1String("bad.zip")), qPrintable(result.message));
    QCOMPARE(fixtures::entriesBelow(m_dir->path(), QDir::Files), before);
    QVERIFY(!QFileInfo::exists(QStringLiteral("/escaped.png")));
}

// With no name typed the output replaces the selected skin: only once the new one is whole.
void TestSkinBuilder::outputReplacesTheSelectedSkin()
{
    const QString broken = makeSkin(QStringLiteral("broken.zip"), {{"inner/a.xml", "<skin>"}});
    const QByteArray before = fixtures::readFile(broken);
    SkinBuildOptions options = optionsFor(broken);
    options.outputPath = broken;
    QVERIFY(!build(options).ok);
    QCOMPARE(fixtures::readFile(broken), before);

    options = optionsFor(twoLayoutSkin());
    options.outputPath = options.selectedSkinFile;
    QVERIFY(build(options).ok);
    QCOMPARE(imageOf(fixtures::readZip(options.outputPath), QStringLiteral("skin.png")).height(), 366);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), (QStringList{"broken.zip", "skin.zip"}));
}

void TestSkinBuilder::outputNames_data()
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
