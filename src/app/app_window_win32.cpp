#include "app/app_window_win32.h"

#include <wtsapi32.h>

#include <cmath>
#include <memory>

#include "app/foreground_watcher_win32.h"
#include "app/monotonic_clock.h"
#include "app/pointer_modes.h"
#include "app/presentation_win32.h"
#include "base/small_math.h"
#include "input/input_monitor_win32.h"
#include "pet/pet_state.h"
#include "settings/settings_store_win32.h"
#include "ui/context_menu_win32.h"
#include "ui/tray_balloon_win32.h"
#include "update/update_results.h"

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

ScreenRect OverlayRect(const PetApp& app) {
    RECT rect{};
    GetWindowRect(app.overlayWindow, &rect);
    return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}

ScreenPoint ToScreenPoint(POINT p) {
    return ScreenPoint{p.x, p.y};
}

// The cursor's angle around the window centre, in radians.
float AngleAroundCentre(const PetApp& app, POINT cursor) {
    const ScreenRect r = OverlayRect(app);
    const double cx = (r.left + r.right) / 2.0;
    const double cy = (r.top + r.bottom) / 2.0;
    return static_cast<float>(std::atan2(cursor.y - cy, cursor.x - cx));
}

void StartDrag(PetApp& app) {
    const ScreenRect rect = OverlayRect(app);
    app.dragCursorStart = MessageCursor();
    app.dragWindowStart = POINT{rect.left, rect.top};
    app.dragging = true;
    SetHeld(app.pet, true, 0, 0, OverlayPixelsPerUnit(app));
    SetCapture(app.overlayWindow);
}

// The window follows the cursor; the step, turned into the pet's own frame, swings the pet.
void ContinueDrag(PetApp& app) {
    const POINT cursor = MessageCursor();
    const ScreenRect rect = OverlayRect(app);
    const int x = cursor.x + app.dragWindowStart.x - app.dragCursorStart.x;
    const int y = cursor.y + app.dragWindowStart.y - app.dragCursorStart.y;
    const Vec2 step =
        DragStepInPetFrame(static_cast<float>(x - rect.left), static_cast<float>(y - rect.top),
                           app.settings.RotationDegrees, app.settings.FlipHorizontal);
    SetHeld(app.pet, true, step.x, step.y, PixelsPerStageUnit(rect.right - rect.left));
    SetWindowPos(app.overlayWindow, nullptr, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ContinueRotation(PetApp& app) {
    const RotationStep step =
        StepRotation(app.rotateStartAngle, AngleAroundCentre(app, MessageCursor()),
                     app.rotateStartValue, app.rotateMoved);
    app.rotateMoved = step.moved;
    if (step.moved) app.settings.RotationDegrees = step.degrees;
}

void ContinueResize(PetApp& app) {
    const ResizeStep step = StepResize(static_cast<EditHandle>(app.resizeCorner),
                                       ScreenPoint{app.resizeAnchorX, app.resizeAnchorY},
                                       ToScreenPoint(MessageCursor()));
    app.settings.Scale = step.scale;
    SetWindowPos(app.overlayWindow, nullptr, step.window.left, step.window.top,
                 step.window.right - step.window.left, step.window.bottom - step.window.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

PointerMode CurrentPointerMode(const PetApp& app) {
    if (app.rotating) return PointerMode::Rotating;
    if (app.resizeCorner >= 0) return PointerMode::Resizing;
    if (app.dragging) return PointerMode::Dragging;
    return PointerMode::Idle;
}

// Left button down on the pet: a handle in edit mode, otherwise the start of a drag.
void OnLeftButtonDown(PetApp& app) {
    app.rotateClickMirrored = false;
    if (app.settings.editMode) {
        const POINT cursor = MessageCursor();
        const ScreenRect rect = OverlayRect(app);
        const EditHandle handle = HitTestEditHandles(ToScreenPoint(cursor), rect);
        if (handle == EditHandle::Rotation) {
            app.rotating = true;
            app.rotateMoved = false;
            app.rotateStartAngle = AngleAroundCentre(app, cursor);
            app.rotateStartValue = app.settings.RotationDegrees;
            SetCapture(app.overlayWindow);
            return;
        }
        if (handle == EditHandle::Outside) {
            app.settings.editMode = false;
            return;
        }
        if (IsCorner(handle)) {
            const ScreenPoint anchor = ResizeAnchor(handle, rect);
            app.resizeCorner = static_cast<int32_t>(handle);
            app.resizeAnchorX = anchor.x;
            app.resizeAnchorY = anchor.y;
            SetCapture(app.overlayWindow);
            return;
        }
    }
    StartDrag(app);
}

void OnDoubleClick(PetApp& app) {
    if (!app.settings.editMode) {
        app.settings.editMode = true;
        return;
    }
    const EditHandle handle = HitTestEditHandles(ToScreenPoint(MessageCursor()), OverlayRect(app));
    if (handle != EditHandle::Rotation) {
        app.settings.editMode = false;
        return;
    }
    // The first click of the pair already mirrored the pet; a double click only straightens it.
    if (app.rotateClickMirrored) app.settings.FlipHorizontal = !app.settings.FlipHorizontal;
    app.rotateClickMirrored = false;
    app.settings.RotationDegrees = 0.0f;
    SaveSettings(app.settings);
}

LPCWSTR CursorResource(CursorShape shape) {
    switch (shape) {
        case CursorShape::Hand:
            return IDC_HAND;
        case CursorShape::SizeNwse:
            return IDC_SIZENWSE;
        case CursorShape::SizeNesw:
            return IDC_SIZENESW;
        case CursorShape::SizeAll:
            return IDC_SIZEALL;
        case CursorShape::Arrow:
            break;
    }
    return IDC_ARROW;
}

void SetPetCursor(PetApp& app, HWND window) {
    CursorShape shape = CursorShape::Hand;
    if (IsOverlay(window) && app.settings.editMode) {
        POINT cursor{};
        GetCursorPos(&cursor);
        shape = CursorShapeFor(true, HitTestEditHandles(ToScreenPoint(cursor), OverlayRect(app)));
    }
    SetCursor(LoadCursorW(nullptr, CursorResource(shape)));
}

constexpr wchar_t kClickThroughOnTitle[] = L"Mewlark 已开启完全鼠标穿透";
constexpr wchar_t kClickThroughOnText[] = L"再次按 Ctrl+Alt+Shift+P 或按住 Alt 右键小猫即可取消";
constexpr wchar_t kClickThroughOffTitle[] = L"Mewlark 已取消完全鼠标穿透";
constexpr wchar_t kClickThroughOffText[] = L"现在可以正常拖动、摸头和右键打开菜单了";

void ToggleFullClickThrough(PetApp& app) {
    app.settings.FullClickThrough = !app.settings.FullClickThrough;
    SaveSettings(app.settings);
    const bool on = app.settings.FullClickThrough;
    ShowTrayBalloon(app.trayOwnerWindow, on ? kClickThroughOnTitle : kClickThroughOffTitle,
                    on ? kClickThroughOnText : kClickThroughOffText);
}

void ShowPetAgain(PetApp& app) {
    if (app.settings.FullClickThrough) {
        app.settings.FullClickThrough = false;
        SaveSettings(app.settings);
    }
    if (!app.petShown) {
        app.petShown = true;
        if (app.overlayWindow != nullptr && !app.autoHidden) {
            ShowWindow(app.overlayWindow, SW_SHOWNOACTIVATE);
            StartFrames(app, MonotonicSeconds());
        }
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
            // Taking the capture again for a new press is no loss (Wine reports it).
            if (message == WM_CAPTURECHANGED && reinterpret_cast<HWND>(lParam) == window) return 0;
            if (IsOverlay(window)) {
                app.rightClickPending = false;
                EndPointerModes(app, true);
            }
            return 0;
        case WM_MOUSEACTIVATE:
            // Windows already keeps a WS_EX_NOACTIVATE window inactive; Wine needs telling, or the
            // activation change cancels the drag that the click starts.
            if (IsOverlay(window)) return MA_NOACTIVATE;
            break;
        case WM_LBUTTONDOWN:
            if (IsOverlay(window) &&
                (app.settings.editMode || !app.settings.FullClickThrough || AltHeld())) {
                OnLeftButtonDown(app);
            }
            return 0;
        case WM_MOUSEMOVE:
            if (!IsOverlay(window)) return 0;
            if (app.rotating) {
                ContinueRotation(app);
            } else if (app.resizeCorner >= 0) {
                ContinueResize(app);
            } else if (app.dragging) {
                ContinueDrag(app);
            }
            return 0;
        case WM_LBUTTONUP:
            if (IsOverlay(window)) {
                if (app.dragging)
                    ContinueDrag(app);  // the release point may differ from the last move
                EndPointerModes(app, false);
            }
            return 0;
        case WM_LBUTTONDBLCLK:
            if (IsOverlay(window)) OnDoubleClick(app);
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
                SetPetCursor(app, window);
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
            if (wParam == kHotKeyId) ToggleFullClickThrough(app);
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
    if (message == WM_DROPFILES) {
        // Skins are imported from drops once skin folders exist; the drop is released either way.
        DragFinish(reinterpret_cast<HDROP>(wParam));
        return 0;
    }
    // A thread's result record is ours from here on, with or without an application to take it.
    if (message == WM_PET_UPDATE_RESULT) {
        const std::unique_ptr<UpdateCheckResult> result(
            reinterpret_cast<UpdateCheckResult*>(lParam));
        return 0;  // the update check's dialogs come with the update check
    }
    if (message == WM_PET_DOWNLOAD_RESULT) {
        const std::unique_ptr<DownloadResult> result(reinterpret_cast<DownloadResult*>(lParam));
        if (theApp != nullptr) theApp->downloadRunning = false;
        return 0;  // installing the download comes with the self-update
    }
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

void EndPointerModes(PetApp& app, bool captureLost) {
    const PointerMode mode = CurrentPointerMode(app);
    const PointerEnd end = EndPointerMode(mode, app.rotateMoved, captureLost);
    // Cleared first: releasing the capture sends WM_CAPTURECHANGED back here.
    app.dragging = false;
    app.resizeCorner = -1;
    app.rotating = false;
    if (mode == PointerMode::Idle || app.overlayWindow == nullptr) return;
    if (end.dropHeld) SetHeld(app.pet, false, 0, 0, OverlayPixelsPerUnit(app));
    if (GetCapture() == app.overlayWindow) ReleaseCapture();
    if (end.toggleMirror) {
        app.settings.FlipHorizontal = !app.settings.FlipHorizontal;
        app.rotateClickMirrored = true;
    }
    if (end.storePosition) {
        const ScreenRect rect = OverlayRect(app);
        app.settings.PosX = rect.left;
        app.settings.PosY = rect.top;
    }
    if (end.save) SaveSettings(app.settings);
}

void QuitApp(PetApp& app) {
    RemoveKeyboardHook(app.input);
    if (app.overlayWindow != nullptr) {
        DestroyWindow(app.overlayWindow);
    } else {
        PostQuitMessage(0);
    }
}
