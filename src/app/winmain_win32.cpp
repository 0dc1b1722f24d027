#include <windows.h>
#include <shellapi.h>
#include <wtsapi32.h>

#include <optional>
#include <string>
#include <vector>

#include "app/app_window_win32.h"
#include "app/command_line.h"
#include "app/dpi_awareness_win32.h"
#include "app/foreground_watcher_win32.h"
#include "app/frame_pacing.h"
#include "app/monotonic_clock.h"
#include "app/pet_app_win32.h"
#include "app/presentation_win32.h"
#include "app/single_instance_win32.h"
#include "app/skins_in_use_win32.h"
#include "app/window_placement.h"
#include "app/window_placement_win32.h"
#include "base/handles_win32.h"
#include "base/version.h"
#include "input/input_monitor_win32.h"
#include "pet/pet_input_hookup.h"
#include "render/compose_frame_win32.h"
#include "settings/settings_store_win32.h"
#include "ui/context_menu_win32.h"

namespace {

std::vector<std::wstring> CommandLineArguments() {
    std::vector<std::wstring> arguments;
    int count = 0;
    if (LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) arguments.emplace_back(list[i]);
        LocalFree(list);
    }
    return arguments;
}

bool ProcessElevated() {
    KernelHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Out())) return false;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const bool ok =
        GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof(elevation), &size) != 0;
    return ok && elevation.TokenIsElevated != 0;
}

void AllowMessagesFromLowerIntegrity(HWND window, std::initializer_list<UINT> messages) {
    for (UINT message : messages)
        ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
}

void CreateTrayOwner(PetApp& app, HINSTANCE instance, UINT taskbarCreated) {
    app.trayOwnerWindow =
        CreateWindowExW(WS_EX_TOOLWINDOW, kTrayOwnerClassName, kTrayOwnerTitle, WS_POPUP, 0, 0, 0,
                        0, nullptr, nullptr, instance, nullptr);
    if (app.trayOwnerWindow == nullptr) return;
    SetPropW(app.trayOwnerWindow, kVersionProperty,
             reinterpret_cast<HANDLE>(static_cast<INT_PTR>(ProgramVersion())));
    AllowMessagesFromLowerIntegrity(app.trayOwnerWindow,
                                    {WM_PET_TRAY, WM_PET_SHOW, WM_PET_TAKEOVER, taskbarCreated});
}

bool CreateOverlay(PetApp& app, HINSTANCE instance) {
    DWORD exStyle = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE;
    if (app.settings.OBSCaptureMode == CaptureMode::Off) exStyle |= WS_EX_TOOLWINDOW;
    if (app.settings.AlwaysOnTop) exStyle |= WS_EX_TOPMOST;
    const ScreenRect rect = InitialWindowRect(app.settings, CurrentDisplayLayout().primaryWorkArea);
    app.overlayWindow = CreateWindowExW(
        exStyle, kOverlayClassName, kOverlayTitle, WS_POPUP, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, instance, nullptr);
    return app.overlayWindow != nullptr;
}

// Until WM_QUIT: wait for the next frame or for input, pump messages within a budget, frame.
int RunFrameLoop(PetApp& app) {
    for (;;) {
        const double now = MonotonicSeconds();
        const unsigned waitMs =
            FrameWaitMilliseconds(app.nextFrameTime, now, app.petShown && !app.autoHidden);
        if (waitMs > 0) {
            MsgWaitForMultipleObjectsEx(0, nullptr, waitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        }
        const double pumpDeadline = MonotonicSeconds() + kMessageBudget;
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
            TranslateMessage(&message);
            DispatchMessageW(&message);
            if (MonotonicSeconds() > pumpDeadline) break;
        }
        RenderFrameIfDue(app);
        WatchForeground(app);
    }
}

int RunPet(HINSTANCE instance) {
    // Pending self-update switches are handled here once updates exist.
    const CommandLineSwitches switches = ParseCommandLineSwitches(CommandLineArguments());

    NamedMutex mutex;
    if (ClaimSingleInstance(mutex, ProgramVersion(), switches.takeover) == InstanceOutcome::Exit) {
        return 0;
    }

    // GDI+ outlives the application object: skins and the surface hold GDI+ objects.
    std::optional<GdiplusSession> gdiplus;
    struct RenderCaches {
        ~RenderCaches() { ReleaseRenderCaches(); }
    } renderCaches;
    PetApp app;
    theApp = &app;
    struct ClearTheApp {
        ~ClearTheApp() { theApp = nullptr; }
    } clearTheApp;
    // After an unreadable key the defaults must not be written over the user's settings.
    app.holdStartupSave = LoadSettings(app.settings) == SettingsLoad::Unreadable;
    // Skin libraries are loaded here once skin folders exist.

    app.elevated = ProcessElevated();
    // The elevated relaunch for RunAsAdmin comes here (skipped with --no-elevate).
    (void)switches.noElevate;

    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    SetTaskbarCreatedMessage(taskbarCreated);
    gdiplus.emplace();
    // The start-with-Windows entry is refreshed here once it exists.

    app.input.system = Win32InputSystem(MonotonicSeconds);
    ConnectPetToInput(app.input, app.pet, app.settings,
                      [&app] { return SkinStyleOf(&CurrentCatSkin(app)); });

    RegisterPetWindowClasses(instance);
    CreateTrayOwner(app, instance, taskbarCreated);

    if (!CreateOverlay(app, instance)) {
        if (app.trayOwnerWindow != nullptr) DestroyWindow(app.trayOwnerWindow);
        app.trayOwnerWindow = nullptr;
        return 1;
    }
    PlacePetWindow(app, false, !app.holdStartupSave);
    DragAcceptFiles(app.overlayWindow, TRUE);
    AllowMessagesFromLowerIntegrity(app.overlayWindow, {WM_DROPFILES, WM_COPYDATA, 0x0049});

    RegisterRawInput(app.input, app.overlayWindow);
    InstallKeyboardHook(app.input);

    if (app.settings.OBSCaptureMode != CaptureMode::Off && app.settings.OBSHideDesktop)
        ApplyCaptureMode(app);

    AddTrayIcon(app.trayOwnerWindow);
    app.sessionNotifyRegistered =
        WTSRegisterSessionNotification(app.overlayWindow, NOTIFY_FOR_THIS_SESSION) != FALSE;
    InstallForegroundHook(app);

    if (app.trayOwnerWindow != nullptr) {
        RegisterHotKey(app.trayOwnerWindow, kHotKeyId,
                       MOD_CONTROL | MOD_ALT | MOD_SHIFT | MOD_NOREPEAT, 'P');
        // The delayed update check starts here once updates exist.
    }

    ShowWindow(app.overlayWindow, SW_SHOWNOACTIVATE);
    app.lastFrameTime = MonotonicSeconds();
    RenderFrame(app);
    app.nextFrameTime = MonotonicSeconds() + kFramePeriod;
    SetTimer(app.overlayWindow, kFrameTimerId, kFrameTimerMs, nullptr);

    return RunFrameLoop(app);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    MakeProcessDpiAware();
    return RunPet(instance);
}
