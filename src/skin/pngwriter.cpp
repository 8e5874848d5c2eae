#include "pngwriter.h"

#include <QThreadPool>
#include <QtEndian>
#include <QVector>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
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

class Encoder
{
public:
    Encoder(const QImage &image, const Settings &settings)
        : m_alpha(image.hasAlphaChannel()),
          m_image(image.convertToFormat(m_alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32)),
          m_settings(settings), m_pixelBytes(m_alpha ? 4 : 3),
          m_rowBytes(qint64(m_image.width()) * m_pixelBytes), m_bandRows(bandRows(m_rowBytes + 1)),
          m_bands((m_image.height() + m_bandRows - 1) / m_bandRows)
    {
    }

    QByteArray run();

private:
    void pixelsOf(int y, quint8 *out) const;
    bool compressBand(int band);
    void work();

    const bool m_alpha;
    const QImage m_image;
    const Settings m_settings;
    const int m_pixelBytes;
    const qint64 m_rowBytes;
    const int m_bandRows;
    const int m_bands;
    QVector<QByteArray> m_chunks; // one IDAT chunk per band
    QVector<quint32> m_adlers;
    QVector<qint64> m_lengths;
    std::atomic<int> m_next{0};
    std::atomic<bool> m_failed{false};
};

void Encoder::pixelsOf(int y, quint8 *out) const
{
    const auto *pixel = reinterpret_cast<const QRgb *>(m_image.constScanLine(y));
    for (int x = 0; x < m_image.width(); ++x, out += m_pixelBytes) {
        out[0] = quint8(qRed(pixel[x]));
        out[1] = quint8(qGreen(pixel[x]));
        out[2] = quint8(qBlue(pixel[x]));
        if (m_alpha)
            out[3] = quint8(qAlpha(pixel[x]));
    }
}

bool Encoder::compressBand(int band)
{
    const int first = band * m_bandRows;
    const int last = qMin(m_image.height(), first + m_bandRows);
    const qint64 stride = m_rowBytes + 1;
    QByteArray filtered(int(stride * (last - first)), Qt::Uninitialized);
    QByteArray rows(int(2 * m_rowBytes), '\0'); // the row above and this one, unfiltered
    auto *above = reinterpret_cast<quint8 *>(rows.data());
    auto *current = above + m_rowBytes;
    if (first > 0)
        pixelsOf(first - 1, above);
    const int bpp = m_pixelBytes;
    for (int y = first; y < last; ++y) {
        pixelsOf(y, current);
        auto *out = reinterpret_cast<quint8 *>(filtered.data()) + (y - first) * stride;
        *out++ = quint8(m_settings.filter);
        const qint64 n = m_rowBytes;
        switch (m_settings.filter) {
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

    const bool lastBand = band == m_bands - 1;
    z_stream stream{};
    // Raw deflate: the bands are joined under one zlib header and checksum written here.
    if (deflateInit2(&stream, m_settings.level, Z_DEFLATED, -15, 8,
                     m_settings.runsOnly ? Z_RLE : Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    const auto *input = reinterpret_cast<const Bytef *>(filtered.constData());
    m_adlers[band] = quint32(adler32(adler32(0, nullptr, 0), input, uInt(filtered.size())));
    m_lengths[band] = filtered.size();
    // Room for the chunk's length and type, the zlib header, the data and a sync marker.
    const QByteArray head = band == 0 ? zlibHeader(m_settings.level) : QByteArray();
    QByteArray chunk(int(8 + head.size() + deflateBound(&stream, uLong(filtered.size())) + 16),
                     Qt::Uninitialized);
    std::copy(head.cbegin(), head.cend(), chunk.begin() + 8);
    stream.next_in = const_cast<Bytef *>(input);
    stream.avail_in = uInt(filtered.size());
    stream.next_out = reinterpret_cast<Bytef *>(chunk.data()) + 8 + head.size();
    stream.avail_out = uInt(chunk.size() - 8 - head.size());
    // A full flush ends every band but the last on a byte boundary with an empty stored block,
    // so the next band's data can follow it directly.
    const int result = deflate(&stream, lastBand ? Z_FINISH : Z_FULL_FLUSH);
    const bool done = lastBand ? result == Z_STREAM_END : result == Z_OK && stream.avail_out > 0;
    const qint64 dataBytes = qint64(head.size()) + qint64(stream.total_out);
    deflateEnd(&stream);
    if (!done || stream.avail_in != 0)
        return false;
    chunk.resize(int(8 + dataBytes + 4));
    qToBigEndian(quint32(dataBytes), chunk.data());
    std::copy_n("IDAT", 4, chunk.begin() + 4);
    const auto *typed = reinterpret_cast<const Bytef *>(chunk.constData() + 4);
    qToBigEndian(quint32(crc32(0, typed, uInt(4 + dataBytes))), chunk.data() + 8 + dataBytes);
    m_chunks[band] = chunk;
    return true;
}

void Encoder::work()
{
    // An exception must not leave a pool thread: it would end the process.
    try {
        for (int band; !m_failed && (band = m_next++) < m_bands;) {
            if (!compressBand(band))
                m_failed = true;
        }
    } catch (const std::bad_alloc &) {
        m_failed = true;
    }
}

QByteArray Encoder::run()
{
    if (m_image.isNull())
        return {};
    m_chunks.resize(m_bands);
    m_adlers.resize(m_bands);
    m_lengths.resize(m_bands);
    {
        // A private pool: the caller may itself be a task of Qt's global one, and it works
        // along rather than wait idle.
        QThreadPool pool;
        const int helpers = qMin(QThreadPool::globalInstance()->maxThreadCount(), m_bands) - 1;
        pool.setMaxThreadCount(qMax(1, helpers));
        for (int i = 0; i < helpers; ++i)
            pool.start([this] { work(); });
        work();
        pool.waitForDone();
    }
    if (m_failed)
        return {};

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    appendBigEndian(header, quint32(m_image.width()));
    appendBigEndian(header, quint32(m_image.height()));
    header += QByteArray::fromRawData("\x08\x06\x00\x00\x00", 5);
    header[9] = char(m_alpha ? 6 : 2); // colour type: RGBA or RGB, 8 bits each
    appendChunk(png, "IHDR", header);
    QByteArray physical;
    appendBigEndian(physical, dotsPerMeter);
    appendBigEndian(physical, dotsPerMeter);
    physical += char(1); // the unit is the metre
    appendChunk(png, "pHYs", physical);
    qint64 total = png.size() + 3 * 16;
    for (const QByteArray &chunk : qAsConst(m_chunks))
        total += chunk.size();
    png.reserve(int(qMin(total, qint64(INT_MAX))));
    quint32 adler = quint32(adler32(0, nullptr, 0));
    for (int band = 0; band < m_bands; ++band) {
        adler = quint32(adler32_combine(adler, m_adlers.at(band), m_lengths.at(band)));
        png += m_chunks.at(band);
        m_chunks[band].clear();
    }
    QByteArray checksum;
    appendBigEndian(checksum, adler);
    appendChunk(png, "IDAT", checksum);
    appendChunk(png, "IEND", {});
    return png;
}

} // namespace

int bandRows(qint64 rowBytes)
{
    return int(qBound(qint64(1), bandBytes / qMax(qint64(1), rowBytes), qint64(1) << 20));
}

QByteArray encode(const QImage &image, const Settings &settings)
{
    try {
        return Encoder(image, settings).run();
    } catch (const std::bad_alloc &) {
        return {};
    }
}

} // namespace pngwriter
