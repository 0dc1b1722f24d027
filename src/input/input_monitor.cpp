#include "input/input_monitor.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "keys/virtual_keys.h"

InputMonitor* hookTarget = nullptr;

namespace {

// An event-held key whose down event is older than this, with its key up,
// lost its release event.
constexpr double kStaleKeySeconds = 0.25;
// Polled buttons only while raw mouse input has been quiet this long.
constexpr double kRawMouseQuietSeconds = 0.25;
constexpr double kRecentPressSeconds = 10.0;
constexpr double kDeviceScanSeconds = 2.5;

constexpr uint32_t kTabletVendors[] = {0x056A, 0x1B96, 0x2179, 0x28BD, 0x256C,
                                       0x2FBB, 0x2FEB, 0x33F8, 0x5543};
constexpr uint16_t kDigitizerUsagePage = 0x0D;
constexpr uint16_t kDigitizerUsages[] = {1, 2};

struct ButtonBits {
    uint16_t downFlag;
    uint16_t upFlag;
    uint16_t virtualKey;
    bool InputMonitor::*state;
};

// Index is the button number given to onMouseButton.
constexpr ButtonBits kButtons[] = {
    {0x0001, 0x0002, kVkLButton, &InputMonitor::leftButtonDown},
    {0x0004, 0x0008, kVkRButton, &InputMonitor::rightButtonDown},
    {0x0010, 0x0020, kVkMButton, &InputMonitor::middleButtonDown},
};
constexpr uint16_t kRawMouseWheel = 0x0400;
constexpr uint16_t kRawMouseMoveAbsolute = 0x0001;

// Raw input names the modifiers generically; the hook and the poll use the
// left/right codes, so a generic code says nothing about which key is down.
constexpr uint16_t kGenericVirtualKeys[] = {kVkShift, kVkControl, kVkMenu, 0, 0xFF};

constexpr uint32_t kWmKeyDown = 0x0100;
constexpr uint32_t kWmKeyUp = 0x0101;
constexpr uint32_t kWmSysKeyDown = 0x0104;
constexpr uint32_t kWmSysKeyUp = 0x0105;
constexpr uint32_t kLlkhfExtended = 0x01;

double Now(const InputMonitor& m) {
    return m.system.now ? m.system.now() : 0.0;
}

bool KeyDown(const InputMonitor& m, uint16_t virtualKey) {
    return m.system.keyDown ? m.system.keyDown(virtualKey) : false;
}

bool ReadCursor(const InputMonitor& m, ScreenPoint& cursor) {
    return m.system.readCursor ? m.system.readCursor(cursor) : false;
}

bool IsValidKey(PhysicalKey key) {
    const auto value = static_cast<int32_t>(key);
    return value >= 0 && value < kPhysicalKeyCount && key != PhysicalKey::None;
}

void TrimRecentPresses(InputMonitor& m, double now) {
    while (!m.recentPresses.empty() && now - m.recentPresses.front() > kRecentPressSeconds) {
        m.recentPresses.pop_front();
    }
}

void SetButton(InputMonitor& m, int button, bool down, double now) {
    bool& state = m.*kButtons[button].state;
    if (state == down) return;
    state = down;
    m.lastInputTime = now;
    if (down) m.lastButtonDownTime = now;
    if (m.onMouseButton) m.onMouseButton(button, down);
}

// True when a key held by events was reported with this virtual key, so the
// asynchronous state of that code already stands for a counted press.
bool EventCarriesVirtualKey(const InputMonitor& m, uint16_t virtualKey) {
    return std::any_of(m.eventVirtualKey.begin(), m.eventVirtualKey.end(),
                       [virtualKey](const auto& entry) { return entry.second == virtualKey; });
}

void PollKeys(InputMonitor& m, double now) {
    for (const KeyPollEntry& entry : KeyPollTable) {
        const PhysicalKey key = entry.key;
        const bool eventHeld = m.eventDownKeys.count(key) != 0;
        uint16_t virtualKey = entry.virtualKey;
        if (eventHeld) {
            const auto reported = m.eventVirtualKey.find(key);
            if (reported != m.eventVirtualKey.end()) virtualKey = reported->second;
        }
        const bool polled = m.polledDownKeys.count(key) != 0;
        if (KeyDown(m, virtualKey)) {
            if (eventHeld || polled) continue;
            if (EventCarriesVirtualKey(m, entry.virtualKey)) continue;
            m.polledDownKeys.insert(key);
        } else {
            bool stale = false;
            if (eventHeld) {
                const auto downTime = m.eventDownTime.find(key);
                stale = now - m.lastRawKeyTime > kStaleKeySeconds ||
                        downTime == m.eventDownTime.end() ||
                        now - downTime->second > kStaleKeySeconds;
            }
            if (!polled && !stale) continue;
            m.polledDownKeys.erase(key);
            if (stale) {
                m.eventDownKeys.erase(key);
                m.eventDownTime.erase(key);
                m.eventVirtualKey.erase(key);
            }
        }
        RefreshKeyState(m, key);
    }
}

void PollButtons(InputMonitor& m, double now) {
    if (now - m.lastRawMouseTime <= kRawMouseQuietSeconds) return;
    for (int button = 0; button < 3; ++button) {
        SetButton(m, button, KeyDown(m, kButtons[button].virtualKey), now);
    }
}

uint32_t ReadU32(std::span<const uint8_t> bytes, std::size_t offset) {
    uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

}  // namespace

InputMonitor::~InputMonitor() {
    if (hookTarget == this) hookTarget = nullptr;
}

int32_t KeysPerMinute(const InputMonitor& monitor) {
    return static_cast<int32_t>(monitor.recentPresses.size()) * 6;
}

void OnKeyEvent(InputMonitor& monitor, PhysicalKey key, bool down, uint16_t virtualKey) {
    if (!IsValidKey(key)) return;
    if (down) {
        monitor.eventDownKeys.insert(key);
        monitor.eventDownTime[key] = Now(monitor);
        if (std::find(std::begin(kGenericVirtualKeys), std::end(kGenericVirtualKeys), virtualKey) ==
            std::end(kGenericVirtualKeys)) {
            monitor.eventVirtualKey[key] = virtualKey;
        }
    } else {
        monitor.eventDownKeys.erase(key);
        monitor.polledDownKeys.erase(key);
        monitor.eventDownTime.erase(key);
        monitor.eventVirtualKey.erase(key);
    }
    RefreshKeyState(monitor, key);
}

void RefreshKeyState(InputMonitor& monitor, PhysicalKey key) {
    const bool held =
        monitor.eventDownKeys.count(key) != 0 || monitor.polledDownKeys.count(key) != 0;
    const bool known = monitor.heldKeys.count(key) != 0;
    if (held && !known) {
        const double now = Now(monitor);
        monitor.heldKeys.insert(key);
        std::erase(monitor.heldOrder, key);
        monitor.heldOrder.push_back(key);
        monitor.lastKeyDownTime = now;
        monitor.recentPresses.push_back(now);
        // Trimmed here too: the frame step does not run while the pet is hidden.
        TrimRecentPresses(monitor, now);
        if (monitor.keyPressCount < std::numeric_limits<int32_t>::max()) ++monitor.keyPressCount;
        if (monitor.onKeyDown) monitor.onKeyDown(key);
    } else if (!held && known) {
        monitor.heldKeys.erase(key);
        std::erase(monitor.heldOrder, key);
        if (monitor.onKeyUp) monitor.onKeyUp(key);
    }
}

void FrameStep(InputMonitor& monitor, float dt) {
    const double now = Now(monitor);
    if (now - monitor.lastDeviceScan > kDeviceScanSeconds) ScanTabletDevices(monitor, now);

    Vec2 motion;
    ScreenPoint cursor = monitor.cursor;
    if (ReadCursor(monitor, cursor)) {
        motion.x = static_cast<float>(cursor.x - monitor.cursor.x);
        motion.y = static_cast<float>(cursor.y - monitor.cursor.y);
        monitor.cursor = cursor;
    }
    // A pinned pointer (screen edge, captured by a game) still reports raw motion.
    if (std::fabs(motion.x) < 0.5f && std::fabs(motion.y) < 0.5f &&
        (std::fabs(monitor.rawMouseDelta.x) > 0.5f || std::fabs(monitor.rawMouseDelta.y) > 0.5f)) {
        motion = monitor.rawMouseDelta;
    }
    monitor.rawMouseDelta = Vec2{};

    if (std::hypot(motion.x, motion.y) > 0.4f && dt > 0.001f) {
        monitor.cursorVelocity = Vec2{motion.x / dt, motion.y / dt};
        monitor.lastInputTime = now;
    } else {
        monitor.cursorVelocity.x *= 0.82f;
        monitor.cursorVelocity.y *= 0.82f;
    }

    PollKeys(monitor, now);
    PollButtons(monitor, now);
    TrimRecentPresses(monitor, now);
}

void ResetInput(InputMonitor& monitor) {
    const double now = Now(monitor);
    const std::vector<PhysicalKey> held(monitor.heldOrder.begin(), monitor.heldOrder.end());
    monitor.eventDownKeys.clear();
    monitor.polledDownKeys.clear();
    monitor.eventDownTime.clear();
    monitor.eventVirtualKey.clear();
    for (PhysicalKey key : held) RefreshKeyState(monitor, key);
    monitor.heldKeys.clear();
    monitor.heldOrder.clear();
    for (int button = 0; button < 3; ++button) SetButton(monitor, button, false, now);
    monitor.rawMouseDelta = Vec2{};
    monitor.cursorVelocity = Vec2{};
    ReadCursor(monitor, monitor.cursor);
    monitor.lastRawKeyTime = 0.0;
    monitor.lastRawMouseTime = 0.0;
}

bool IsTabletDevice(const HidDeviceInfo& device) {
    if (std::find(std::begin(kTabletVendors), std::end(kTabletVendors), device.vendorId) !=
        std::end(kTabletVendors)) {
        return true;
    }
    return device.usagePage == kDigitizerUsagePage &&
           std::find(std::begin(kDigitizerUsages), std::end(kDigitizerUsages), device.usage) !=
               std::end(kDigitizerUsages);
}

void ScanTabletDevices(InputMonitor& monitor, double now) {
    monitor.lastDeviceScan = now;
    std::vector<HidDeviceInfo> devices;
    const bool listed = monitor.system.listHidDevices && monitor.system.listHidDevices(devices);
    monitor.tabletPresent = listed && std::any_of(devices.begin(), devices.end(), IsTabletDevice);
}

std::optional<KeyEvent> KeyEventFromRawKeyboard(uint16_t makeCode, uint16_t flags,
                                                uint16_t virtualKey) {
    // E1 records belong to Pause, whose first make code would read as left Ctrl.
    if ((flags & kRawKeyE1) != 0) return std::nullopt;
    if (makeCode == 0 && virtualKey == 0xFF) return std::nullopt;
    const PhysicalKey key = KeyFromScanCode(makeCode, (flags & kRawKeyE0) != 0, virtualKey);
    if (key == PhysicalKey::None) return std::nullopt;
    return KeyEvent{key, (flags & kRawKeyBreak) == 0, virtualKey};
}

std::optional<KeyEvent> KeyEventFromHook(uint32_t message, uint32_t scanCode, uint32_t flags,
                                         uint32_t virtualKey) {
    bool down = false;
    if (message == kWmKeyDown || message == kWmSysKeyDown) {
        down = true;
    } else if (message != kWmKeyUp && message != kWmSysKeyUp) {
        return std::nullopt;
    }
    // Out-of-range codes must not alias onto real keys when narrowed.
    const uint16_t scan = scanCode > 0xFFFF ? 0 : static_cast<uint16_t>(scanCode);
    const uint16_t vk = virtualKey > 0xFFFF ? 0xFFFF : static_cast<uint16_t>(virtualKey);
    const PhysicalKey key = KeyFromScanCode(scan, (flags & kLlkhfExtended) != 0, vk);
    if (key == PhysicalKey::None) return std::nullopt;
    return KeyEvent{key, down, vk};
}

void HandleRawKeyboard(InputMonitor& monitor, uint16_t makeCode, uint16_t flags,
                       uint16_t virtualKey) {
    const std::optional<KeyEvent> event = KeyEventFromRawKeyboard(makeCode, flags, virtualKey);
    if (!event) return;
    monitor.lastRawKeyTime = Now(monitor);
    OnKeyEvent(monitor, event->key, event->down, event->virtualKey);
}

void HandleRawMouse(InputMonitor& monitor, uint16_t moveFlags, uint16_t buttonFlags, int32_t dx,
                    int32_t dy) {
    const double now = Now(monitor);
    monitor.lastRawMouseTime = now;
    if ((moveFlags & kRawMouseMoveAbsolute) == 0 && (dx != 0 || dy != 0)) {
        monitor.rawMouseDelta.x += static_cast<float>(dx);
        monitor.rawMouseDelta.y += static_cast<float>(dy);
        monitor.lastInputTime = now;
    }
    for (int button = 0; button < 3; ++button) {
        if ((buttonFlags & kButtons[button].downFlag) != 0) SetButton(monitor, button, true, now);
        if ((buttonFlags & kButtons[button].upFlag) != 0) SetButton(monitor, button, false, now);
    }
    if ((buttonFlags & kRawMouseWheel) != 0) monitor.lastInputTime = now;
}

void HandleRawHid(InputMonitor& monitor) {
    const double now = Now(monitor);
    monitor.lastPenInputTime = now;
    monitor.lastInputTime = now;
}

bool RawInputRecordValid(uint32_t announcedSize, uint32_t returnedSize,
                         std::span<const uint8_t> record) {
    if (announcedSize == kRawSizeQueryFailed || returnedSize != announcedSize) return false;
    if (record.size() < announcedSize || announcedSize < kRawInputHeaderSize) return false;
    uint64_t needed = 0;
    switch (ReadU32(record, 0)) {
        case kRawTypeMouse:
            needed = uint64_t{kRawInputHeaderSize} + kRawMouseSize;
            break;
        case kRawTypeKeyboard:
            needed = uint64_t{kRawInputHeaderSize} + kRawKeyboardSize;
            break;
        case kRawTypeHid:
            if (announcedSize < kRawInputHeaderSize + kRawHidHeaderSize) return false;
            needed = uint64_t{kRawInputHeaderSize} + kRawHidHeaderSize +
                     uint64_t{ReadU32(record, kRawInputHeaderSize)} *
                         ReadU32(record, kRawInputHeaderSize + 4);
            break;
        default:
            return false;
    }
    return needed <= announcedSize;
}
