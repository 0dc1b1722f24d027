#pragma once

#include <cmath>

#include "input/input_monitor.h"
#include "input/scripted_input.h"
#include "keys/key_layout.h"
#include "keys/virtual_keys.h"
#include "pet/pet_input_hookup.h"
#include "pet/pet_state.h"
#include "pet/pet_update.h"
#include "pet/random_range.h"
#include "settings/settings.h"

// Drives the real input monitor and the real frame update through a scripted
// clock, keyboard and cursor, one 1/60 s frame at a time.
struct PetScenario {
    static constexpr double kDt = 1.0 / 60.0;

    ScriptedInput system;  // the keyboard, mouse buttons, cursor and HID devices
    PetState pet;
    InputMonitor input;
    Settings settings;
    PetSkinStyle style;
    PetFrameContext frame;

    PetScenario() {
        SeedRandomRange(7);
        system.now = 1000.0;
        system.cursor = {200, 200};
        ConnectScriptedInput(input, system);
        input.cursor = system.cursor;
        ConnectPetToInput(input, pet, settings, [this] { return style; });
        frame.window = ScreenRect{1500, 700, 1860, 1020};
        frame.cursorScreen = ScreenRect{0, 0, 1920, 1080};
    }

    void Press(PhysicalKey key) { SendKey(system, input, key, true); }
    void Release(PhysicalKey key) { SendKey(system, input, key, false); }

    // A mouse button change as raw input reports it (0 left, 1 right, 2 middle).
    void Button(int button, bool isDown) {
        static constexpr uint16_t kDownFlags[3] = {0x0001, 0x0004, 0x0010};
        static constexpr uint16_t kButtonKeys[3] = {kVkLButton, kVkRButton, kVkMButton};
        SetKeyDown(system, kButtonKeys[button], isDown);
        const uint16_t flag = static_cast<uint16_t>(kDownFlags[button] << (isDown ? 0 : 1));
        HandleRawMouse(input, 0, flag, 0, 0);
    }

    // One frame: time passes, then the frame update.
    void Frame() {
        system.now += kDt;
        frame.now = system.now;
        frame.frameDelta = kDt;
        frame.douniTyping = style.douniTyping;
        frame.douniRender = style.douniRender;
        UpdatePetState(pet, frame, input, settings);
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i) Frame();
    }
    void Seconds(double seconds) { Frames(static_cast<int>(std::lround(seconds * 60.0))); }

    void Tap(PhysicalKey key, int heldFrames = 3) {
        Press(key);
        Frames(heldFrames);
        Release(key);
    }

    // Moves the real cursor by (dx, dy) pixels, then runs a frame.
    void MoveMouseFrame(int dx, int dy) {
        system.cursor.x += dx;
        system.cursor.y += dy;
        Frame();
    }
};

inline bool Near(float a, float b, float tolerance) {
    return std::fabs(a - b) <= tolerance;
}

inline bool PawAt(const Spring& x, const Spring& y, Vec2 p, float tolerance = 1.5f) {
    return Near(x.value, p.x, tolerance) && Near(y.value, p.y, tolerance);
}
