#include "windowlayout.h"

#include "textfit.h"

#include <QRect>
#include <QWidget>

namespace {

struct BandWidget
{
    const char *name;
    QRect compact; // each larger layout moves the band 200 pixels further down
};

const BandWidget bottomBand[] = {
    {"label_33", {30, 275, 61, 24}},      {"skinfile", {110, 275, 311, 24}},
    {"label_34", {110, 300, 271, 24}},    {"dothejob", {470, 272, 151, 31}},
    {"statuslabel", {630, 275, 231, 20}}, {"buildprogress", {630, 297, 231, 6}},
    {"label_67", {640, 310, 361, 20}},    {"line_7", {10, 264, 990, 1}},
};

struct LayoutGeometry
{
    int bandOffset;
    int height;
};

LayoutGeometry geometryOf(WindowLayout layout)
{
    switch (layout) {
    case WindowLayout::Compact:
        return {0, 375};
    case WindowLayout::Editing:
        return {200, 560};
    case WindowLayout::Full:
        break;
    }
    return {400, 770};
}

} // namespace

void applyWindowLayout(QWidget *window, WindowLayout layout)
{
    const LayoutGeometry geometry = geometryOf(layout);
    for (const BandWidget &band : bottomBand) {
        QWidget *widget = window->findChild<QWidget *>(QLatin1String(band.name));
        widget->setGeometry(band.compact.translated(0, geometry.bandOffset));
        fitText(widget);
    }
    window->resize(1024, geometry.height);
}
