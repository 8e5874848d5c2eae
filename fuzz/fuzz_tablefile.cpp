// SPDX-License-Identifier: GPL-3.0-or-later
// The key=value reader behind tables and profiles: whatever a profile file holds, the style
// read from it is written as a profile and read back as the same style.

#include "fuzzsupport.h"
#include "style/tablefile.h"

#include <QTemporaryDir>

namespace {

// The same as far as anything can tell: every colour as it is written, every font.
bool sameStyle(const Style &a, const Style &b)
{
    for (const auto &key : stylekeys::colourKeys) {
        if (a.colourName(QLatin1String(key.key)) != b.colourName(QLatin1String(key.key)))
            return false;
    }
    return a.fonts == b.fonts;
}

struct Profile
{
    Style style;
    int lineHeight;
};

// Read the way a profile is loaded: over the built-in table.
Profile readProfile(const QString &path)
{
    StyleTable table;
    tablefile::read(tablefile::defaultTablePath, table);
    FUZZ_CHECK(tablefile::read(path, table), path);
    return {tablefile::derive(table), tablefile::tableLineHeight(table)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("input.pcp"));
    fuzzsupport::writeFile(input, fuzzsupport::bytes(data, size));
    const Profile profile = readProfile(input);

    const QString written = dir.filePath(QStringLiteral("written.pcp"));
    const Result<void> wrote = tablefile::writeProfile(written, profile.style, profile.lineHeight);
    FUZZ_CHECK(bool(wrote), wrote.error());
    const Profile again = readProfile(written);
    FUZZ_CHECK(sameStyle(again.style, profile.style) && again.lineHeight == profile.lineHeight,
               QString::fromLocal8Bit(fixtures::readFile(written)));
    return 0;
}
