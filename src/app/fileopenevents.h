// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// macOS hands the documents a user opens with the program (from Finder, or dropped on its Dock
// icon) to the running application as events, not as arguments: the window opens them as it
// opens the files it was started with.

#include <QObject>

class MainWindow;

class FileOpenEvents : public QObject
{
    Q_OBJECT

public:
    // Watches the application's events for as long as this object lives.
    explicit FileOpenEvents(MainWindow *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MainWindow *m_window;
};
