#include "skin/archive/methodpatches.h"

namespace archive {
namespace {

int u16(const QByteArray &bytes, int at)
{
    return int(quint8(bytes.at(at))) | int(quint8(bytes.at(at + 1))) << 8;
}

QByteArray le16(int value)
{
    const char bytes[2] = {char(value & 0xff), char(value >> 8 & 0xff)};
    return QByteArray(bytes, 2);
}

} // namespace

void MethodPatches::expect(int index, int method)
{
    m_methods.insert(index, method);
    m_localHeaders.insert(index, pos());
}

bool MethodPatches::patchLocalHeader(int index)
{
    constexpr int methodField = 8;
    return m_file.seek(m_localHeaders.value(index) + methodField) &&
           m_file.write(le16(m_methods.value(index))) == 2 && m_file.seek(pos());
}

bool MethodPatches::finish()
{
    constexpr int recordSize = 46;
    constexpr int methodField = 10;
    int index = 0;
    for (int at = 0; at + recordSize <= m_held.size() && m_held.mid(at, 4) == QByteArray("PK\x01\x02", 4);
         ++index) {
        if (m_methods.contains(index))
            m_held.replace(at + methodField, 2, le16(m_methods.value(index)));
        at += recordSize + u16(m_held, at + 28) + u16(m_held, at + 30) + u16(m_held, at + 32);
    }
    m_holding = false;
    return m_file.write(m_held) == m_held.size();
}

qint64 MethodPatches::writeData(const char *data, qint64 length)
{
    if (!m_holding)
        return m_file.write(data, length);
    m_held.append(data, int(length));
    return length;
}

} // namespace archive
