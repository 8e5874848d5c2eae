// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What unpacking and repacking agree on about the entries of an untrusted archive: where an
// entry lands, how its name is decoded and how it is shown in a message.

#include <QByteArray>
#include <QString>
#include <optional>

class QTextCodec;
class QuaZip;

namespace archive {

// The entry's path inside the folder it is unpacked into, with "/" separators, or nothing
// when it would leave that folder.
std::optional<QString> safeRelativePath(QString name);

// The general-purpose bit that says an entry's name is stored in UTF-8.
constexpr int utf8NameFlag = 0x800;

// The name an entry stored as `bytes` is read as, to place it and to match a layout's reference
// to it: UTF-8 with utf8NameFlag in `flags`. Without the flag, UTF-8 too when the bytes are
// UTF-8, as current archivers write them without it, and code page 437, the zip default, when
// they are not. Nothing when the flag claims UTF-8 for bytes that are not.
std::optional<QString> entryName(const QByteArray &bytes, int flags);

// Names and the comment pass through the archive library as their bytes, one character each:
// Latin-1, which every Qt has, whatever it was built with.
QTextCodec *bytesAsText();

// Opens an archive for reading, its names and comment read as bytesAsText().
bool openForReading(QuaZip &zip);

// The path in double quotes, as shown to a user.
QString quoted(const QString &path);

// "Cannot write <path>: <why>".
QString cannotWrite(const QString &path, const QString &why);

// An entry name for a message: control characters are shown as \xNN, so a name cannot
// forge a line of output.
QString printable(const QString &name);

// Whether a name holds a control character (NUL included).
bool hasControlCharacter(const QString &name);

} // namespace archive
