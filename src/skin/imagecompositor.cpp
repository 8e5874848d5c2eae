#include "imagecompositor.h"

#include "browserblock.h"
#include "fxpainter.h"
#include "pngwriter.h"

#include "writefailure.h"
#include <QDir>
#include <QFile>
#include <QPainter>

namespace imagecompositor {
namespace {
const int fixedDotsPerMeter = 3780; // 96 dots per inch

QString cannotWriteImage(const QString &path, const QString &why)
{
    return QStringLiteral("Cannot write the image \"%1\": %2").arg(QDir::toNativeSeparators(path), why);
}
} // namespace

QSize canvasSize(const QSize &skin, const QSize &sheet, std::optional<int> pluginRow)
{
    int height = skin.height();
    if (!sheet.isEmpty())
        height += 10 + sheet.height();
    if (pluginRow)
        height = qMax(height, *pluginRow + fxpainter::rowHeight);
    return {skin.width(), height};
}

QImage compose(const QImage &skin, const QImage &sheet, std::optional<int> pluginRow, const Style &style)
{
    QImage canvas(canvasSize(skin.size(), sheet.size(), pluginRow), QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    // A new image takes the screen's resolution, which differs between the window and the CLI;
    // a fixed one keeps the same build byte for byte the same wherever it runs.
    canvas.setDotsPerMeterX(fixedDotsPerMeter);
    canvas.setDotsPerMeterY(fixedDotsPerMeter);
    QPainter painter(&canvas);
    // Copy rather than blend, so half-transparent pixels of the skin keep their exact values.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, skin);
    if (!sheet.isNull())
        painter.drawImage(0, skin.height() + sheetGap, sheet);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (pluginRow)
        fxpainter::paint(painter, *pluginRow, style);
    painter.end();
    return canvas;
}

QString writePng(const QImage &image, const QString &path)
{
    QFile file(path);
    // Unbuffered, so a short write (a full disk) is seen at once, with the system's reason.
    const bool opened = file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    if (!opened)
        return cannotWriteImage(path, file.errorString());
    switch (pngwriter::write(image, file)) {
    case pngwriter::Outcome::Written:
        return {};
    case pngwriter::Outcome::CannotWrite:
        return cannotWriteImage(path, writeFailure(file));
    case pngwriter::Outcome::CannotEncode:
        break;
    }
    return cannotWriteImage(path, image.isNull() ? QStringLiteral("the image is empty")
                                                 : QStringLiteral("there was not enough memory"));
}

QImage floatingBrowserImage(const Style &style)
{
    return compose(QImage(QStringLiteral(":/new/images/myfiles/browserfloat.png")), QImage(),
                   browserblock::floatingPluginRow, style);
}

} // namespace imagecompositor
