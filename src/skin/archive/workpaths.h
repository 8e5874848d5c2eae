// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where an entry's file lies in a work folder. Named after the entry as it is, "Skin.xml" and
// "skin.xml" would be one file on the usual Windows and macOS file systems, and so would a name
// in two Unicode normal forms on macOS; "aux.png" or "a:b.png" could not be made on Windows at
// all. Work names therefore hold only characters every file system keeps apart and none
// changes: lower-case ASCII letters, digits and a few signs. An upper-case letter is written
// "^" and its lower case, any other character as "%" and two hex digits per UTF-8 byte, and so
// is the first character of a name Windows reserves and a dot or space that ends a name:
//   "Skin.xml" -> "^skin.xml", "caf\u00e9.png" -> "caf%c3%a9.png", "aux.png" -> "%61ux.png".
// The same entry path always gives the same work name, and two paths never give one.

#include <QString>

namespace archive {

// The work name of an entry path ("/" separators, no empty, "." or ".." parts).
QString workName(const QString &path);
// The entry path a work name stands for; an empty text for a name workName() never gives.
QString entryPath(const QString &workName);
// The file of the entry path below `folder`.
inline QString workPath(const QString &folder, const QString &path)
{
    return folder + QLatin1Char('/') + workName(path);
}

} // namespace archive
