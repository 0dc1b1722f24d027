#pragma once

#include <cstdint>

#include "pet/pet_state.h"

struct InputMonitor;
struct Settings;

// A screen rectangle in pixels.
struct PetRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// What one frame hands to the pet besides the input and the settings.
struct PetFrameContext {
    double frameDelta = 1.0 / 60.0;  // seconds since the previous frame
    double now = 0.0;                // monotonic seconds, the clock the input monitor uses
    PetRect window;                  // the overlay window on the screen
    // The full rectangle of the monitor nearest the cursor (the primary
    // screen when unknown); maps the pointer onto the drawn tablet.
    PetRect cursorScreen;
    bool douniTyping = false;  // the worn cat skin's typingStyle is "douni"
    bool douniRender = false;  // its renderStyle is "douni"
};

// Advances the pet by one frame (at most 0.04 s). Runs the input monitor's
// per-frame step first, so the caller must not run it as well, and ends with
// the sanity reset, so a broken value never reaches the drawing.
void UpdatePetState(PetState& pet, const PetFrameContext& frame, InputMonitor& input,
                    const Settings& settings);
