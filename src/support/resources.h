// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Registers the compiled-in tables, images and translations; every program calls it once at start.
void initPanelcraftResources();
