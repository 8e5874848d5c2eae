// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The YAML that colour schemes are published in, read as the keys and values a scheme needs:
// block and flow mappings (JSON too), block and flow sequences, plain, quoted and block
// scalars, anchors and aliases, tags, comments, and the document markers. Nested mappings are
// read flat, since schemes nest their colours under "palette:" or "colors:" or not at all.

#include <QString>
#include <QVector>

namespace schemeyaml {

struct Entry
{
    QString key;
    QString value; // a scalar's text; empty for a collection or nothing
    int line;      // where the key stands, from 1
};

struct Document
{
    QVector<Entry> entries; // in the order of the file
    QString error;          // empty when read; otherwise "Line n: why"
    int lines = 0;          // the lines the text holds
};

// `text` has LF line ends only. An unquoted value that is a number sign and six hex digits is
// read as that colour, though YAML would see a comment: schemes are written both ways.
Document read(const QString &text);

// `text` as a double-quoted YAML scalar that every reader takes back as it was.
QString quoted(const QString &text);

} // namespace schemeyaml
