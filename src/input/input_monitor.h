#pragma once

// Input: the keys and buttons pressed anywhere, merged from raw input, the hook and polling.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/geometry.h"
#include "keys/physical_key.h"

// What a raw-input device reports about itself (HID devices only).
struct HidDeviceInfo {
    uint32_t vendorId = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
};

// The system calls the monitor needs, as function objects: the Windows side
// fills them with the real calls, tests with fakes. An empty member reads as
// "nothing there" (time 0, key up, cursor unreadable, no device list).
struct InputSystem {
    std::function<double()> now;                       // monotonic seconds
    std::function<bool(uint16_t virtualKey)> keyDown;  // asynchronous key state, high bit
    std::function<bool(ScreenPoint& cursor)> readCursor;
    std::function<bool(std::vector<HidDeviceInfo>& devices)> listHidDevices;
};

// Owns the low-level keyboard hook handle; the Windows side supplies release.
struct HookHandle {
    void* handle = nullptr;
    void (*release)(void* handle) = nullptr;

    HookHandle() = default;
    HookHandle(const HookHandle&) = delete;
    HookHandle& operator=(const HookHandle&) = delete;
    ~HookHandle() { Reset(); }
    void Reset() {
        if (handle != nullptr && release != nullptr) release(handle);
        handle = nullptr;
    }
};

// The whole system's keyboard and mouse activity, merged from raw input, the
// low-level hook and a per-frame poll. Times are monotonic seconds, 0 = never.
struct InputMonitor {
    std::unordered_set<PhysicalKey> heldKeys;
    std::vector<PhysicalKey> heldOrder;  // oldest first
    bool leftButtonDown = false;
    bool rightButtonDown = false;
    bool middleButtonDown = false;
    double lastInputTime = 0.0;
    double lastButtonDownTime = 0.0;
    double lastKeyDownTime = 0.0;
    ScreenPoint cursor;
    Vec2 cursorVelocity;  // pixels per second
    Vec2 rawMouseDelta;   // relative raw motion since the last frame
    int32_t keyPressCount = 0;
    bool rawInputRegistered = false;
    HookHandle keyboardHook;
    std::function<void(PhysicalKey)> onKeyDown;
    std::function<void(PhysicalKey)> onKeyUp;
    std::function<void(int button, bool down)> onMouseButton;  // 0 left, 1 right, 2 middle
    std::deque<double> recentPresses;                          // press times of the last 10 s
    std::unordered_set<PhysicalKey> eventDownKeys;
    std::unordered_set<PhysicalKey> polledDownKeys;
    std::unordered_map<PhysicalKey, double> eventDownTime;
    double lastRawKeyTime = 0.0;
    double lastHookKeyTime = 0.0;  // the hook's last key: a hook the system dropped goes quiet
    double lastRawMouseTime = 0.0;
    bool tabletPresent = false;
    double lastPenInputTime = 0.0;
    double lastDeviceScan = 0.0;

    // Virtual key each event-held key was reported with; the poll checks that
    // one, since layouts and NumLock make it differ from the poll table's.
    std::unordered_map<PhysicalKey, uint16_t> eventVirtualKey;
    InputSystem system;

    InputMonitor() = default;
    InputMonitor(const InputMonitor&) = delete;
    InputMonitor& operator=(const InputMonitor&) = delete;
    ~InputMonitor();
};

// The monitor the low-level hook feeds; null while no hook is installed.
extern InputMonitor* hookTarget;

// Keys per minute from the presses of the last 10 s.
int32_t KeysPerMinute(const InputMonitor& monitor);

// Common entry of raw input and the hook. virtualKey is the event's own
// virtual-key code (0 when unknown).
void OnKeyEvent(InputMonitor& monitor, PhysicalKey key, bool down, uint16_t virtualKey = 0);

// Recomputes one key's held state and fires the callbacks.
void RefreshKeyState(InputMonitor& monitor, PhysicalKey key);

// Start of each frame with the clamped time step: device rescan, cursor
// motion and velocity, the key and button poll, trimming of old presses.
void FrameStep(InputMonitor& monitor, float dt);

// Forgets all held keys and buttons, firing the release callbacks.
void ResetInput(InputMonitor& monitor);

// Tablet detection from the system's device list.
bool IsTabletDevice(const HidDeviceInfo& device);
void ScanTabletDevices(InputMonitor& monitor, double now);

// Raw-input records, already read from the system.
inline constexpr uint16_t kRawKeyBreak = 0x01;  // RI_KEY_BREAK
inline constexpr uint16_t kRawKeyE0 = 0x02;     // RI_KEY_E0
inline constexpr uint16_t kRawKeyE1 = 0x04;     // RI_KEY_E1

struct KeyEvent {
    PhysicalKey key = PhysicalKey::None;
    bool down = false;
    uint16_t virtualKey = 0;
};

// The key event a raw keyboard record stands for, or nothing for records to drop.
std::optional<KeyEvent> KeyEventFromRawKeyboard(uint16_t makeCode, uint16_t flags,
                                                uint16_t virtualKey);

// The key event of a low-level hook record (message is WM_KEYDOWN, WM_KEYUP,
// WM_SYSKEYDOWN or WM_SYSKEYUP; flags are the LLKHF_ flags).
std::optional<KeyEvent> KeyEventFromHook(uint32_t message, uint32_t scanCode, uint32_t flags,
                                         uint32_t virtualKey);

void HandleRawKeyboard(InputMonitor& monitor, uint16_t makeCode, uint16_t flags,
                       uint16_t virtualKey);
// usFlags, usButtonFlags, lLastX, lLastY of a raw mouse record.
void HandleRawMouse(InputMonitor& monitor, uint16_t moveFlags, uint16_t buttonFlags, int32_t dx,
                    int32_t dy);
// A report of another HID device: the pen digitizer.
void HandleRawHid(InputMonitor& monitor);

// Layout of a 64-bit raw-input record, checked against the system headers on
// the Windows side.
inline constexpr uint32_t kRawInputHeaderSize = 24;
inline constexpr uint32_t kRawMouseSize = 24;
inline constexpr uint32_t kRawKeyboardSize = 16;
inline constexpr uint32_t kRawHidHeaderSize = 8;  // dwSizeHid, dwCount
inline constexpr uint32_t kRawTypeMouse = 0;
inline constexpr uint32_t kRawTypeKeyboard = 1;
inline constexpr uint32_t kRawTypeHid = 2;
inline constexpr uint32_t kRawSizeQueryFailed = 0xFFFFFFFFu;

// True when a record read with GetRawInputData can be trusted: the size query
// worked, the read returned the announced size, and the record holds the
// header plus the whole payload its type claims.
bool RawInputRecordValid(uint32_t announcedSize, uint32_t returnedSize,
                         std::span<const uint8_t> record);
