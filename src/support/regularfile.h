// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The files the program reads and writes for a user are regular files. Under such a name, a pipe
// would hold a read for ever, and a new file written in its place would replace a device, a
// pipe or a socket (as root even /dev/null); a folder is no file either.

#include <QString>

namespace regularfile {

// Empty when `path` names a regular file (links followed) or nothing at all; otherwise why it is
// neither read nor replaced.
QString problem(const QString &path);

} // namespace regularfile
