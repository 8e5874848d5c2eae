// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the first check of an archive learns about each entry, handed on to the repacking.

#include "skin/archive/entrystream.h"
#include "support/result.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QVector>

namespace archive {

struct CheckedEntry
{
    QString name;          // as read, for messages and to tell entries apart
    QByteArray storedName; // its bytes, which the new archive keeps with the UTF-8 flag in `flags`
    QString path;          // where it is unpacked: "/" separators, no empty or "." parts
    bool folder = false;
    int flags = 0; // the general-purpose bits of its record
    StoredEntry stored;
    bool unpacked = false; // its data was unpacked, and so checked whole
    // A folder, or the unpacking folder itself ("./"): unpacking reads no bytes of it.
    bool holdsNoFile() const { return folder || path.isEmpty(); }
};

struct Limits;

// Writes `zipPath` as repack() describes, from the checked entries of `sourceZip`; refused, before
// anything is written, when the new archive would be beyond `limits`.
Result<void> repackChecked(const QString &sourceZip, const QVector<CheckedEntry> &entries,
                           const QString &changedFolder, const QString &zipPath, const QSet<QString> &dropped,
                           const Limits &limits);

} // namespace archive
