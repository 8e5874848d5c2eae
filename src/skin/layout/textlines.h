#pragma once

// Skin XML files as lines of text, read and written back in the encoding the file states (its
// byte-order mark, else its XML declaration, else UTF-8) and with its own line ends. The
// files come from untrusted archives, so their size and line length are bounded.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace textlines {

// Real layouts are tens of kilobytes; these leave room for the largest.
constexpr qint64 maxFileBytes = qint64(16) << 20;
constexpr int maxLineCharacters = 1 << 20;
constexpr int maxLines = 500000;

struct TextFile
{
    QStringList lines; // without their line ends
    QByteArray encoding = "UTF-8";
    bool byteOrderMark = false;
    QByteArray lineEnd = "\n"; // the first one the file uses
    QString problem;           // why the file cannot be used as text; empty when it can
    bool refused = false;      // the problem is a limit: the archive is hostile or broken
};

// The file's lines; see `problem` for why it could not be read.
TextFile read(const QString &path);

// The lines of a file, or false when it cannot be read as text.
bool read(const QString &path, QStringList &lines);

// Writes `lines` in the encoding, byte-order mark and line end of `like`. Returns an empty
// text or why writing failed (also when a character has no place in the file's encoding).
QString write(const QString &path, const QStringList &lines, const TextFile &like = TextFile());

} // namespace textlines
