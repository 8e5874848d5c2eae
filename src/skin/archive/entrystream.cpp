// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/archive/entrystream.h"

#include <QByteArray>
#include <QIODevice>
#include <zlib.h>

namespace archive {
namespace {

constexpr quint64 chunkSize = 256 * 1024;

// Reads the stored bytes a chunk at a time, never past the entry's end.
class StoredBytes
{
public:
    StoredBytes(QIODevice &archive, const StoredEntry &entry)
        : m_archive(archive), m_left(entry.storedSize),
          m_buffer(int(qMin(chunkSize, qMax(entry.storedSize, quint64(1)))), Qt::Uninitialized)
    {
        m_usable = m_archive.seek(entry.dataOffset);
    }
    // The next chunk's length, 0 at the end, -1 when the file ends first.
    qint64 next()
    {
        if (!m_usable || m_left == 0)
            return m_usable ? 0 : -1;
        const qint64 n = m_archive.read(m_buffer.data(), qint64(qMin(m_left, quint64(m_buffer.size()))));
        if (n <= 0)
            return -1;
        m_left -= quint64(n);
        return n;
    }
    char *data() { return m_buffer.data(); }

private:
    QIODevice &m_archive;
    quint64 m_left;
    QByteArray m_buffer;
    bool m_usable;
};

class Inflater
{
public:
    Inflater() { m_ready = inflateInit2(&m_stream, -MAX_WBITS) == Z_OK; }
    ~Inflater()
    {
        if (m_ready)
            inflateEnd(&m_stream);
    }
    bool ready() const { return m_ready; }
    z_stream &stream() { return m_stream; }

private:
    z_stream m_stream{};
    bool m_ready = false;
};

class Checked
{
public:
    Checked(const StoredEntry &entry, const std::function<bool(const char *, qint64)> &sink)
        : m_entry(entry), m_sink(sink)
    {
    }
    // False when the data runs past the declared size or the sink gives up.
    bool take(const char *data, qint64 length)
    {
        if (length == 0)
            return true;
        if (quint64(length) > m_entry.size - m_made) {
            m_overrun = true;
            return false;
        }
        m_made += quint64(length);
        m_crc = quint32(crc32(m_crc, reinterpret_cast<const Bytef *>(data), uInt(length)));
        if (m_sink && !m_sink(data, length)) {
            m_sinkFailed = true;
            return false;
        }
        return true;
    }
    StreamResult result(bool ended) const
    {
        if (m_sinkFailed)
            return StreamResult::SinkFailed;
        return ended && !m_overrun && m_made == m_entry.size && m_crc == m_entry.crc ? StreamResult::Intact
                                                                                     : StreamResult::Damaged;
    }

private:
    const StoredEntry &m_entry;
    const std::function<bool(const char *, qint64)> &m_sink;
    quint64 m_made = 0;
    quint32 m_crc = 0;
    bool m_overrun = false;
    bool m_sinkFailed = false;
};

StreamResult readStored(StoredBytes &in, Checked &checked)
{
    for (qint64 n; (n = in.next()) != 0;) {
        if (n < 0 || !checked.take(in.data(), n))
            return checked.result(false);
    }
    return checked.result(true);
}

StreamResult readDeflated(StoredBytes &in, Checked &checked, quint64 size, quint64 *consumed = nullptr)
{
    Inflater inflater;
    if (!inflater.ready())
        return StreamResult::Damaged;
    z_stream &stream = inflater.stream();
    QByteArray out(int(qMin(chunkSize, qMax(size, quint64(1024)))), Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.next();
        if (n <= 0) // the stored bytes ended before the stream did
            return checked.result(false);
        stream.next_in = reinterpret_cast<Bytef *>(in.data());
        stream.avail_in = uInt(n);
        do {
            stream.next_out = reinterpret_cast<Bytef *>(out.data());
            stream.avail_out = uInt(out.size());
            const int status = inflate(&stream, Z_NO_FLUSH);
            if (!checked.take(out.constData(), out.size() - qint64(stream.avail_out)))
                return checked.result(false);
            if (status == Z_STREAM_END) {
                if (consumed)
                    *consumed = stream.total_in;
                return checked.result(true);
            }
            if (status != Z_OK && status != Z_BUF_ERROR)
                return checked.result(false);
        } while (stream.avail_out == 0);
    }
}

} // namespace

bool canUnpack(int method)
{
    return method == 0 || method == Z_DEFLATED;
}

StreamResult readEntry(QIODevice &archive, const StoredEntry &entry,
                       const std::function<bool(const char *data, qint64 length)> &sink)
{
    StoredBytes in(archive, entry);
    Checked checked(entry, sink);
    if (entry.method == 0)
        return entry.storedSize == entry.size ? readStored(in, checked) : StreamResult::Damaged;
    // Some zip tools store an empty file as a deflated entry without any stream.
    if (entry.method == Z_DEFLATED && entry.storedSize == 0 && entry.size == 0)
        return StreamResult::Intact;
    if (entry.method == Z_DEFLATED)
        return readDeflated(in, checked, entry.size);
    return StreamResult::Damaged;
}

std::optional<quint64> deflatedLength(QIODevice &archive, const StoredEntry &entry)
{
    StoredBytes in(archive, entry);
    const std::function<bool(const char *, qint64)> noSink;
    Checked checked(entry, noSink);
    quint64 consumed = 0;
    if (entry.method != Z_DEFLATED ||
        readDeflated(in, checked, entry.size, &consumed) != StreamResult::Intact)
        return std::nullopt;
    return consumed;
}

} // namespace archive
