#pragma once

#include <windows.h>

#include "app/window_placement.h"
#include "settings/settings.h"

// The monitors, the primary work area and the virtual screen as they are now.
DisplayLayout CurrentDisplayLayout();

// Sizes the window for settings.Scale and moves it (see DecideWindowPlacement).
// With save, the new position goes to PosX/PosY and the settings are saved;
// while the pet is hidden for capture nothing is saved.
void PlaceWindow(HWND window, Settings& settings, bool keepCentreBottom, bool save);
