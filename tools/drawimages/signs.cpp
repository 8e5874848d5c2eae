// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"
#include "glyphpainter.h"
#include "glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {
namespace {

constexpr int signSize = 21;
// At 21 pixels the glyph strokes would shrink to hairlines; keep them close to two pixels.
constexpr qreal signStrokeScale = 1.1;

QImage emptySign(int scale)
{
    QImage image(signSize * scale, signSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Drawn at the scale itself, not enlarged afterwards: every edge falls on the device's pixels.
void startSign(QPainter &p, int scale)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
}

void paintSignGlyph(QPainter &p, const char *script, const QRectF &box, const QColor &ink)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 64, box.height() / 64);
    paintGlyph(p, script, {ink, signStrokeScale});
    p.restore();
}

} // namespace

QImage helpSign(int scale)
{
    QImage image = emptySign(scale);
    QPainter p(&image);
    startSign(p, scale);
    QLinearGradient fill(0, 0, 0, signSize);
    fill.setColorAt(0, QColor(0x5a, 0xaa, 0xef));
    fill.setColorAt(1, QColor(0x23, 0x68, 0xb5));
    p.setPen(QPen(QColor(0x17, 0x4a, 0x85), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1, 1, 19, 19));
    paintSignGlyph(p, glyph::question, QRectF(2.5, 2.5, 16, 16), Qt::white);
    return image;
}

QImage warningSign(int scale)
{
    QImage image = emptySign(scale);
    QPainter p(&image);
    startSign(p, scale);
    QPainterPath triangle;
    triangle.moveTo(10.5, 2);
    triangle.lineTo(19.5, 18.5);
    triangle.lineTo(1.5, 18.5);
    triangle.closeSubpath();
    QLinearGradient fill(0, 2, 0, 19);
    fill.setColorAt(0, QColor(0xff, 0xd0, 0x40));
    fill.setColorAt(1, QColor(0xf0, 0xa0, 0x10));
    p.setPen(QPen(QColor(0xb8, 0x74, 0x00), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(triangle);
    paintSignGlyph(p, glyph::exclamation, QRectF(4, 5.5, 13, 13), QColor(0x20, 0x20, 0x20));
    return image;
}

QImage checkMark()
{
    constexpr int size = 11;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{1.5, 5.5}, {4.5, 8.5}, {9.5, 2}}));
    return image;
}

} // namespace artwork
