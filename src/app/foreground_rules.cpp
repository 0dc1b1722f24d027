#include "app/foreground_rules.h"

#include <array>
#include <string_view>

namespace {

// The desktop and the task bars.
constexpr std::array<std::wstring_view, 4> kNeverFullScreen{
    L"WorkerW", L"Progman", L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd"};
constexpr std::int32_t kFullScreenSlack = 2;

constexpr double kHookWitnessSeconds = 2.0;
// The hook runs before raw input is delivered; this much later still counts as the same key.
constexpr double kHookLagSeconds = 0.25;

constexpr double kElevatedNoticeDelay = 1.0;

}  // namespace

bool IsFullScreenForeground(const ForegroundFacts& facts) {
    if (!facts.exists || facts.ownOrShell) return false;
    for (std::wstring_view name : kNeverFullScreen) {
        if (facts.className == name) return false;
    }
    if (!facts.windowRect || !facts.monitorRect) return false;
    const ScreenRect& w = *facts.windowRect;
    const ScreenRect& m = *facts.monitorRect;
    return w.left <= m.left + kFullScreenSlack && w.top <= m.top + kFullScreenSlack &&
           w.right >= m.right - kFullScreenSlack && w.bottom >= m.bottom - kFullScreenSlack;
}

AutoHideAction DecideAutoHide(const AutoHideInput& in) {
    if (in.petShown && in.autoHideSetting && !in.captureHidden) {
        if (in.fullScreen && !in.autoHidden) return AutoHideAction::Hide;
        if (!in.fullScreen && in.autoHidden) return AutoHideAction::Show;
        return AutoHideAction::None;
    }
    if (!in.autoHidden) return AutoHideAction::None;
    return in.petShown ? AutoHideAction::Show : AutoHideAction::ClearOnly;
}

bool HookNeedsReinstall(double lastRawKeyTime, double lastHookKeyTime, double now) {
    if (lastRawKeyTime <= 0.0 || now - lastRawKeyTime > kHookWitnessSeconds) return false;
    return lastHookKeyTime + kHookLagSeconds < lastRawKeyTime;
}

bool ShouldShowElevationNotice(bool shownBefore, bool fullScreen, double elevatedSince,
                               double now) {
    if (shownBefore) return false;
    return fullScreen || now - elevatedSince >= kElevatedNoticeDelay;
}
