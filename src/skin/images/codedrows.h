#pragma once

// A grown image keeps its picture as it was. When the skin's file is an 8-bit RGBA PNG, its
// compressed rows can go into the grown file unchanged, so that only the rows added below are
// coded: decoding the picture and coding it again was most of a build's time. Nothing is
// carried over before the whole file has been read through and checked.

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
    QVector<Chunk> chunks; // the IDAT chunks, in order
    // Bit positions in the deflate data (after the two-byte zlib header), counted from its first
    // byte's lowest bit: the final block's header, and the end of that block.
    qint64 finalBlock = 0;
    qint64 end = 0;
    quint32 adler = 0; // of the filtered rows
    qint64 length = 0; // filtered bytes, the filter byte of each row included
};

// The rows of the file at `path` when it is a sound, non-interlaced 8-bit RGBA PNG: the checksum
// of every chunk, the zlib stream and its checksum, each row's filter and the exact amount of
// data are checked. Empty for any other file, damaged or not: the image decoder then decides.
std::optional<Found> find(const QString &path);

// The rows as a raw deflate stream that ends on a byte boundary without a final block, so that
// more rows can follow; empty when the file no longer holds what find() saw.
std::optional<pngwriter::Above> carried(const QString &path, const Found &found);

} // namespace codedrows
