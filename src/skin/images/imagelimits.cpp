// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/images/imagelimits.h"

#include "skin/images/pngchunks.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace imagelimits {

bool fits(const QSize &size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= maxSide && size.height() <= maxSide &&
           qint64(size.width()) * size.height() <= maxPixels;
}

QString tooLarge(const QSize &size)
{
    return QCoreApplication::translate(
               "imagelimits", "%1 x %2 pixels; images may be at most %3 pixels on a side and %4 megapixels")
        .arg(size.width())
        .arg(size.height())
        .arg(maxSide)
        .arg(maxPixels / 1000000);
}

namespace {

// Where an animation's control chunk stands: before the image data, near the start.
constexpr qint64 headBytes = 64 * 1024;

Measured unusable(const QString &problem)
{
    Measured measured;
    measured.problem = problem;
    return measured;
}

Measured judged(const QSize &size)
{
    Measured measured;
    if (!size.isValid() || size.isEmpty()) {
        measured.problem = QCoreApplication::translate("imagelimits", "is not an image Panelcraft can read");
    } else if (!fits(size)) {
        measured.problem = QCoreApplication::translate("imagelimits", "is %1").arg(tooLarge(size));
        measured.refused = true;
    } else {
        measured.size = size;
    }
    return measured;
}

// Only an animation's first frame would grow, and the others would be lost: it stays as it is.
Measured judged(const QSize &size, const QByteArray &head)
{
    return pngchunks::animated(head) ? unusable(QCoreApplication::translate("imagelimits", "is animated"))
                                     : judged(size);
}

QString damaged()
{
    return QCoreApplication::translate("imagelimits", "is damaged and cannot be decoded");
}

constexpr int chunkHeader = 8;    // length and type
constexpr int chunkOverhead = 12; // and the CRC after the data

// The file's chunk headers are read one by one: a file of any size is walked without reading it.
bool chunksFit(QFile &file)
{
    file.seek(0);
    if (!pngchunks::startsAsPng(file.read(8)))
        return true;
    const qint64 size = file.size();
    for (qint64 at = 8; at + chunkHeader <= size;) {
        file.seek(at);
        const QByteArray header = file.read(chunkHeader);
        const qint64 length = qFromBigEndian<quint32>(header.constData());
        if (header.size() < chunkHeader || length > size - at - chunkOverhead)
            return false;
        if (header.endsWith("IEND"))
            break;
        at += chunkOverhead + length;
    }
    return true;
}

} // namespace

bool chunksFit(const QString &path)
{
    QFile file(path);
    return !file.open(QIODevice::ReadOnly) || chunksFit(file);
}

Measured measure(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return unusable(QCoreApplication::translate("imagelimits", "is missing"));
    if (!chunksFit(file))
        return unusable(damaged());
    file.seek(0);
    return judged(QImageReader(path).size(), file.read(headBytes));
}

std::optional<Measured> measurePng(const QByteArray &head)
{
    // The reader finds the size before the image data; every chunk up to there must lie within
    // the head, or the whole file is measured once unpacked.
    if (pngchunks::findChunk(head, "IDAT") < 0)
        return std::nullopt;
    QBuffer buffer;
    buffer.setData(head);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    return size.isValid() ? std::optional<Measured>(judged(size, head)) : std::nullopt;
}

QImage read(const QString &path, QString *problem, bool *refused)
{
    const Measured measured = measure(path);
    if (refused)
        *refused = measured.refused;
    *problem = measured.problem;
    if (!problem->isEmpty())
        return {};
    QImageReader reader(path);
    QImage image = reader.read();
    // The header may lie about what follows it.
    if (image.isNull() || image.size() != measured.size) {
        *problem = damaged();
        return {};
    }
    return image;
}

} // namespace imagelimits
