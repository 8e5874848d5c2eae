#include "skin/archive/streamchecks.h"

#include "skin/archive/helperthreads.h"

#include <QFile>
#include <QThread>
#include <algorithm>
#include <atomic>

namespace archive {

struct StreamChecks::Shared
{
    QString zipPath;
    QVector<StoredEntry> entries;
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};

    // Takes entries until none is left (or one failed), each checked once by whoever takes it.
    void work()
    {
        QFile archive(zipPath);
        const bool open = archive.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        for (int i; (i = next.fetch_add(1)) < entries.size();) {
            if (!failed && (!open || readEntry(archive, entries.at(i)) != StreamResult::Intact))
                failed = true;
        }
    }
};

StreamChecks::StreamChecks(const QString &zipPath, QVector<StoredEntry> entries)
    : m_shared(std::make_shared<Shared>())
{
    // Largest first, so that no core is left with one big entry when the others are done.
    std::sort(entries.begin(), entries.end(),
              [](const StoredEntry &a, const StoredEntry &b) { return a.storedSize > b.storedSize; });
    m_shared->zipPath = zipPath;
    m_shared->entries = std::move(entries);
    // The caller copies meanwhile, so every core gets a worker.
    std::shared_ptr<Shared> shared = m_shared;
    m_workers = std::make_unique<HelperThreads>(qMin(QThread::idealThreadCount(), m_shared->entries.size()),
                                                [shared] { shared->work(); });
}

StreamChecks::~StreamChecks()
{
    m_shared->failed = true; // what is left is skipped
    m_shared->work();
    m_workers->join();
}

bool StreamChecks::passed()
{
    m_shared->work();
    m_workers->join();
    return !m_shared->failed;
}

} // namespace archive
