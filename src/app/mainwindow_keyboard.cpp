// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard: the standard shortcuts, Quit, where the focus starts, and the list of shortcuts in
// Help.

#include "createskinpanel.h"
#include "dialogs.h"
#include "mainwindow.h"
#include "screenreadernames.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QMenuBar>
#include <QSet>

namespace {

// "Menu › Entry" for every entry of the menu (and its submenus) that has keys.
void listShortcuts(const QMenu *menu, const QString &path, QMap<QString, QString> &rows,
                   QSet<const QAction *> &listed)
{
    for (QAction *action : menu->actions()) {
        const QString name = path + QStringLiteral(" › ") + action->iconText();
        if (action->menu())
            listShortcuts(action->menu(), name, rows, listed);
        else if (!action->shortcuts().isEmpty())
            rows.insert(name, QKeySequence::listToString(action->shortcuts(), QKeySequence::NativeText));
        listed.insert(action);
    }
}

} // namespace

void MainWindow::setUpKeyboard()
{
    // Closing asks about unsaved edits, so Quit does too. Some platforms bind no keys to Quit: these
    // are the ones people expect here.
    auto *quit = new QAction(tr("&Quit"), this);
    quit->setObjectName(QStringLiteral("actionQuit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    ui->menuProfile->addSeparator();
    ui->menuProfile->addAction(quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    // F10 opens the first menu, as on most desktops; the arrow keys go on from there.
    auto *menus = new QAction(tr("Open the Menus"), this);
    menus->setObjectName(QStringLiteral("actionOpenMenus"));
    menus->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(menus);
    connect(menus, &QAction::triggered, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().value(0)); });
    // Tab follows the form from top to bottom: each panel's form is in reading order, and the panels
    // were placed from top to bottom. A typed key goes somewhere from the start: to the first step,
    // choosing the skin.
    m_createSkin->setFocus();

    auto *shortcuts = new QAction(tr("&Keyboard Shortcuts"), this);
    shortcuts->setObjectName(QStringLiteral("actionKeyboardShortcuts"));
    ui->menuHelp->insertAction(ui->actionAbout, shortcuts);
    connect(shortcuts, &QAction::triggered, this, &MainWindow::showKeyboardShortcuts);
}

// Made from the actions themselves, so the list stays true as keys are added or changed.
void MainWindow::showKeyboardShortcuts()
{
    QMap<QString, QString> rows;
    QSet<const QAction *> listed;
    for (const QAction *menu : menuBar()->actions())
        if (menu->menu())
            listShortcuts(menu->menu(), menu->iconText(), rows, listed);
    // Keys of a part of the window rather than a menu (a colour row's), each once.
    for (const QAction *action : findChildren<QAction *>())
        if (!listed.contains(action) && !action->shortcuts().isEmpty() && !action->iconText().isEmpty())
            rows.insert(action->iconText(),
                        QKeySequence::listToString(action->shortcuts(), QKeySequence::NativeText));
    QString table = QStringLiteral("<table>");
    for (auto row = rows.cbegin(); row != rows.cend(); ++row)
        table += QStringLiteral("<tr><td>%1</td><td>&nbsp;&nbsp;%2</td></tr>")
                     .arg(row.key().toHtmlEscaped(), row.value().toHtmlEscaped());
    Dialogs::information(this, withoutMnemonic(tr("&Keyboard Shortcuts")),
                         table + QStringLiteral("</table>"));
}
