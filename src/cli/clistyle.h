// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The style a run of panelcraft-cli works with, and the scheme it can write of it.

#include "cliarguments.h"
#include "style/style.h"
#include "support/result.h"

// The profile's style, or the one drawn from the scheme over the default table's fonts. Returns
// an empty text, or why the profile or scheme cannot be used.
QString loadStyle(const CliRequest &request, Style &style, QStringList &warnings);

// Writes the style as the scheme `request.exportScheme` names, or says why it could not.
Result<void> exportScheme(const CliRequest &request, const Style &style);
