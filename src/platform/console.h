// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a console program needs of its process beyond Qt.

#include <QString>
#include <cstdio>

namespace platform {

// Sends whatever the process writes to its standard error from here on nowhere, and returns a
// stream to where it went before (standard error itself when that cannot be done). Libraries
// that write their complaints there are silenced; the program's own messages use the stream.
FILE *setAsideStandardError();
// Writes the text and a line break so that every character arrives: a Windows console is given
// the characters themselves, a Windows file or pipe UTF-8 (a script reads a printed path whole,
// whatever the code page), elsewhere the locale's encoding, as terminals expect.
void writeLine(FILE *stream, const QString &text);
// A write beyond the process's file-size limit fails with its reason instead of ending the
// process (POSIX sends a signal for it).
void failOversizedWrites();

} // namespace platform
