// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a build on a skin an earlier build wrote takes out again, worked out from the layouts'
// marks, the entries' bytes and the layouts' text before anything is touched. Marks are text a
// user can copy and edit, so each claim must be proven: an entry goes only when it holds the
// very bytes the earlier build recorded for it and no layout names it outside that build's own
// additions; a grown image is cut back to its picture only when it is the very file that build
// wrote. Everything else stays as it is, with a warning.

#include "skin/layout/buildmarks.h"
#include "skin/layout/xmltokens.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

namespace undoplan {

// The length and CRC-32 of a file's bytes as "length:crc", as marks record them; empty when it
// cannot be read.
QString proofOf(const QString &path);
QString proof(qint64 length, quint32 crc);

// The names the complete pairs of marks claim as an earlier build's: the files it added (their
// entries have exactly those names) and the images it grew (named as the layouts name them,
// found ignoring case as the host finds them). make() needs their proofs.
struct Claims
{
    QStringList files;
    QStringList images;
};
Claims claimed(const QVector<const xmltokens::Document *> &layouts);

struct Plan
{
    QVector<buildmarks::Record> records; // of the pairs a build may take out, in the layouts' order
    QSet<QString> takenOut;              // the entries to leave out of the new skin
    // By the image's name as marked: the height of the picture at the top of a proven grown image.
    QHash<QString, int> originalHeights;
    QHash<QString, QString> grown; // their proofs, by the same names
    // By the same names: the rows the layouts' browsers point into; 0 when not recorded.
    QHash<QString, int> browserRows;
    bool fontsChanged = false; // as any pair records, a build's own or not
    QStringList warnings;
};

// `proofs` holds, by claimed name, the proof of the skin's entry of that name; a name without
// one has no entry. `unread` holds the text of layouts that could not be read as XML: they name
// files all the same.
Plan make(const QVector<const xmltokens::Document *> &layouts, const QHash<QString, QString> &proofs,
          const QStringList &unread = {});

} // namespace undoplan
