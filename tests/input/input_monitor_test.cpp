#include "input/input_monitor.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "../keys/physical_key_printer.h"
#include "input/scripted_input.h"
#include "keys/virtual_keys.h"

namespace {

using K = PhysicalKey;

constexpr float kFrame = 1.0f / 60.0f;
constexpr uint32_t kWmKeyDown = 0x0100;
constexpr uint32_t kWmKeyUp = 0x0101;
constexpr uint32_t kWmSysKeyDown = 0x0104;
constexpr uint32_t kWmSysKeyUp = 0x0105;

// A monitor wired to a scripted clock, key state, cursor and device list,
// with every callback recorded.
class MonitorTest : public testing::Test {
protected:
    MonitorTest() {
        system.now = 100.0;
        system.cursor = {500, 400};
        ConnectScriptedInput(monitor, system);
        monitor.onKeyDown = [this](K key) { downs.push_back(key); };
        monitor.onKeyUp = [this](K key) { ups.push_back(key); };
        monitor.onMouseButton = [this](int button, bool down) {
            buttons.emplace_back(button, down);
        };
    }

    void Frame() {
        system.now += kFrame;
        FrameStep(monitor, kFrame);
    }

    // Runs frames until the clock reaches `until`.
    void FramesUntil(double until) {
        while (system.now + kFrame <= until) Frame();
    }

    // Exactly these virtual keys read as down.
    void HoldOnly(std::initializer_list<uint16_t> virtualKeys) {
        system.keysDown.reset();
        for (const uint16_t virtualKey : virtualKeys) SetKeyDown(system, virtualKey, true);
    }

    void RawKey(uint16_t makeCode, uint16_t flags, uint16_t vk) {
        HandleRawKeyboard(monitor, makeCode, flags, vk);
    }

    void HookKey(uint32_t message, uint32_t scanCode, uint32_t flags, uint32_t vk) {
        if (const auto event = KeyEventFromHook(message, scanCode, flags, vk)) {
            OnKeyEvent(monitor, event->key, event->down, event->virtualKey);
        }
    }

    ScriptedInput system;
    InputMonitor monitor;
    std::vector<K> downs;
    std::vector<K> ups;
    std::vector<std::pair<int, bool>> buttons;
};

TEST_F(MonitorTest, AutoRepeatCountsOnce) {
    RawKey(0x1E, 0, 'A');
    SetKeyDown(system, 'A', true);
    FramesUntil(system.now + 0.5);
    // Two seconds of auto-repeat, raw input and hook both reporting every repeat.
    for (int i = 0; i < 60; ++i) {
        RawKey(0x1E, 0, 'A');
        HookKey(kWmKeyDown, 0x1E, 0, 'A');
        FramesUntil(system.now + 0.033);
    }
    EXPECT_EQ(monitor.keyPressCount, 1);
    EXPECT_EQ(downs, std::vector<K>{K::A});
    EXPECT_TRUE(ups.empty());
    EXPECT_EQ(monitor.recentPresses.size(), 1u);
    HoldOnly({});
    RawKey(0x1E, kRawKeyBreak, 'A');
    EXPECT_EQ(ups, std::vector<K>{K::A});
}

TEST_F(MonitorTest, RawInputAndHookReportingOnePressCountOnce) {
    struct Case {
        const char* name;
        uint16_t makeCode;
        uint16_t rawFlags;
        uint16_t rawVk;
        uint32_t hookFlags;
        uint32_t hookVk;
        uint32_t hookDown;
        uint32_t hookUp;
        K key;
    };
    const Case cases[] = {
        {"letter", 0x1E, 0, 'A', 0, 'A', kWmKeyDown, kWmKeyUp, K::A},
        {"left shift", 0x2A, 0, kVkShift, 0, kVkLShift, kWmKeyDown, kWmKeyUp, K::LeftShift},
        {"right ctrl", 0x1D, kRawKeyE0, kVkControl, 1, kVkRControl, kWmKeyDown, kWmKeyUp,
         K::RightCtrl},
        {"left alt", 0x38, 0, kVkMenu, 0, kVkLMenu, kWmSysKeyDown, kWmSysKeyUp, K::LeftAlt},
        {"keypad enter", 0x1C, kRawKeyE0, kVkReturn, 1, kVkReturn, kWmKeyDown, kWmKeyUp, K::Enter},
    };
    for (const Case& c : cases) {
        for (bool hookFirst : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << c.name << (hookFirst ? " hook first" : " raw first"));
            downs.clear();
            ups.clear();
            const int32_t before = monitor.keyPressCount;
            if (hookFirst) HookKey(c.hookDown, c.makeCode, c.hookFlags, c.hookVk);
            RawKey(c.makeCode, c.rawFlags, c.rawVk);
            if (!hookFirst) HookKey(c.hookDown, c.makeCode, c.hookFlags, c.hookVk);
            HoldOnly({static_cast<uint16_t>(c.hookVk)});
            FramesUntil(system.now + 0.6);  // the poll sees the key down too
            EXPECT_EQ(monitor.keyPressCount, before + 1);
            EXPECT_EQ(downs, std::vector<K>{c.key});
            EXPECT_TRUE(ups.empty());
            HoldOnly({});
            RawKey(c.makeCode, c.rawFlags | kRawKeyBreak, c.rawVk);
            HookKey(c.hookUp, c.makeCode, c.hookFlags, c.hookVk);
            Frame();
            EXPECT_EQ(ups, std::vector<K>{c.key});
            EXPECT_TRUE(monitor.heldKeys.empty());
        }
    }
}

// Keys whose event names a different virtual key than the poll table does:
// the keypad by NumLock, letters by the keyboard layout.
TEST_F(MonitorTest, KeysReportedWithAnotherVirtualKeyCountOnce) {
    struct Case {
        const char* name;
        uint16_t makeCode;
        uint16_t vk;
        K key;
    };
    const Case cases[] = {
        {"keypad 8, NumLock off", 0x48, kVkUp, K::Digit8},
        {"keypad 2, NumLock off", 0x50, kVkDown, K::Digit2},
        {"keypad 4, NumLock off", 0x4B, kVkLeft, K::Digit4},
        {"keypad 6, NumLock off", 0x4D, kVkRight, K::Digit6},
        {"keypad period, NumLock off", 0x53, kVkDelete, K::Period},
        {"keypad 5, NumLock on", 0x4C, kVkNumpad0 + 5, K::Digit5},
        {"keypad 5, NumLock off", 0x4C, kVkClear, K::Digit5},
        {"AZERTY A key", 0x10, 'A', K::Q},
        {"AZERTY Q key", 0x1E, 'Q', K::A},
        {"QWERTZ Z key", 0x15, 'Z', K::Y},
        {"QWERTZ Y key", 0x2C, 'Y', K::Z},
        {"plain letter", 0x1E, 'A', K::A},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        downs.clear();
        ups.clear();
        monitor.recentPresses.clear();
        RawKey(c.makeCode, 0, c.vk);
        HoldOnly({c.vk});
        FramesUntil(system.now + 0.5);  // typematic delay: no events, the down event ages
        for (int i = 0; i < 30; ++i) {
            RawKey(c.makeCode, 0, c.vk);
            FramesUntil(system.now + 0.033);
        }
        EXPECT_EQ(downs, std::vector<K>{c.key});
        EXPECT_TRUE(ups.empty());
        EXPECT_EQ(KeysPerMinute(monitor), 6);
        HoldOnly({});
        RawKey(c.makeCode, kRawKeyBreak, c.vk);
        FramesUntil(system.now + 0.1);
        EXPECT_EQ(downs, std::vector<K>{c.key});
        EXPECT_EQ(ups, std::vector<K>{c.key});
    }
}

TEST_F(MonitorTest, LostKeyUpIsRepairedByThePoll) {
    struct Case {
        const char* name;
        bool raw;  // raw input running, or only the hook
        double releasedBy;
    };
    const Case cases[] = {
        {"raw input", true, 0.25 + 2 * kFrame},
        {"hook only", false, 2 * kFrame},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetInput(monitor);
        downs.clear();
        ups.clear();
        const double start = system.now;
        if (c.raw) {
            RawKey(0x21, 0, 'F');
        } else {
            HookKey(kWmKeyDown, 0x21, 0, 'F');
        }
        // The key went up, but its up event never came.
        Frame();
        if (c.raw) {
            FramesUntil(start + 0.2);
            EXPECT_TRUE(ups.empty()) << "released before its down event aged";
        }
        FramesUntil(start + c.releasedBy);
        EXPECT_EQ(ups, std::vector<K>{K::F});
        EXPECT_TRUE(monitor.heldKeys.empty());
        EXPECT_TRUE(monitor.eventDownKeys.empty());
        EXPECT_EQ(downs, std::vector<K>{K::F});
    }
}

TEST_F(MonitorTest, PollAloneStrikesAndReleases) {
    SetKeyDown(system, 'F', true);
    Frame();
    Frame();
    EXPECT_EQ(downs, std::vector<K>{K::F});
    EXPECT_EQ(monitor.polledDownKeys.count(K::F), 1u);
    // The event arriving late for the same press adds nothing.
    RawKey(0x21, 0, 'F');
    EXPECT_EQ(monitor.keyPressCount, 1);
    HoldOnly({});
    RawKey(0x21, kRawKeyBreak, 'F');
    Frame();
    EXPECT_EQ(ups, std::vector<K>{K::F});
}

TEST_F(MonitorTest, HeldOrderFollowsPresses) {
    RawKey(0x1E, 0, 'A');
    RawKey(0x1F, 0, 'S');
    RawKey(0x1E, kRawKeyBreak, 'A');
    EXPECT_EQ(monitor.heldOrder, std::vector<K>{K::S});
    RawKey(0x1E, 0, 'A');
    EXPECT_EQ(monitor.heldOrder, (std::vector<K>{K::S, K::A}));
    EXPECT_EQ(monitor.heldKeys.size(), 2u);
    EXPECT_EQ(monitor.keyPressCount, 3);
    EXPECT_EQ(monitor.lastKeyDownTime, system.now);
}

TEST_F(MonitorTest, UnknownAndPauseKeysDoNothing) {
    RawKey(0x47, kRawKeyE0, kVkHome);    // Home
    RawKey(0x52, kRawKeyE0, kVkInsert);  // Insert
    RawKey(0x1D, kRawKeyE1, kVkPause);   // Pause, first record
    RawKey(0x45, 0, 0xFF);               // Pause, second record
    RawKey(0, 0, 0xFF);                  // filler record
    HookKey(kWmKeyDown, 0x45, 0, kVkPause);
    HoldOnly({kVkHome, kVkInsert, kVkPause});
    Frame();
    EXPECT_TRUE(downs.empty());
    EXPECT_EQ(monitor.keyPressCount, 0);
    EXPECT_EQ(monitor.lastRawKeyTime, 0.0);
}

TEST_F(MonitorTest, ResetInputReleasesKeysAndButtons) {
    RawKey(0x1E, 0, 'A');
    HoldOnly({'S'});
    Frame();  // S held by polling only
    HandleRawMouse(monitor, 0, 0x0001 | 0x0010, 0, 0);
    HandleRawMouse(monitor, 0, 0, 12, 0);
    buttons.clear();
    HoldOnly({});
    system.cursor = {640, 360};
    ResetInput(monitor);
    EXPECT_EQ(ups, (std::vector<K>{K::A, K::S}));
    EXPECT_EQ(buttons, (std::vector<std::pair<int, bool>>{{0, false}, {2, false}}));
    EXPECT_TRUE(monitor.heldKeys.empty());
    EXPECT_TRUE(monitor.heldOrder.empty());
    EXPECT_TRUE(monitor.eventDownKeys.empty());
    EXPECT_TRUE(monitor.polledDownKeys.empty());
    EXPECT_FALSE(monitor.leftButtonDown || monitor.rightButtonDown || monitor.middleButtonDown);
    EXPECT_EQ(monitor.rawMouseDelta.x, 0.0f);
    EXPECT_EQ(monitor.cursor.x, 640);
    EXPECT_EQ(monitor.lastRawKeyTime, 0.0);
    EXPECT_EQ(monitor.lastRawMouseTime, 0.0);
    // Nothing is still held, so the next frame presses nothing.
    Frame();
    EXPECT_EQ(monitor.keyPressCount, 2);
}

TEST_F(MonitorTest, CursorVelocity) {
    struct Case {
        const char* name;
        ScreenPoint moveTo;
        uint16_t rawFlags;
        int32_t rawDx, rawDy;
        float velocityX, velocityY;
    };
    const Case cases[] = {
        {"cursor moves", {530, 400}, 0, 0, 0, 30 / kFrame, 0},
        {"pinned at an edge, raw motion", {500, 400}, 0, 0, -24, 0, -24 / kFrame},
        {"cursor wins over raw motion", {510, 400}, 0, 40, 0, 10 / kFrame, 0},
        {"raw motion too small", {500, 400}, 0, 0, 0, 0, 0},
        {"absolute raw motion is no delta", {500, 400}, 1, 300, 300, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetInput(monitor);
        system.cursor = {500, 400};
        Frame();
        monitor.cursorVelocity = {};
        system.cursor = c.moveTo;
        HandleRawMouse(monitor, c.rawFlags, 0, c.rawDx, c.rawDy);
        Frame();
        EXPECT_NEAR(monitor.cursorVelocity.x, c.velocityX, 1e-2f);
        EXPECT_NEAR(monitor.cursorVelocity.y, c.velocityY, 1e-2f);
        EXPECT_EQ(monitor.rawMouseDelta.x, 0.0f);
        EXPECT_EQ(monitor.rawMouseDelta.y, 0.0f);
    }
    // Without motion the speed decays.
    monitor.cursorVelocity = {100, -50};
    Frame();
    EXPECT_NEAR(monitor.cursorVelocity.x, 82.0f, 1e-3f);
    EXPECT_NEAR(monitor.cursorVelocity.y, -41.0f, 1e-3f);
}

TEST_F(MonitorTest, OldPressesLeaveKpm) {
    for (int i = 0; i < 5; ++i) {
        RawKey(0x1E, 0, 'A');
        RawKey(0x1E, kRawKeyBreak, 'A');
        system.now += 1.0;
    }
    EXPECT_EQ(KeysPerMinute(monitor), 30);
    FramesUntil(system.now + 6.5);  // the first two presses are now more than 10 s old
    EXPECT_EQ(KeysPerMinute(monitor), 18);
    FramesUntil(system.now + 5.0);
    EXPECT_EQ(KeysPerMinute(monitor), 0);
    EXPECT_EQ(monitor.keyPressCount, 5);
}

TEST_F(MonitorTest, RecentPressesStayBoundedWithoutFrames) {
    // Hidden pet: no frame steps run, presses keep coming for a minute.
    for (int i = 0; i < 600; ++i) {
        RawKey(0x1E, 0, 'A');
        RawKey(0x1E, kRawKeyBreak, 'A');
        system.now += 0.1;
    }
    EXPECT_LE(monitor.recentPresses.size(), 101u);
    EXPECT_GE(monitor.recentPresses.size(), 99u);
    EXPECT_EQ(monitor.keyPressCount, 600);
}

TEST_F(MonitorTest, RawMouseButtons) {
    HandleRawMouse(monitor, 0, 0x0001, 0, 0);           // left down
    HandleRawMouse(monitor, 0, 0x0001, 0, 0);           // repeated: no change
    HandleRawMouse(monitor, 0, 0x0004 | 0x0008, 0, 0);  // right click inside one record
    HandleRawMouse(monitor, 0, 0x0002 | 0x0010, 0, 0);  // left up, middle down
    EXPECT_EQ(buttons, (std::vector<std::pair<int, bool>>{
                           {0, true}, {1, true}, {1, false}, {0, false}, {2, true}}));
    EXPECT_TRUE(monitor.middleButtonDown);
    EXPECT_EQ(monitor.lastButtonDownTime, system.now);
    EXPECT_EQ(monitor.lastRawMouseTime, system.now);
}

TEST_F(MonitorTest, ButtonPollOnlyWhileRawMouseIsQuiet) {
    HandleRawMouse(monitor, 0, 0, 3, 0);
    HoldOnly({kVkRButton});
    Frame();
    EXPECT_TRUE(buttons.empty()) << "raw mouse input is fresh";
    FramesUntil(system.now + 0.3);
    EXPECT_EQ(buttons, (std::vector<std::pair<int, bool>>{{1, true}}));
    HoldOnly({});
    Frame();
    EXPECT_EQ(buttons, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}}));
}

TEST(TabletTest, RecognisesTabletDevices) {
    struct Case {
        HidDeviceInfo device;
        bool tablet;
    };
    const Case cases[] = {
        {{0x056A, 1, 2}, true},     {{0x28BD, 0xFF00, 1}, true}, {{0x5543, 1, 6}, true},
        {{0x33F8, 0, 0}, true},     {{0x1234, 0x0D, 1}, true},   {{0x1234, 0x0D, 2}, true},
        {{0x1234, 0x0D, 4}, false}, {{0x1234, 0x01, 2}, false},  {{0x046D, 0x01, 6}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsTabletDevice(c.device), c.tablet) << c.device.vendorId << " " << c.device.usage;
    }
}

TEST_F(MonitorTest, TabletScanFollowsTheDeviceList) {
    system.devices = {{0x046D, 1, 2}, {0x056A, 0x0D, 2}};
    Frame();
    EXPECT_TRUE(monitor.tabletPresent);
    system.devices = {{0x046D, 1, 2}};
    FramesUntil(system.now + 1.0);
    EXPECT_TRUE(monitor.tabletPresent) << "rescanned too early";
    FramesUntil(system.now + 2.0);
    EXPECT_FALSE(monitor.tabletPresent);
    system.devices = {{0x056A, 0x0D, 2}};
    system.devicesReadable = false;
    ScanTabletDevices(monitor, system.now);
    EXPECT_FALSE(monitor.tabletPresent);
    EXPECT_EQ(monitor.lastDeviceScan, system.now);
}

TEST_F(MonitorTest, PenReportsCountAsInput) {
    HandleRawHid(monitor);
    EXPECT_EQ(monitor.lastPenInputTime, system.now);
    EXPECT_EQ(monitor.lastInputTime, system.now);
}

TEST(InputMonitorTest, EmptySystemHooksAreHarmless) {
    InputMonitor monitor;
    FrameStep(monitor, kFrame);
    HandleRawKeyboard(monitor, 0x1E, 0, 'A');
    FrameStep(monitor, kFrame);  // no clock, no key state: the key reads as up and stale
    ResetInput(monitor);
    EXPECT_TRUE(monitor.heldKeys.empty());
    EXPECT_EQ(monitor.keyPressCount, 1);
}

TEST(InputMonitorTest, DestroyedMonitorLeavesNoHookTarget) {
    {
        InputMonitor monitor;
        hookTarget = &monitor;
    }
    EXPECT_EQ(hookTarget, nullptr);
}

TEST(KeyEventTest, FromRawKeyboardRecords) {
    struct Case {
        const char* name;
        uint16_t makeCode, flags, vk;
        bool produces;
        K key;
        bool down;
    };
    const Case cases[] = {
        {"letter down", 0x1E, 0, 'A', true, K::A, true},
        {"letter up", 0x1E, kRawKeyBreak, 'A', true, K::A, false},
        {"right ctrl", 0x1D, kRawKeyE0, kVkControl, true, K::RightCtrl, true},
        {"right ctrl up", 0x1D, kRawKeyE0 | kRawKeyBreak, kVkControl, true, K::RightCtrl, false},
        {"pause", 0x1D, kRawKeyE1, kVkPause, false, K::None, false},
        {"pause up", 0x1D, kRawKeyE1 | kRawKeyBreak, kVkPause, false, K::None, false},
        {"filler", 0, 0, 0xFF, false, K::None, false},
        {"zero make, known vk", 0, 0, 'Q', true, K::Q, true},
        {"home", 0x47, kRawKeyE0, kVkHome, false, K::None, false},
    };
    for (const Case& c : cases) {
        const auto event = KeyEventFromRawKeyboard(c.makeCode, c.flags, c.vk);
        ASSERT_EQ(event.has_value(), c.produces) << c.name;
        if (!event) continue;
        EXPECT_EQ(event->key, c.key) << c.name;
        EXPECT_EQ(event->down, c.down) << c.name;
        EXPECT_EQ(event->virtualKey, c.vk) << c.name;
    }
}

TEST(KeyEventTest, FromHookRecords) {
    struct Case {
        const char* name;
        uint32_t message, scanCode, flags, vk;
        bool produces;
        K key;
        bool down;
    };
    const Case cases[] = {
        {"key down", kWmKeyDown, 0x1E, 0, 'A', true, K::A, true},
        {"key up", kWmKeyUp, 0x1E, 0x80, 'A', true, K::A, false},
        {"alt down", kWmSysKeyDown, 0x38, 0x20, kVkLMenu, true, K::LeftAlt, true},
        {"alt up", kWmSysKeyUp, 0x38, 0xA0, kVkLMenu, true, K::LeftAlt, false},
        {"extended arrow", kWmKeyDown, 0x48, 1, kVkUp, true, K::Up, true},
        {"keypad arrow", kWmKeyDown, 0x48, 0, kVkUp, true, K::Digit8, true},
        {"injected", kWmKeyDown, 0x1E, 0x10, 'A', true, K::A, true},
        {"other message", 0x0102, 0x1E, 0, 'A', false, K::None, false},
        {"scan code out of range", kWmKeyDown, 0x10010, 0, kVkHome, false, K::None, false},
        {"scan code out of range, letter", kWmKeyDown, 0x10010, 0, 'W', true, K::W, true},
        {"virtual key out of range", kWmKeyDown, 0, 0, 0x10041, false, K::None, false},
    };
    for (const Case& c : cases) {
        const auto event = KeyEventFromHook(c.message, c.scanCode, c.flags, c.vk);
        ASSERT_EQ(event.has_value(), c.produces) << c.name;
        if (!event) continue;
        EXPECT_EQ(event->key, c.key) << c.name;
        EXPECT_EQ(event->down, c.down) << c.name;
    }
}

}  // namespace
