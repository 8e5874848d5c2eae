#pragma once

// Registers the compiled-in tables and images; every program calls it once at start.
void initPanelcraftResources();
