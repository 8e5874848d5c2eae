// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The central directory read by hand, where the archive library falls short: it trusts the
// lengths of extra fields, and it will not open an LZMA entry at all.

#include <QtGlobal>
#include <optional>

class QIODevice;

namespace archive {

struct DirectoryRecords
{
    bool inconsistent = false; // an entry runs past the directory, or an extra block past its field
    qint64 prefixBytes = -1;   // before the archive proper (a self-extractor's program); -1: unknown
};

// What the end record, and the records it points at, say. What this cannot make sense of (no end
// record, a zip64 one, a record that is not an entry) is left to the archive library to judge.
DirectoryRecords readDirectoryRecords(QIODevice &archive);

// Where the stored bytes begin of the entry whose central record is at `record` (counted, as the
// archive library does, without the prefix), when its records agree; not in zip64 records.
std::optional<qint64> dataOffsetFromRecords(QIODevice &archive, qint64 record, qint64 prefixBytes);

} // namespace archive
