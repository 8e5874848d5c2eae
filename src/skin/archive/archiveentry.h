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

// The name an entry stored as `bytes` is read as: UTF-8 with the UTF-8 flag (0x800 of
// `flags`), else code page 437, the zip default, as the tools that write them meant.
QString entryName(const QByteArray &bytes, int flags);

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
