#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "base/geometry.h"
#include "settings/settings.h"

struct WindowSize {
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const WindowSize&) const = default;
};

// What the placement needs to know about the displays.
struct DisplayLayout {
    std::vector<ScreenRect> monitors;  // every monitor's full rectangle
    ScreenRect primaryWorkArea;
    ScreenRect virtualScreen;  // bounding box of all monitors
};

enum class WindowZOrder { Topmost, NotTopmost, Unchanged };

struct WindowPlacement {
    std::int32_t x = 0;
    std::int32_t y = 0;
    WindowSize size;
    WindowZOrder zOrder = WindowZOrder::Topmost;
    bool store = false;  // write x, y to PosX/PosY and save the settings

    bool operator==(const WindowPlacement&) const = default;
};

// The window's pixel size for a scale: the stage (360 x 320) times the scale,
// rounded half away from zero.
WindowSize WindowSizeForScale(float scale);

// The pet is hidden from the desktop while a capture mode runs with
// OBSHideDesktop; the window then sits off-screen where capture still sees it.
bool CaptureHidden(const Settings& settings);
ScreenRect CaptureHiddenRect(const ScreenRect& virtualScreen, WindowSize size);

// The rectangle the window is created with: the stored position, or the
// default corner of the primary work area when none is stored.
ScreenRect InitialWindowRect(const Settings& settings, const ScreenRect& primaryWorkArea);

// Where the window goes. currentRect is the window's rectangle when it exists;
// with keepCentreBottom the window keeps its bottom edge and horizontal centre.
// A position that leaves less than 40 px on the virtual screen, or that misses
// every monitor, falls back to the default corner.
WindowPlacement DecideWindowPlacement(const Settings& settings, bool keepCentreBottom, bool save,
                                      const std::optional<ScreenRect>& currentRect,
                                      const DisplayLayout& displays);
