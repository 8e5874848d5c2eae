#include "skin/archive/helperthreads.h"

#include <QThread>
#include <new>
#include <system_error>

HelperThreads::HelperThreads(int count, const std::function<void()> &work)
{
    try {
        m_threads.reserve(std::size_t(qMax(0, count)));
        for (int i = 0; i < count; ++i)
            m_threads.emplace_back(work);
    } catch (const std::system_error &) {
        // No more threads: the ones made and the caller share the work.
    } catch (const std::bad_alloc &) {
    }
}

void HelperThreads::join()
{
    for (std::thread &thread : m_threads) {
        if (thread.joinable())
            thread.join();
    }
}

int HelperThreads::usefulFor(int pieces)
{
    return qMax(0, qMin(QThread::idealThreadCount(), pieces) - 1);
}
