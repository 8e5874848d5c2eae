// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/archive/entryplaces.h"

namespace archive {

EntryPlaces::Taken EntryPlaces::take(const QString &name, const QString &path, bool folder)
{
    if (path.isEmpty())
        return {};
    const auto named = m_names.constFind(path);
    // Folder entries hold no data: two of them make one folder, and both are kept.
    if (named != m_names.constEnd() && folder && !m_files.contains(path))
        return {};
    if (named != m_names.constEnd())
        return *named == name ? Taken{Clash::Twice, {}} : Taken{Clash::OntoEntry, *named};
    if (!folder && m_present.contains(path))
        return {Clash::OntoFolder, {}};
    QStringList parents;
    for (QString part = path.section(QLatin1Char('/'), 0, -2); !part.isEmpty();
         part = part.section(QLatin1Char('/'), 0, -2)) {
        if (m_files.contains(part))
            return {Clash::IntoFile, m_names.value(part)};
        parents << part;
    }
    for (const QString &part : qAsConst(parents))
        m_present.insert(part);
    m_names.insert(path, name);
    m_present.insert(path);
    if (!folder)
        m_files.insert(path);
    return {};
}

} // namespace archive
