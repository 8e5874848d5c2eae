// SPDX-License-Identifier: GPL-3.0-or-later
// Colour schemes from anywhere: a file is refused with a line and no colours, or read into a
// style that keeps both floors; a scheme with roles writes out and reads back as the same colours,
// name and author.

#include "colour/colourvision.h"
#include "colour/stylefromscheme.h"
#include "fuzzsupport.h"
#include "style/contrast.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const scheme::ReadResult read = scheme::parse(fuzzsupport::bytes(data, size));
    FUZZ_CHECK(read.error.isEmpty() != read.scheme.colours.isEmpty(), read.error);
    if (!read.error.isEmpty())
        return 0;
    const Style style = stylefromscheme::generate(read.scheme, fuzzsupport::defaultStyle());
    // The colours as a profile or skin holds them, 8 bits a channel.
    const auto written = [&style](int key) { return QColor(style.colours[std::size_t(key)].name()); };
    for (const contrast::TextOnGrounds &row : contrast::table())
        for (int b : row.backgrounds)
            FUZZ_CHECK(contrast::ratio(written(row.text), written(b)) >= 4.5,
                       QLatin1String(stylekeys::colourKeys[row.text].key));
    for (const auto &[a, b] : colourvision::pairsToTellApart())
        FUZZ_CHECK(
            colourvision::leastDifference(style.colours[std::size_t(a)], style.colours[std::size_t(b)]) >= 11,
            QLatin1String(stylekeys::colourKeys[a].key));
    if (read.scheme.kind == scheme::Kind::Palette)
        return 0;
    for (const QByteArray &text : {scheme::base16Text(read.scheme), scheme::paletteText(read.scheme)})
        FUZZ_CHECK(scheme::parse(text).scheme.colours.mid(0, 16) == read.scheme.colours.mid(0, 16),
                   QString::fromUtf8(text));
    // Whatever a name holds, the YAML written of it gives it back.
    const scheme::Scheme back = scheme::parse(scheme::base16Text(read.scheme)).scheme;
    FUZZ_CHECK(back.name == read.scheme.name && back.author == read.scheme.author, read.scheme.name);
    return 0;
}
