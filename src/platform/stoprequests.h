// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Requests to stop a console program: Ctrl+C, a request to end (a termination signal, the
// console window closed, the user logging off) or the terminal going away. POSIX signals on
// Linux and macOS, the console's control handler on Windows.

#include <QtGlobal>
#include <functional>

namespace platform {

// From here on a stop request is taken on a thread of its own, which runs the clean-up
// whenStopped() gave last, if any, and ends the process with status 128 + the signal's number
// (130 for Ctrl+C); one already waiting ends it here. Call it first, before any other thread
// starts, so that every thread leaves the requests to that one. Where no thread can be made, a
// stop ends the process at once, without a clean-up.
void holdStopRequests();
// The clean-up a stop runs from now on, in place of the one given before.
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
