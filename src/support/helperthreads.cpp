// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/helperthreads.h"

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

int SharedLoop::take()
{
    if (m_stopped)
        return -1;
    const int index = m_next++;
    return index < m_count ? index : -1;
}

std::function<void()> SharedLoop::guarded(const std::function<void()> &work)
{
    return [this, work] {
        try {
            work();
        } catch (const std::bad_alloc &) {
            m_outOfMemory = true;
            m_stopped = true;
        }
    };
}

void SharedLoop::rethrow() const
{
    if (m_outOfMemory)
        throw std::bad_alloc();
}

void SharedLoop::run(const std::function<void()> &work)
{
    const std::function<void()> guardedWork = guarded(work);
    {
        HelperThreads helpers(HelperThreads::usefulFor(m_count), guardedWork);
        guardedWork();
    }
    rethrow();
}
