#include "input/scripted_input.h"

namespace {

// The poll table's virtual key of a key; 0 for keys without one (Fn, None).
uint16_t PollVirtualKey(PhysicalKey key) {
    for (const KeyPollEntry& entry : KeyPollTable) {
        if (entry.key == key) return entry.virtualKey;
    }
    return 0;
}

}  // namespace

void ConnectScriptedInput(InputMonitor& monitor, const ScriptedInput& input) {
    const ScriptedInput* scripted = &input;
    monitor.system.now = [scripted] { return scripted->now; };
    monitor.system.keyDown = [scripted](uint16_t virtualKey) {
        return KeyDown(*scripted, virtualKey);
    };
    monitor.system.readCursor = [scripted](ScreenPoint& cursor) {
        cursor = scripted->cursor;
        return true;
    };
    monitor.system.listHidDevices = [scripted](std::vector<HidDeviceInfo>& devices) {
        devices = scripted->devices;
        return scripted->devicesReadable;
    };
}

bool KeyDown(const ScriptedInput& input, uint16_t virtualKey) {
    return virtualKey < input.keysDown.size() && input.keysDown[virtualKey];
}

void SetKeyDown(ScriptedInput& input, uint16_t virtualKey, bool down) {
    if (virtualKey < input.keysDown.size()) input.keysDown[virtualKey] = down;
}

void SendKey(ScriptedInput& input, InputMonitor& monitor, PhysicalKey key, bool down) {
    const uint16_t virtualKey = PollVirtualKey(key);
    if (virtualKey != 0) SetKeyDown(input, virtualKey, down);
    OnKeyEvent(monitor, key, down, virtualKey);
}
