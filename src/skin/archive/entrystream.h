// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An entry's data as the archive stores it, read and checked to the end by this program's own
// reader: the archive library stops reading at the declared size, so a deflate stream that
// lacks its last block, or runs on past that size, passed its CRC check unnoticed.

#include <QtGlobal>
#include <functional>
#include <optional>

class QIODevice;
class QString;

namespace archive {

// Where an entry's stored bytes lie in the archive file and what they must unpack to, as its
// central directory record says.
struct StoredEntry
{
    qint64 dataOffset = 0; // the first byte after the local header
    quint64 storedSize = 0;
    quint64 size = 0; // unpacked
    quint32 crc = 0;
    int method = 0;
};

// Methods met in skins besides stored (0) and deflated (8), which alone can be unpacked and
// checked here; these can only be copied as they are stored.
constexpr int bzip2Method = 12;
constexpr int lzmaMethod = 14;

bool canUnpack(int method);

enum class StreamResult { Intact, Damaged, SinkFailed };

// Unpacks the entry from `archive` to the end of its stream, handing each piece to `sink` (when
// there is one; returning false stops the reading). Intact only when the stream ends within its
// stored bytes, having made exactly the declared size with the declared CRC.
StreamResult readEntry(QIODevice &archive, const StoredEntry &entry,
                       const std::function<bool(const char *data, qint64 length)> &sink = {});

// The length of the deflated stream of `entry`, read no further than its stored size: nothing
// unless the stream ends there, whole, with the size and checksum the entry declares.
std::optional<quint64> deflatedLength(QIODevice &archive, const StoredEntry &entry);

} // namespace archive
