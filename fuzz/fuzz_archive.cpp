// SPDX-License-Identifier: GPL-3.0-or-later
// Unpacking an untrusted archive: nothing lands outside the folder it is unpacked into, a
// refused archive leaves that folder as it was (empty), and an archive copied entry by entry
// as stored unpacks again to the same files, under the same names, byte for byte and flag for flag.
// An archive an outside reader reads whole is unpacked, unless it is one of those refused on purpose.

#include "fuzzsupport.h"
#include "skin/archive/archive.h"
#include "skin/archive/archiveentry.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <optional>
#include <quazip/quazip.h>
#include <quazip/unzip.h>
#include <zlib.h>

namespace {

// Small enough that a bomb costs milliseconds, large enough for every seed.
const archive::Limits limits{qint64(8) << 20, 64};

QString describe(const QString &error, const QStringList &entries)
{
    return QStringLiteral("extract said: \"%1\"; entries afterwards:\n  %2").arg(error, entries.join("\n  "));
}

// Whether a name lands where it says: relative, each part a plain name, in UTF-8.
bool plainName(const QByteArray &name)
{
    if (name.isEmpty() || QString::fromUtf8(name).toUtf8() != name)
        return false;
    const auto plain = [](char c) { return quint8(c) >= 0x20 && c != 0x7f && c != '\\' && c != ':'; };
    const QList<QByteArray> parts = name.split('/');
    return std::all_of(parts.begin(), parts.end(), [&plain](const QByteArray &part) {
        return !part.isEmpty() && part != "." && part != ".." && std::all_of(part.begin(), part.end(), plain);
    });
}

// zlib's own reading of a deflated entry: its stream ends, having made exactly the declared size.
// Ours holds a deflated entry to that, where minizip and Python's zipfile stop at the size.
bool zlibEndsStream(const QByteArray &stored, quint64 size)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(stored.constData()));
    stream.avail_in = uInt(stored.size());
    QByteArray out(0x10000, Qt::Uninitialized);
    int status = Z_OK;
    while (status == Z_OK && stream.total_out <= size) {
        stream.next_out = reinterpret_cast<Bytef *>(out.data());
        stream.avail_out = uInt(out.size());
        status = inflate(&stream, Z_NO_FLUSH);
    }
    const bool whole = status == Z_STREAM_END && stream.total_out == size;
    inflateEnd(&stream);
    return whole;
}

// Nothing unless minizip reads every entry whole, as long as declared (it checks the CRC only
// then) and with its CRC right, and each local header names its entry as the directory does, as
// Python's zipfile demands; a bomb is read no further than the limit. Else why ours may refuse
// the archive all the same, as words its refusal holds: no entry or more than the limit, a
// password, a stored entry whose two sizes differ or a deflated stream zlib does not end at the
// size, a record past the directory or an extra block past its field, or an entry that is a
// symbolic link, named so that it leaves the folder or is no text, landing where another did, or
// in a method other than stored or deflated. None for a plain archive, which must be unpacked.
std::optional<QStringList> intendedRefusals(const QString &path, const QByteArray &archive)
{
    QuaZip zip(path);
    if (!archive::openForReading(zip))
        return std::nullopt;
    const unzFile file = zip.getUnzFile();
    QStringList why;
    QSet<QByteArray> files, present;
    quint64 total = 0, recordBytes = 0;
    int count = 0;
    // The central directory's size, as its end record gives it: no record may run past it.
    const int end = archive.lastIndexOf(QByteArray("PK\x05\x06", 4));
    const quint32 directorySize = end >= 0 && end + 22 <= archive.size()
                                      ? qFromLittleEndian<quint32>(archive.constData() + end + 12)
                                      : 0;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile(), ++count) {
        unz_file_info64 info{};
        QByteArray name(0x10000, Qt::Uninitialized), extra(0x10000, Qt::Uninitialized);
        if (unzGetCurrentFileInfo64(file, &info, name.data(), uLong(name.size()), extra.data(),
                                    uLong(extra.size()), nullptr, 0) != UNZ_OK ||
            unzOpenCurrentFile(file) != UNZ_OK)
            return std::nullopt;
        name.truncate(int(info.size_filename));
        extra.truncate(int(info.size_file_extra));
        // A record running past the directory, or an extra block longer than what is left of its
        // field, which Python's zipfile calls corrupt.
        recordBytes += 46 + info.size_filename + info.size_file_extra + info.size_file_comment;
        bool inconsistent = recordBytes > directorySize;
        for (int block = 0, length = 0; block + 4 <= extra.size(); block += 4 + length) {
            length = qFromLittleEndian<quint16>(extra.constData() + block + 2);
            inconsistent = inconsistent || block + 4 + length > extra.size();
        }
        if (inconsistent)
            why << QStringLiteral("the extra fields of its entries are inconsistent");
        const qint64 dataAt = qint64(unzGetCurrentFileZStreamPos64(file));
        const qint64 nameAt = dataAt - unzGetLocalExtrafield(file, nullptr, 0) - name.size();
        char buffer[4096];
        int chunk;
        quint64 got = 0;
        while ((chunk = unzReadCurrentFile(file, buffer, sizeof buffer)) > 0 &&
               (total += quint64(chunk)) <= quint64(limits.maxUnpackedBytes))
            got += quint64(chunk);
        if (chunk != 0 || got != info.uncompressed_size || unzCloseCurrentFile(file) != UNZ_OK ||
            archive.mid(nameAt, name.size()) != name)
            return std::nullopt;
        if (info.flag & 1)
            why << QStringLiteral("password-protected");
        else if ((info.compression_method == 0 && info.compressed_size != info.uncompressed_size) ||
                 (info.compression_method == Z_DEFLATED &&
                  !zlibEndsStream(archive.mid(dataAt, qint64(info.compressed_size)), info.uncompressed_size)))
            why << QStringLiteral("is damaged");
        const bool folder = name.endsWith('/');
        const QByteArray place = folder ? name.chopped(1) : name;
        bool clash = files.contains(place) || (!folder && present.contains(place));
        for (int slash = place.indexOf('/'); slash >= 0; slash = place.indexOf('/', slash + 1)) {
            clash = clash || files.contains(place.left(slash));
            present << place.left(slash);
        }
        present << place;
        if (!folder)
            files << place;
        constexpr quint32 typeMask = 0170000, linkType = 0120000;
        if (clash || !plainName(place) || ((info.external_fa >> 16) & typeMask) == linkType ||
            (info.compression_method != 0 && info.compression_method != Z_DEFLATED))
            why << QStringLiteral("its entry \"");
    }
    if (zip.getZipError() != UNZ_OK)
        return std::nullopt;
    if (count == 0)
        why << QStringLiteral("holds no files");
    if (count > 64)
        why << QStringLiteral("more than 64 entries");
    return why;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QTemporaryDir dir;
    const QDir root(dir.path());
    const QString in = root.filePath(QStringLiteral("in.zip")), out = root.filePath(QStringLiteral("out"));
    fuzzsupport::writeFile(in, fuzzsupport::bytes(data, size));
    root.mkdir(QStringLiteral("out"));

    const Result<void> extracted = archive::extract(in, out, limits);
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
        const auto intended = intendedRefusals(in, fuzzsupport::bytes(data, size));
        FUZZ_CHECK(!intended || std::any_of(intended->begin(), intended->end(),
                                            [&error](const QString &why) { return error.contains(why); }),
                   QStringLiteral("refused \"%1\", which minizip reads whole; intended refusals: %2")
                       .arg(error, intended->join(QStringLiteral(", "))));
        return 0;
    }

    // Copying every entry as stored must give an archive that unpacks to the same files.
    const QString again = root.filePath(QStringLiteral("again.zip")),
                  againOut = root.filePath(QStringLiteral("again"));
    root.mkdir(QStringLiteral("unchanged"));
    const Result<void> packed = archive::repack(in, root.filePath(QStringLiteral("unchanged")), again);
    FUZZ_CHECK(packed, packed.error());
    root.mkdir(QStringLiteral("again"));
    const Result<void> extractedAgain = archive::extract(again, againOut, limits);
    FUZZ_CHECK(extractedAgain, extractedAgain.error());
    FUZZ_CHECK(fixtures::storedNames(in) == fixtures::storedNames(again),
               QStringLiteral("a name's bytes or UTF-8 flag changed"));
    FUZZ_CHECK(fixtures::filesBelow(out) == fixtures::filesBelow(againOut),
               describe(error, fixtures::entriesBelow(dir.path())));
    return 0;
}
