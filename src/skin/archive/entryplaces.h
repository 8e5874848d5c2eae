#pragma once

// Where the entries of an archive land when unpacked. Each file needs a place of its own: "./a"
// and "a", or "a//b" and "a/b", would land on one file, and one of the two would be lost.

#include <QHash>
#include <QSet>
#include <QString>

namespace archive {

class EntryPlaces
{
public:
    // Takes the place of the entry stored as `name` at `path` (an empty path takes none), or
    // says why it cannot, in words that follow the entry's name.
    QString take(const QString &name, const QString &path, bool folder);
    // Whether unpacking every entry taken makes this file or folder.
    bool holds(const QString &path) const { return m_present.contains(path); }

private:
    QHash<QString, QString> m_names; // each entry's path, to its stored name
    QSet<QString> m_files;
    QSet<QString> m_present; // files and folders, named or implied
};

} // namespace archive
