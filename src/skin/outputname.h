// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The name the user types for the new skin becomes a file name in the host's skins folder.

#include <QString>

namespace outputname {

// Why `name` cannot be the file name of an archive (a folder part, or a character some file
// system refuses); empty when it can.
QString problem(const QString &name);

// The name offered for a skin archive: its base name followed by " (Browser edit)".
QString suggestedName(const QString &skinFile);

// Where the host keeps its skins: the folder under Turnwise named "skins" in any case,
// or a new "Turnwise/skins".
QString skinsFolder(const QString &documentsFolder);

// The archive "Create Skin" writes: the typed name (with ".zip" added unless typed) in the skins
// folder, or the selected skin itself when no name was typed. Empty, with `error` set, when the name is
// refused.
QString outputPath(const QString &skinsFolder, const QString &typedName, const QString &selectedSkinFile,
                   QString *error);

} // namespace outputname
