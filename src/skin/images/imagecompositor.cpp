// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/images/imagecompositor.h"

#include "skin/images/codedrows.h"
#include "skin/images/fxpainter.h"
#include "skin/images/pluginzone.h"
#include "skin/images/pngwriter.h"

#include "platform/systemerror.h"
#include "skin/images/imagelimits.h"
#include "support/writefailure.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <new>
#ifdef __linux__
#include <sys/mman.h>
#endif

namespace imagecompositor {
namespace {
const int fixedDotsPerMeter = 3780; // 96 dots per inch

// A grown image's pixels. Large ones are asked for in huge pages where the system offers
// them: touching a fresh small page at a time cost a fifth of a build's time.
QImage blankCanvas(const QSize &size)
{
    const qint64 bytes = qint64(size.width()) * 4 * size.height();
    constexpr qint64 hugePage = qint64(2) << 20;
    QImage canvas;
#ifdef MADV_HUGEPAGE
    if (bytes >= 4 * hugePage) {
        const size_t rounded = size_t((bytes + hugePage - 1) / hugePage * hugePage);
        void *memory = std::aligned_alloc(size_t(hugePage), rounded);
        if (!memory)
            throw std::bad_alloc();
        madvise(memory, rounded, MADV_HUGEPAGE);
        canvas = QImage(
            static_cast<uchar *>(memory), size.width(), size.height(), size.width() * 4,
            QImage::Format_ARGB32, [](void *data) { std::free(data); }, memory);
    }
#endif
    if (canvas.isNull())
        canvas = QImage(size, QImage::Format_ARGB32);
    if (canvas.isNull())
        throw std::bad_alloc();
    // A new image takes the screen's resolution, which differs between the window and the CLI;
    // a fixed one keeps the same build byte for byte the same wherever it runs.
    canvas.setDotsPerMeterX(fixedDotsPerMeter);
    canvas.setDotsPerMeterY(fixedDotsPerMeter);
    return canvas;
}

// The rows below a picture of `pictureHeight` rows, in a grown image `width` wide and `height`
// tall: the sheet and the controls, on a canvas of their own. Every way of growing an image
// draws them so: a gradient drawn at another place on a canvas can round to other values.
QImage additions(int width, int pictureHeight, int height, const QImage &sheet, std::optional<int> pluginRow,
                 const Style &style)
{
    QImage below = blankCanvas(QSize(width, height - pictureHeight));
    below.fill(Qt::transparent);
    QPainter painter(&below);
    painter.translate(0, -pictureHeight);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (!sheet.isNull())
        painter.drawImage(0, pictureHeight + pluginzone::sheetGap, sheet);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (pluginRow)
        fxpainter::paint(painter, *pluginRow, style);
    return below;
}

// Puts the additions below the picture that fills the top of `canvas`.
void addBelow(QImage &canvas, int pictureHeight, const QImage &sheet, std::optional<int> pluginRow,
              const Style &style)
{
    if (canvas.height() == pictureHeight)
        return;
    const QImage below = additions(canvas.width(), pictureHeight, canvas.height(), sheet, pluginRow, style);
    for (int y = 0; y < below.height(); ++y)
        std::copy_n(below.constScanLine(y), below.bytesPerLine(), canvas.scanLine(pictureHeight + y));
}
// Copies the picture into the top rows of the canvas as it is: drawn, a picture that is not
// already 8-bit RGBA (16 bits a sample, a palette) would lose the colour of its fully
// transparent pixels.
void putAtTop(QImage &canvas, const QImage &picture)
{
    const QImage rows = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < rows.height(); ++y)
        std::copy_n(rows.constScanLine(y), qsizetype(rows.width()) * 4, canvas.scanLine(y));
}
} // namespace

QString cannotWrite(const QString &path, const QString &why)
{
    return QCoreApplication::translate("imagecompositor", "Cannot write the image \"%1\": %2")
        .arg(QDir::toNativeSeparators(path), why);
}

QSize canvasSize(const QSize &skin, const QSize &sheet, std::optional<int> pluginRow)
{
    int height = skin.height();
    if (!sheet.isEmpty())
        height += pluginzone::sheetSpace + sheet.height();
    if (pluginRow)
        height = qMax(height, *pluginRow + pluginzone::rowHeight);
    return {skin.width(), height};
}

QImage compose(const QImage &skin, const QImage &sheet, std::optional<int> pluginRow, const Style &style)
{
    QImage canvas = blankCanvas(canvasSize(skin.size(), sheet.size(), pluginRow));
    putAtTop(canvas, skin);
    addBelow(canvas, skin.height(), sheet, pluginRow, style);
    return canvas;
}

QImage composeFile(const QString &path, const QSize &picture, const QImage &sheet,
                   std::optional<int> pluginRow, const Style &style, QString *problem)
{
    const imagelimits::Measured measured = imagelimits::measure(path);
    *problem = measured.problem;
    if (!problem->isEmpty())
        return {};
    const QSize size = canvasSize(picture, sheet.size(), pluginRow);
    if (measured.size.width() != size.width() || measured.size.height() > size.height()) {
        QImage skin = imagelimits::read(path, problem);
        if (skin.isNull())
            return {};
        return compose(skin.size() == picture ? skin : skin.copy(QRect(QPoint(0, 0), picture)), sheet,
                       pluginRow, style);
    }
    // Decoded straight into the top of the canvas: no second picture in memory, no copy.
    QImage canvas = blankCanvas(size);
    QImage top(canvas.bits(), size.width(), measured.size.height(), canvas.bytesPerLine(), canvas.format());
    QImageReader reader(path);
    // The header may lie about what follows it.
    if (!reader.read(&top) || top.size() != measured.size) {
        *problem = QCoreApplication::translate("imagecompositor", "is damaged and cannot be decoded");
        return {};
    }
    if (top.constBits() != canvas.constBits()) // the reader chose another format
        putAtTop(canvas, top);
    addBelow(canvas, picture.height(), sheet, pluginRow, style);
    return canvas;
}

std::optional<Result<void>> writeCarriedOver(const QString &source, const codedrows::Found &rows,
                                             const QSize &picture, const QImage &sheet,
                                             std::optional<int> pluginRow, const Style &style,
                                             const QString &target, pngwriter::Written *written)
{
    const int height = picture.height();
    const QSize size = canvasSize(picture, sheet.size(), pluginRow);
    if (size.height() == height || picture.width() != rows.size.width())
        return std::nullopt;
    const auto above = codedrows::carried(source, rows, height);
    if (!above)
        return std::nullopt;
    return writePng(additions(size.width(), height, size.height(), sheet, pluginRow, style), target, &*above,
                    source, written);
}

Result<void> writePng(const QImage &image, const QString &path, const pngwriter::Above *above,
                      const QString &describedBy, pngwriter::Written *written)
{
    const pngchunks::Described described =
        describedBy.isEmpty() ? pngchunks::Described() : pngchunks::described(describedBy);
    QFile file(path);
    // Unbuffered, so a short write (a full disk) is seen at once, with the system's reason.
    const bool opened = file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    if (!opened)
        return Failure{cannotWrite(path, platform::systemErrorText(file.errorString()))};
    switch (pngwriter::write(image, file, {}, above, describedBy.isEmpty() ? nullptr : &described, written)) {
    case pngwriter::Outcome::Written:
        return {};
    case pngwriter::Outcome::CannotWrite:
        return Failure{cannotWrite(path, writeFailure(file))};
    case pngwriter::Outcome::CannotEncode:
        break;
    }
    return Failure{cannotWrite(
        path, image.isNull()
                  ? QCoreApplication::translate("imagecompositor", "the image is empty")
                  : QCoreApplication::translate("imagecompositor", "there was not enough memory"))};
}

QImage floatingBrowserImage(const Style &style)
{
    return compose(QImage(floatingBrowserPath), QImage(), pluginzone::floatingRow, style);
}

} // namespace imagecompositor
