#include "windowlayout.h"

#include "textfit.h"

#include <QMainWindow>
#include <QRect>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

namespace {

struct BandWidget
{
    const char *name;
    QRect compact; // each larger layout moves the band 200 pixels further down
};

const BandWidget bottomBand[] = {
    {"saveAsCaption", {30, 275, 61, 24}},  {"skinfile", {110, 275, 311, 24}},
    {"saveAsHint", {110, 300, 271, 24}},   {"createSkinButton", {470, 272, 151, 31}},
    {"statuslabel", {630, 275, 231, 20}},  {"buildprogress", {630, 297, 231, 6}},
    {"versionLabel", {640, 310, 361, 20}}, {"bottomBandLine", {10, 264, 990, 1}},
};

constexpr int layoutWidth = 1024;

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

// The part of the window's screen that the window itself may take: the available area without
// the frame around the window (known once it is shown).
QRect roomFor(const QMainWindow *window)
{
    const QRect available = window->screen()->availableGeometry();
    if (!window->isVisible())
        return available;
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return available.adjusted(inner.left() - frame.left(), inner.top() - frame.top(),
                              inner.right() - frame.right(), inner.bottom() - frame.bottom());
}

} // namespace

void makeFormScrollable(QMainWindow *window)
{
    auto *scroller = new QScrollArea(window);
    scroller->setObjectName(QStringLiteral("formScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    QWidget *form = window->takeCentralWidget();
    scroller->setWidget(form);
    form->setAutoFillBackground(false);
    scroller->viewport()->setAutoFillBackground(false);
    window->setCentralWidget(scroller);
    window->setMinimumSize(0, 0);
}

void applyWindowLayout(QMainWindow *window, WindowLayout layout)
{
    const LayoutGeometry geometry = geometryOf(layout);
    for (const BandWidget &band : bottomBand) {
        QWidget *widget = window->findChild<QWidget *>(QLatin1String(band.name));
        widget->setGeometry(band.compact.translated(0, geometry.bandOffset));
        fitText(widget);
    }

    const QSize wanted(layoutWidth, geometry.height);
    const int menuHeight = window->menuWidget() ? window->menuWidget()->sizeHint().height() : 0;
    auto *scroller = static_cast<QScrollArea *>(window->centralWidget());
    scroller->widget()->setFixedSize(wanted.width(), wanted.height() - menuHeight);

    const QRect room = roomFor(window);
    QSize size = wanted.boundedTo(room.size());
    // A vertical scroll bar takes width: where the screen has it to spare, the window gives it.
    if (size.height() < wanted.height())
        size.setWidth(
            std::min(wanted.width() + scroller->verticalScrollBar()->sizeHint().width(), room.width()));
    window->setMaximumSize(std::max(size.width(), wanted.width()), wanted.height());
    window->resize(size);
    if (window->isVisible() && !room.contains(window->geometry()))
        window->move(window->pos() - QPoint(std::max(0, window->geometry().right() - room.right()),
                                            std::max(0, window->geometry().bottom() - room.bottom())));
}
