// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes a whole file or nothing: a failure at any point leaves the previous file untouched, and
// a name that is not a regular file (regularfile.h) is refused.

#include "support/result.h"

#include <QByteArray>
#include <QString>

Result<void> writeFileAtomically(const QString &path, const QByteArray &content);
