#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "input/input_monitor.h"

// The real system calls for the monitor: the given clock, GetAsyncKeyState,
// GetCursorPos and the raw-input device list.
InputSystem Win32InputSystem(std::function<double()> clock);

// Registers keyboard, mouse and pen digitizer raw input (falling back to
// keyboard and mouse) with the window as the always-receiving target, then
// scans for tablets and reads the cursor. Returns rawInputRegistered.
bool RegisterRawInput(InputMonitor& monitor, HWND window);

// One WM_INPUT record (the message's lParam). The caller still passes the
// message on to DefWindowProc.
void HandleRawInput(InputMonitor& monitor, HRAWINPUT input);

// The WH_KEYBOARD_LL procedure; feeds hookTarget and never blocks input.
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);

// Installs the low-level keyboard hook for the monitor unless it has one.
// Returns whether a hook is installed afterwards.
bool InstallKeyboardHook(InputMonitor& monitor);

// Removes the hook and clears hookTarget.
void RemoveKeyboardHook(InputMonitor& monitor);

// The HID devices known to raw input; false when the list cannot be read.
bool ListHidDevices(std::vector<HidDeviceInfo>& devices);
