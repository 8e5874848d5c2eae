#include "platform/stoprequests.h"

#include <csignal>
#include <cstdlib>
#include <mutex>

#ifdef Q_OS_WIN
#include <atomic>
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

[[noreturn]] void stop(int signal, const std::function<void()> &cleanUp)
{
    ending.lock();
    if (cleanUp)
        cleanUp();
    std::_Exit(128 + signal);
}

} // namespace

void letStopRequestsGo()
{
    static std::once_flag once;
    std::call_once(once, [] { ending.lock(); });
}

#ifdef Q_OS_WIN

namespace {

std::atomic<const std::function<void()> *> stopAction{nullptr};

// The system calls this on a thread of its own, where removing folders is safe.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    const int signal = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? SIGINT : SIGTERM;
    const auto *cleanUp = stopAction.load();
    stop(signal, cleanUp ? *cleanUp : std::function<void()>());
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

void whenStopped(const std::function<void()> &cleanUp)
{
    stopAction = new std::function<void()>(cleanUp); // lives as long as the process
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

void holdStopRequests()
{
    const sigset_t set = stopSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void ignoreTerminalStops()
{
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGHUP, SIG_IGN);
}

// Signals held by every thread are taken by one waiting thread, where removing folders is
// safe, unlike in a signal handler.
void whenStopped(const std::function<void()> &cleanUp)
{
    const auto waitForStop = [cleanUp] {
        const sigset_t set = stopSignals();
        int signal = 0;
        sigwait(&set, &signal);
        stop(signal, cleanUp);
    };
    try {
        std::thread(waitForStop).detach();
    } catch (const std::system_error &) {
        // No thread can be made (a process limit): a stop then ends the run at once, leaving the
        // work folders, rather than being held and never taken.
        const sigset_t set = stopSignals();
        pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    }
}

bool processRunning(qint64 id)
{
    return ::kill(pid_t(id), 0) == 0 || errno == EPERM;
}

#endif

} // namespace platform
