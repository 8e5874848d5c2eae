// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The archive library refuses to write an entry whose method it cannot make itself (LZMA), even
// as stored bytes passed through untouched, and marks one it passes through (bzip2) as needing
// no more than deflate. Such an entry goes in marked as stored, and this device, between the
// library and the file, puts its method back, with the version a reader needs for it: into the
// entry's local header once the entry is written, and into the central directory on its way to
// the file.
//
// The library also flags every name of an archive begun in UTF-8 as UTF-8, while an entry copied
// from a skin keeps its name's bytes as they were, flag or not: the device takes the flag off
// again where the skin's entry had none, in the central directory and in the local header.

#include <QFileDevice>
#include <QHash>
#include <QIODevice>
#include <QSet>

namespace archive {

class HeaderPatches : public QIODevice
{
public:
    explicit HeaderPatches(QFileDevice &file) : m_file(file) {}

    // The entry about to be written, the `index`th of the archive, is to carry `method`.
    void expect(int index, int method);
    // The `index`th entry of the archive is to carry no UTF-8 flag.
    void dropUtf8Flag(int index) { m_withoutUtf8Flag.insert(index); }
    // Puts the method into the local header of the entry just written.
    bool patchLocalHeader(int index);
    // What is written from now on (the central directory) is held back until finish().
    void holdDirectory() { m_holding = true; }
    bool finish();

    bool isSequential() const override { return false; }
    bool seek(qint64 pos) override { return QIODevice::seek(pos) && (m_holding || m_file.seek(pos)); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override;

private:
    QFileDevice &m_file;
    QHash<int, int> m_methods;         // by entry index
    QHash<int, qint64> m_localHeaders; // where each entry's local header starts
    QSet<int> m_withoutUtf8Flag;       // by entry index
    bool m_holding = false;
    QByteArray m_held;
};

} // namespace archive
