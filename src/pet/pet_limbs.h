#pragma once

#include "pet/pet_state.h"
#include "pet/pet_update.h"

struct InputMonitor;
struct Settings;

// The moods and flags of the frame that the limbs depend on.
struct LimbFrame {
    float dt = 0.0f;
    double now = 0.0;
    float heldLevel = 0.0f;
    float dizzyLevel = 0.0f;
    float sleepLevel = 0.0f;
    float alertLevel = 0.0f;
    bool recent = false;      // pointer used within 2.2 s, or a main button down
    bool veryRecent = false;  // the same within 0.75 s
    ScreenRect cursorScreen;
    bool douniTyping = false;
    bool douniRender = false;
};

// Where paws, foot, tail and stylus go this frame; steps all limb springs
// and the marquee.
void UpdateLimbs(PetState& pet, const LimbFrame& frame, const InputMonitor& input,
                 const Settings& settings);
