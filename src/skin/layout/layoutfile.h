// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A layout's text, read and written back in the encoding the file states (its byte-order mark,
// else its XML declaration, else UTF-8). The files come from untrusted archives, so their size,
// line count and line length are bounded.

#include "support/result.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

// What a user is told when an unpacked skin has no layouts at its top level.
inline QString noXmlFilesMessage()
{
    return QCoreApplication::translate("layoutfile", "The Zip file doesn't contain any XML files");
}

namespace layoutfile {

// The layouts of an unpacked skin: its top-level "*.xml" files (any case), sorted by name
// ignoring case.
QStringList layoutNames(const QString &folder);

// Real layouts are tens of kilobytes; these leave room for the largest.
constexpr qint64 maxFileBytes = qint64(16) << 20;
constexpr int maxLineCharacters = 1 << 20;
constexpr int maxLines = 500000;

struct LayoutFile
{
    QString text; // without the byte-order mark
    QByteArray encoding = "UTF-8";
    bool byteOrderMark = false;
    QString problem;      // why the file cannot be used as text; empty when it can
    bool refused = false; // the problem is a limit: the archive is hostile or broken
};

// Why the text's lines are beyond the limits above; empty when they are not. A rewritten layout
// is held to them too: the output is a skin to build on.
QString lineProblem(const QString &text);

// The file's text; see `problem` for why it could not be read.
LayoutFile read(const QString &path);

// `text` in the encoding and byte-order mark of `like`; nothing when a character has no place
// in that encoding.
std::optional<QByteArray> encode(const QString &text, const LayoutFile &like);

// Writes the bytes of a layout; a failure says why.
Result<void> write(const QString &path, const QByteArray &data);

} // namespace layoutfile
