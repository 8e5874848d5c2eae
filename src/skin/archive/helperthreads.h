#pragma once

// Threads that help the calling thread with work it shares out itself (each takes the next piece
// until none is left). The caller always works along, so the work gets done even when the system
// gives no thread at all (a process limit, no address space left for a stack): nothing ever
// waits for a thread that never started.

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
