// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The file-system calls Qt makes without saying why they failed. Each returns an empty text,
// or the system's reason in the user's language (platform/systemerror.h).

#include <QString>

namespace platform {

// Makes one folder whose parent exists; a folder already there is no failure.
QString makeOneFolder(const QString &path);
// Removes one empty folder.
QString removeEmptyFolder(const QString &path);

} // namespace platform
