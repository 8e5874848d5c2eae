// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"
#include "glyphpainter.h"
#include "glyphs.h"

#include <QLinearGradient>
#include <QPainter>

namespace artwork {
namespace {

constexpr int width = 801;
constexpr int height = 204;
constexpr int stripHeight = 20;
// Where the skin's window element puts the browser and the show/hide button.
const QRect browserArea(5, 20, 790, 170);
const QRect toggleButton(780, 2, 17, 16);

void paintBody(QPainter &p)
{
    QLinearGradient body(0, 0, 0, height);
    body.setColorAt(0, QColor(0x22, 0x22, 0x22));
    body.setColorAt(1, QColor(0x16, 0x16, 0x16));
    p.fillRect(0, 0, width, height, body);
    p.setPen(QColor(0x0c, 0x0c, 0x0c));
    p.setBrush(QColor(0x12, 0x12, 0x12));
    p.drawRect(browserArea.adjusted(-1, 0, 0, 0));
}

void paintTitleStrip(QPainter &p)
{
    QLinearGradient strip(0, 0, 0, stripHeight);
    strip.setColorAt(0, QColor(0x44, 0x44, 0x44));
    strip.setColorAt(1, QColor(0x2c, 0x2c, 0x2c));
    p.fillRect(1, 1, width - 2, stripHeight - 1, strip);
    p.setPen(QColor(0x58, 0x58, 0x58));
    p.drawLine(1, 1, width - 2, 1);
    // A grip of dots says the strip is where the window is dragged.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x80, 0x80, 0x80));
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 2; ++row)
            p.drawEllipse(QPointF(10.5 + 5 * column, 7.5 + 5 * row), 1.3, 1.3);
    }
}

void paintToggleButton(QPainter &p)
{
    const QRectF button = QRectF(toggleButton).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient face(0, button.top(), 0, button.bottom());
    face.setColorAt(0, QColor(0x66, 0x66, 0x66));
    face.setColorAt(1, QColor(0x3a, 0x3a, 0x3a));
    p.setPen(QColor(0x1a, 0x1a, 0x1a));
    p.setBrush(face);
    p.drawRoundedRect(button, 3, 3);
    p.save();
    p.translate(button.center() - QPointF(5, 5));
    p.scale(10.0 / 64, 10.0 / 64);
    paintGlyph(p, glyph::cross, {QColor(0xe0, 0xe0, 0xe0), 1.6});
    p.restore();
}

void paintFrame(QPainter &p)
{
    p.setPen(QColor(0x5a, 0x5a, 0x5a));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
}

// Diagonal ridges in the bottom right corner, the usual sign of a window that can be sized.
void paintSizeGrip(QPainter &p)
{
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    for (int i = 0; i < 3; ++i) {
        const int d = 4 + 4 * i;
        p.drawLine(QPointF(width - 3 - d, height - 3), QPointF(width - 3, height - 3 - d));
    }
}

} // namespace

QImage floatingBrowser()
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintBody(p);
    paintTitleStrip(p);
    p.setRenderHint(QPainter::Antialiasing);
    paintToggleButton(p);
    paintFrame(p);
    paintSizeGrip(p);
    return image;
}

} // namespace artwork
