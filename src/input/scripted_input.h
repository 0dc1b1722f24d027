#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

#include "base/geometry.h"
#include "input/input_monitor.h"
#include "keys/physical_key.h"

// The system behind an InputMonitor, played by hand: a simulated clock, the
// asynchronous key state, the cursor and the HID device list. Tests, the
// benchmarks and the snapshot tool drive the real monitor through it.
struct ScriptedInput {
    double now = 0.0;           // monotonic seconds
    std::bitset<256> keysDown;  // asynchronous key state by virtual key
    ScreenPoint cursor;
    std::vector<HidDeviceInfo> devices;
    bool devicesReadable = true;
};

// Fills the monitor's system functions with reads of `input`. They hold its
// address: `input` must not move and must outlive every use of the monitor
// (in a record, declare it before the monitor).
void ConnectScriptedInput(InputMonitor& monitor, const ScriptedInput& input);

// Virtual-key codes above 255 do not exist: never down, and setting one does nothing.
bool KeyDown(const ScriptedInput& input, uint16_t virtualKey);
void SetKeyDown(ScriptedInput& input, uint16_t virtualKey, bool down);

// A key goes down or up as on a keyboard: its asynchronous state under the
// poll table's virtual key first, then the event the monitor hears.
void SendKey(ScriptedInput& input, InputMonitor& monitor, PhysicalKey key, bool down);
