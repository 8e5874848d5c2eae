#pragma once

// Skin archives in and out. An archive to unpack is untrusted: every entry must land inside
// the folder it is unpacked into (no "..", no absolute or drive path, no symbolic link) and
// the whole must stay within the limits below, or nothing is unpacked at all.

#include <QString>

namespace archive {

struct Limits
{
    // Real skins unpack to a few tens of megabytes; this leaves room for the largest.
    qint64 maxUnpackedBytes = qint64(1) << 30; // 1 GiB
    int maxEntries = 20000;
};

// Unpacks every entry of `zipPath` into `folder`, overwriting files of the same name.
// Returns an empty text on success, else a message a user can act on; after a failure no
// file of the archive is left in the folder.
QString extract(const QString &zipPath, const QString &folder, const Limits &limits = Limits());

// Packs the files of `folder` and its sub-folders (the folder's contents, not the folder)
// into `zipPath`. The archive is written beside its final place and renamed over it only
// when complete, so a failure leaves any earlier file of that name untouched.
QString pack(const QString &folder, const QString &zipPath);

} // namespace archive
