// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's tooltips: the tooltip table's texts put on the widgets it names, all shown or all
// taken off at once. Pages built later join through addWidgetsBelow.

#include <QHash>
#include <QList>
#include <QString>
#include <functional>

class QWidget;

class WindowTooltips
{
public:
    // `rowName` names a row for the tooltips of rows without a text of their own.
    explicit WindowTooltips(std::function<QString(int index, bool font)> rowName);

    void addWidgetsBelow(QWidget *root); // every named widget under it, shown as the others are
    void setShown(bool shown);
    bool shown() const { return m_shown; }

private:
    void show(QWidget *widget) const;
    // The texts of widgets found since, worked out as they are found: a page's rows are named in
    // them, and most pages are not built yet when the window starts.
    void learnTexts(const QList<QWidget *> &widgets);

    std::function<QString(int, bool)> m_rowName;
    QHash<QString, QWidget *> m_widgetsByName; // those found so far
    QHash<QString, QString> m_texts;           // by widget, learnt as found while shown
    bool m_shown = false;
};
