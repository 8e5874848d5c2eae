// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The one place where the system's reason for a failed file operation becomes a text for the
// user. Qt words the common reasons in English it never translates, the C library the others
// in its own languages: the common ones (no space, a read-only file system, no permission, not
// found, in use) are said in the user's language, any other in the system's words, marked so.

namespace platform {

// For errno, or on Windows a system error code (GetLastError()).
QString systemErrorText(int code);
// For a reason Qt has already put into words (QFileDevice::errorString(),
// QTemporaryDir::errorString()): known by the words the system has for each common code.
QString systemErrorText(const QString &systemWords);

} // namespace platform
