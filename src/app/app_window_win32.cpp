#include "app/app_window_win32.h"

#include <wtsapi32.h>

#include <cmath>

#include "app/presentation_win32.h"
#include "input/input_monitor_win32.h"
#include "pet/pet_state.h"
#include "settings/settings_store_win32.h"
#include "ui/context_menu_win32.h"

namespace {

UINT taskbarCreatedMessage = 0;

bool IsOverlay(HWND window) {
    return theApp != nullptr && window == theApp->overlayWindow;
}

void DestroyOverlayResources(PetApp& app, HWND overlay) {
    KillTimer(overlay, kFrameTimerId);
    if (app.sessionNotifyRegistered) {
        WTSUnRegisterSessionNotification(overlay);
        app.sessionNotifyRegistered = false;
    }
    app.foregroundHook.Reset();
    if (app.trayOwnerWindow != nullptr) {
        UnregisterHotKey(app.trayOwnerWindow, kHotKeyId);
        RemovePropW(app.trayOwnerWindow, kVersionProperty);
        DestroyWindow(app.trayOwnerWindow);
        app.trayOwnerWindow = nullptr;
    }
    RemoveTrayIcon(app.trayIcon);
    if (app.dressingRoomWindow != nullptr) {
        DestroyWindow(app.dressingRoomWindow);
        app.dressingRoomWindow = nullptr;
    }
    FreeSurface(app);
    app.overlayWindow = nullptr;
    PostQuitMessage(0);
}

// Where the cursor was when the current message was made; the live position may already be
// further along, or (under Wine) not yet where the message says.
POINT MessageCursor() {
    const DWORD packed = GetMessagePos();
    return POINT{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
}

bool AltHeld() {
    return (GetAsyncKeyState(VK_MENU) & 0x8000) != 0;
}

float OverlayPixelsPerUnit(const PetApp& app) {
    RECT rect{};
    GetWindowRect(app.overlayWindow, &rect);
    return PixelsPerStageUnit(rect.right - rect.left);
}

void StartDrag(PetApp& app) {
    RECT rect{};
    GetWindowRect(app.overlayWindow, &rect);
    app.dragCursorStart = MessageCursor();
    app.dragWindowStart = POINT{rect.left, rect.top};
    app.dragging = true;
    SetHeld(app.pet, true, 0, 0, OverlayPixelsPerUnit(app));
    SetCapture(app.overlayWindow);
}

// The window follows the cursor; the step, turned into the pet's own frame, swings the pet.
void ContinueDrag(PetApp& app) {
    const POINT cursor = MessageCursor();
    RECT rect{};
    GetWindowRect(app.overlayWindow, &rect);
    const int x = cursor.x + app.dragWindowStart.x - app.dragCursorStart.x;
    const int y = cursor.y + app.dragWindowStart.y - app.dragCursorStart.y;
    const Vec2 step =
        DragStepInPetFrame(static_cast<float>(x - rect.left), static_cast<float>(y - rect.top),
                           app.settings.RotationDegrees, app.settings.FlipHorizontal);
    SetHeld(app.pet, true, step.x, step.y, PixelsPerStageUnit(rect.right - rect.left));
    SetWindowPos(app.overlayWindow, nullptr, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void EndDrag(PetApp& app) {
    app.dragging = false;
    SetHeld(app.pet, false, 0, 0, OverlayPixelsPerUnit(app));
    ReleaseCapture();
    RECT rect{};
    GetWindowRect(app.overlayWindow, &rect);
    app.settings.PosX = rect.left;
    app.settings.PosY = rect.top;
    SaveSettings(app.settings);
}

void ShowPetAgain(PetApp& app) {
    if (app.settings.FullClickThrough) {
        app.settings.FullClickThrough = false;
        SaveSettings(app.settings);
    }
    if (!app.petShown) {
        app.petShown = true;
        if (app.overlayWindow != nullptr) ShowWindow(app.overlayWindow, SW_SHOWNOACTIVATE);
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    OpenContextMenu(app, cursor);
}

void OnSessionChange(PetApp& app, WPARAM change) {
    switch (change) {
        case WTS_CONSOLE_DISCONNECT:
        case WTS_REMOTE_DISCONNECT:
        case WTS_SESSION_LOCK:
            ResetInput(app.input);
            break;
        case WTS_CONSOLE_CONNECT:
        case WTS_REMOTE_CONNECT:
        case WTS_SESSION_LOGON:
        case WTS_SESSION_UNLOCK:
            RestartPresentation(app);
            break;
        default:
            break;
    }
}

LRESULT HandleAppMessage(PetApp& app, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         bool& handled) {
    handled = true;
    switch (message) {
        case WM_DESTROY:
            if (IsOverlay(window)) DestroyOverlayResources(app, window);
            return 0;
        case WM_CANCELMODE:
        case WM_CAPTURECHANGED:
            if (IsOverlay(window)) {
                app.rightClickPending = false;
                if (app.dragging) {
                    app.dragging = false;
                    SetHeld(app.pet, false, 0, 0, OverlayPixelsPerUnit(app));
                }
            }
            return 0;
        case WM_MOUSEACTIVATE:
            // Windows already keeps a WS_EX_NOACTIVATE window inactive; Wine needs telling, or the
            // activation change cancels the drag that the click starts.
            if (IsOverlay(window)) return MA_NOACTIVATE;
            break;
        case WM_LBUTTONDOWN:
            if (IsOverlay(window) && (!app.settings.FullClickThrough || AltHeld())) StartDrag(app);
            return 0;
        case WM_MOUSEMOVE:
            if (IsOverlay(window) && app.dragging) ContinueDrag(app);
            return 0;
        case WM_LBUTTONUP:
            if (IsOverlay(window) && app.dragging) {
                ContinueDrag(app);  // the release point may differ from the last move
                EndDrag(app);
            }
            return 0;
        case WM_RBUTTONDOWN:
            if (IsOverlay(window)) {
                app.rightClickPending = !app.settings.FullClickThrough || AltHeld();
            }
            return 0;
        case WM_RBUTTONUP:
            if (IsOverlay(window) && app.rightClickPending) {
                app.rightClickPending = false;
                POINT cursor{};
                GetCursorPos(&cursor);
                if (AltHeld()) {
                    // The menu opens once Alt is released, or Alt would close it at once.
                    app.menuWaitsForAlt = true;
                    app.menuPoint = cursor;
                } else {
                    OpenContextMenu(app, cursor);
                }
            }
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_DISPLAYCHANGE:
            if (IsOverlay(window)) RestartPresentation(app);
            return 0;
        case WM_INPUT:
            HandleRawInput(app.input, reinterpret_cast<HRAWINPUT>(lParam));
            DefWindowProcW(window, message, wParam, lParam);  // lets the system free the record
            return 0;
        case WM_TIMER:
            if (wParam == kFrameTimerId) RenderFrameIfDue(app);
            return 0;
        case WM_POWERBROADCAST:
            if (IsOverlay(window) &&
                (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)) {
                RestartPresentation(app);
            }
            return TRUE;
        case WM_WTSSESSION_CHANGE:
            if (IsOverlay(window)) OnSessionChange(app, wParam);
            return 0;
        case WM_HOTKEY:
            if (wParam == kHotKeyId) {
                app.settings.FullClickThrough = !app.settings.FullClickThrough;
                SaveSettings(app.settings);
            }
            return 0;
        case WM_PET_TRAY:
            if (lParam == WM_CONTEXTMENU || lParam == WM_LBUTTONUP || lParam == WM_RBUTTONUP) {
                POINT cursor{};
                GetCursorPos(&cursor);
                OpenContextMenu(app, cursor);
            }
            return 0;
        case WM_PET_SHOW:
            ShowPetAgain(app);
            return 0;
        case WM_PET_TAKEOVER:
            QuitApp(app);
            return 0;
        default:
            if (taskbarCreatedMessage != 0 && message == taskbarCreatedMessage &&
                window == app.trayOwnerWindow) {
                AddTrayIcon(app.trayOwnerWindow);
                return 0;
            }
            break;
    }
    handled = false;
    return 0;
}

}  // namespace

void SetTaskbarCreatedMessage(UINT message) {
    taskbarCreatedMessage = message;
}

LRESULT CALLBACK PetWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (theApp != nullptr) {
        bool handled = false;
        const LRESULT result = HandleAppMessage(*theApp, window, message, wParam, lParam, handled);
        if (handled) return result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterPetWindowClasses(HINSTANCE instance) {
    WNDCLASSEXW overlay{};
    overlay.cbSize = sizeof(overlay);
    overlay.style = CS_DBLCLKS;
    overlay.lpfnWndProc = PetWindowProc;
    overlay.hInstance = instance;
    overlay.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    overlay.lpszClassName = kOverlayClassName;
    WNDCLASSEXW owner{};
    owner.cbSize = sizeof(owner);
    owner.lpfnWndProc = PetWindowProc;
    owner.hInstance = instance;
    owner.lpszClassName = kTrayOwnerClassName;
    const bool overlayOk = RegisterClassExW(&overlay) != 0;
    const bool ownerOk = RegisterClassExW(&owner) != 0;
    return overlayOk && ownerOk;
}

void OpenContextMenu(PetApp& app, POINT at) {
    HWND owner = app.trayOwnerWindow != nullptr ? app.trayOwnerWindow : app.overlayWindow;
    switch (ShowContextMenu(owner, at, app.settings.LanguageEnglish)) {
        case MenuCommand::Quit:
            QuitApp(app);
            break;
        case MenuCommand::None:
            break;
    }
}

void QuitApp(PetApp& app) {
    RemoveKeyboardHook(app.input);
    if (app.overlayWindow != nullptr) {
        DestroyWindow(app.overlayWindow);
    } else {
        PostQuitMessage(0);
    }
}
