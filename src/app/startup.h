// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every program showing the main window does around creating its QApplication.

#include <QFont>
#include <optional>

// Before anything else: --help and --version (-h, -?, -v) are answered on standard output, in the
// user's language, without a window or a display; the exit status comes back. Nothing when the
// arguments ask for neither and the window should open.
std::optional<int> answerInformationRequest(int argc, char *argv[]);
// Before the application object exists: font sizes assume 96 dots per inch.
void prepareApplicationAttributes();
// After: the program's name and version, the compiled-in resources and formFont() as the
// application's font.
void prepareApplication();
// The program's font: the platform's face at 11 pixels, set without shaping where the script
// allows.
QFont formFont();
