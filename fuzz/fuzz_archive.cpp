// SPDX-License-Identifier: GPL-3.0-or-later
// Unpacking an untrusted archive: nothing lands outside the folder it is unpacked into, a
// refused archive leaves that folder as it was (empty), and an archive copied entry by entry
// as stored unpacks again to the same files, under the same names, byte for byte and flag for flag.

#include "fuzzsupport.h"
#include "skin/archive/archive.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Small enough that a bomb costs milliseconds, large enough for every seed.
const archive::Limits limits{qint64(8) << 20, 64};

QString describe(const QString &error, const QStringList &entries)
{
    return QStringLiteral("extract said: \"%1\"; entries afterwards:\n  %2").arg(error, entries.join("\n  "));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QTemporaryDir dir;
    const QDir root(dir.path());
    fuzzsupport::writeFile(root.filePath(QStringLiteral("in.zip")), fuzzsupport::bytes(data, size));
    root.mkdir(QStringLiteral("out"));
    const QString out = root.filePath(QStringLiteral("out"));

    const Result<void> extracted = archive::extract(root.filePath(QStringLiteral("in.zip")), out, limits);
    const QString &error = extracted.error();
    const QStringList entries = fixtures::entriesBelow(dir.path());
    for (const QString &entry : entries) {
        FUZZ_CHECK(entry == QLatin1String("in.zip") || entry == QLatin1String("out") ||
                       entry.startsWith(QLatin1String("out/")),
                   describe(error, entries));
        FUZZ_CHECK(!QFileInfo(root.filePath(entry)).isSymLink(), describe(error, entries));
    }
    if (!extracted) {
        FUZZ_CHECK(entries == QStringList({"in.zip", "out"}), describe(error, entries));
        return 0;
    }

    const QString again = root.filePath(QStringLiteral("again.zip"));
    // Copying every entry as stored must give an archive that unpacks to the same files.
    root.mkdir(QStringLiteral("unchanged"));
    const Result<void> packed = archive::repack(root.filePath(QStringLiteral("in.zip")),
                                                root.filePath(QStringLiteral("unchanged")), again);
    FUZZ_CHECK(packed, packed.error());
    root.mkdir(QStringLiteral("again"));
    const Result<void> extractedAgain =
        archive::extract(again, root.filePath(QStringLiteral("again")), limits);
    FUZZ_CHECK(extractedAgain, extractedAgain.error());
    FUZZ_CHECK(fixtures::storedNames(root.filePath(QStringLiteral("in.zip"))) == fixtures::storedNames(again),
               QStringLiteral("a name's bytes or UTF-8 flag changed"));
    FUZZ_CHECK(fixtures::filesBelow(out) == fixtures::filesBelow(root.filePath(QStringLiteral("again"))),
               describe(error, fixtures::entriesBelow(dir.path())));
    return 0;
}
