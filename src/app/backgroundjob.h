// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Long work (unpacking, painting, packing) runs on Qt's thread pool so the window keeps
// repainting; its result comes back to the GUI thread as a queued call.

#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent>
#include <utility>

// Runs `work` on the pool and `done(result)` on the owner's thread once it has finished. The
// returned watcher lives until then and may be waited on; it is deleted afterwards.
template <typename Work, typename Done>
QFutureWatcherBase *runInBackground(QObject *owner, Work work, Done done)
{
    using Result = decltype(work());
    auto *watcher = new QFutureWatcher<Result>(owner);
    QObject::connect(watcher, &QFutureWatcherBase::finished, owner, [watcher, done = std::move(done)]() {
        watcher->deleteLater();
        done(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(std::move(work)));
    return watcher;
}
