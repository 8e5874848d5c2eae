// SPDX-License-Identifier: GPL-3.0-or-later
#include "strictpng.h"

#include <QtEndian>
#include <zlib.h>

namespace fixtures {

QString strictPngProblem(const QByteArray &file)
{
    if (!file.startsWith("\x89PNG\r\n\x1a\n"))
        return QStringLiteral("no PNG signature");
    QByteArray stream;
    QByteArray last;
    for (int at = 8; at < file.size();) {
        const qint64 size = at + 12 <= file.size() ? qFromBigEndian<quint32>(file.constData() + at) : -1;
        if (size < 0 || size > file.size() - at - 12)
            return QStringLiteral("a chunk cut short at %1").arg(at);
        const auto *typed = reinterpret_cast<const Bytef *>(file.constData() + at + 4);
        if (qFromBigEndian<quint32>(typed + 4 + size) != quint32(crc32(0, typed, uInt(4 + size))))
            return QStringLiteral("a wrong chunk checksum at %1").arg(at);
        last = file.mid(at + 4, 4);
        if (last == "IDAT")
            stream += file.mid(at + 8, int(size));
        at += int(12 + size);
    }
    if (last != "IEND")
        return QStringLiteral("no IEND at the end");
    if (stream.size() < 2 || (quint8(stream.at(0)) >> 4) > 7)
        return QStringLiteral("no zlib header");
    z_stream zlib{};
    if (inflateInit2(&zlib, (quint8(stream.at(0)) >> 4) + 8) != Z_OK)
        return QStringLiteral("no inflater");
    // A small output buffer leaves zlib only its window to reach back into, as a reader that
    // takes one row at a time does: a distance beyond it fails.
    char out[32];
    zlib.next_in = reinterpret_cast<Bytef *>(stream.data());
    zlib.avail_in = uInt(stream.size());
    int result = Z_OK;
    while (result == Z_OK) {
        zlib.next_out = reinterpret_cast<Bytef *>(out);
        zlib.avail_out = sizeof out;
        result = inflate(&zlib, Z_NO_FLUSH);
    }
    const QString problem = result == Z_STREAM_END
                                ? (zlib.avail_in ? QStringLiteral("data after the zlib stream") : QString())
                                : QStringLiteral("inflate error %1: %2")
                                      .arg(result)
                                      .arg(QString::fromLatin1(zlib.msg ? zlib.msg : ""));
    inflateEnd(&zlib);
    return problem;
}

} // namespace fixtures
