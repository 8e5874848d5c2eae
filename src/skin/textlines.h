#pragma once

// Skin XML files are handled as UTF-8 lines whatever the platform's 8-bit encoding, so
// non-ASCII text survives the rewrite.

#include <QString>
#include <QStringList>

namespace textlines {

// The file's lines without their line ends; false when it cannot be opened.
bool read(const QString &path, QStringList &lines);

// Writes each line followed by a line end; returns an empty text or why writing failed.
QString write(const QString &path, const QStringList &lines);

} // namespace textlines
