// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A grown image keeps its picture as it was. When the skin's file is an 8-bit RGBA PNG, its
// compressed rows can go into the grown file unchanged, so that only the rows added below are
// coded: decoding the picture and coding it again was most of a build's time. Nothing is
// carried over before the whole file has been read through and checked; a PNG of another kind
// is checked the same way, which finds damage without decoding it.

#include "skin/images/pngwriter.h"

#include <QSize>
#include <QString>
#include <QVector>
#include <optional>

namespace codedrows {

// Where a PNG file's rows are and what they hold, found by reading it through once.
struct Found
{
    struct Chunk
    {
        qint64 offset; // of the chunk's data in the file
        qint64 size;
    };
    QSize size;
    bool carriable = false; // 8-bit RGBA rows, as a grown image holds them
    QVector<Chunk> chunks;  // the IDAT chunks, in order
    // Bit positions in the deflate data (after the two-byte zlib header), counted from its first
    // byte's lowest bit: the final block's header, and the end of that block.
    qint64 finalBlock = 0;
    qint64 end = 0;
    quint32 adler = 0; // of the filtered rows
    // An image an earlier build grew holds its picture in the blocks before its additions: where
    // they end, when a block ends right after the top `cutRows` rows, and their checksum.
    int cutRows = 0;
    qint64 cut = -1;
    quint32 cutAdler = 0;
};

// The rows of the file at `path` when it is a sound, non-interlaced PNG without a palette: the
// checksum of every chunk, the zlib stream and its checksum, each row's filter and the exact
// amount of data are checked. Empty for any other file, damaged or not: the image decoder then
// decides. `cutRows`, when fewer than the image has, asks for a block boundary after that many
// rows.
std::optional<Found> find(const QString &path, int cutRows = 0);

// The top `rows` rows (all of them, or the cut find() found) of a carriable file as the start of
// a zlib stream that ends on a byte boundary without a final block, so that more rows can follow;
// empty when they cannot be carried or the file no longer holds what find() saw.
std::optional<pngwriter::Above> carried(const QString &path, const Found &found, int rows);

} // namespace codedrows
