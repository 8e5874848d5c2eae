// "Open Recent" in the Browser Profile menu: the profiles last opened or saved, newest first.

#include "dialogs.h"
#include "mainwindow.h"
#include "settingsfile.h"
#include "ui_mainwindow.h"

#include <QFileInfo>
#include <QMenu>

void MainWindow::setUpRecentProfiles()
{
    m_recentMenu = new QMenu(tr("Open &Recent"), this);
    m_recentMenu->setObjectName(QStringLiteral("menuRecent"));
    const QList<QAction *> actions = ui->menuProfile->actions();
    ui->menuProfile->insertMenu(actions.value(actions.indexOf(ui->menuOpen->menuAction()) + 1), m_recentMenu);
    showRecentProfiles();
}

void MainWindow::showRecentProfiles()
{
    // The chosen entry's action is still delivering its signal: it goes once that is done.
    for (QAction *old : m_recentMenu->actions()) {
        m_recentMenu->removeAction(old);
        old->setParent(nullptr);
        old->deleteLater();
    }
    for (int i = 0; i < m_recentProfiles.size(); ++i) {
        const QString path = m_recentProfiles[i];
        QString name = QFileInfo(path).fileName();
        QAction *action = m_recentMenu->addAction(
            tr("&%1 %2").arg(i + 1).arg(name.replace(QLatin1Char('&'), QLatin1String("&&"))));
        action->setObjectName(QStringLiteral("actionRecent%1").arg(i + 1));
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path] { openRecentProfile(path); });
    }
    m_recentMenu->setEnabled(!m_recentProfiles.isEmpty());
}

void MainWindow::rememberProfile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_recentProfiles.removeAll(absolute);
    m_recentProfiles.prepend(absolute);
    while (m_recentProfiles.size() > settingsfile::recentProfileCount)
        m_recentProfiles.removeLast();
    showRecentProfiles();
}

void MainWindow::openRecentProfile(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        m_recentProfiles.removeAll(path);
        showRecentProfiles();
        Dialogs::warning(this, programName,
                         tr("The Profile %1 is gone: it was moved or deleted outside Panelcraft.\n\n"
                            "It was taken off the recent Profiles.")
                             .arg(path));
        return;
    }
    if (askToKeepEdits(beforeReplacing()))
        openProfile(path);
}
