#pragma once

#include "app/pet_app_win32.h"

// The context menu of the cat and the tray icon, opened at a screen point.
void ShowContextMenu(PetApp& app, POINT at);

void AddTrayIcon(PetApp& app);
void RemoveTrayIcon(PetApp& app);
