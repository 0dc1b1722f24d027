#pragma once

// The application: start-up, single instance, frame loop, overlay window and presentation.

#include "app/pet_app_win32.h"

// The one window procedure of the overlay and the tray-owner window.
LRESULT CALLBACK PetWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

bool RegisterPetWindowClasses(HINSTANCE instance);

// The shell's "TaskbarCreated" message: the tray icon comes back after Explorer restarts.
void SetTaskbarCreatedMessage(UINT message);

// Shows the context menu at a screen point and carries out the command chosen.
void OpenContextMenu(PetApp& app, POINT at);

// Ends a drag, resize or rotation as its button-up does: the pet is put down and the position,
// scale and rotation are saved. With captureLost (the system took the mouse, or the presentation
// restarts) a press on the rotation handle does not mirror the pet.
void EndPointerModes(PetApp& app, bool captureLost);

// Removes the keyboard hook and destroys the overlay, whose destruction ends the loop.
void QuitApp(PetApp& app);
