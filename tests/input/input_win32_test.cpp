#include "input/input_monitor_win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <utility>
#include <vector>

#include "../keys/physical_key_printer.h"

namespace {

using K = PhysicalKey;

InputMonitor* windowTarget = nullptr;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INPUT && windowTarget != nullptr) {
        HandleRawInput(*windowTarget, reinterpret_cast<HRAWINPUT>(lParam));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

double SteadySeconds() {
    static const auto base = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - base).count() + 1.0;
}

// A key as the system reports hardware input: scan code, E0 flag and the
// virtual key the layout and NumLock made of it. Without a virtual key only the
// scan code is sent.
INPUT Key(WORD scanCode, WORD virtualKey, bool extended, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = scanCode;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = (virtualKey == 0 ? KEYEVENTF_SCANCODE : 0u) |
                       (extended ? KEYEVENTF_EXTENDEDKEY : 0u) | (up ? KEYEVENTF_KEYUP : 0u);
    return input;
}

INPUT Down(WORD scanCode, WORD virtualKey, bool extended = false) {
    return Key(scanCode, virtualKey, extended, false);
}

INPUT Up(WORD scanCode, WORD virtualKey, bool extended = false) {
    return Key(scanCode, virtualKey, extended, true);
}

// Not sent: the sender waits this long instead, as a held key's typematic delay.
INPUT Wait(UINT milliseconds) {
    INPUT input{};
    input.type = INPUT_HARDWARE;
    input.hi.uMsg = milliseconds;
    return input;
}

INPUT Mouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = dx;
    input.mi.dy = dy;
    return input;
}

// A hidden tool window that receives raw input like the overlay does, with a
// monitor recording what it reports.
class InputWin32Test : public testing::Test {
protected:
    static HWND CreateTestWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"MewlarkInputTestWindow";
        RegisterClassW(&windowClass);  // fails harmlessly when already registered
        return CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass.lpszClassName,
                               L"input test", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               windowClass.hInstance, nullptr);
    }

    void SetUp() override {
        window = CreateTestWindow();
        ASSERT_NE(window, nullptr);
        monitor.system = Win32InputSystem(SteadySeconds);
        monitor.onKeyDown = [this](K key) {
            downs.push_back(key);
            orders.push_back(monitor.heldOrder);
        };
        monitor.onKeyUp = [this](K key) { ups.push_back(key); };
        monitor.onMouseButton = [this](int button, bool down) {
            buttons.emplace_back(button, down);
        };
        windowTarget = &monitor;
        WarmUpOnce();
    }

    // A freshly booted Wine prefix delivers no raw input until the display has
    // seen a click; click and type until raw input flows, then start clean.
    void WarmUpOnce() {
        static bool warm = false;
        if (warm) return;
        const double giveUp = SteadySeconds() + 20.0;
        while (SteadySeconds() < giveUp) {
            ASSERT_TRUE(RegisterRawInput(monitor, window));
            Inject({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP), Down(0x2A, VK_LSHIFT),
                    Up(0x2A, VK_LSHIFT), Mouse(MOUSEEVENTF_MOVE, 1, 0)},
                   0.2);
            if (monitor.lastRawKeyTime != 0.0 && monitor.lastRawMouseTime != 0.0) break;
        }
        warm = true;
        ResetInput(monitor);
        monitor.keyPressCount = 0;
        downs.clear();
        ups.clear();
        orders.clear();
        buttons.clear();
    }

    void TearDown() override {
        RemoveKeyboardHook(monitor);
        const RAWINPUTDEVICE remove[2] = {{0x01, 0x06, RIDEV_REMOVE, nullptr},
                                          {0x01, 0x02, RIDEV_REMOVE, nullptr}};
        RegisterRawInputDevices(remove, 2, sizeof(RAWINPUTDEVICE));
        windowTarget = nullptr;
        if (window != nullptr) DestroyWindow(window);
    }

    // Sends the inputs from another thread, as another program's typing would
    // arrive, while this thread pumps messages and runs frames like the app.
    void Inject(std::vector<INPUT> inputs, double settle = 0.5) {
        std::atomic<bool> done{false};
        std::thread sender([&] {
            for (INPUT& input : inputs) {
                if (input.type == INPUT_HARDWARE) {
                    Sleep(input.hi.uMsg);
                    continue;
                }
                SendInput(1, &input, sizeof(INPUT));
                Sleep(15);
            }
            done = true;
        });
        double settleUntil = 0.0;
        double nextFrame = SteadySeconds();
        const double giveUp = SteadySeconds() + 20.0;
        while (SteadySeconds() < giveUp) {
            MsgWaitForMultipleObjectsEx(0, nullptr, 5, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            const double now = SteadySeconds();
            if (now >= nextFrame) {
                FrameStep(monitor, 1.0f / 60.0f);
                maxSpeed = std::max(maxSpeed, std::abs(monitor.cursorVelocity.x));
                nextFrame = now + 1.0 / 60.0;
            }
            if (done && settleUntil == 0.0) settleUntil = now + settle;
            if (settleUntil != 0.0 && now > settleUntil) break;
        }
        sender.join();
    }

    HWND window = nullptr;
    InputMonitor monitor;
    std::vector<K> downs;
    std::vector<K> ups;
    std::vector<std::vector<K>> orders;
    std::vector<std::pair<int, bool>> buttons;
    float maxSpeed = 0.0f;
};

TEST_F(InputWin32Test, EveryTypedKeyCountsOnceWhicheverSourcesReportIt) {
    struct Sources {
        const char* name;
        bool rawInput;
        bool hook;
    };
    const Sources sourceSets[] = {
        {"raw input and hook", true, true},
        {"raw input only", true, false},
        {"hook only", false, true},
    };
    for (const Sources& sources : sourceSets) {
        SCOPED_TRACE(sources.name);
        ResetInput(monitor);
        RemoveKeyboardHook(monitor);
        downs.clear();
        ups.clear();
        orders.clear();
        const int32_t before = monitor.keyPressCount;
        if (sources.rawInput) {
            ASSERT_TRUE(RegisterRawInput(monitor, window));
        }
        if (sources.hook) {
            ASSERT_TRUE(InstallKeyboardHook(monitor));
        }
        Inject({
            Down(0x1E, 'A'), Down(0x1E, 'A'), Down(0x1E, 'A'), Down(0x1E, 'A'),  // auto-repeat
            Up(0x1E, 'A'),                                                       //
            Down(0x1F, 'S'), Down(0x20, 'D'), Up(0x1F, 'S'), Up(0x20, 'D'),      // overlapping
            Down(0x11, 0), Up(0x11, 0),                                  // W, scan code only
            Down(0x1C, VK_RETURN, true), Up(0x1C, VK_RETURN, true),      // keypad Enter
            Down(0x1D, VK_RCONTROL, true), Up(0x1D, VK_RCONTROL, true),  // right Ctrl
            Down(0x4B, VK_LEFT, true), Up(0x4B, VK_LEFT, true),          // arrow left
            Down(0x06, '5'), Up(0x06, '5'),                              //
            Down(0x53, VK_DELETE, true), Up(0x53, VK_DELETE, true),      // Delete
            Down(0x3B, VK_F1), Up(0x3B, VK_F1),                          //
            Down(0x47, VK_HOME, true), Up(0x47, VK_HOME, true),          // Home: ignored
            // Held past the typematic delay, then repeating.
            Down(0x48, VK_UP), Wait(600), Down(0x48, VK_UP), Down(0x48, VK_UP),  // keypad 8,
            Up(0x48, VK_UP),                                                     // NumLock off
            Down(0x4C, VK_NUMPAD5), Wait(600), Down(0x4C, VK_NUMPAD5),   // keypad 5, NumLock on
            Up(0x4C, VK_NUMPAD5),                                        //
            Down(0x53, VK_DELETE), Wait(600), Down(0x53, VK_DELETE),     // keypad period,
            Up(0x53, VK_DELETE),                                         // NumLock off
            Down(0x10, 'A'), Wait(600), Down(0x10, 'A'), Up(0x10, 'A'),  // AZERTY A key
        });
        const std::vector<K> expected = {K::A,         K::S,      K::D,      K::W,      K::Enter,
                                         K::RightCtrl, K::Left,   K::Digit5, K::Delete, K::F1,
                                         K::Digit8,    K::Digit5, K::Period, K::Q};
        EXPECT_EQ(downs, expected);
        EXPECT_EQ(monitor.keyPressCount - before, static_cast<int32_t>(expected.size()));
        ASSERT_GE(orders.size(), 3u);
        EXPECT_EQ(orders[2], (std::vector<K>{K::S, K::D}));
        EXPECT_EQ(ups.size(), expected.size());
        EXPECT_TRUE(monitor.heldKeys.empty());
        EXPECT_TRUE(monitor.heldOrder.empty());
        if (sources.rawInput) {
            EXPECT_GT(monitor.lastRawKeyTime, 0.0);
        }
    }
}

TEST_F(InputWin32Test, ClicksAndMotionArriveThroughRawInput) {
    ASSERT_TRUE(RegisterRawInput(monitor, window));
    EXPECT_TRUE(monitor.rawInputRegistered);
    Inject({
        Mouse(MOUSEEVENTF_MOVE, 40, 0),
        Mouse(MOUSEEVENTF_LEFTDOWN),
        Mouse(MOUSEEVENTF_LEFTUP),
        Mouse(MOUSEEVENTF_RIGHTDOWN),
        Mouse(MOUSEEVENTF_RIGHTUP),
        Mouse(MOUSEEVENTF_MIDDLEDOWN),
        Mouse(MOUSEEVENTF_MIDDLEUP),
    });
    EXPECT_EQ(buttons, (std::vector<std::pair<int, bool>>{
                           {0, true}, {0, false}, {1, true}, {1, false}, {2, true}, {2, false}}));
    EXPECT_GT(monitor.lastRawMouseTime, 0.0);
    EXPECT_GT(maxSpeed, 0.0f);
}

TEST_F(InputWin32Test, HookInstallsOnceAndRemovesCleanly) {
    ASSERT_TRUE(InstallKeyboardHook(monitor));
    EXPECT_EQ(hookTarget, &monitor);
    void* const first = monitor.keyboardHook.handle;
    EXPECT_TRUE(InstallKeyboardHook(monitor));
    EXPECT_EQ(monitor.keyboardHook.handle, first);
    RemoveKeyboardHook(monitor);
    EXPECT_EQ(hookTarget, nullptr);
    EXPECT_EQ(monitor.keyboardHook.handle, nullptr);
}

TEST_F(InputWin32Test, UnreadableRecordsAreDropped) {
    HandleRawInput(monitor, nullptr);
    HandleRawInput(monitor, reinterpret_cast<HRAWINPUT>(static_cast<uintptr_t>(0x1234)));
    EXPECT_EQ(monitor.lastRawKeyTime, 0.0);
    EXPECT_EQ(monitor.lastRawMouseTime, 0.0);
    EXPECT_EQ(monitor.lastInputTime, 0.0);
}

TEST_F(InputWin32Test, HookIgnoresNonActionCodesAndPassesEverythingOn) {
    ASSERT_TRUE(InstallKeyboardHook(monitor));
    KBDLLHOOKSTRUCT record{};
    record.vkCode = 'A';
    record.scanCode = 0x1E;
    KeyboardHookProc(HC_ACTION + 1, WM_KEYDOWN, reinterpret_cast<LPARAM>(&record));
    KeyboardHookProc(HC_ACTION, WM_KEYDOWN, 0);
    EXPECT_TRUE(downs.empty());
    KeyboardHookProc(HC_ACTION, WM_KEYDOWN, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(downs, std::vector<K>{K::A});
    record.flags = LLKHF_UP;
    KeyboardHookProc(HC_ACTION, WM_KEYUP, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(ups, std::vector<K>{K::A});
}

}  // namespace
