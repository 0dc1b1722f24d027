#pragma once

#include "app/pet_app_win32.h"

// Twice a second: hides the pet behind full-screen programs, keeps it on top, restarts a
// presentation whose frames stopped, re-arms keyboard capture and notices an elevated
// program in front. Called once per loop iteration.
void WatchForeground(PetApp& app);

// The out-of-context foreground-change hook; the watcher re-asserts top-most shortly after.
bool InstallForegroundHook(PetApp& app);

// Removes and installs the keyboard hook when raw input has seen keys the hook missed.
void ReinstallDeadKeyboardHook(PetApp& app, double now);

// Stops frame timer 1 while the pet is hidden, so the loop's quarter-second waits are the
// only wake-ups; starts it again, with a frame due at once, when the pet shows.
void StopFrames(PetApp& app);
void StartFrames(PetApp& app, double now);
