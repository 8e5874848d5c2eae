#pragma once

// Requests to stop a console program: Ctrl+C, a request to end (a termination signal, the
// console window closed, the user logging off) or the terminal going away. POSIX signals on
// Linux and macOS, the console's control handler on Windows.

#include <QtGlobal>
#include <functional>

namespace platform {

// Holds stop requests from here on, until whenStopped() takes them. Call it before any thread
// starts, so that every thread holds them too.
void holdStopRequests();
// Waits on a thread of its own for a stop request, then runs `cleanUp` there and ends the
// process with status 128 + the signal's number (130 for Ctrl+C). Where no thread can be made,
// a stop ends the process at once, without `cleanUp`.
void whenStopped(const std::function<void()> &cleanUp);
// Ctrl+C, and on POSIX the terminal going away, no longer end the process: for a helper that
// shares the stopped program's terminal and must outlive it.
void ignoreTerminalStops();
// A stop request from here on is let go: the run ends anyway. A stop already being handled
// ends the process first; this waits for it. Called again, or from another thread, it does
// nothing more. The archive writer calls it just before it puts a new archive in place, so a
// run that reports being stopped never leaves one behind.
void letStopRequestsGo();
// Whether the process `id` has not ended yet (on POSIX, also one that ended but that its
// parent has not waited for).
bool processRunning(qint64 id);

} // namespace platform
