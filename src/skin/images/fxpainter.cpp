#include "skin/images/fxpainter.h"

#include "skin/images/pluginzone.h"
#include "style/style.h"

#include <QLinearGradient>
#include <QPainter>

namespace fxpainter {
namespace {

// An open ring whose 90-degree gap faces down, in QPainter's sixteenths of a degree.
constexpr int arcStart = -45 * 16;
constexpr int arcSpan = 270 * 16;

QBrush verticalGradient(int x, int row, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(x, row, x, row + 25);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

void ring(QPainter &painter, const QRect &area, const QColor &outer, const QColor &inner)
{
    painter.setBrush(Qt::transparent);
    painter.setPen(QPen(outer, 4));
    painter.drawArc(area, arcStart, arcSpan);
    painter.setPen(QPen(inner, 2));
    painter.drawArc(area, arcStart, arcSpan);
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

void paint(QPainter &painter, int row, const Style &style)
{
    painter.setRenderHint(QPainter::Antialiasing);

    using namespace pluginzone;
    // The knob's three frames: the ring with its dark face, the pointer, the value ring.
    const int ringLeft = knobX + knobInset;
    const int ringCentre = ringLeft + knobRing / 2;
    ring(painter, QRect(ringLeft, row, knobRing, knobRing), key(style, "fx_knobborderout"),
         key(style, "fx_back"));

    painter.setBrush(
        verticalGradient(ringCentre, row, key(style, "fx_knobback_start"), key(style, "fx_knobback_end")));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(QRect(ringLeft + 4, row + 4, knobRing - 8, knobRing - 8));

    const QColor pointer = key(style, "fx_knobfader");
    painter.setBrush(pointer);
    painter.setPen(QPen(pointer, 3));
    painter.drawLine(ringCentre + frameStep, row + 4, ringCentre + frameStep, row + 20);

    ring(painter, QRect(ringLeft + 2 * frameStep, row, knobRing, knobRing), key(style, "fx_knobborderout"),
         key(style, "fx_knobborder"));

    int x = buttonX;
    for (const ButtonState &state : buttonStates) {
        painter.setPen(QPen(key(style, state.border), 1));
        painter.setBrush(verticalGradient(x, row, key(style, state.fillStart), key(style, state.fillEnd)));
        painter.drawRect(x, row, buttonWidth, buttonHeight);
        x += frameStep;
    }
}

} // namespace fxpainter
