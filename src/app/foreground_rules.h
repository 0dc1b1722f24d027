#pragma once

#include <optional>
#include <string>

#include "base/geometry.h"

// What the watcher found out about the window in front; a query that failed stays empty.
struct ForegroundFacts {
    bool exists = false;
    bool ownOrShell = false;  // the pet itself, the desktop window or the shell window
    std::wstring className;
    std::optional<ScreenRect> windowRect;
    std::optional<ScreenRect> monitorRect;  // the monitor nearest to it
};

// A full-screen program is in front: its window covers its whole monitor within 2 px on
// every side. The desktop and the task bars never count; a failing query counts as not.
bool IsFullScreenForeground(const ForegroundFacts& facts);

struct AutoHideInput {
    bool petShown = false;
    bool autoHideSetting = false;
    bool captureHidden = false;
    bool fullScreen = false;
    bool autoHidden = false;
};

enum class AutoHideAction {
    None,
    Hide,       // set autoHidden and hide the window
    Show,       // clear autoHidden, show the window and restart the frame clock
    ClearOnly,  // clear autoHidden; the user hid the pet meanwhile, so it stays hidden
};
AutoHideAction DecideAutoHide(const AutoHideInput& in);

// The low-level keyboard hook is dead when raw input has reported keys in the last 2 s that
// the hook, which sees every key before raw input does, has not. The system removes a hook
// that once took too long without telling the program.
bool HookNeedsReinstall(double lastRawKeyTime, double lastHookKeyTime, double now);

// Once per run, the notice that the system withholds an elevated program's keys: when that
// program is full-screen or has stayed in front for at least a second.
bool ShouldShowElevationNotice(bool shownBefore, bool fullScreen, double elevatedSince, double now);
