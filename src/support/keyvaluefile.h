// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's text files (style tables, profiles, settings) are key=value lines.

#include <QMap>
#include <QString>

// Merges the file's UTF-8 lines into `map`: the key is everything before the first "=", the value
// stops at a second "=", nothing is trimmed, a later line wins, lines without "=" are skipped, CR LF
// and LF alike. Returns false when the file is not a regular file or cannot be opened.
bool readKeyValueFile(const QString &path, QMap<QString, QString> &map);
