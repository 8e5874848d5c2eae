// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/images/pngchunks.h"

#include <QFile>
#include <QtEndian>
#include <cstring>
#include <zlib.h>

namespace pngchunks {
namespace {

constexpr qint64 maxChunk = 0x7fffffff;
const char signature[] = "\x89PNG\r\n\x1a\n";

} // namespace

bool Chunks::isPng() const
{
    return m_size >= 8 && std::memcmp(m_file, signature, 8) == 0;
}

Chunk Chunks::next()
{
    if (m_at + 12 > m_size)
        return {};
    const qint64 size = qFromBigEndian<quint32>(m_file + m_at);
    if (size > maxChunk || size > m_size - m_at - 12)
        return {};
    const uchar *type = m_file + m_at + 4;
    for (int i = 0; i < 4; ++i) {
        const uchar letter = type[i] | 0x20;
        if (letter < 'a' || letter > 'z')
            return {};
    }
    const quint32 stored = qFromBigEndian<quint32>(type + 4 + size);
    if (stored != quint32(crc32(crc32(0, nullptr, 0), type, uInt(4 + size))))
        return {};
    m_at += 12 + size;
    return {QByteArray(reinterpret_cast<const char *>(type), 4), type + 4, size};
}

Described described(const QString &path)
{
    QFile file(path);
    const uchar *memory =
        file.open(QIODevice::ReadOnly) && file.size() > 0 ? file.map(0, file.size()) : nullptr;
    if (!memory || !Chunks(memory, file.size()).isPng())
        return {};
    Described kept;
    bool grey = false;
    // Only the chunks kept are checked: the image data, most of the file, is not read here.
    for (qint64 at = 8; at + 12 <= file.size();) {
        const qint64 size = qFromBigEndian<quint32>(memory + at);
        if (size > maxChunk || size > file.size() - at - 12)
            break;
        const QByteArray type(reinterpret_cast<const char *>(memory + at + 4), 4);
        if (type == "IEND")
            break;
        if (type == "IHDR" && size == 13)
            grey = !(memory[at + 8 + 9] & 2);
        // A grey picture's profile cannot describe the colour pixels it grows into.
        const bool keptType = type == "tEXt" || type == "zTXt" || type == "iTXt" ||
                              (type == "iCCP" && !grey) || type == "sRGB" || type == "gAMA" ||
                              type == "cHRM" || type == "pHYs";
        const auto *typed = memory + at + 4;
        if (keptType && qFromBigEndian<quint32>(typed + 4 + size) ==
                            quint32(crc32(crc32(0, nullptr, 0), typed, uInt(4 + size)))) {
            kept.chunks.append(reinterpret_cast<const char *>(memory + at), int(size + 12));
            kept.pixelSize = kept.pixelSize || type == "pHYs";
        }
        at += 12 + size;
    }
    return kept;
}

bool startsAsPng(const QByteArray &bytes)
{
    return bytes.startsWith(QByteArray::fromRawData(signature, 8));
}

qint64 findChunk(const QByteArray &head, const char *type)
{
    if (!startsAsPng(head))
        return -1;
    qint64 at = 8;
    while (at + 8 <= head.size() && head.mid(int(at) + 4, 4) != type) {
        const qint64 length = qFromBigEndian<quint32>(head.constData() + at);
        if (length > head.size() - at - 12)
            return -1;
        at += 12 + length;
    }
    return at + 8 <= head.size() ? at : -1;
}

bool animated(const QByteArray &head)
{
    const qint64 control = findChunk(head, "acTL");
    const qint64 data = findChunk(head, "IDAT");
    return control >= 0 && (data < 0 || control < data);
}

} // namespace pngchunks
