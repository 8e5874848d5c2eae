// SPDX-License-Identifier: GPL-3.0-or-later
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
    enum class Clash { None, Twice, OntoEntry, OntoFolder, IntoFile };
    struct Taken
    {
        Clash clash = Clash::None;
        QString other; // the stored name of the entry in the way, for OntoEntry and IntoFile
    };
    // Takes the place of the entry stored as `name` at `path` (an empty path takes none), or
    // says what is in the way.
    Taken take(const QString &name, const QString &path, bool folder);
    // Whether unpacking every entry taken makes this file or folder.
    bool holds(const QString &path) const { return m_present.contains(path); }

private:
    QHash<QString, QString> m_names; // each entry's path, to its stored name
    QSet<QString> m_files;
    QSet<QString> m_present; // files and folders, named or implied
};

} // namespace archive
