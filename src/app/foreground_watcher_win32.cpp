#include "app/foreground_watcher_win32.h"

#include <wtsapi32.h>

#include "app/foreground_rules.h"
#include "app/monotonic_clock.h"
#include "app/presentation_win32.h"
#include "app/window_placement.h"
#include "input/input_monitor_win32.h"
#include "ui/tray_balloon_win32.h"

namespace {

constexpr double kWatchPeriod = 0.5;
constexpr double kForegroundRecheckDelay = 0.4;
constexpr double kPresentationStalled = 2.0;
constexpr double kRawKeyboardQuiet = 3.0;
constexpr int kZOrderWalkLimit = 16;
constexpr int kSmallestCoveringWindow = 4;
constexpr int kClassNameChars = 64;

constexpr wchar_t kElevatedTitle[] = L"Mewlark 听不到当前窗口的键盘";
constexpr wchar_t kElevatedText[] =
    L"当前软件（如 WPS / 游戏）以管理员权限运行，Windows 会拦截它的键盘输入。"
    L"右键小猫或托盘图标 →「以管理员身份重新启动」即可恢复。";

ScreenRect ToScreenRect(const RECT& r) {
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}

ForegroundFacts ReadForeground(const PetApp& app, HWND foreground) {
    ForegroundFacts facts;
    facts.exists = foreground != nullptr;
    if (!facts.exists) return facts;
    facts.ownOrShell = foreground == app.overlayWindow || foreground == GetDesktopWindow() ||
                       foreground == GetShellWindow();
    wchar_t name[kClassNameChars] = {};
    if (GetClassNameW(foreground, name, kClassNameChars) > 0) facts.className = name;
    RECT rect{};
    if (GetWindowRect(foreground, &rect)) facts.windowRect = ToScreenRect(rect);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    HMONITOR monitor = MonitorFromWindow(foreground, MONITOR_DEFAULTTONEAREST);
    if (monitor != nullptr && GetMonitorInfoW(monitor, &info))
        facts.monitorRect = ToScreenRect(info.rcMonitor);
    return facts;
}

void ShowAgain(PetApp& app, double now) {
    app.autoHidden = false;
    if (!app.petShown) return;
    ShowWindow(app.overlayWindow, SW_SHOWNOACTIVATE);
    // The first frame after hiding must not see the whole hidden time as one step.
    app.lastFrameTime = now;
    app.lastPresentTime = now;
    StartFrames(app, now);
    ReassertTopmost(app);
}

void ApplyAutoHide(PetApp& app, bool fullScreen, double now) {
    AutoHideInput in;
    in.petShown = app.petShown;
    in.autoHideSetting = app.settings.AutoHideFullscreen;
    in.captureHidden = CaptureHidden(app.settings);
    in.fullScreen = fullScreen;
    in.autoHidden = app.autoHidden;
    switch (DecideAutoHide(in)) {
        case AutoHideAction::Hide:
            app.autoHidden = true;
            ShowWindow(app.overlayWindow, SW_HIDE);
            StopFrames(app);
            break;
        case AutoHideAction::Show:
            ShowAgain(app, now);
            break;
        case AutoHideAction::ClearOnly:
            app.autoHidden = false;
            break;
        case AutoHideAction::None:
            break;
    }
}

// A visible window above the pet (other top-most windows) that is more than a speck.
bool SomethingAbove(HWND overlay) {
    HWND window = overlay;
    for (int i = 0; i < kZOrderWalkLimit; ++i) {
        window = GetWindow(window, GW_HWNDPREV);
        if (window == nullptr) return false;
        if (!IsWindowVisible(window)) continue;
        RECT rect{};
        if (GetWindowRect(window, &rect) && rect.right - rect.left > kSmallestCoveringWindow &&
            rect.bottom - rect.top > kSmallestCoveringWindow)
            return true;
    }
    return false;
}

// True when the upkeep ran through and the checks that follow may run.
bool KeepOnTop(PetApp& app, bool fullScreen, double now) {
    if (CaptureHidden(app.settings) || !app.settings.AlwaysOnTop) return true;
    if (app.topmostRecheckAt > 0.0 && now >= app.topmostRecheckAt) {
        app.topmostRecheckAt = 0.0;
        ReassertTopmost(app);
    } else if (fullScreen || SomethingAbove(app.overlayWindow)) {
        ReassertTopmost(app);
    } else {
        return false;
    }
    return true;
}

// Raw input can be taken over by a full-screen program registering its own.
void RearmKeyboardCapture(PetApp& app, double now) {
    const double lastRaw = app.input.lastRawKeyTime;
    if (lastRaw > 0.0 && now - lastRaw <= kRawKeyboardQuiet) return;
    RegisterRawInput(app.input, app.overlayWindow);
    InstallKeyboardHook(app.input);
}

// Whether a process's token is elevated; a process that may not even be opened counts as one.
bool ProcessLooksElevated(DWORD pid) {
    const KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    KernelHandle token;
    if (!OpenProcessToken(process.Get(), TOKEN_QUERY, token.Out()))
        return GetLastError() == ERROR_ACCESS_DENIED;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    if (!GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof(elevation), &size))
        return false;
    return elevation.TokenIsElevated != 0;
}

void NoticeElevatedForeground(PetApp& app, HWND foreground, bool fullScreen, double now) {
    app.foregroundElevated = false;
    DWORD pid = 0;
    if (foreground != nullptr) GetWindowThreadProcessId(foreground, &pid);
    if (pid == 0 || pid == GetCurrentProcessId() || !ProcessLooksElevated(pid)) {
        app.foregroundElevatedSince = 0.0;
        return;
    }
    app.foregroundElevated = true;
    app.foregroundElevatedAt = now;
    if (app.foregroundElevatedSince == 0.0) app.foregroundElevatedSince = now;
    if (ShouldShowElevationNotice(app.elevationNoticeShown, fullScreen, app.foregroundElevatedSince,
                                  now)) {
        app.elevationNoticeShown = true;
        ShowTrayBalloon(app.trayOwnerWindow, kElevatedTitle, kElevatedText);
    }
}

// Early at logon the session service may not answer yet; lock and unlock need it.
void RetrySessionNotifications(PetApp& app) {
    if (app.sessionNotifyRegistered) return;
    app.sessionNotifyRegistered =
        WTSRegisterSessionNotification(app.overlayWindow, NOTIFY_FOR_THIS_SESSION) != FALSE;
}

void CALLBACK OnForegroundChanged(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    if (theApp != nullptr) theApp->topmostRecheckAt = MonotonicSeconds() + kForegroundRecheckDelay;
}

}  // namespace

void StopFrames(PetApp& app) {
    if (app.overlayWindow != nullptr) KillTimer(app.overlayWindow, kFrameTimerId);
}

void StartFrames(PetApp& app, double now) {
    app.nextFrameTime = now;
    if (app.overlayWindow != nullptr)
        SetTimer(app.overlayWindow, kFrameTimerId, kFrameTimerMs, nullptr);
}

void ReinstallDeadKeyboardHook(PetApp& app, double now) {
    if (!HookNeedsReinstall(app.input.lastRawKeyTime, app.input.lastHookKeyTime, now)) return;
    RemoveKeyboardHook(app.input);
    InstallKeyboardHook(app.input);
    // The new hook answers for keys from now on; the ones it never saw do not count against it.
    app.input.lastHookKeyTime = now;
}

bool InstallForegroundHook(PetApp& app) {
    app.foregroundHook = WinEventHook(SetWinEventHook(
        EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, OnForegroundChanged, 0, 0,
        WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
    return static_cast<bool>(app.foregroundHook);
}

void WatchForeground(PetApp& app) {
    const double now = MonotonicSeconds();
    if (now < app.nextWatchTime) return;
    app.nextWatchTime = now + kWatchPeriod;
    if (app.overlayWindow == nullptr) return;
    RetrySessionNotifications(app);
    ReinstallDeadKeyboardHook(app, now);

    HWND foreground = GetForegroundWindow();
    const bool fullScreen = IsFullScreenForeground(ReadForeground(app, foreground));
    ApplyAutoHide(app, fullScreen, now);

    bool rearm = fullScreen;
    if (app.petShown && !app.autoHidden) {
        if (app.lastPresentTime > 0.0 && now - app.lastPresentTime > kPresentationStalled) {
            RestartPresentation(app);
            return;
        }
        if (!IsWindowVisible(app.overlayWindow)) ShowWindow(app.overlayWindow, SW_SHOWNOACTIVATE);
        // With nothing above the pet there is nothing in front to have taken the keyboard.
        rearm = rearm && KeepOnTop(app, fullScreen, now);
    }
    if (rearm) RearmKeyboardCapture(app, now);
    if (!app.elevated) NoticeElevatedForeground(app, foreground, fullScreen, now);
}
