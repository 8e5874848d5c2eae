// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/archive/directoryrecords.h"

#include <QByteArray>
#include <QIODevice>

namespace archive {
namespace {

constexpr int recordSize = 46;
constexpr int localHeaderSize = 30;
constexpr int endRecordSize = 22;

int u16(const QByteArray &bytes, int at)
{
    return int(quint8(bytes.at(at))) | int(quint8(bytes.at(at + 1))) << 8;
}

quint32 u32(const QByteArray &bytes, int at)
{
    return quint32(u16(bytes, at)) | quint32(u16(bytes, at + 2)) << 16;
}

} // namespace

// The archive library reads an entry's extra field a few bytes at a time, and trusts its
// length: a few kilobytes whose entries declare long extra fields took seconds to list. No zip
// tool writes an entry that runs past the end of the central directory, or an extra block that
// runs past its field, so such an archive is refused first.
DirectoryRecords readDirectoryRecords(QIODevice &archive)
{
    DirectoryRecords records;
    const qint64 tailStart = qMax(qint64(0), archive.size() - (0xffff + endRecordSize));
    if (!archive.seek(tailStart))
        return records;
    const QByteArray tail = archive.readAll();
    const int end = tail.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + endRecordSize > tail.size())
        return records;
    const int count = u16(tail, end + 10);
    const quint32 size = u32(tail, end + 12);
    const qint64 endAt = tailStart + end;
    const bool zip64 = count == 0xffff || size == 0xffffffffu || u32(tail, end + 16) == 0xffffffffu ||
                       (end >= 20 && tail.mid(end - 20, 4) == QByteArray("PK\x06\x07", 4));
    if (zip64 || size > endAt)
        return records;
    records.prefixBytes = endAt - size - u32(tail, end + 16);
    qint64 at = endAt - size;
    for (int i = 0; i < count; ++i) {
        if (!archive.seek(at))
            return records;
        const QByteArray header = archive.read(recordSize);
        if (header.size() < recordSize || !header.startsWith(QByteArray("PK\x01\x02", 4)))
            return records;
        const int nameLength = u16(header, 28);
        const int extraLength = u16(header, 30);
        const qint64 next = at + recordSize + nameLength + extraLength + u16(header, 32);
        records.inconsistent = next > endAt || !archive.seek(at + recordSize + nameLength);
        if (records.inconsistent)
            return records;
        const QByteArray extra = archive.read(extraLength);
        for (int block = 0; block + 4 <= extra.size(); block += 4 + u16(extra, block + 2)) {
            records.inconsistent = block + 4 + u16(extra, block + 2) > extra.size();
            if (records.inconsistent)
                return records;
        }
        at = next;
    }
    return records;
}

std::optional<qint64> dataOffsetFromRecords(QIODevice &archive, qint64 record, qint64 prefixBytes)
{
    if (prefixBytes < 0 || !archive.seek(record + prefixBytes))
        return std::nullopt;
    const QByteArray central = archive.read(recordSize);
    if (central.size() < recordSize || !central.startsWith(QByteArray("PK\x01\x02", 4)) ||
        u32(central, 42) == 0xffffffffu)
        return std::nullopt;
    const QByteArray name = archive.read(u16(central, 28));
    const qint64 header = qint64(u32(central, 42)) + prefixBytes;
    if (!archive.seek(header))
        return std::nullopt;
    // A local header naming another file of the same length is what unzip -t calls damage.
    const QByteArray local = archive.read(localHeaderSize);
    if (local.size() < localHeaderSize || !local.startsWith(QByteArray("PK\x03\x04", 4)) ||
        u16(local, 8) != u16(central, 10) || u16(local, 26) != u16(central, 28) ||
        archive.read(name.size()) != name)
        return std::nullopt;
    return header + localHeaderSize + u16(local, 26) + u16(local, 28);
}

} // namespace archive
