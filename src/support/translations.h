// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Both programs speak the user's language: the first of QLocale::system()'s languages (LANGUAGE,
// then LANG, as usual) that has a translation, with Qt's own texts in the same language.
// English is the language of the source texts, so where it comes first nothing is loaded.

// Loads (or, called again, replaces) the program's and Qt's translators. A file
// panelcraft_<language>.qm in a "panelcraft/translations" folder of the data folders
// ($XDG_DATA_HOME, then $XDG_DATA_DIRS) comes before the one compiled in, so a translator can
// try a translation without building. Returns the language chosen, empty for English.
QString loadTranslations();
