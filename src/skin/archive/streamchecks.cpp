// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/archive/streamchecks.h"

#include "support/helperthreads.h"

#include <QFile>
#include <QThread>
#include <algorithm>
#include <atomic>

namespace archive {

struct StreamChecks::Shared
{
    Shared(const QString &archivePath, QVector<StoredEntry> toCheck)
        : zipPath(archivePath), entries(std::move(toCheck)), loop(entries.size())
    {
    }
    const QString zipPath;
    const QVector<StoredEntry> entries;
    SharedLoop loop;
    std::atomic<bool> failed{false};

    // Takes entries until none is left (or one failed), each checked once by whoever takes it.
    void work()
    {
        QFile archive(zipPath);
        const bool open = archive.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        for (int i; (i = loop.take()) >= 0;) {
            if (!open || readEntry(archive, entries.at(i)) != StreamResult::Intact) {
                failed = true;
                loop.stop();
            }
        }
    }
};

StreamChecks::StreamChecks(const QString &zipPath, QVector<StoredEntry> entries)
{
    // Largest first, so that no core is left with one big entry when the others are done.
    std::sort(entries.begin(), entries.end(),
              [](const StoredEntry &a, const StoredEntry &b) { return a.storedSize > b.storedSize; });
    m_shared = std::make_shared<Shared>(zipPath, std::move(entries));
    // The caller copies meanwhile, so every core gets a worker.
    std::shared_ptr<Shared> shared = m_shared;
    m_workers = std::make_unique<HelperThreads>(qMin(QThread::idealThreadCount(), m_shared->entries.size()),
                                                m_shared->loop.guarded([shared] { shared->work(); }));
}

StreamChecks::~StreamChecks()
{
    m_shared->loop.stop(); // what is left is skipped
    m_workers->join();
}

bool StreamChecks::passed()
{
    m_shared->loop.guarded([this] { m_shared->work(); })();
    m_workers->join();
    m_shared->loop.rethrow();
    return !m_shared->failed;
}

} // namespace archive
