// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every program showing the main window does around creating its QApplication.

// Before the application object exists: font sizes assume 96 dots per inch.
void prepareApplicationAttributes();
// After: the program's name and version, the compiled-in resources and the 11-pixel
// application font.
void prepareApplication();
