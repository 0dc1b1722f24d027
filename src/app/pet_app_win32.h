#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "base/handles_win32.h"
#include "draw/dib_surface_win32.h"
#include "input/input_monitor.h"
#include "pet/pet_demo.h"
#include "pet/pet_state.h"
#include "pet/pet_touch.h"
#include "settings/settings.h"

// Private messages between instances and threads (WM_APP range).
inline constexpr UINT WM_PET_TRAY = 0x8001;
inline constexpr UINT WM_PET_SHOW = 0x8002;
inline constexpr UINT WM_PET_UPDATE_RESULT = 0x8003;
inline constexpr UINT WM_PET_DOWNLOAD_RESULT = 0x8004;
inline constexpr UINT WM_PET_TAKEOVER = 0x8005;

inline constexpr wchar_t kOverlayClassName[] = L"MewlarkOverlayWindowClass";
inline constexpr wchar_t kOverlayTitle[] = L"Mewlark";
inline constexpr wchar_t kTrayOwnerClassName[] = L"MewlarkTrayOwnerClass";
inline constexpr wchar_t kTrayOwnerTitle[] = L"MewlarkTray";
inline constexpr wchar_t kVersionProperty[] = L"MewlarkVersion";
inline constexpr wchar_t kSingleInstanceMutex[] = L"Local\\MewlarkDesktopPetSingleInstance";

inline constexpr UINT_PTR kFrameTimerId = 1;
inline constexpr UINT kFrameTimerMs = 16;
inline constexpr int kHotKeyId = 101;

// Everything the program owns for the whole run; lives on wWinMain's stack.
struct PetApp {
    HWND overlayWindow = nullptr;
    HWND trayOwnerWindow = nullptr;
    IconHandle trayIcon;
    NOTIFYICONDATAW trayData{};
    Settings settings;
    InputMonitor input;
    PetState pet;
    HWND dressingRoomWindow = nullptr;
    HWND settingsWindow = nullptr;
    bool petShown = true;
    bool autoHidden = false;
    bool dragging = false;
    int32_t resizeCorner = -1;
    int32_t resizeAnchorX = 0;
    int32_t resizeAnchorY = 0;
    bool rotating = false;
    bool rotateMoved = false;
    float rotateStartAngle = 0.0f;
    float rotateStartValue = 0.0f;
    bool rotateClickMirrored = false;  // the last click on the rotation handle mirrored the pet
    bool rightClickPending = false;
    bool menuWaitsForAlt = false;
    POINT menuPoint{};
    POINT dragCursorStart{};
    POINT dragWindowStart{};
    HeadHover headHover;  // the cursor on the cat's head last frame, and where
    DibSurface surface;   // the presentation surface, rebuilt on size change or failure
    double lastFrameTime = 0.0;
    DemoSequence demo;
    std::wstring latestVersionTag;
    std::wstring latestPageUrl;
    bool downloadRunning = false;
    double nextFrameTime = 0.0;
    double lastPresentTime = 0.0;
    double nextWatchTime = 0.0;
    double topmostRecheckAt = 0.0;
    int32_t layeredFailures = 0;
    bool elevated = false;
    bool foregroundElevated = false;
    double foregroundElevatedAt = 0.0;
    double foregroundElevatedSince = 0.0;
    bool elevationNoticeShown = false;
    WinEventHook foregroundHook;
    bool sessionNotifyRegistered = false;
    bool holdStartupSave = false;  // the settings key was unreadable: keep the user's values

    PetApp() = default;
    PetApp(const PetApp&) = delete;
    PetApp& operator=(const PetApp&) = delete;
};

// Set right after PetApp is built, cleared before it goes; window procedures and hooks
// must do nothing while it is null.
extern PetApp* theApp;
