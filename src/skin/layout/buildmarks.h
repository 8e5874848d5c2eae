#pragma once

// The lines a build adds before </skin> (icon sheet line, floating windows) sit between two
// comments, so that a later build on its output takes them out again instead of adding them
// twice. The first comment also tells how high the skin image was before the build grew it, so
// the later build grows the original picture rather than the grown one.

#include <QHash>
#include <QString>
#include <QStringList>

namespace buildmarks {

// `imageName` empty or `originalHeight` 0: the image was not grown. `files` are the archive's
// entries the build added (floating browser image, imported window images). `fontsChanged`: the
// build rewrote font names or text sizes, which cannot be taken back.
QString begin(const QString &imageName, int originalHeight, const QStringList &files, bool fontsChanged);
QString end();

// Whether a comment (its whole text, "<!--" to "-->") is the first or the second mark.
bool isBegin(const QString &comment);
bool isEnd(const QString &comment);

// The image heights the begin marks of the layouts record.
class OriginalHeights
{
public:
    explicit OriginalHeights(const QStringList &beginMarks);
    // The height the first mark for `imageName` records; 0 when none does.
    int of(const QString &imageName) const;

private:
    QHash<QString, int> m_heights; // by the name as marked
};

// The entries the begin marks record as added.
QStringList addedFiles(const QStringList &beginMarks);

// Whether a begin mark records that its build changed fonts or text sizes.
bool fontsChanged(const QStringList &beginMarks);

} // namespace buildmarks
