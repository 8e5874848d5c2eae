// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Threads that help the calling thread with work it shares out itself (each takes the next piece
// until none is left). The caller always works along, so the work gets done even when the system
// gives no thread at all (a process limit, no address space left for a stack): nothing ever
// waits for a thread that never started. Qt's thread pool cannot promise that: a task it hands to
// a thread that fails to start never runs, and a caller waiting for it waits for ever. So the
// window's background jobs run on the pool, whose caller must not work along, and the work the
// core shares out runs here.

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

class HelperThreads
{
public:
    // Starts `work` on up to `count` threads, as many as the system makes.
    HelperThreads(int count, const std::function<void()> &work);
    ~HelperThreads() { join(); }
    HelperThreads(const HelperThreads &) = delete;
    HelperThreads &operator=(const HelperThreads &) = delete;

    // Waits for the helpers that started.
    void join();

    // Helpers worth starting beside the caller for `pieces` pieces of work: one per further core.
    static int usefulFor(int pieces);

private:
    std::vector<std::thread> m_threads;
};

// The indices 0 to count - 1 shared out among the threads working on them, each taken once, and
// the one place where a helper's work is guarded: an exception must not leave a helper thread
// (it would end the process), so running out of memory stops the loop everywhere and is thrown
// again in the caller.
class SharedLoop
{
public:
    explicit SharedLoop(int count) : m_count(count) {}

    // The next index for the calling thread; -1 once none is left or the loop was stopped.
    int take();
    void stop() { m_stopped = true; }
    bool stopped() const { return m_stopped; }

    // `work` (which takes indices until there are none) guarded for a thread of its own.
    std::function<void()> guarded(const std::function<void()> &work);
    // Throws std::bad_alloc when the work ran out of memory on any thread.
    void rethrow() const;

    // Runs `work` on the caller and on helpers, one per further core the indices can use, waits
    // for them, then rethrow()s.
    void run(const std::function<void()> &work);

private:
    const int m_count;
    std::atomic<int> m_next{0};
    std::atomic<bool> m_stopped{false};
    std::atomic<bool> m_outOfMemory{false};
};
