// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/images/pngwriter.h"

#include "support/helperthreads.h"

#include <QBuffer>
#include <QMutex>
#include <QVector>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <new>
#include <utility>
#include <zlib.h>

namespace pngwriter {
namespace {

// About a megabyte of filtered rows per band: enough that starting each band's compression
// afresh costs well under a percent, small enough that a large image keeps every core busy.
constexpr qint64 bandBytes = qint64(1) << 20;
constexpr quint32 dotsPerMeter = 3780; // 96 dots per inch, as every grown image is marked

void appendBigEndian(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void appendChunk(QByteArray &out, const char *type, const QByteArray &data)
{
    appendBigEndian(out, quint32(data.size()));
    const int start = out.size();
    out.append(type, 4);
    out.append(data);
    const auto *typed = reinterpret_cast<const Bytef *>(out.constData() + start);
    appendBigEndian(out, quint32(crc32(0, typed, uInt(out.size() - start))));
}

// Two bytes that open a zlib stream with a 32 KB window; the level bits only inform a reader.
QByteArray zlibHeader(int level)
{
    const quint8 levelBits = level <= 1 ? 0 : level <= 5 ? 1 : level == 6 ? 2 : 3;
    const quint16 header = quint16(0x7800 | levelBits << 6);
    const quint16 check = quint16(31 - header % 31);
    const quint16 value = quint16(header | (check == 31 ? 0 : check));
    const char bytes[] = {char(value >> 8), char(value & 0xff)};
    return QByteArray(bytes, 2);
}

// Written without branches on the data, so the compiler can work on many bytes at once.
inline quint8 paeth(int left, int up, int upLeft)
{
    const int toLeft = std::abs(up - upLeft);
    const int toUp = std::abs(left - upLeft);
    const int toUpLeft = std::abs(left + up - 2 * upLeft);
    const int upOrCorner = toUp <= toUpLeft ? up : upLeft;
    return quint8(toLeft <= toUp && toLeft <= toUpLeft ? left : upOrCorner);
}

// One worker's buffers and compressor, kept from band to band.
struct Workspace
{
    QByteArray filtered;
    QByteArray rows; // the row above and this one, unfiltered
    // A compressor for each coding, made when first needed.
    std::array<z_stream, 4> streams{};
    std::array<bool, 4> started{};
    ~Workspace()
    {
        for (std::size_t i = 0; i < streams.size(); ++i)
            if (started[i])
                deflateEnd(&streams[i]);
    }
};

class Encoder
{
public:
    Encoder(const QImage &image, const Settings &settings, QIODevice &out, const Above *above,
            const pngchunks::Described *described)
        : m_above(above), m_described(described), m_alpha(image.hasAlphaChannel() || above),
          m_image(image.convertToFormat(m_alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32)),
          m_settings(settings), m_out(out), m_pixelBytes(m_alpha ? 4 : 3),
          m_rowBytes(qint64(m_image.width()) * m_pixelBytes), m_bandRows(bandRows(m_rowBytes + 1)),
          m_bands((m_image.height() + m_bandRows - 1) / m_bandRows)
    {
    }

    Outcome run();
    Written written() const { return m_file; }

private:
    template <bool alpha> void pixelsOf(int y, quint8 *out) const;
    void filterRows(int first, int last, Filter filter, Workspace &space) const;
    QByteArray deflateBand(int band, std::size_t coding, Workspace &space) const;
    bool compressBand(int band, Workspace &space);
    void work(bool writes);
    bool writeFinished();
    bool writeAbove();
    bool put(const char *data, qint64 size);
    bool putChunk(const char *length, quint32 chunkCrc, const char *typed, qint64 typedSize, const char *crc);

    const Above *const m_above;
    const pngchunks::Described *const m_described;
    const bool m_alpha;
    const QImage m_image;
    const Settings m_settings;
    QIODevice &m_out;
    const int m_pixelBytes;
    const qint64 m_rowBytes;
    const int m_bandRows;
    const int m_bands;
    // One IDAT chunk per band, held from when it is made until the bands before it are written.
    QMutex m_lock;
    QVector<QByteArray> m_chunks;
    QVector<bool> m_made;
    int m_written = 0;
    QVector<quint32> m_adlers;
    QVector<qint64> m_lengths;
    SharedLoop m_loop{m_bands};
    std::atomic<bool> m_failed{false};
    std::atomic<bool> m_writeFailed{false};
    Written m_file; // so far; only the caller's thread writes
};

template <bool alpha> void Encoder::pixelsOf(int y, quint8 *out) const
{
    const auto *pixel = reinterpret_cast<const QRgb *>(m_image.constScanLine(y));
    const int width = m_image.width();
    if (alpha) {
        // 0xAARRGGBB to the bytes R, G, B, A: whole words, which the compiler can do many at once.
        for (int x = 0; x < width; ++x) {
            const quint32 p = pixel[x];
            const quint32 bytes = (p & 0xff00ff00u) | (p >> 16 & 0xffu) | (p & 0xffu) << 16;
            qToLittleEndian(bytes, out + 4 * x);
        }
        return;
    }
    for (int x = 0; x < width; ++x, out += 3) {
        out[0] = quint8(qRed(pixel[x]));
        out[1] = quint8(qGreen(pixel[x]));
        out[2] = quint8(qBlue(pixel[x]));
    }
}

void Encoder::filterRows(int first, int last, Filter filter, Workspace &space) const
{
    const qint64 stride = m_rowBytes + 1;
    space.filtered.resize(int(stride * (last - first)));
    space.rows.resize(int(2 * m_rowBytes));
    auto *above = reinterpret_cast<quint8 *>(space.rows.data());
    auto *current = above + m_rowBytes;
    const auto pixels = [this](int y, quint8 *out) {
        m_alpha ? pixelsOf<true>(y, out) : pixelsOf<false>(y, out);
    };
    if (first > 0)
        pixels(first - 1, above);
    else
        std::fill_n(above, m_rowBytes, 0);
    const int bpp = m_pixelBytes;
    const qint64 n = m_rowBytes;
    for (int y = first; y < last; ++y) {
        pixels(y, current);
        auto *out = reinterpret_cast<quint8 *>(space.filtered.data()) + (y - first) * stride;
        // The rows above, coded before, are not at hand: with zeros above, Paeth works out as
        // Sub and Up as None, and the row must say so.
        if (y == 0 && m_above)
            *out++ = quint8(filter == Filter::Paeth ? Filter::Sub
                            : filter == Filter::Up  ? Filter::None
                                                    : filter);
        else
            *out++ = quint8(filter);
        switch (filter) {
        case Filter::None:
            std::copy(current, current + n, out);
            break;
        case Filter::Sub:
            std::copy(current, current + bpp, out);
            for (qint64 i = bpp; i < n; ++i)
                out[i] = quint8(current[i] - current[i - bpp]);
            break;
        case Filter::Up:
            for (qint64 i = 0; i < n; ++i)
                out[i] = quint8(current[i] - above[i]);
            break;
        case Filter::Paeth:
            for (qint64 i = 0; i < bpp; ++i)
                out[i] = quint8(current[i] - above[i]);
            for (qint64 i = bpp; i < n; ++i)
                out[i] = quint8(current[i] - paeth(current[i - bpp], above[i], above[i - bpp]));
            break;
        }
        std::swap(above, current);
    }
}

// The band coded one way, as an IDAT chunk; empty when the compressor failed.
QByteArray Encoder::deflateBand(int band, std::size_t coding, Workspace &space) const
{
    const Coding &how = m_settings.codings.at(int(coding));
    const int first = band * m_bandRows;
    filterRows(first, qMin(m_image.height(), first + m_bandRows), how.filter, space);
    z_stream &stream = space.streams.at(coding);
    // Raw deflate: the bands are joined under one zlib header and checksum written by run().
    if (!space.started[coding]) {
        if (deflateInit2(&stream, how.level, Z_DEFLATED, -15, 8, how.runsOnly ? Z_RLE : Z_DEFAULT_STRATEGY) !=
            Z_OK)
            return {};
        space.started[coding] = true;
    } else if (deflateReset(&stream) != Z_OK) {
        return {};
    }
    const QByteArray &filtered = space.filtered;
    const auto *input = reinterpret_cast<const Bytef *>(filtered.constData());
    // Room for the chunk's length and type, the zlib header, the data, a sync marker and the CRC.
    const QByteArray head =
        band == 0 && !m_above ? zlibHeader(m_settings.codings.first().level) : QByteArray();
    QByteArray chunk(int(8 + head.size() + deflateBound(&stream, uLong(filtered.size())) + 16),
                     Qt::Uninitialized);
    std::copy(head.cbegin(), head.cend(), chunk.begin() + 8);
    stream.next_in = const_cast<Bytef *>(input);
    stream.avail_in = uInt(filtered.size());
    stream.next_out = reinterpret_cast<Bytef *>(chunk.data()) + 8 + head.size();
    stream.avail_out = uInt(chunk.size() - 8 - head.size() - 4);
    // A full flush ends every band but the last on a byte boundary with an empty stored block,
    // so the next band's data can follow it directly.
    const bool lastBand = band == m_bands - 1;
    const int result = deflate(&stream, lastBand ? Z_FINISH : Z_FULL_FLUSH);
    const bool done = lastBand ? result == Z_STREAM_END : result == Z_OK && stream.avail_out > 0;
    if (!done || stream.avail_in != 0)
        return {};
    const qint64 dataBytes = qint64(head.size()) + qint64(stream.total_out);
    chunk.resize(int(8 + dataBytes + 4));
    qToBigEndian(quint32(dataBytes), chunk.data());
    std::copy_n("IDAT", 4, chunk.begin() + 4);
    const auto *typed = reinterpret_cast<const Bytef *>(chunk.constData() + 4);
    qToBigEndian(quint32(crc32(0, typed, uInt(4 + dataBytes))), chunk.data() + 8 + dataBytes);
    return chunk;
}

bool Encoder::compressBand(int band, Workspace &space)
{
    QByteArray best;
    quint32 adler = 0;
    const auto codings = std::size_t(m_settings.codings.size());
    if (codings == 0 || codings > space.streams.size())
        return false;
    for (std::size_t coding = 0; coding < codings; ++coding) {
        QByteArray chunk = deflateBand(band, coding, space);
        if (chunk.isEmpty())
            return false;
        if (best.isEmpty() || chunk.size() < best.size()) {
            best = std::move(chunk);
            const auto *filtered = reinterpret_cast<const Bytef *>(space.filtered.constData());
            adler = quint32(adler32(adler32(0, nullptr, 0), filtered, uInt(space.filtered.size())));
        }
        if (best.size() > m_settings.retryBelow * double(space.filtered.size()))
            break;
    }
    QMutexLocker locker(&m_lock);
    m_adlers[band] = adler;
    m_lengths[band] = space.filtered.size();
    m_chunks[band] = best;
    m_made[band] = true;
    return true;
}

// The rows above as one IDAT chunk, written as they are.
bool Encoder::writeAbove()
{
    const QByteArray &stream = m_above->stream;
    char head[8];
    qToBigEndian(quint32(stream.size()), head);
    std::copy_n("IDAT", 4, head + 4);
    char crc[4];
    const auto *data = reinterpret_cast<const Bytef *>(stream.constData());
    const quint32 chunkCrc =
        quint32(crc32(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef *>(head + 4), 4), data,
                      uInt(stream.size())));
    qToBigEndian(chunkCrc, crc);
    if (!put(head, 4) || m_out.write(head + 4, 4) != 4 || m_out.write(stream) != stream.size())
        return false;
    return putChunk(nullptr, chunkCrc, nullptr, 4 + qint64(stream.size()), crc);
}

bool Encoder::put(const char *data, qint64 size)
{
    m_file.crc = quint32(crc32(m_file.crc, reinterpret_cast<const Bytef *>(data), uInt(size)));
    m_file.length += size;
    return m_out.write(data, size) == size;
}

// A chunk's CRC already covers its type and data: the file's CRC takes it over without reading
// them again. Without `typed`, they were written already.
bool Encoder::putChunk(const char *length, quint32 chunkCrc, const char *typed, qint64 typedSize,
                       const char *crc)
{
    if ((length && !put(length, 4)) || (typed && m_out.write(typed, typedSize) != typedSize))
        return false;
    m_file.crc = quint32(crc32_combine(m_file.crc, chunkCrc, typedSize));
    m_file.length += typedSize;
    return put(crc, 4);
}

// Writes the bands made so far that follow the last one written; false when a write failed.
bool Encoder::writeFinished()
{
    QMutexLocker locker(&m_lock);
    while (m_written < m_bands && m_made.at(m_written)) {
        const QByteArray chunk = std::exchange(m_chunks[m_written], QByteArray());
        ++m_written;
        locker.unlock();
        const char *bytes = chunk.constData();
        if (!putChunk(bytes, qFromBigEndian<quint32>(bytes + chunk.size() - 4), bytes + 4, chunk.size() - 8,
                      bytes + chunk.size() - 4)) {
            m_writeFailed = true;
            return false;
        }
        locker.relock();
    }
    return true;
}

void Encoder::work(bool writes)
{
    Workspace space;
    for (int band; (band = m_loop.take()) >= 0;) {
        if (!compressBand(band, space) || (writes && !writeFinished())) {
            m_failed = true;
            m_loop.stop();
        }
    }
}

Outcome Encoder::run()
{
    // Rows above of another width would leave a file that decodes to garbage.
    if (m_image.isNull() || (m_above && m_above->width != m_image.width()))
        return Outcome::CannotEncode;
    m_chunks.resize(m_bands);
    m_made.resize(m_bands);
    m_adlers.resize(m_bands);
    m_lengths.resize(m_bands);

    QByteArray head("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    appendBigEndian(header, quint32(m_image.width()));
    appendBigEndian(header, quint32(m_image.height() + (m_above ? m_above->rows : 0)));
    header += QByteArray::fromRawData("\x08\x06\x00\x00\x00", 5);
    header[9] = char(m_alpha ? 6 : 2); // colour type: RGBA or RGB, 8 bits each
    appendChunk(head, "IHDR", header);
    if (m_described)
        head += m_described->chunks;
    if (!m_described || !m_described->pixelSize) {
        QByteArray physical;
        appendBigEndian(physical, dotsPerMeter);
        appendBigEndian(physical, dotsPerMeter);
        physical += char(1); // the unit is the metre
        appendChunk(head, "pHYs", physical);
    }
    m_file.crc = quint32(crc32(0, nullptr, 0));
    if (!put(head.constData(), head.size()) || (m_above && !writeAbove()))
        return Outcome::CannotWrite;
    {
        // The caller works along and writes the bands in order as they are made, so they are
        // not all held at once.
        HelperThreads helpers(HelperThreads::usefulFor(m_bands), m_loop.guarded([this] { work(false); }));
        m_loop.guarded([this] { work(true); })();
    }
    m_failed = m_failed || m_loop.stopped();
    if (!m_failed)
        writeFinished();
    if (m_writeFailed)
        return Outcome::CannotWrite;
    if (m_failed)
        return Outcome::CannotEncode;

    quint32 adler = m_above ? m_above->adler : quint32(adler32(0, nullptr, 0));
    for (int band = 0; band < m_bands; ++band)
        adler = quint32(adler32_combine(adler, m_adlers.at(band), m_lengths.at(band)));
    QByteArray tail;
    QByteArray checksum;
    appendBigEndian(checksum, adler);
    appendChunk(tail, "IDAT", checksum);
    appendChunk(tail, "IEND", {});
    return put(tail.constData(), tail.size()) ? Outcome::Written : Outcome::CannotWrite;
}

} // namespace

int bandRows(qint64 rowBytes)
{
    return int(qBound(qint64(1), bandBytes / qMax(qint64(1), rowBytes), qint64(1) << 20));
}

Outcome write(const QImage &image, QIODevice &out, const Settings &settings, const Above *above,
              const pngchunks::Described *described, Written *written)
{
    try {
        Encoder encoder(image, settings, out, above, described);
        const Outcome outcome = encoder.run();
        if (written)
            *written = encoder.written();
        return outcome;
    } catch (const std::bad_alloc &) {
        return Outcome::CannotEncode;
    }
}

QByteArray encode(const QImage &image, const Settings &settings)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return write(image, buffer, settings) == Outcome::Written ? buffer.data() : QByteArray();
}

} // namespace pngwriter
