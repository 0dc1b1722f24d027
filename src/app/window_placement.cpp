#include "app/window_placement.h"

#include <algorithm>
#include <cmath>

#include "base/stage.h"

namespace {

constexpr std::int64_t kVisibleMargin = 40;
constexpr std::int64_t kCornerRight = 24;
constexpr std::int64_t kCornerBottom = 12;
constexpr std::int32_t kCaptureOffsetX = 120;
constexpr std::int32_t kCaptureOffsetY = 40;

// A rectangle in 64-bit coordinates: positions come from the registry and may
// be anywhere in the 32-bit range, so their sums must not overflow.
struct WideRect {
    std::int64_t left, top, right, bottom;
};

WideRect Widen(const ScreenRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

std::int32_t Narrow(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

bool Intersects(const WideRect& a, const WideRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// At least 40 px on every side inside the virtual screen, and on a real
// monitor: the bounding box alone has gaps where no monitor shows anything.
bool Visible(const WideRect& window, const DisplayLayout& displays) {
    const WideRect v = Widen(displays.virtualScreen);
    if (window.right < v.left + kVisibleMargin || window.left > v.right - kVisibleMargin ||
        window.bottom < v.top + kVisibleMargin || window.top > v.bottom - kVisibleMargin)
        return false;
    if (displays.monitors.empty()) return Intersects(window, v);
    return std::any_of(displays.monitors.begin(), displays.monitors.end(),
                       [&](const ScreenRect& m) { return Intersects(window, Widen(m)); });
}

WideRect DefaultCorner(const ScreenRect& workArea, WindowSize size) {
    const std::int64_t x = std::int64_t{workArea.right} - size.width - kCornerRight;
    const std::int64_t y = std::int64_t{workArea.bottom} - size.height - kCornerBottom;
    return {x, y, x + size.width, y + size.height};
}

WideRect At(std::int64_t x, std::int64_t y, WindowSize size) {
    return {x, y, x + size.width, y + size.height};
}

bool HasStoredPosition(const Settings& settings) {
    return settings.PosX != kUnsetPosition && settings.PosY != kUnsetPosition;
}

}  // namespace

WindowSize WindowSizeForScale(float scale) {
    // Runtime scales stay in 0.45..2.5; anything else would only come from a
    // corrupted record and must not produce absurd windows.
    const double s = std::isfinite(scale) ? std::clamp(static_cast<double>(scale), 0.45, 2.5) : 1.0;
    return {static_cast<std::int32_t>(std::lround(s * kStageWidth)),
            static_cast<std::int32_t>(std::lround(s * kStageHeight))};
}

bool CaptureHidden(const Settings& settings) {
    return settings.OBSCaptureMode != CaptureMode::Off && settings.OBSHideDesktop;
}

ScreenRect CaptureHiddenRect(const ScreenRect& virtualScreen, WindowSize size) {
    const std::int64_t x = std::int64_t{virtualScreen.right} + kCaptureOffsetX;
    const std::int64_t y = std::int64_t{virtualScreen.top} + kCaptureOffsetY;
    return {Narrow(x), Narrow(y), Narrow(x + size.width), Narrow(y + size.height)};
}

ScreenRect InitialWindowRect(const Settings& settings, const ScreenRect& primaryWorkArea) {
    const WindowSize size = WindowSizeForScale(settings.Scale);
    const WideRect r = HasStoredPosition(settings) ? At(settings.PosX, settings.PosY, size)
                                                   : DefaultCorner(primaryWorkArea, size);
    return {Narrow(r.left), Narrow(r.top), Narrow(r.right), Narrow(r.bottom)};
}

WindowPlacement DecideWindowPlacement(const Settings& settings, bool keepCentreBottom, bool save,
                                      const std::optional<ScreenRect>& currentRect,
                                      const DisplayLayout& displays) {
    const WindowSize size = WindowSizeForScale(settings.Scale);

    // Hidden for capture: only the size changes, at the off-screen spot. The
    // window is off every monitor there, so the visibility rule would move it
    // to the corner and saving would overwrite the user's own position.
    if (CaptureHidden(settings)) {
        const ScreenRect r = CaptureHiddenRect(displays.virtualScreen, size);
        return {r.left, r.top, size, WindowZOrder::Unchanged, false};
    }

    WideRect window;
    if (keepCentreBottom && currentRect) {
        const WideRect c = Widen(*currentRect);
        window = At((c.left + c.right) / 2 - size.width / 2, c.bottom - size.height, size);
    } else if (HasStoredPosition(settings)) {
        window = At(settings.PosX, settings.PosY, size);
    } else {
        window = DefaultCorner(displays.primaryWorkArea, size);
    }
    if (!Visible(window, displays)) window = DefaultCorner(displays.primaryWorkArea, size);

    return {Narrow(window.left), Narrow(window.top), size,
            settings.AlwaysOnTop ? WindowZOrder::Topmost : WindowZOrder::NotTopmost, save};
}
