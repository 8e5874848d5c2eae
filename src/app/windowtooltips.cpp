#include "windowtooltips.h"

#include "tooltiplist.h"

#include <QWidget>

WindowTooltips::WindowTooltips(std::function<QString(int, bool)> rowName) : m_rowName(std::move(rowName)) {}

void WindowTooltips::addWidgetsBelow(QWidget *root)
{
    for (QWidget *widget : root->findChildren<QWidget *>())
        if (!widget->objectName().isEmpty())
            m_widgetsByName.insert(widget->objectName(), widget);
    if (m_shown)
        setShown(true);
}

void WindowTooltips::setShown(bool shown)
{
    m_shown = shown;
    if (shown && m_texts.isEmpty())
        m_texts = tooltipTexts(m_rowName);
    for (const QString &name : tooltipWidgets())
        if (QWidget *widget = m_widgetsByName.value(name))
            widget->setToolTip(shown ? m_texts.value(name) : QString());
}
