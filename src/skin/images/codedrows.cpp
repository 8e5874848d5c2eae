// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/images/codedrows.h"

#include "skin/images/imagelimits.h"
#include "skin/images/pngchunks.h"

#include <QFile>
#include <QtEndian>
#include <cstring>
#include <zlib.h>

namespace codedrows {
namespace {

constexpr qint64 maxChunk = 0x7fffffff;
// A file of countless tiny chunks is left to the decoder rather than listed here.
constexpr int maxRowChunks = 1 << 16;

using pngchunks::Chunk;
using pngchunks::Chunks;

bool critical(const QByteArray &type)
{
    return !(type.at(0) & 0x20);
}

struct Rows
{
    QSize size;
    qint64 stride; // bytes, the filter byte included
    bool rgba;     // 8 bits a sample, red, green, blue and alpha: what a grown image holds
};

// The rows of a non-interlaced PNG without a palette; nothing for anything else.
std::optional<Rows> rowsOf(const Chunk &header)
{
    if (header.type != "IHDR" || header.size != 13)
        return std::nullopt;
    const QSize size(int(qFromBigEndian<quint32>(header.data)),
                     int(qFromBigEndian<quint32>(header.data + 4)));
    const int depth = header.data[8], colour = header.data[9];
    const int channels = colour == 0 ? 1 : colour == 2 ? 3 : colour == 4 ? 2 : colour == 6 ? 4 : 0;
    const bool depthFits =
        depth == 8 || depth == 16 || (colour == 0 && (depth == 1 || depth == 2 || depth == 4));
    if (!imagelimits::fits(size) || channels == 0 || !depthFits || header.data[10] != 0 ||
        header.data[11] != 0 || header.data[12] != 0)
        return std::nullopt;
    return Rows{size, (qint64(size.width()) * channels * depth + 7) / 8 + 1, colour == 6 && depth == 8};
}

// Inflates the IDAT chunks' data as one zlib stream, recording where its blocks start and end,
// and checks each row's filter type and the number of bytes as it goes.
class Stream
{
public:
    // Rows of `stride` bytes, the filter byte included; `cutRows`: rows after which a block
    // boundary is looked for.
    Stream(const QSize &size, qint64 stride, int cutRows)
        : m_stride(stride), m_expected(m_stride * size.height()), m_cutLength(m_stride * cutRows)
    {
        m_ready = inflateInit(&m_zlib) == Z_OK;
    }
    ~Stream()
    {
        if (m_ready)
            inflateEnd(&m_zlib);
    }
    Stream(const Stream &) = delete;
    Stream &operator=(const Stream &) = delete;

    // False when the data is wrong.
    bool feed(const uchar *data, qint64 size);
    bool complete() const { return m_finished && m_length == m_expected && m_finalBlock >= 0; }

    qint64 finalBlock() const { return m_finalBlock - 16; }
    qint64 end() const { return m_end - 16; }
    quint32 adler() const { return quint32(m_zlib.adler); }
    qint64 used() const { return qint64(m_zlib.total_in); }
    qint64 cut() const { return m_cut - 16; }
    quint32 cutAdler() const { return m_cutAdler; }

private:
    bool checkRows(const uchar *out, qint64 size);

    z_stream m_zlib{};
    bool m_ready = false;
    bool m_finished = false;
    const qint64 m_stride;
    const qint64 m_expected;
    const qint64 m_cutLength;
    qint64 m_length = 0;
    qint64 m_cut = -1; // bit where a block starts right after the cut rows
    quint32 m_cutAdler = 0;
    qint64 m_boundary = -1; // bit where the block being inflated started, the zlib header included
    qint64 m_finalBlock = -1;
    qint64 m_end = -1;
    uchar m_out[1 << 16];
};

bool Stream::feed(const uchar *data, qint64 size)
{
    if (!m_ready || m_finished)
        return size == 0;
    m_zlib.next_in = const_cast<uchar *>(data);
    m_zlib.avail_in = uInt(size);
    // A full buffer may leave more to come out of what was already taken in.
    do {
        m_zlib.next_out = m_out;
        m_zlib.avail_out = sizeof m_out;
        // Stopping at every block boundary tells where the final block begins and ends.
        const int result = inflate(&m_zlib, Z_BLOCK);
        if (!checkRows(m_out, qint64(sizeof m_out - m_zlib.avail_out)))
            return false;
        if (result == Z_STREAM_END) {
            m_finished = true;
            return m_zlib.avail_in == 0; // nothing may follow the stream
        }
        if (result != Z_OK && result != Z_BUF_ERROR)
            return false;
        if (m_zlib.data_type & 128) {
            const qint64 bit = qint64(m_zlib.total_in) * 8 - (m_zlib.data_type & 7);
            if (m_zlib.data_type & 64) {
                m_finalBlock = m_boundary;
                m_end = bit;
            } else {
                m_boundary = bit;
            }
            if (m_length == m_cutLength && m_cut < 0) {
                m_cut = bit;
                m_cutAdler = quint32(m_zlib.adler);
            }
        }
    } while (m_zlib.avail_in > 0 || m_zlib.avail_out == 0);
    return true;
}

bool Stream::checkRows(const uchar *out, qint64 size)
{
    if (size > m_expected - m_length)
        return false;
    for (qint64 row = (m_stride - m_length % m_stride) % m_stride; row < size; row += m_stride) {
        if (out[row] > 4)
            return false;
    }
    m_length += size;
    return true;
}

// The rows added below are coded reaching back up to 32 KB, while an optimiser may have declared
// a smaller window for the picture alone; a strict reader stops at the first distance beyond what
// the header declares. Every distance the carried rows use lies within the smaller window and so
// within the full one too: declaring the full window makes the whole stream valid, whereas coding
// the new rows within the old window would cost size and leave a source that already overstepped
// its own header as broken as it came.
void declareFullWindow(QByteArray &stream)
{
    const int method = 0x78; // deflate with a 32 KB window
    const int level = quint8(stream.at(1)) & 0xc0;
    stream[0] = char(method);
    stream[1] = char(level | (31 - (method << 8 | level) % 31) % 31);
}

} // namespace

std::optional<Found> find(const QString &path, int cutRows)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return std::nullopt;
    const uchar *memory = file.map(0, file.size());
    if (!memory)
        return std::nullopt;
    Chunks chunks(memory, file.size());
    if (!chunks.isPng())
        return std::nullopt;
    const auto rows = rowsOf(chunks.next());
    if (!rows)
        return std::nullopt;
    Found found;
    found.size = rows->size;
    found.carriable = rows->rgba;
    Stream stream(found.size, rows->stride, cutRows > 0 && cutRows < found.size.height() ? cutRows : 0);
    bool idatEnded = false;
    for (;;) {
        const Chunk chunk = chunks.next();
        if (chunk.type.isEmpty())
            return std::nullopt;
        if (chunk.type == "IEND") {
            // Bytes after the end are a file that strict readers refuse: the decoder judges it.
            if (chunks.offsetOf(chunk) + 4 != file.size())
                return std::nullopt;
            break;
        }
        if (chunk.type == "IDAT") {
            // The image data is one run of chunks, as a decoder requires.
            if (idatEnded || found.chunks.size() == maxRowChunks || !stream.feed(chunk.data, chunk.size))
                return std::nullopt;
            found.chunks << Found::Chunk{chunks.offsetOf(chunk), chunk.size};
        } else if (critical(chunk.type)) {
            return std::nullopt; // a palette or anything unknown: for the decoder to judge
        } else {
            idatEnded = !found.chunks.isEmpty();
        }
    }
    // The stream ends with its checksum, right after the byte holding the final block's end.
    if (!stream.complete() || (stream.end() + 7) / 8 + 2 + 4 != stream.used())
        return std::nullopt;
    found.finalBlock = stream.finalBlock();
    found.end = stream.end();
    found.adler = stream.adler();
    if (stream.cut() > 0) {
        found.cutRows = cutRows;
        found.cut = stream.cut();
        found.cutAdler = stream.cutAdler();
    }
    return found;
}

std::optional<pngwriter::Above> carried(const QString &path, const Found &found, int rows)
{
    const bool whole = rows == found.size.height();
    if (!found.carriable || (!whole && (rows != found.cutRows || found.cut <= 0)))
        return std::nullopt;
    const qint64 end = whole ? found.end : found.cut;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const uchar *memory = file.size() > 0 ? file.map(0, file.size()) : nullptr;
    const qint64 streamBytes = 2 + (found.end + 7) / 8 + 4;
    if (!memory || found.finalBlock < 0 || found.finalBlock >= found.end || streamBytes > maxChunk - 16)
        return std::nullopt;
    QByteArray stream;
    stream.reserve(int(streamBytes + 5));
    for (const Found::Chunk &chunk : found.chunks) {
        // Its type and checksum must still be what find() saw.
        const uchar *type = memory + chunk.offset - 4;
        if (chunk.offset < 12 || chunk.offset + chunk.size + 4 > file.size() ||
            std::memcmp(type, "IDAT", 4) != 0 ||
            qFromBigEndian<quint32>(type + 4 + chunk.size) !=
                quint32(crc32(crc32(0, nullptr, 0), type, uInt(4 + chunk.size))))
            return std::nullopt;
        stream.append(reinterpret_cast<const char *>(type + 4), int(chunk.size));
    }
    if (stream.size() != streamBytes)
        return std::nullopt;
    // What follows the rows carried goes, the stream's checksum with it.
    stream.truncate(int(2 + (end + 7) / 8));
    declareFullWindow(stream);
    char *deflated = stream.data() + 2;
    if (whole) // the final block becomes one more
        deflated[found.finalBlock / 8] = char(deflated[found.finalBlock / 8] & ~(1 << found.finalBlock % 8));
    // An empty stored block after the last one carried brings the stream to a byte boundary:
    // three header bits of zero, zeros up to the boundary, then a length of 0 and its complement.
    const int endBits = int(end % 8);
    if (endBits > 0)
        deflated[end / 8] = char(deflated[end / 8] & ((1 << endBits) - 1));
    if (endBits == 0 || endBits > 5)
        stream += '\0';
    stream += QByteArray("\0\0\xff\xff", 4);
    return pngwriter::Above{rows, found.size.width(), stream, whole ? found.adler : found.cutAdler};
}

} // namespace codedrows
