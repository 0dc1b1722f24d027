#include "input/input_monitor_win32.h"

#include <cstddef>
#include <cstring>
#include <utility>

#include "base/handles_win32.h"

// The platform-free record check relies on the 64-bit layout.
static_assert(sizeof(RAWINPUTHEADER) == kRawInputHeaderSize);
static_assert(sizeof(RAWMOUSE) == kRawMouseSize);
static_assert(sizeof(RAWKEYBOARD) == kRawKeyboardSize);
static_assert(offsetof(RAWHID, bRawData) == kRawHidHeaderSize);
static_assert(RIM_TYPEMOUSE == kRawTypeMouse && RIM_TYPEKEYBOARD == kRawTypeKeyboard &&
              RIM_TYPEHID == kRawTypeHid);
static_assert(RI_KEY_BREAK == kRawKeyBreak && RI_KEY_E0 == kRawKeyE0 && RI_KEY_E1 == kRawKeyE1);

namespace {

// Records up to this size are read without touching the heap.
constexpr UINT kLocalRecordBytes = 256;
// No real device sends more; anything larger is treated as garbage.
constexpr UINT kMaxRecordBytes = 1u << 20;

double Now(const InputMonitor& monitor) {
    return monitor.system.now ? monitor.system.now() : 0.0;
}

void ReleaseHook(void* handle) {
    WindowsHook::Free(static_cast<HHOOK>(handle));
}

void DispatchRecord(InputMonitor& monitor, const RAWINPUT& record) {
    switch (record.header.dwType) {
        case RIM_TYPEKEYBOARD: {
            const RAWKEYBOARD& k = record.data.keyboard;
            HandleRawKeyboard(monitor, k.MakeCode, k.Flags, k.VKey);
            break;
        }
        case RIM_TYPEMOUSE: {
            const RAWMOUSE& m = record.data.mouse;
            HandleRawMouse(monitor, m.usFlags, m.usButtonFlags, m.lLastX, m.lLastY);
            break;
        }
        default:
            HandleRawHid(monitor);
            break;
    }
}

}  // namespace

InputSystem Win32InputSystem(std::function<double()> clock) {
    InputSystem system;
    system.now = std::move(clock);
    system.keyDown = [](uint16_t virtualKey) {
        return (static_cast<unsigned short>(GetAsyncKeyState(virtualKey)) & 0x8000u) != 0;
    };
    system.readCursor = [](ScreenPoint& cursor) {
        POINT point{};
        if (!GetCursorPos(&point)) return false;
        cursor = ScreenPoint{point.x, point.y};
        return true;
    };
    system.listHidDevices = ListHidDevices;
    return system;
}

bool RegisterRawInput(InputMonitor& monitor, HWND window) {
    const RAWINPUTDEVICE devices[3] = {
        {0x01, 0x06, RIDEV_INPUTSINK, window},  // keyboard
        {0x01, 0x02, RIDEV_INPUTSINK, window},  // mouse
        {0x0D, 0x02, RIDEV_INPUTSINK, window},  // pen digitizer
    };
    bool registered = RegisterRawInputDevices(devices, 3, sizeof(RAWINPUTDEVICE)) != FALSE;
    // Systems without a digitizer may refuse the whole set; keep keyboard and mouse.
    if (!registered)
        registered = RegisterRawInputDevices(devices, 2, sizeof(RAWINPUTDEVICE)) != FALSE;
    monitor.rawInputRegistered = registered;
    ScanTabletDevices(monitor, Now(monitor));
    if (monitor.system.readCursor) monitor.system.readCursor(monitor.cursor);
    return registered;
}

void HandleRawInput(InputMonitor& monitor, HRAWINPUT input) {
    UINT size = 0;
    if (GetRawInputData(input, RID_INPUT, nullptr, &size, sizeof(RAWINPUTHEADER)) != 0) return;
    if (size == 0 || size > kMaxRecordBytes) return;

    alignas(RAWINPUT) BYTE local[kLocalRecordBytes];
    std::vector<BYTE> heap;
    BYTE* buffer = local;
    if (size > kLocalRecordBytes) {
        heap.resize(size);
        buffer = heap.data();
    }
    UINT capacity = size;
    const UINT read = GetRawInputData(input, RID_INPUT, buffer, &capacity, sizeof(RAWINPUTHEADER));
    if (!RawInputRecordValid(size, read, std::span<const uint8_t>(buffer, size))) return;
    RAWINPUT record{};
    // The HID payload may be longer than RAWINPUT, but dispatch reads only the header and the
    // fixed keyboard or mouse part, all of which fit.
    std::memcpy(&record, buffer, size < sizeof record ? size : sizeof record);
    DispatchRecord(monitor, record);
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && hookTarget != nullptr && lParam != 0) {
        const auto* record = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const uint32_t message = wParam > 0xFFFFFFFFu ? 0u : static_cast<uint32_t>(wParam);
        if (const auto event =
                KeyEventFromHook(message, record->scanCode, record->flags, record->vkCode)) {
            if (hookTarget->system.now) hookTarget->lastHookKeyTime = hookTarget->system.now();
            OnKeyEvent(*hookTarget, event->key, event->down, event->virtualKey);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool InstallKeyboardHook(InputMonitor& monitor) {
    if (monitor.keyboardHook.handle != nullptr) return true;
    hookTarget = &monitor;
    HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHookProc, GetModuleHandleW(nullptr), 0);
    monitor.keyboardHook.handle = hook;
    monitor.keyboardHook.release = ReleaseHook;
    return hook != nullptr;
}

void RemoveKeyboardHook(InputMonitor& monitor) {
    monitor.keyboardHook.Reset();
    if (hookTarget == &monitor) hookTarget = nullptr;
}

bool ListHidDevices(std::vector<HidDeviceInfo>& devices) {
    devices.clear();
    std::vector<RAWINPUTDEVICELIST> list;
    // The list can grow between the count and the read; try again a few times.
    for (int attempt = 0; attempt < 3; ++attempt) {
        UINT count = 0;
        if (GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST)) != 0) return false;
        if (count == 0) return false;
        list.resize(count);
        const UINT read = GetRawInputDeviceList(list.data(), &count, sizeof(RAWINPUTDEVICELIST));
        if (read != static_cast<UINT>(-1)) {
            list.resize(read);
            break;
        }
        list.clear();
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    }
    if (list.empty()) return false;
    for (const RAWINPUTDEVICELIST& entry : list) {
        if (entry.dwType != RIM_TYPEHID) continue;
        RID_DEVICE_INFO info{};
        info.cbSize = sizeof info;
        UINT infoSize = sizeof info;
        if (GetRawInputDeviceInfoW(entry.hDevice, RIDI_DEVICEINFO, &info, &infoSize) ==
                static_cast<UINT>(-1) ||
            info.dwType != RIM_TYPEHID) {
            continue;
        }
        devices.push_back(HidDeviceInfo{static_cast<uint32_t>(info.hid.dwVendorId),
                                        info.hid.usUsagePage, info.hid.usUsage});
    }
    return true;
}
