#pragma once

#include "app/pet_app_win32.h"

// One frame: update the pet, decide click-through, draw, hand the pixels to the window manager.
void RenderFrame(PetApp& app);

// Produces a frame when the deadline has come (the loop and the frame timer share this rule).
void RenderFrameIfDue(PetApp& app);

void FreeSurface(PetApp& app);
void SetClickThrough(HWND window, bool on);
void PlacePetWindow(PetApp& app, bool keepCentreBottom, bool save);
void ApplyCaptureMode(PetApp& app);
void ReassertTopmost(PetApp& app);
void RestartPresentation(PetApp& app);
