// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/images/fxpainter.h"

#include "skin/images/pluginzone.h"
#include "style/style.h"

#include <QLinearGradient>
#include <QPainter>

namespace fxpainter {
namespace {

QBrush verticalGradient(int x, int row, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(x, row, x, row + 25);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

void ring(QPainter &painter, const QRect &area, const QColor &outer, const QColor &inner,
          int start = ringStart, int span = ringSpan)
{
    painter.setBrush(Qt::transparent);
    painter.setPen(QPen(outer, 4));
    painter.drawArc(area, start, span);
    painter.setPen(QPen(inner, 2));
    painter.drawArc(area, start, span);
}

struct ButtonState
{
    const char *border;
    const char *fillStart;
    const char *fillEnd;
};

const ButtonState buttonStates[] = {
    {"fx_buttonborder", "fx_buttonfill_start", "fx_buttonfill_end"},
    {"fx_overbuttonborder", "fx_overbuttonfill_start", "fx_overbuttonfill_end"},
    {"fx_selectbuttonborder", "fx_selectbuttonfill_start", "fx_selectbuttonfill_end"},
};

QColor key(const Style &style, const char *name)
{
    return style.colour(QLatin1String(name));
}

} // namespace

void knobFace(QPainter &painter, const QRect &area, const Style &style)
{
    ring(painter, area, key(style, "fx_knobborderout"), key(style, "fx_back"));
    painter.setBrush(verticalGradient(area.center().x(), area.top(), key(style, "fx_knobback_start"),
                                      key(style, "fx_knobback_end")));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(area.adjusted(4, 4, -4, -4));
}

void knobPointer(QPainter &painter, const QRect &area, const Style &style)
{
    const QColor pointer = key(style, "fx_knobfader");
    const int centre = area.left() + pluginzone::knobRing / 2;
    painter.setBrush(pointer);
    painter.setPen(QPen(pointer, 3));
    painter.drawLine(centre, area.top() + 4, centre, area.top() + 20);
}

void valueRing(QPainter &painter, const QRect &area, const Style &style, int start, int span)
{
    ring(painter, area, key(style, "fx_knobborderout"), key(style, "fx_knobborder"), start, span);
}

void paint(QPainter &painter, int row, const Style &style)
{
    painter.setRenderHint(QPainter::Antialiasing);

    using namespace pluginzone;
    // The knob's three frames: the ring with its face, the pointer, the value ring.
    const QRect ringArea(knobX + knobInset, row, knobRing, knobRing);
    knobFace(painter, ringArea, style);
    knobPointer(painter, ringArea.translated(frameStep, 0), style);
    valueRing(painter, ringArea.translated(2 * frameStep, 0), style, ringStart, ringSpan);

    int x = buttonX;
    for (const ButtonState &state : buttonStates) {
        painter.setPen(QPen(key(style, state.border), 1));
        painter.setBrush(verticalGradient(x, row, key(style, state.fillStart), key(style, state.fillEnd)));
        painter.drawRect(x, row, buttonWidth, buttonHeight);
        x += frameStep;
    }
}

} // namespace fxpainter
