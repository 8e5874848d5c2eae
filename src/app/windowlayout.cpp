#include "windowlayout.h"

#include "textfit.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QRect>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QWheelEvent>

namespace {

struct BandWidget
{
    const char *name;
    QRect compact; // each larger layout moves the band 200 pixels further down
};

const BandWidget bottomBand[] = {
    {"saveAsCaption", {30, 275, 75, 24}},  {"saveAsField", {110, 275, 311, 24}},
    {"saveAsHint", {110, 300, 271, 24}},   {"createSkinButton", {470, 272, 151, 31}},
    {"statusLabel", {630, 268, 371, 34}},  {"buildProgress", {630, 303, 371, 5}},
    {"versionLabel", {640, 310, 361, 20}}, {"bottomBandLine", {10, 264, 990, 1}},
};

constexpr int layoutWidth = 1024;
// A form widget this wide runs across the form (a line, the pages, the preview): it widens with it.
constexpr int spanningWidth = 900;
// The controls at the right end of the pages' heading stay there as the pages widen.
const char *const followTheRightEdge[] = {"resetAllButton", "findColour"};

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
// the frame around the window. Until the window shows, its frame is unknown: a title bar and
// borders as the style draws them are kept free, so that it opens whole.
QRect roomFor(const QMainWindow *window)
{
    const QRect available = window->screen()->availableGeometry();
    if (!window->isVisible() || window->frameGeometry() == window->geometry()) {
        const int border = window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
        const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
        // Sideways a border or two may pass the screen's edge: a narrow screen keeps its pixels.
        return available.adjusted(0, title + border, 0, -border);
    }
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return available.adjusted(inner.left() - frame.left(), inner.top() - frame.top(),
                              inner.right() - frame.right(), inner.bottom() - frame.bottom());
}

QScrollArea *scrollerOf(const QMainWindow *window)
{
    return static_cast<QScrollArea *>(window->centralWidget());
}

// Where a widget sits and how wide it is at the form's own width, kept on the widget itself.
int baseOf(QWidget *widget, const char *property, int now)
{
    const QVariant base = widget->property(property);
    if (base.isValid())
        return base.toInt();
    widget->setProperty(property, now);
    return now;
}

// The rows of a settings page stand in column groups parted by vertical lines: each group moves
// right by its share of the extra width, so every group gains the same room.
void spreadColumns(QWidget *page, int extra)
{
    const QList<QWidget *> children = page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QVector<int> partings;
    for (QWidget *child : children)
        if (const auto *frame = qobject_cast<QFrame *>(child); frame && frame->frameShape() == QFrame::VLine)
            partings << baseOf(child, "baseX", child->x());
    for (QWidget *child : children) {
        const int x = baseOf(child, "baseX", child->x());
        const auto group = std::count_if(partings.cbegin(), partings.cend(), [x](int at) { return at <= x; });
        child->move(x + extra * int(group) / (partings.size() + 1), child->y());
    }
}

void stretchTo(QWidget *form, int extra)
{
    for (QWidget *child : form->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const int width = baseOf(child, "baseWidth", child->width());
        if (width >= spanningWidth)
            child->resize(width + extra, child->height());
    }
    for (const char *name : followTheRightEdge)
        if (QWidget *widget = form->findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            widget->move(baseOf(widget, "baseX", widget->x()) + extra, widget->y());
    if (auto *pages =
            form->findChild<QTabWidget *>(QStringLiteral("settingsPages"), Qt::FindDirectChildrenOnly))
        for (int i = 0; i < pages->count(); ++i)
            spreadColumns(pages->widget(i), extra);
}

// The form's own events and its tab bars' wheel.
class FormFitter : public QObject
{
public:
    FormFitter(QMainWindow *window, QScrollArea *scroller)
        : QObject(window), m_window(window), m_scroller(scroller), m_form(scroller->widget())
    {
        setObjectName(QStringLiteral("formFitter"));
        m_form->installEventFilter(this);
        window->installEventFilter(this);
    }

    WindowLayout layout = WindowLayout::Editing;
    bool keepPlace = false; // restored from an earlier run

    void watchTabBars()
    {
        // Installing twice keeps one filter: the preview's bars join when it is first shown.
        for (QTabBar *bar : m_form->findChildren<QTabBar *>())
            bar->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel && qobject_cast<QTabBar *>(watched)) {
            // The bar slides under a pointer that was scrolling the form: the form goes on scrolling.
            const auto *wheel = static_cast<QWheelEvent *>(event);
            QScrollBar *bar = std::abs(wheel->angleDelta().x()) > std::abs(wheel->angleDelta().y())
                                  ? m_scroller->horizontalScrollBar()
                                  : m_scroller->verticalScrollBar();
            QWheelEvent toBar(QPointF(), QPointF(), wheel->pixelDelta(), wheel->angleDelta(),
                              wheel->buttons(), wheel->modifiers(), wheel->phase(), wheel->inverted());
            QApplication::sendEvent(bar, &toBar);
            return true;
        }
        // The form, not the scroll area, is asked: the form's events go on while the window and
        // the scroll area are taken down.
        if (event->type() == QEvent::Resize && watched == m_form)
            stretchTo(m_form, m_form->width() - layoutWidth);
        // First shown, the window learns its frame: it fits again where that takes more than kept,
        // unless it shows where the user left it.
        if (event->type() == QEvent::Show && watched == m_window && !m_shown) {
            m_shown = true;
            if (!keepPlace)
                QTimer::singleShot(0, m_window, [this] { applyWindowLayout(m_window, layout); });
        }
        return false;
    }

private:
    QMainWindow *m_window;
    QScrollArea *m_scroller;
    QWidget *m_form;
    bool m_shown = false;
};

} // namespace

void makeFormScrollable(QMainWindow *window)
{
    auto *scroller = new QScrollArea(window);
    scroller->setObjectName(QStringLiteral("formScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    QWidget *form = window->takeCentralWidget();
    scroller->setWidget(form);
    scroller->setWidgetResizable(true);
    form->setAutoFillBackground(false);
    scroller->viewport()->setAutoFillBackground(false);
    window->setCentralWidget(scroller);
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    new FormFitter(window, scroller);
}

void stretchForm(QMainWindow *window)
{
    QWidget *form = scrollerOf(window)->widget();
    stretchTo(form, form->width() - layoutWidth);
}

static FormFitter *fitterOf(QMainWindow *window)
{
    return static_cast<FormFitter *>(
        window->findChild<QObject *>(QStringLiteral("formFitter"), Qt::FindDirectChildrenOnly));
}

void keepRestoredPlace(QMainWindow *window)
{
    fitterOf(window)->keepPlace = true;
}

void applyWindowLayout(QMainWindow *window, WindowLayout layout)
{
    FormFitter *fitter = fitterOf(window);
    fitter->layout = layout;
    fitter->watchTabBars();
    const LayoutGeometry geometry = geometryOf(layout);
    for (const BandWidget &band : bottomBand) {
        QWidget *widget = window->findChild<QWidget *>(QLatin1String(band.name));
        widget->setGeometry(band.compact.translated(0, geometry.bandOffset));
        widget->setProperty("baseWidth", QVariant());
        fitText(widget);
    }

    const QSize wanted(layoutWidth, geometry.height);
    const int menuHeight = window->menuWidget() ? window->menuWidget()->sizeHint().height() : 0;
    QScrollArea *scroller = scrollerOf(window);
    scroller->widget()->setMinimumSize(wanted.width(), wanted.height() - menuHeight);
    stretchForm(window);
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;

    const QRect room = roomFor(window);
    QSize size = wanted.boundedTo(room.size());
    // A vertical scroll bar takes width: where the screen has it to spare, the window gives it.
    if (size.height() < wanted.height())
        size.setWidth(
            std::min(wanted.width() + scroller->verticalScrollBar()->sizeHint().width(), room.width()));
    // A width the user gave the window stays; the layout decides the height.
    if (window->isVisible())
        size.setWidth(std::min(std::max(size.width(), window->width()), room.width()));
    window->resize(size);
    if (window->isVisible() && !room.contains(window->geometry()))
        window->move(window->pos() - QPoint(std::max(0, window->geometry().right() - room.right()),
                                            std::max(0, window->geometry().bottom() - room.bottom())));
}
