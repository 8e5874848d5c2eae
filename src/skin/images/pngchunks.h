// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The chunks of a PNG file in memory, and those that say what its picture is rather than what
// its pixels are: a grown image keeps those, whichever way its rows were made.

#include <QByteArray>
#include <QString>

namespace pngchunks {

struct Chunk
{
    QByteArray type;
    const uchar *data = nullptr;
    qint64 size = 0;
};

// Walks the chunks of a PNG file in memory, each checked against its CRC.
class Chunks
{
public:
    Chunks(const uchar *file, qint64 size) : m_file(file), m_size(size) {}

    bool isPng() const;
    // The next chunk; empty type at a chunk that is cut short, damaged or malformed.
    Chunk next();
    qint64 offsetOf(const Chunk &chunk) const { return chunk.data - m_file; }

private:
    const uchar *m_file;
    const qint64 m_size;
    qint64 m_at = 8;
};

// The text, colour-space and pixel-size chunks of a PNG file, whole and in their order, to go
// after a grown file's header.
struct Described
{
    QByteArray chunks;
    bool pixelSize = false; // a pHYs chunk is among them
};
Described described(const QString &path);

// Whether `bytes` begin with the PNG signature.
bool startsAsPng(const QByteArray &bytes);

// Where the first chunk of type `type` stands in the PNG file starting with `head`, walking the
// chunk headers only; -1 when its header is not within `head`, or a chunk before it declares more
// bytes than `head` holds.
qint64 findChunk(const QByteArray &head, const char *type);

// Whether the PNG file starting with `head` declares frames of an animation before its image data.
bool animated(const QByteArray &head);

} // namespace pngchunks
