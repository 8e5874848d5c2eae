// SPDX-License-Identifier: GPL-3.0-or-later
#include "themestyle.h"
#include "theme.h"

#include <QEvent>
#include <QFrame>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace {
const QColor indicatorBorder(120, 120, 120);
const QColor quietGrey(90, 90, 90); // tab borders, a tab under the pointer, dividers
const QColor tabPane(30, 30, 30);
const int indicatorSize = 13;
const qreal buttonRadius = 2;
const qreal tabRadius = 4;
const int tabPaddingX = 8;
const int tabPaddingY = 4;
const int buttonPaddingX = 6;
const int buttonMinimumHeight = 23; // inside the border
const int tooltipFrame = 3;         // a border and some room

// A rectangle's outline one pixel wide, drawn on the pixels at its edge.
QRectF outlineOf(const QRect &rect)
{
    return QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
}

// The sign of the menu bar's button for the menus it has no room for: two chevrons, drawn at the
// size asked for when first shown. The base style reads three pictures for it as the menu bar is
// made, for a button a window of ordinary width never shows.
class MoreMenusIcon : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        // The menu bar is light in both themes.
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(mode == QIcon::Disabled ? QColor(150, 150, 150) : QColor(40, 40, 40),
                             qMax(1.0, rect.width() / 10.0)));
        const QRectF box = QRectF(rect).adjusted(rect.width() / 4.0, rect.height() / 4.0, -rect.width() / 4.0,
                                                 -rect.height() / 4.0);
        for (const qreal left : {box.left(), box.center().x()}) {
            const qreal right = left + box.width() / 2;
            painter->drawPolyline(
                QPolygonF({{left, box.top()}, {right, box.center().y()}, {left, box.bottom()}}));
        }
        painter->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, picture.rect(), mode, state);
        return picture;
    }
    QIconEngine *clone() const override { return new MoreMenusIcon; }
};
} // namespace

ThemeStyle::ThemeStyle(bool dark) : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), m_dark(dark)
{
}

QPalette ThemeStyle::standardPalette() const
{
    return themePalette(baseStyle()->standardPalette(), m_dark);
}

void ThemeStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    // The base style marks the focus only once a key has moved it, and showing a window forgets
    // that a key did: a window that starts with its focus on a button would show no focus at all.
    if (widget->isWindow()) {
        widget->setAttribute(Qt::WA_KeyboardFocusChange);
        widget->installEventFilter(this);
    }
}

void ThemeStyle::unpolish(QWidget *widget)
{
    widget->removeEventFilter(this);
    QProxyStyle::unpolish(widget);
}

bool ThemeStyle::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType())
        static_cast<QWidget *>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
    return QProxyStyle::eventFilter(watched, event);
}

// The theme's buttons are light grey, lighter under the pointer, cream with an orange border
// when focused; a button coloured by its own sheet (the preview's) keeps its colour.
void ThemeStyle::drawButtonFace(const QStyleOption *option, QPainter *painter) const
{
    const bool enabled = option->state & State_Enabled;
    const bool focused = enabled && (option->state & State_HasFocus);
    QColor face = option->palette.color(QPalette::Button);
    if (enabled && face == darkbutton::face && (option->state & State_MouseOver))
        face = darkbutton::hoverFace;
    else if (focused && face == darkbutton::face)
        face = darkbutton::focusedFace;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(focused ? darkbutton::focusBorder : Qt::black);
    painter->setBrush(face);
    painter->drawRoundedRect(outlineOf(option->rect), buttonRadius, buttonRadius);
    painter->restore();
}

// A white box with a dark mark, whatever the text colour around it; greyed when off and disabled.
void ThemeStyle::drawIndicator(const QStyleOption *option, QPainter *painter, bool round) const
{
    const bool enabled = option->state & State_Enabled;
    const bool on = option->state & State_On;
    const QRect box(option->rect.topLeft(), QSize(indicatorSize, indicatorSize));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, round);
    painter->setPen(enabled && (option->state & State_HasFocus) ? darkbutton::focusBorder : indicatorBorder);
    painter->setBrush(!enabled && !on ? darkbutton::disabledFace : Qt::white);
    if (round)
        painter->drawEllipse(outlineOf(box));
    else
        painter->drawRect(outlineOf(box));
    if (on && round) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(Qt::black);
        painter->drawEllipse(QRectF(box).center(), 3, 3);
    } else if (on) {
        const QPixmap mark(QStringLiteral(":/myfiles/checkmark.png"));
        painter->drawPixmap(box.adjusted(1, 1, -1, -1), mark);
    }
    painter->restore();
}

void ThemeStyle::drawTab(const QStyleOption *option, QPainter *painter) const
{
    const bool selected = option->state & State_Selected;
    const QRectF outline = outlineOf(option->rect);
    QPainterPath path(outline.bottomLeft());
    path.lineTo(outline.left(), outline.top() + tabRadius);
    path.quadTo(outline.topLeft(), {outline.left() + tabRadius, outline.top()});
    path.lineTo(outline.right() - tabRadius, outline.top());
    path.quadTo(outline.topRight(), {outline.right(), outline.top() + tabRadius});
    path.lineTo(outline.bottomRight());
    path.closeSubpath();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(quietGrey);
    painter->setBrush(selected                            ? QColor(Qt::white)
                      : (option->state & State_MouseOver) ? quietGrey
                                                          : QColor(Qt::black));
    painter->drawPath(path);
    painter->restore();
}

void ThemeStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    // A push button shows its focus on its border, not by a frame inside it as well.
    if (element == PE_FrameFocusRect && qobject_cast<const QPushButton *>(widget))
        return;
    if (m_dark) {
        switch (element) {
        case PE_IndicatorCheckBox:
        case PE_IndicatorRadioButton:
            return drawIndicator(option, painter, element == PE_IndicatorRadioButton);
        case PE_PanelScrollAreaCorner:
            // Between two light scroll bars.
            painter->fillRect(option->rect, baseStyle()->standardPalette().window());
            return;
        case PE_FrameTabWidget:
            painter->save();
            painter->setPen(quietGrey);
            painter->setBrush(tabPane);
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            painter->restore();
            return;
        default:
            break;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ThemeStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    if (m_dark) {
        switch (element) {
        case CE_PushButton:
            // The face shows the focus: no focus frame inside it.
            drawControl(CE_PushButtonBevel, option, painter, widget);
            if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option)) {
                QStyleOptionButton label(*button);
                label.rect = subElementRect(SE_PushButtonContents, option, widget);
                drawControl(CE_PushButtonLabel, &label, painter, widget);
            }
            return;
        case CE_PushButtonBevel:
            return drawButtonFace(option, painter);
        case CE_TabBarTabShape:
            return drawTab(option, painter);
        case CE_TabBarTabLabel:
            if (const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option)) {
                QStyleOptionTab label(*tab);
                label.palette.setColor(QPalette::WindowText,
                                       label.state & State_Selected ? Qt::black : Qt::white);
                return QProxyStyle::drawControl(element, &label, painter, widget);
            }
            break;
        case CE_ShapedFrame:
            // Dividers: a quiet grey line on the dark ground, not the light relief of the base style.
            if (const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
                frame && (frame->frameShape == QFrame::HLine || frame->frameShape == QFrame::VLine)) {
                const QRect &r = option->rect;
                painter->fillRect(frame->frameShape == QFrame::HLine
                                      ? QRect(r.left(), r.center().y(), r.width(), 1)
                                      : QRect(r.center().x(), r.top(), 1, r.height()),
                                  quietGrey);
                return;
            }
            break;
        default:
            break;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QIcon ThemeStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new MoreMenusIcon);
    return QProxyStyle::standardIcon(icon, option, widget);
}

QRect ThemeStyle::subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const
{
    // A page fills its pane up to the pane's border.
    if (m_dark && element == SE_TabWidgetTabContents)
        return QProxyStyle::subElementRect(SE_TabWidgetTabPane, option, widget).adjusted(1, 1, -1, -1);
    return QProxyStyle::subElementRect(element, option, widget);
}

int ThemeStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (m_dark) {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return indicatorSize;
        case PM_ToolTipLabelFrameWidth:
            return tooltipFrame;
        case PM_TabBarTabHSpace:
            return 2 * (tabPaddingX + 1);
        case PM_TabBarTabVSpace:
            return 2 * (tabPaddingY + 1);
        case PM_TabBarTabShiftHorizontal:
        case PM_TabBarTabShiftVertical:
        case PM_TabBarTabOverlap:
        case PM_TabBarBaseOverlap:
        case PM_ButtonShiftHorizontal:
        case PM_ButtonShiftVertical:
            return 0;
        default:
            break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize ThemeStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contents,
                                   const QWidget *widget) const
{
    if (m_dark && type == CT_PushButton)
        return {contents.width() + 2 * (buttonPaddingX + 1),
                qMax(contents.height(), buttonMinimumHeight) + 2};
    if (m_dark && type == CT_TabBarTab)
        return contents;
    return QProxyStyle::sizeFromContents(type, option, contents, widget);
}
