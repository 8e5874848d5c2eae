// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Table files: key=value lines shared by the built-in tables and the user's profiles.

#include "style.h"
#include "support/result.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

using StyleTable = QMap<QString, QString>;

namespace tablefile {

inline const QString defaultTablePath = QStringLiteral(":/new/images/myfiles/data.ini");
inline const QString whiteTablePath = QStringLiteral(":/new/images/myfiles/datawhite.ini");

// Merges the key=value lines of a file into the table: split at every "=", key before the
// first, value between the first and the second, nothing trimmed, the later line wins.
// Lines without "=" are skipped. Returns false when the file could not be opened.
bool read(const QString &path, StyleTable &table);

// The table a profile stands for, the same in the window and the CLI: the built-in default
// table with the file's lines merged over it, so a profile that lacks a key takes the default
// rather than whatever was open before. Returns an empty text, or why the file cannot be used:
// it cannot be read, or a value holds a control character, which has no place in a skin's XML.
// A line whose value cannot stand for its key (not a colour, not a font size, not UTF-8 text)
// keeps the default's value, with one warning for the line in `warnings`.
QString readProfile(const QString &path, StyleTable &table, QStringList &warnings);

// The colour a table holds for a key (invalid when absent or not a colour).
QColor tableColour(const StyleTable &table, const QString &key);
// The decimal size a table holds for a key; 0 when absent or not a number.
int tableSize(const StyleTable &table, const QString &key);
// The table's values for a font group.
FontSpec tableFont(const StyleTable &table, const stylekeys::FontGroupKey &group);

// The whole current style taken from a table.
Style derive(const StyleTable &table);

// The browser's line height (a whole percentage) is kept in a profile under this key. A table
// without it, or with a value that is not 1 to 999, stands for the host's own 100.
inline const QString lineHeightKey = QStringLiteral("lineheight");
int tableLineHeight(const StyleTable &table);

// A style and line height as the 104 CR LF lines of a profile: the style in key-table order, then
// the line height (earlier versions skip a key they do not know; an empty field, 0, as no value).
QByteArray profileText(const Style &style, int lineHeight);

// Writes a profile atomically, or says why it could not.
Result<void> writeProfile(const QString &path, const Style &style, int lineHeight);

} // namespace tablefile
