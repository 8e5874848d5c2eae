#include "knobimage.h"

#include <QLinearGradient>
#include <QPainter>

namespace preview {

namespace {

// Angles in sixteenths of a degree, counter-clockwise from three o'clock.
constexpr int ringStart = -45 * 16;
constexpr int ringSpan = 270 * 16; // open at the bottom
constexpr int valueStart = 90 * 16;
constexpr int valueSpan = 135 * 16;

const QRect ringBounds(5, 5, 40, 40);
const QRect bodyBounds(10, 10, 30, 30);
const QRect pointer(24, 9, 2, 13);

} // namespace

QImage knobImage(const Style &style)
{
    const QColor back = style.colour(QStringLiteral("fx_back"));
    const QPen noPen(Qt::transparent, 0);

    QImage image(200, 50, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(noPen);
    painter.setBrush(back);
    painter.drawRect(image.rect());

    // A wide arc overdrawn by a narrower one in the background colour leaves the ring's two edges.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(style.colour(QStringLiteral("fx_knobborderout")), 6));
    painter.drawArc(ringBounds, ringStart, ringSpan);
    painter.setPen(QPen(back, 3));
    painter.drawArc(ringBounds, ringStart, ringSpan);
    painter.setPen(QPen(style.colour(QStringLiteral("fx_knobborder")), 3));
    painter.drawArc(ringBounds, valueStart, valueSpan);

    QLinearGradient bodyFill(25, 5, 25, 40);
    bodyFill.setColorAt(0, style.colour(QStringLiteral("fx_knobback_start")));
    bodyFill.setColorAt(1, style.colour(QStringLiteral("fx_knobback_end")));
    painter.setBrush(bodyFill);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(bodyBounds);

    painter.setPen(noPen);
    painter.setBrush(style.colour(QStringLiteral("fx_knobfader")));
    painter.drawRect(pointer);
    return image;
}

} // namespace preview
