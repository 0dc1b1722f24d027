#include "app/presentation_win32.h"

#include "base/gdiplus_include_win32.h"

#include <memory>

#include "app/app_window_win32.h"
#include "app/foreground_watcher_win32.h"
#include "app/frame_pacing.h"
#include "app/frame_steps.h"
#include "app/monotonic_clock.h"
#include "app/skins_in_use_win32.h"
#include "app/window_placement.h"
#include "app/window_placement_win32.h"
#include "input/input_monitor_win32.h"
#include "pet/pet_input_hookup.h"
#include "pet/pet_update.h"
#include "render/compose_frame_win32.h"
#include "render/pointer_step.h"

namespace {

constexpr int kMaxLayeredFailures = 30;
constexpr double kTopmostRecheckDelay = 1.5;

bool KeyHeld(int virtualKey) {
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

bool PointerBusy(const PetApp& app) {
    return app.dragging || app.resizeCorner >= 0 || app.rotating;
}

ScreenRect ToPetRect(const RECT& r) {
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}

ScreenRect MonitorRectNear(POINT point) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTOPRIMARY), &info)) {
        return ToPetRect(info.rcMonitor);
    }
    return ScreenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// Decides, from where the cursor is over the cat, whether the window takes clicks, and lets
// the pointer stroke the head and brush the tail.
void HandlePointer(PetApp& app, const RECT& window, const CatSkin& skin, bool douniRender,
                   double now) {
    PointerFrame frame;
    POINT cursor{};
    if (GetCursorPos(&cursor)) frame.cursor = ScreenPoint{cursor.x, cursor.y};
    frame.window = ToPetRect(window);
    frame.busy = PointerBusy(app);
    frame.altHeld = KeyHeld(VK_MENU);
    frame.douniRender = douniRender;
    frame.now = now;
    const PointerOutcome outcome = StepPointer(frame, app.settings, app.pet, skin, app.headHover);
    if (outcome.acted) SetClickThrough(app.overlayWindow, outcome.passThrough);
}

bool EnsureSurface(PetApp& app, int width, int height) {
    if (width == app.surface.width && height == app.surface.height && app.surface.Ready()) {
        return true;
    }
    return app.surface.Create(width, height);
}

void DrawIntoSurface(PetApp& app, const CatSkin& catSkin, const KeyboardSkin& keyboardSkin) {
    // The bitmap shares the DIB's memory: no copy between drawing and presenting.
    Gdiplus::Bitmap bitmap(app.surface.width, app.surface.height, app.surface.width * 4,
                           PixelFormat32bppPARGB, static_cast<BYTE*>(app.surface.bits));
    Gdiplus::Graphics graphics(&bitmap);
    ComposeFrame(graphics, app.surface.width, app.surface.height,
                 app.settings.OBSCaptureMode == CaptureMode::GreenScreen, app.pet, app.settings,
                 catSkin, keyboardSkin);
}

void Present(PetApp& app, const RECT& window) {
    BOOL ok = FALSE;
    {
        const WindowDC screen(nullptr);
        POINT destination{window.left, window.top};
        SIZE size{app.surface.width, app.surface.height};
        POINT source{0, 0};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        ok = UpdateLayeredWindow(app.overlayWindow, screen.Get(), &destination, &size,
                                 app.surface.dc.Get(), &source, 0, &blend, ULW_ALPHA);
    }
    if (ok) {
        app.layeredFailures = 0;
    } else if (++app.layeredFailures > kMaxLayeredFailures) {
        app.layeredFailures = 0;
        FreeSurface(app);
    }
}

}  // namespace

void RenderFrame(PetApp& app) {
    if (!app.petShown || app.autoHidden || app.overlayWindow == nullptr) return;
    const double now = MonotonicSeconds();
    app.lastPresentTime = now;
    double dt = now - app.lastFrameTime;
    if (dt <= 0 || dt > 0.2) dt = kFramePeriod;
    app.lastFrameTime = now;

    // Filled by the update step and used by drawing within this frame only.
    const CatSkin* catSkin = nullptr;
    const KeyboardSkin* keyboardSkin = nullptr;
    RECT window{};

    const FrameSteps steps{
        [&] {
            if (!app.menuWaitsForAlt || KeyHeld(VK_MENU)) return false;
            app.menuWaitsForAlt = false;
            return true;
        },
        [&] { OpenContextMenu(app, app.menuPoint); },
        [&] {
            if (app.demo.active) {
                StepDemo(app.demo, app.pet, app.settings,
                         SkinStyleOf(&CurrentCatSkin(app)).douniTyping, now);
            }
            GetWindowRect(app.overlayWindow, &window);
            if (window.right - window.left < 2) window.right = window.left + 1;
            if (window.bottom - window.top < 2) window.bottom = window.top + 1;
            catSkin = &CurrentCatSkin(app);
            keyboardSkin = &CurrentKeyboardSkin(app);
            const PetSkinStyle style = SkinStyleOf(catSkin);

            PetFrameContext frame;
            frame.frameDelta = dt;
            frame.now = now;
            frame.window = ToPetRect(window);
            frame.cursorScreen = MonitorRectNear(POINT{app.input.cursor.x, app.input.cursor.y});
            frame.douniTyping = style.douniTyping;
            frame.douniRender = style.douniRender;
            UpdatePetState(app.pet, frame, app.input, app.settings);
            HandlePointer(app, window, *catSkin, style.douniRender, now);
        },
        [&] {
            const WindowSize size = WindowSizeForScale(app.settings.Scale);
            RECT current{};
            GetWindowRect(app.overlayWindow, &current);
            const int width =
                current.right - current.left > 0 ? current.right - current.left : size.width;
            const int height =
                current.bottom - current.top > 0 ? current.bottom - current.top : size.height;
            return EnsureSurface(app, width, height);
        },
        [&] { DrawIntoSurface(app, *catSkin, *keyboardSkin); },
        [&] { Present(app, window); },
    };
    RunFrameSteps(steps);
}

void RenderFrameIfDue(PetApp& app) {
    const double now = MonotonicSeconds();
    if (now < app.nextFrameTime) return;
    app.nextFrameTime = NextFrameDeadline(app.nextFrameTime, now);
    RenderFrame(app);
}

void FreeSurface(PetApp& app) {
    app.surface.Free();
}

void SetClickThrough(HWND window, bool on) {
    if (window == nullptr) return;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    const LONG_PTR wanted = on ? (style | WS_EX_TRANSPARENT) : (style & ~WS_EX_TRANSPARENT);
    if (wanted != style) SetWindowLongPtrW(window, GWL_EXSTYLE, wanted);
}

void PlacePetWindow(PetApp& app, bool keepCentreBottom, bool save) {
    PlaceWindow(app.overlayWindow, app.settings, keepCentreBottom, save);
}

void ApplyCaptureMode(PetApp& app) {
    HWND window = app.overlayWindow;
    if (window == nullptr) return;
    const bool wantToolWindow = app.settings.OBSCaptureMode == CaptureMode::Off;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (((style & WS_EX_TOOLWINDOW) != 0) != wantToolWindow) {
        // Capture programs list a window only when it is not a tool window; the change
        // takes effect while the window is hidden.
        const bool wasVisible = IsWindowVisible(window) != FALSE;
        if (wasVisible) ShowWindow(window, SW_HIDE);
        SetWindowLongPtrW(
            window, GWL_EXSTYLE,
            wantToolWindow ? (style | WS_EX_TOOLWINDOW) : (style & ~WS_EX_TOOLWINDOW));
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        if (wasVisible) ShowWindow(window, SW_SHOWNOACTIVATE);
    }
    if (CaptureHidden(app.settings)) {
        const WindowSize size = WindowSizeForScale(app.settings.Scale);
        const ScreenRect target = CaptureHiddenRect(CurrentDisplayLayout().virtualScreen, size);
        SetWindowPos(window, HWND_BOTTOM, target.left, target.top, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE);
    } else {
        PlacePetWindow(app, false, true);
    }
}

void ReassertTopmost(PetApp& app) {
    if (app.overlayWindow == nullptr || !app.petShown || app.autoHidden) return;
    if (!app.settings.AlwaysOnTop || CaptureHidden(app.settings)) return;
    if (app.dressingRoomWindow != nullptr && IsWindowVisible(app.dressingRoomWindow)) return;
    SetWindowPos(app.overlayWindow, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
}

void RestartPresentation(PetApp& app) {
    const double now = MonotonicSeconds();
    ReinstallDeadKeyboardHook(app, now);  // before the reset forgets which keys raw input saw
    ResetInput(app.input);
    RegisterRawInput(app.input, app.overlayWindow);
    InstallKeyboardHook(app.input);
    app.input.lastInputTime = now;
    FreeSurface(app);
    app.lastFrameTime = now;
    app.lastPresentTime = now;
    app.layeredFailures = 0;
    EndPointerModes(app, true);
    app.nextFrameTime = 0;
    if (app.overlayWindow != nullptr) {
        if (app.petShown && !app.autoHidden) {
            StartFrames(app, 0.0);
            ShowWindow(app.overlayWindow, SW_SHOWNOACTIVATE);
        } else {
            StopFrames(app);  // a hidden pet sleeps
        }
    }
    PlacePetWindow(app, false, false);
    // The off-screen capture position goes last, so nothing puts the window back on the desktop.
    if (CaptureHidden(app.settings)) ApplyCaptureMode(app);
    app.topmostRecheckAt = now + kTopmostRecheckDelay;
}
