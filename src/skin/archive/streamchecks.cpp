#include "skin/archive/streamchecks.h"

#include <QFile>
#include <QMutex>
#include <QThreadPool>
#include <QWaitCondition>
#include <algorithm>
#include <atomic>

namespace archive {

struct StreamChecks::Shared
{
    QString zipPath;
    QVector<StoredEntry> entries;
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    QMutex mutex;
    QWaitCondition finished;
    int done = 0; // under the mutex

    // Takes entries until none is left (or one failed), each checked once by whoever takes it.
    void work()
    {
        QFile archive(zipPath);
        const bool open = archive.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        for (int i; (i = next.fetch_add(1)) < entries.size();) {
            if (!failed && (!open || readEntry(archive, entries.at(i)) != StreamResult::Intact))
                failed = true;
            QMutexLocker lock(&mutex);
            if (++done == entries.size())
                finished.wakeAll();
        }
    }

    void waitForAll()
    {
        QMutexLocker lock(&mutex);
        while (done < entries.size())
            finished.wait(&mutex);
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
    const int workers = qMin(QThreadPool::globalInstance()->maxThreadCount(), m_shared->entries.size());
    for (int i = 0; i < workers; ++i) {
        // Each worker holds the state: one that starts late finds nothing left and ends.
        std::shared_ptr<Shared> shared = m_shared;
        QThreadPool::globalInstance()->start([shared] { shared->work(); });
    }
}

StreamChecks::~StreamChecks()
{
    m_shared->failed = true; // what is left is skipped
    m_shared->work();
    m_shared->waitForAll();
}

bool StreamChecks::passed()
{
    m_shared->work();
    m_shared->waitForAll();
    return !m_shared->failed;
}

} // namespace archive
