// SPDX-License-Identifier: GPL-3.0-or-later
#include "tabwheel.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

namespace {
class TabWheel : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        QScrollArea *form = nullptr;
        for (QWidget *above = static_cast<QWidget *>(watched)->parentWidget(); above && !form;
             above = above->parentWidget())
            form = qobject_cast<QScrollArea *>(above);
        if (!form)
            return false; // alone, the bar switches pages as usual
        const auto *wheel = static_cast<QWheelEvent *>(event);
        QScrollBar *bar = std::abs(wheel->angleDelta().x()) > std::abs(wheel->angleDelta().y())
                              ? form->horizontalScrollBar()
                              : form->verticalScrollBar();
        QWheelEvent toBar(QPointF(), QPointF(), wheel->pixelDelta(), wheel->angleDelta(), wheel->buttons(),
                          wheel->modifiers(), wheel->phase(), wheel->inverted());
        QApplication::sendEvent(bar, &toBar);
        return true;
    }
};
} // namespace

void passTabWheelToForm(QTabWidget *tabs)
{
    tabs->tabBar()->installEventFilter(new TabWheel(tabs));
}
