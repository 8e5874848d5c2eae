// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/knobimage.h"

#include "skin/images/fxpainter.h"
#include "skin/images/pluginzone.h"

#include <QPainter>

namespace preview {

QImage knobImage(const Style &style)
{
    QImage image(200, 50, QImage::Format_ARGB32_Premultiplied);
    image.fill(style.colour(QStringLiteral("fx_back")));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The frames the host lays over each other, drawn by the skin's own painter; the value ring
    // shows a knob turned halfway, from the ring's left end up to twelve o'clock.
    const QRect ring(5, 5, pluginzone::knobRing, pluginzone::knobRing);
    fxpainter::knobFace(painter, ring, style);
    fxpainter::valueRing(painter, ring, style, 90 * 16, 135 * 16);
    fxpainter::knobPointer(painter, ring, style);
    return image;
}

} // namespace preview
