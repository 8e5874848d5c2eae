#pragma once

// The program's text files (style tables, profiles, settings, tooltips) are key=value lines.

#include <QMap>
#include <QString>

enum class ValueEnd {
    NextEquals, // the value stops at a second "=" (tables, settings)
    LineEnd,    // the value runs to the end of the line and may hold "=" (tooltips)
};

// Merges the file's UTF-8 lines into `map`: the key is everything before the first "=", nothing
// is trimmed, a later line wins, lines without "=" are skipped, CR LF and LF alike. Returns false
// when the file cannot be opened.
bool readKeyValueFile(const QString &path, QMap<QString, QString> &map,
                      ValueEnd valueEnd = ValueEnd::NextEquals);
