// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/result.h"

#include <QString>

class QFileDevice;

// Why writing to `file` failed, as the system says it ("No space left on device"). A write cut
// short by a full disk or a file-size limit leaves no error behind; one more byte, written to a
// file that is discarded anyway, brings out the reason.
QString writeFailure(QFileDevice &file);

// Makes a folder with its parents, or says why a part of it could not be made, in the system's
// words.
Result<void> makeFolder(const QString &path);
