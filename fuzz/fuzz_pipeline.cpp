// SPDX-License-Identifier: GPL-3.0-or-later
// The whole build on the sample skin with a fuzzed layout in place of sample-deck.xml, the
// skin also serving as icon and window source: a build either writes an archive that holds
// every entry of the input, or says why it failed and writes nothing; the input is never
// touched and the work folders are left empty. The output passes the archive check any skin
// does, and its images open in a strict reader. (fuzz_rebuild builds outputs again.)
//
// Input: one byte of options, then the layout.

#include "fuzzsupport.h"
#include "skin/archive/archive.h"
#include "skin/skinbuilder.h"
#include "strictpng.h"
#include "style/style.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// The sample skin, unpacked once.
const QString sampleSkin = QStringLiteral(PANELCRAFT_SOURCE_DIR "/examples/sample-skin.zip");

SkinBuildOptions optionsFrom(uint8_t bits, const QString &skin)
{
    SkinBuildOptions options;
    options.selectedSkinFile = skin;
    options.iconSet = IconSet(bits & 3);
    options.iconSkinFile = skin;
    options.floatBrowser = bits & 4;
    options.importWindows = bits & 8;
    options.windowSkinFile = skin;
    options.globalFont = bits & 16;
    options.globalSize = QStringLiteral("120");
    options.changeColours = !(bits & 32);
    return options;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QTemporaryDir dir;
    const QDir root(dir.path());
    // The sample skin with the fuzzed layout in place of its own.
    const QString layoutFolder = root.filePath(QStringLiteral("layout"));
    QDir().mkpath(layoutFolder);
    fuzzsupport::writeFile(QDir(layoutFolder).filePath(QStringLiteral("sample-deck.xml")),
                           fuzzsupport::bytes(data + 1, size - 1));
    const QString input = root.filePath(QStringLiteral("in.zip"));
    const Result<void> packed = archive::repack(sampleSkin, layoutFolder, input);
    FUZZ_CHECK(packed, packed.error());
    const QByteArray inputBytes = fixtures::readFile(input);

    SkinBuildOptions options = optionsFrom(data[0], input);
    options.outputPath = root.filePath(QStringLiteral("out.zip"));
    const QString work = root.filePath(QStringLiteral("work"));
    const BuildResult result = SkinBuilder::build(options, fuzzsupport::defaultStyle(), work);

    FUZZ_CHECK(fixtures::readFile(input) == inputBytes, QStringLiteral("the input archive changed"));
    const QStringList leftInWork = fixtures::entriesBelow(work, QDir::Files);
    FUZZ_CHECK(leftInWork.isEmpty(), leftInWork.join(' '));
    // A layout Qt's reader reads is read: no reason to fail, nor to be kept as it was.
    const bool qtReads = fuzzsupport::qtReadsXml(QString::fromUtf8(fuzzsupport::bytes(data + 1, size - 1)));
    for (const QString &warning : result.warnings)
        FUZZ_CHECK(!qtReads || !(warning.contains(QLatin1String("could not be read")) ||
                                 warning.contains(QLatin1String("well-formed"))),
                   warning);
    if (!result.ok) {
        FUZZ_CHECK(!result.message.isEmpty(), QStringLiteral("a failure without a message"));
        FUZZ_CHECK(!qtReads, result.message);
        FUZZ_CHECK(!QFileInfo::exists(options.outputPath), result.message);
        return 0;
    }
    // What a build writes is held to the limits of what it reads: the output passes the same
    // check as any skin.
    const Result<void> outputCheck =
        archive::Unpacker(options.outputPath, root.filePath(QStringLiteral("check"))).check();
    FUZZ_CHECK(outputCheck, outputCheck.error());
    const QStringList out = fixtures::zipNames(options.outputPath);
    for (const QString &name : fixtures::zipNames(input))
        FUZZ_CHECK(out.contains(name), name + QLatin1String(" is missing"));
    // Every image the build wrote opens in a strict reader.
    const auto written = fixtures::readZip(options.outputPath), given = fixtures::readZip(input);
    for (auto it = written.cbegin(); it != written.cend(); ++it) {
        const QString strict = it.key().endsWith(QLatin1String(".png")) && given.value(it.key()) != it.value()
                                   ? fixtures::strictPngProblem(it.value())
                                   : QString();
        FUZZ_CHECK(strict.isEmpty(), it.key() + QLatin1String(": ") + strict);
    }
    return 0;
}
