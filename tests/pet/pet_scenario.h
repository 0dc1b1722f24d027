#pragma once

#include <cmath>
#include <unordered_set>
#include <vector>

#include "input/input_monitor.h"
#include "keys/key_layout.h"
#include "keys/virtual_keys.h"
#include "pet/pet_input_hookup.h"
#include "pet/pet_state.h"
#include "pet/pet_update.h"
#include "pet/random_range.h"
#include "settings/settings.h"

// Drives the real input monitor and the real frame update with a fake clock,
// a fake keyboard state and a fake cursor, one 1/60 s frame at a time.
struct PetScenario {
    static constexpr double kDt = 1.0 / 60.0;

    PetState pet;
    InputMonitor input;
    Settings settings;
    PetSkinStyle style;
    PetFrameContext frame;
    double now = 1000.0;
    ScreenPoint cursor{200, 200};
    std::unordered_set<PhysicalKey> down;  // the physical keyboard
    std::vector<HidDeviceInfo> devices;    // attached HID devices
    bool buttons[3] = {false, false, false};

    PetScenario() {
        SeedRandomRange(7);
        input.system.now = [this] { return now; };
        input.system.keyDown = [this](uint16_t virtualKey) {
            if (virtualKey == kVkLButton) return buttons[0];
            if (virtualKey == kVkRButton) return buttons[1];
            if (virtualKey == kVkMButton) return buttons[2];
            for (const KeyPollEntry& entry : KeyPollTable) {
                if (entry.virtualKey == virtualKey) return down.count(entry.key) != 0;
            }
            return false;
        };
        input.system.readCursor = [this](ScreenPoint& out) {
            out = cursor;
            return true;
        };
        input.system.listHidDevices = [this](std::vector<HidDeviceInfo>& out) {
            out = devices;
            return true;
        };
        input.cursor = cursor;
        ConnectPetToInput(input, pet, settings, [this] { return style; });
        frame.window = ScreenRect{1500, 700, 1860, 1020};
        frame.cursorScreen = ScreenRect{0, 0, 1920, 1080};
    }

    static uint16_t VirtualKeyOf(PhysicalKey key) {
        for (const KeyPollEntry& entry : KeyPollTable) {
            if (entry.key == key) return entry.virtualKey;
        }
        return 0;
    }

    void Press(PhysicalKey key) {
        down.insert(key);
        OnKeyEvent(input, key, true, VirtualKeyOf(key));
    }
    void Release(PhysicalKey key) {
        down.erase(key);
        OnKeyEvent(input, key, false, VirtualKeyOf(key));
    }

    // A mouse button change as raw input reports it (0 left, 1 right, 2 middle).
    void Button(int button, bool isDown) {
        static constexpr uint16_t kDownFlags[3] = {0x0001, 0x0004, 0x0010};
        buttons[button] = isDown;
        const uint16_t flag = static_cast<uint16_t>(kDownFlags[button] << (isDown ? 0 : 1));
        HandleRawMouse(input, 0, flag, 0, 0);
    }

    // One frame: time passes, then the frame update.
    void Frame() {
        now += kDt;
        frame.now = now;
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
        cursor.x += dx;
        cursor.y += dy;
        Frame();
    }
};

inline bool Near(float a, float b, float tolerance) {
    return std::fabs(a - b) <= tolerance;
}

inline bool PawAt(const Spring& x, const Spring& y, Vec2 p, float tolerance = 1.5f) {
    return Near(x.value, p.x, tolerance) && Near(y.value, p.y, tolerance);
}
