// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lines a build adds before </skin> (icon sheet line, floating windows) sit between two
// comments, so that a later build on its output takes them out again instead of adding them
// twice. The first comment also tells how high the skin image was before the build grew it, so
// the later build grows the original picture rather than the grown one, and what the grown
// image and the files the build added were, so that it takes out only those.
//
// Marks are only text a user can copy, move and edit: a pair counts where a build writes it, as
// two comments directly inside a <skin> element with no other mark between them. Any other mark
// is an ordinary comment. The begin mark holds a digest of itself and of what lies between the
// marks, so a build takes out only a block whose text is still what a build wrote there: one a
// user changed stays. Older marks have no digest; their blocks count as a build's own only as a
// build wrote them, just before </skin> and holding nothing but windows and icon sheet lines.

#include "skin/layout/xmltokens.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace buildmarks {

// What a begin mark records.
struct Record
{
    QString image;  // the skin image the build grew, as the layout names it; empty when none
    int height = 0; // its height before it grew
    QString grown;  // the grown image's length and CRC-32 as "length:crc"; empty when not recorded
    // The rows of the grown image the layout's browsers point into (the picture, and the plugin
    // controls an earlier build painted); 0 when not recorded, as older builds did not.
    int rows = 0;
    // The entries the build added (floating browser image, imported window images), each as
    // "name:length:crc".
    QStringList files;
    bool fontsChanged = false; // font names or text sizes were rewritten, which cannot be taken back
};

QString begin(const Record &record);
QString end();
// The lines of a pair around `content`: the begin mark recording `record` and the digest.
QStringList pair(const Record &record, const QStringList &content);

// The record of a begin mark (its whole text, "<!--" to "-->"); nothing for any other comment.
std::optional<Record> parse(const QString &comment);
bool isBegin(const QString &comment);
bool isEnd(const QString &comment);

// What a build wrote between a pair of marks.
struct Block
{
    xmltokens::Span lines;   // the marks and what lies between them, as whole lines
    xmltokens::Span content; // what lies between the marks
    Record record;
    bool own = false; // its text is what a build wrote: a build may take it out
};
// The pairs of a layout, in order.
QVector<Block> blocks(const xmltokens::Document &layout);
// Those a build may take out.
QVector<Block> ownBlocks(const xmltokens::Document &layout);

} // namespace buildmarks
