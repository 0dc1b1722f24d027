#pragma once

#include "app/pet_app_win32.h"

// The one window procedure of the overlay and the tray-owner window.
LRESULT CALLBACK PetWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

bool RegisterPetWindowClasses(HINSTANCE instance);

// The shell's "TaskbarCreated" message: the tray icon comes back after Explorer restarts.
void SetTaskbarCreatedMessage(UINT message);

// Removes the keyboard hook and destroys the overlay, whose destruction ends the loop.
void QuitApp(PetApp& app);
