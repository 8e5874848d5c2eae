// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/archive/headerpatches.h"

#include "skin/archive/archiveentry.h"

namespace archive {
namespace {

int u16(const QByteArray &bytes, int at)
{
    return int(quint8(bytes.at(at))) | int(quint8(bytes.at(at + 1))) << 8;
}

quint32 u32(const QByteArray &bytes, int at)
{
    return quint32(u16(bytes, at)) | quint32(u16(bytes, at + 2)) << 16;
}

QByteArray le16(int value)
{
    const char bytes[2] = {char(value & 0xff), char(value >> 8 & 0xff)};
    return QByteArray(bytes, 2);
}

// What the zip format says a reader must support for the method: 4.6 for bzip2, 6.3 for LZMA.
int versionNeeded(int method)
{
    return method == 12 ? 46 : method == 14 ? 63 : 20;
}

} // namespace

void HeaderPatches::expect(int index, int method)
{
    m_methods.insert(index, method);
    m_localHeaders.insert(index, pos());
}

bool HeaderPatches::patchLocalHeader(int index)
{
    constexpr int versionField = 4, methodField = 8;
    const qint64 header = m_localHeaders.value(index);
    const int method = m_methods.value(index);
    return m_file.seek(header + versionField) && m_file.write(le16(versionNeeded(method))) == 2 &&
           m_file.seek(header + methodField) && m_file.write(le16(method)) == 2 && m_file.seek(pos());
}

bool HeaderPatches::finish()
{
    constexpr int recordSize = 46;
    constexpr int versionField = 6, flagsField = 8, methodField = 10, localHeaderField = 42;
    constexpr int localFlagsField = 6;
    const qint64 directory = m_file.pos();
    int index = 0;
    for (int at = 0; at + recordSize <= m_held.size() && m_held.mid(at, 4) == QByteArray("PK\x01\x02", 4);
         ++index) {
        if (m_methods.contains(index)) {
            m_held.replace(at + versionField, 2, le16(versionNeeded(m_methods.value(index))));
            m_held.replace(at + methodField, 2, le16(m_methods.value(index)));
        }
        if (m_withoutUtf8Flag.contains(index)) {
            const QByteArray flags = le16(u16(m_held, at + flagsField) & ~utf8NameFlag);
            m_held.replace(at + flagsField, 2, flags);
            // The library writes the same flags into both headers.
            if (!m_file.seek(qint64(u32(m_held, at + localHeaderField)) + localFlagsField) ||
                m_file.write(flags) != 2)
                return false;
        }
        at += recordSize + u16(m_held, at + 28) + u16(m_held, at + 30) + u16(m_held, at + 32);
    }
    m_holding = false;
    return m_file.seek(directory) && m_file.write(m_held) == m_held.size();
}

qint64 HeaderPatches::writeData(const char *data, qint64 length)
{
    if (!m_holding)
        return m_file.write(data, length);
    m_held.append(data, int(length));
    return length;
}

} // namespace archive
