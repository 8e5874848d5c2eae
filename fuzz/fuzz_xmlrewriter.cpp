// The line rewriter and the window scan on a layout and a window skin: whenever both are
// well-formed XML, so is what the rewriter writes.
//
// Input: one byte of options, the layout, then optionally a NUL and the window skin's XML.

#include "fuzzsupport.h"
#include "skin/layout/sourcescan.h"
#include "skin/layout/xmlrewriter.h"
#include "style/style.h"

#include <QDir>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

bool wellFormed(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

SkinBuildOptions optionsFrom(uint8_t bits)
{
    SkinBuildOptions options;
    options.changeColours = bits & 1;
    options.floatBrowser = bits & 2;
    options.globalFont = bits & 4;
    options.globalFontName = bits & 8 ? QStringLiteral("Verdana") : QString();
    options.globalSize = bits & 16 ? QStringLiteral("150") : QStringLiteral("80");
    options.iconSet = IconSet((bits >> 5) & 3);
    options.lineHeight = bits & 128 ? QStringLiteral("90") : QStringLiteral("100");
    return options;
}

// The lines the builder reads from an XML file of an unpacked skin.
QList<QStringList> readAsSkin(const QByteArray &xml)
{
    const QTemporaryDir dir;
    if (!xml.isEmpty())
        fuzzsupport::writeFile(dir.filePath(QStringLiteral("layout.xml")), xml);
    return sourcescan::xmlFileLines(dir.path());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const SkinBuildOptions options = optionsFrom(data[0]);
    const QByteArray rest = fuzzsupport::bytes(data + 1, size - 1);
    const int split = rest.indexOf('\0');
    const QByteArray layout = split < 0 ? rest : rest.left(split);
    const QByteArray windowSkin = split < 0 ? QByteArray() : rest.mid(split + 1);

    const QList<QStringList> layoutLines = readAsSkin(layout);
    const QList<QStringList> windowFiles = readAsSkin(windowSkin);
    sourcescan::windowNames(windowFiles);
    std::optional<iconsheets::CustomSheet> customSheet;
    if (options.iconSet == IconSet::FromOtherSkin)
        customSheet = iconsheets::CustomSheet{QStringLiteral("icons.png"), 0, 0, {32, 8, 4}};
    const RewriteContext context{options, fuzzsupport::defaultStyle(), customSheet, windowFiles,
                                 [](const QString &) { return 600; }};
    const RewrittenXml xml = rewriteSkinXml(layoutLines.value(0), QStringLiteral("layout"), context);

    if (wellFormed(layout) && (windowSkin.isEmpty() || wellFormed(windowSkin))) {
        const QByteArray output = xml.lines.join(QLatin1Char('\n')).toUtf8();
        FUZZ_CHECK(
            wellFormed(output),
            QStringLiteral("options %1, output:\n%2").arg(int(data[0])).arg(QString::fromUtf8(output)));
    }
    return 0;
}
