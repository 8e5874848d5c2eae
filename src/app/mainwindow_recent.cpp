// "Open Recent" in the Browser Profile menu: the profiles last opened or saved, newest first.

#include "dialogs.h"
#include "mainwindow.h"
#include "settingsfile.h"
#include "ui_mainwindow.h"

#include <QFileInfo>
#include <QMenu>

void MainWindow::setUpRecentProfiles()
{
    recentMenu = new QMenu(tr("Open &Recent"), this);
    recentMenu->setObjectName(QStringLiteral("menuRecent"));
    const QList<QAction *> actions = ui->menuProfile->actions();
    ui->menuProfile->insertMenu(actions.value(actions.indexOf(ui->menuOpen->menuAction()) + 1), recentMenu);
    showRecentProfiles();
}

void MainWindow::showRecentProfiles()
{
    // The chosen entry's action is still delivering its signal: it goes once that is done.
    for (QAction *old : recentMenu->actions()) {
        recentMenu->removeAction(old);
        old->setParent(nullptr);
        old->deleteLater();
    }
    for (int i = 0; i < recentprofiles.size(); ++i) {
        const QString path = recentprofiles[i];
        QString name = QFileInfo(path).fileName();
        QAction *action = recentMenu->addAction(
            tr("&%1 %2").arg(i + 1).arg(name.replace(QLatin1Char('&'), QLatin1String("&&"))));
        action->setObjectName(QStringLiteral("actionRecent%1").arg(i + 1));
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path] { openRecentProfile(path); });
    }
    recentMenu->setEnabled(!recentprofiles.isEmpty());
}

void MainWindow::rememberProfile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recentprofiles.removeAll(absolute);
    recentprofiles.prepend(absolute);
    while (recentprofiles.size() > settingsfile::recentProfileCount)
        recentprofiles.removeLast();
    showRecentProfiles();
}

void MainWindow::openRecentProfile(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        recentprofiles.removeAll(path);
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
