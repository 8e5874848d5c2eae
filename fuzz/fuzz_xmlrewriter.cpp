// SPDX-License-Identifier: GPL-3.0-or-later
// The rewriter and the window scan on a layout and a window skin: what Qt's reader reads is read,
// and whenever the layout is well-formed XML, the output is too, every element outside the browsers survives
// once with its bytes and each browser holds its own position and size and the block
// (tests/support/layoutproperty.h).
//
// Input: one byte of options, the layout, then optionally a NUL and the window skin's XML.

#include "fuzzsupport.h"
#include "layoutproperty.h"
#include "skin/layout/browserblock.h"
#include "skin/layout/sourcescan.h"
#include "skin/layout/xmlrewriter.h"
#include "style/style.h"

namespace {

SkinBuildOptions optionsFrom(uint8_t bits)
{
    SkinBuildOptions options;
    options.changeColours = bits & 1;
    options.floatBrowser = bits & 2;
    options.globalFont = bits & 4;
    options.globalFontName = bits & 8 ? QStringLiteral("Verdana") : QString();
    options.globalSize = bits & 16 ? QStringLiteral("150") : QStringLiteral("80");
    options.iconSet = IconSet((bits >> 5) & 3);
    options.lineHeight = bits & 128 ? 90 : 100;
    return options;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const SkinBuildOptions options = optionsFrom(data[0]);
    const QByteArray rest = fuzzsupport::bytes(data + 1, size - 1);
    const int split = rest.indexOf('\0');
    const QString layoutText = QString::fromUtf8(split < 0 ? rest : rest.left(split));
    const QString windowText = split < 0 ? QString() : QString::fromUtf8(rest.mid(split + 1));

    const xmltokens::Document layout = xmltokens::read(layoutText, rewrittenElements());
    const xmltokens::Document window = xmltokens::read(windowText, sourcescan::scannedElements());
    // What Qt's reader reads, ours reads too, unless it holds more elements than a layout may.
    for (const auto &[text, read] : {std::pair{&layoutText, &layout}, {&windowText, &window}})
        FUZZ_CHECK(read->error.isEmpty() || read->refused || !fuzzsupport::qtReadsXml(*text),
                   QStringLiteral("refused as %1:\n%2").arg(read->error, *text));
    const sourcescan::Windows windows = sourcescan::windows({{QStringLiteral("w"), window}});
    // Every image the layout names is there, 600 rows high.
    ImageTable images;
    for (const QString &name : skinImageNames(layout, QStringLiteral("layout")))
        images.insert(name, ImageFacts{name, QSize(400, 600), {}});
    const auto sheet =
        options.iconSet == IconSet::Default ? std::nullopt : std::optional(iconsheets::Layout{32, 8, 4});
    const RewriteContext context{options, fuzzsupport::defaultStyle(), sheet, windows.lines, images};
    const RewrittenXml xml = rewriteSkinXml(layout, QStringLiteral("layout"), context);

    // A layout with several skins puts the plugin row of each: the check knows one.
    if (layout.error.isEmpty() && xml.error.isEmpty() &&
        skinImageNames(layout, QStringLiteral("layout")).size() <= 1) {
        const QStringList block = browserblock::contentBlock(fuzzsupport::defaultStyle(), xml.pluginRow);
        const QString broken =
            layoutproperty::broken(layoutText, xml.text, block, options.changeColours, !options.globalFont);
        FUZZ_CHECK(
            broken.isEmpty(),
            QStringLiteral("options %1: %2\n%3\n->\n%4").arg(int(data[0])).arg(broken, layoutText, xml.text));
    }
    return 0;
}
