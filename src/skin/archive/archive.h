// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Skin archives in and out. An archive to unpack is untrusted: every entry must land inside
// the folder it is unpacked into (no "..", no absolute or drive path, no symbolic link) and
// the whole must stay within the limits below, or nothing is unpacked at all.

#include "support/result.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace archive {

struct Limits
{
    // Real skins unpack to a few tens of megabytes; this leaves room for the largest.
    qint64 maxUnpackedBytes = qint64(1) << 30; // 1 GiB
    int maxEntries = 20000;
};

// Unpacks every entry of `zipPath` into `folder`, overwriting files of the same name.
// A failure gives a message a user can act on; after a failure no file of the archive is left
// in the folder.
Result<void> extract(const QString &zipPath, const QString &folder, const Limits &limits = Limits());

// An archive checked whole once, then unpacked only as far as it is needed: a build reads its
// layouts and the images they name, and copies every other entry straight from the archive.
class Unpacker
{
public:
    Unpacker(const QString &zipPath, const QString &folder, const Limits &limits = Limits());
    ~Unpacker();

    // Checks every entry as extract() does, writing nothing. A failure says why the archive is
    // refused; nothing can be unpacked after a refusal.
    Result<void> check();
    // The paths of the file entries (relative, "/" separators) in archive order, once checked.
    QStringList files() const;
    // Whether the path is a file or folder that unpacking everything would make, once checked.
    bool holds(const QString &path) const;
    // Unpacks the entries whose path `wanted` accepts (all of them without a test), over files
    // of the same name. The limits count everything unpacked so far. After a failure every file
    // this unpacker wrote is removed again.
    Result<void> unpack(const std::function<bool(const QString &path)> &wanted = {});
    // Up to the first `bytes` bytes the file at `path` unpacks to, read without unpacking the
    // rest; unchecked, and empty for a path that is no file. A repack still checks it whole.
    QByteArray peek(const QString &path, qint64 bytes);
    // repack() of the checked archive, after which nothing more can be unpacked. What was
    // unpacked was checked then; the rest is checked while it is copied.
    Result<void> repack(const QString &changedFolder, const QString &zipPath,
                        const QSet<QString> &dropped = {});

private:
    class Extraction;
    std::unique_ptr<Extraction> m_extraction;
};

// Writes `zipPath` with every entry of `sourceZip`, in its order, under its stored name, and the
// archive's comment. An entry for which
// `changedFolder` holds a file of the same path gets that file's content; every other entry is
// copied as it is stored, without being unpacked and packed again. The folder's remaining
// files follow as new entries. The archive is written beside its final place and renamed over
// it only when complete, so a failure leaves any earlier file of that name (even `sourceZip`)
// untouched. Entries named in `dropped` are left out; a file of the folder of such a name goes in
// as a new entry. `sourceZip` is checked first, as by
// Unpacker::check().
Result<void> repack(const QString &sourceZip, const QString &changedFolder, const QString &zipPath,
                    const QSet<QString> &dropped = {});

} // namespace archive
