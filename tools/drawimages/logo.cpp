// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {
namespace {

constexpr int size = 128;

const QColor accent(0x2f, 0xb5, 0xa8);

// A browser panel: title strip, list rows and one selected row in the accent colour.
void paintPanel(QPainter &p)
{
    const QRectF panel(6, 20, 96, 96);
    QLinearGradient body(0, panel.top(), 0, panel.bottom());
    body.setColorAt(0, QColor(0x3b, 0x40, 0x48));
    body.setColorAt(1, QColor(0x1d, 0x20, 0x25));
    p.setPen(QPen(QColor(0x9a, 0xa4, 0xb0), 3));
    p.setBrush(body);
    p.drawRoundedRect(panel, 14, 14);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9a, 0xa4, 0xb0));
    p.drawRoundedRect(QRectF(16, 31, 46, 6), 3, 3);
    const qreal rowLengths[] = {58, 44, 64, 36, 52};
    for (int row = 0; row < 5; ++row) {
        const qreal y = 46 + row * 13;
        if (row == 2) {
            p.setBrush(accent);
            p.drawRoundedRect(QRectF(12, y - 4, 84, 12), 4, 4);
            p.setBrush(QColor(0x10, 0x2a, 0x28));
        } else {
            p.setBrush(QColor(0x78, 0x82, 0x8e));
        }
        p.drawRoundedRect(QRectF(18, y, rowLengths[row], 4), 2, 2);
    }
}

// The quill in its own frame: the nib's point at the origin, the feather along +x.
QPainterPath vane()
{
    QPainterPath path;
    path.moveTo(34, 0);
    path.cubicTo(52, -22, 94, -26, 122, -2);
    path.cubicTo(98, 13, 64, 14, 34, 0);
    return path;
}

QPainterPath nib()
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(8, -3, 18, -6, 26, -5);
    path.lineTo(26, 5);
    path.cubicTo(18, 6, 8, 3, 0, 0);
    return path;
}

QImage quill()
{
    QImage layer(size, size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(30, 106);
    p.rotate(-52);

    QLinearGradient feather(34, 0, 122, 0);
    feather.setColorAt(0, QColor(0xf4, 0x8c, 0x2a));
    feather.setColorAt(1, QColor(0xff, 0xdb, 0x7a));
    p.setPen(Qt::NoPen);
    p.setBrush(feather);
    p.drawPath(vane());

    // Notches in the vane's edges make it read as a feather rather than a leaf.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap));
    const QLineF notches[] = {{60, -18, 54, -10}, {88, -21, 80, -12}, {70, 11, 64, 5}, {98, 9, 92, 3}};
    for (const QLineF &notch : notches)
        p.drawLine(notch);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    p.setPen(QPen(QColor(0xff, 0xf4, 0xdc), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 0), QPointF(121, -1.5));

    QLinearGradient steel(0, -5, 0, 5);
    steel.setColorAt(0, QColor(0xf0, 0xf3, 0xf6));
    steel.setColorAt(1, QColor(0x9c, 0xa6, 0xb2));
    p.setPen(QPen(QColor(0x4a, 0x52, 0x5c), 1));
    p.setBrush(steel);
    p.drawPath(nib());
    p.drawLine(QPointF(3, 0), QPointF(14, 0));
    return layer;
}

// A stroke of ink leaving the nib, the trace of the restyling.
void paintInk(QPainter &p)
{
    QPainterPath trace;
    trace.moveTo(30, 106);
    trace.cubicTo(22, 114, 12, 116, 6, 110);
    p.setPen(QPen(accent, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trace);
}

} // namespace

QImage logo()
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintPanel(p);
    paintInk(p);
    const QImage feather = quill();
    // A soft shadow lifts the quill off the panel.
    QImage shadow = feather;
    {
        QPainter s(&shadow);
        s.setCompositionMode(QPainter::CompositionMode_SourceIn);
        s.fillRect(shadow.rect(), QColor(0, 0, 0, 110));
    }
    p.drawImage(3, 3, shadow);
    p.drawImage(0, 0, feather);
    return image;
}

} // namespace artwork
