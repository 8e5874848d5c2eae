// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowtooltips.h"

#include "tooltiplist.h"

#include <QWidget>

WindowTooltips::WindowTooltips(std::function<QString(int, bool)> rowName) : m_rowName(std::move(rowName)) {}

void WindowTooltips::addWidgetsBelow(QWidget *root)
{
    QList<QWidget *> found;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!hasTooltip(widget->objectName()))
            continue;
        m_widgetsByName.insert(widget->objectName(), widget);
        found << widget;
    }
    if (!m_shown)
        return;
    learnTexts(found);
    for (QWidget *widget : qAsConst(found))
        show(widget);
}

void WindowTooltips::setShown(bool shown)
{
    m_shown = shown;
    if (shown)
        learnTexts(m_widgetsByName.values());
    for (QWidget *widget : qAsConst(m_widgetsByName))
        show(widget);
}

void WindowTooltips::learnTexts(const QList<QWidget *> &widgets)
{
    QSet<QString> unknown;
    for (const QWidget *widget : widgets)
        if (!m_texts.contains(widget->objectName()))
            unknown.insert(widget->objectName());
    if (unknown.isEmpty())
        return;
    const QMap<QString, QString> texts = tooltipTexts(m_rowName, unknown);
    for (const QString &name : qAsConst(unknown))
        m_texts.insert(name, texts.value(name)); // no text is known too
}

void WindowTooltips::show(QWidget *widget) const
{
    widget->setToolTip(m_shown ? m_texts.value(widget->objectName()) : QString());
}
