#pragma once

#include <cstdint>

#include "base/geometry.h"
#include "pet/pet_state.h"

struct InputMonitor;
struct Settings;

// What one frame hands to the pet besides the input and the settings.
struct PetFrameContext {
    double frameDelta = 1.0 / 60.0;  // seconds since the previous frame
    double now = 0.0;                // monotonic seconds, the clock the input monitor uses
    ScreenRect window;               // the overlay window on the screen
    // The full rectangle of the monitor nearest the cursor (the primary
    // screen when unknown); maps the pointer onto the drawn tablet.
    ScreenRect cursorScreen;
    bool douniTyping = false;  // the worn cat skin's typingStyle is "douni"
    bool douniRender = false;  // its renderStyle is "douni"
};

// Advances the pet by one frame (at most 0.04 s). Runs the input monitor's
// per-frame step first, so the caller must not run it as well, and ends with
// the sanity reset, so a broken value never reaches the drawing.
void UpdatePetState(PetState& pet, const PetFrameContext& frame, InputMonitor& input,
                    const Settings& settings);
