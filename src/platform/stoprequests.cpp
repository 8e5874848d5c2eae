// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/stoprequests.h"

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <mutex>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <pthread.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#endif

namespace platform {
namespace {

// Held by whoever ends the process: a stop handled, or the run ending on its own.
// Never destroyed: a stop thread may still wait for it while the process ends.
std::mutex &ending = *new std::mutex;

// Every clean-up whenStopped() was given, each for as long as the process lives: a stop may be
// running the one before while it is replaced. A deque keeps its elements in place as it grows.
std::deque<std::function<void()>> &stopActions = *new std::deque<std::function<void()>>;
// The one given last.
std::atomic<const std::function<void()> *> stopAction{nullptr};

[[noreturn]] void stop(int signal)
{
    ending.lock();
    if (const auto *cleanUp = stopAction.load())
        (*cleanUp)();
    std::_Exit(128 + signal);
}

} // namespace

void whenStopped(const std::function<void()> &cleanUp)
{
    stopActions.push_back(cleanUp);
    stopAction = &stopActions.back();
}

void letStopRequestsGo()
{
    static std::once_flag once;
    std::call_once(once, [] { ending.lock(); });
}

#ifdef Q_OS_WIN

namespace {

// The system calls this on a thread of its own, where removing folders is safe.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    stop(event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? SIGINT : SIGTERM);
}

} // namespace

void holdStopRequests()
{
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

void ignoreTerminalStops()
{
    SetConsoleCtrlHandler(nullptr, TRUE);
}

bool processRunning(qint64 id)
{
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, DWORD(id));
    if (!process)
        return false;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

#else

namespace {

sigset_t stopSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&set, signal);
    return set;
}

} // namespace

// Signals held by every thread are taken by one waiting thread, where removing folders is
// safe, unlike in a signal handler.
void holdStopRequests()
{
    const sigset_t set = stopSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    // A request sent before the program could take it ends the run before anything starts.
    sigset_t pending;
    sigpending(&pending);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        if (sigismember(&pending, signal)) {
            int taken = 0;
            sigwait(&set, &taken);
            stop(taken);
        }
    }
    const auto waitForStop = [set] {
        int signal = 0;
        sigwait(&set, &signal);
        stop(signal);
    };
    try {
        std::thread(waitForStop).detach();
    } catch (const std::system_error &) {
        // No thread can be made (a process limit): a stop then ends the run at once, leaving the
        // work folders, rather than being held and never taken.
        pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    }
}

void ignoreTerminalStops()
{
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGHUP, SIG_IGN);
}

bool processRunning(qint64 id)
{
    return ::kill(pid_t(id), 0) == 0 || errno == EPERM;
}

#endif

} // namespace platform
