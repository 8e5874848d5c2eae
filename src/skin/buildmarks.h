#pragma once

// The lines a build adds before </skin> (icon sheet line, floating windows) sit between two
// comments, so that a later build on its output takes them out again instead of adding them
// twice. The first comment also tells how high the skin image was before the build grew it, so
// the later build grows the original picture rather than the grown one.

#include <QString>
#include <QStringList>

namespace buildmarks {

// `imageName` empty or `originalHeight` 0: the image was not grown. `files` are the archive's
// entries the build added (floating browser image, imported window images).
QString begin(const QString &imageName, int originalHeight, const QStringList &files);
QString end();

bool isBegin(const QString &line);
bool isEnd(const QString &line);

// The image height the first begin mark of the file records for `imageName`; 0 when none does.
int originalHeight(const QStringList &lines, const QString &imageName);

// The entries the begin marks of the file record as added.
QStringList addedFiles(const QStringList &lines);

} // namespace buildmarks
