// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowtooltips.h"

#include "tooltiplist.h"

#include <QWidget>

namespace {
QSet<QString> setOf(const QStringList &names)
{
    return QSet<QString>(names.cbegin(), names.cend());
}
} // namespace

WindowTooltips::WindowTooltips(std::function<QString(int, bool)> rowName)
    : m_rowName(std::move(rowName)), m_names(setOf(tooltipWidgets()))
{
}

void WindowTooltips::addWidgetsBelow(QWidget *root)
{
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!m_names.contains(widget->objectName()))
            continue;
        m_widgetsByName.insert(widget->objectName(), widget);
        if (m_shown)
            show(widget);
    }
}

void WindowTooltips::setShown(bool shown)
{
    m_shown = shown;
    if (shown && m_texts.isEmpty())
        m_texts = tooltipTexts(m_rowName);
    for (QWidget *widget : qAsConst(m_widgetsByName))
        show(widget);
}

void WindowTooltips::show(QWidget *widget) const
{
    widget->setToolTip(m_shown ? m_texts.value(widget->objectName()) : QString());
}
