// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fileopenevents.h"

#include "app/mainwindow.h"

#include <QCoreApplication>
#include <QFileOpenEvent>

FileOpenEvents::FileOpenEvents(MainWindow *window) : m_window(window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool FileOpenEvents::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FileOpen)
        return QObject::eventFilter(watched, event);
    m_window->openFiles({static_cast<QFileOpenEvent *>(event)->file()});
    return true;
}
