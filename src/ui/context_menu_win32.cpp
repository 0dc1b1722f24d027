#include "ui/context_menu_win32.h"

#include "app/app_window_win32.h"

namespace {

constexpr UINT kQuitCommand = 10;

struct MenuHandle {
    HMENU handle = CreatePopupMenu();
    ~MenuHandle() {
        if (handle != nullptr) DestroyMenu(handle);
    }
};

}  // namespace

void ShowContextMenu(PetApp& app, POINT at) {
    // Only the quit command so far; the settings, skins and statistics entries join it with
    // the tray icon.
    MenuHandle menu;
    if (menu.handle == nullptr) return;
    AppendMenuW(menu.handle, MF_STRING, kQuitCommand,
                app.settings.LanguageEnglish ? L"Quit Mewlark" : L"退出 Mewlark");
    HWND owner = app.trayOwnerWindow != nullptr ? app.trayOwnerWindow : app.overlayWindow;
    SetForegroundWindow(owner);
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(menu.handle, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0,
                       owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    if (command == kQuitCommand) QuitApp(app);
}

// The tray icon arrives with the tray menu; until then there is nothing to add or remove.
void AddTrayIcon(PetApp&) {}

void RemoveTrayIcon(PetApp& app) {
    if (app.trayIcon != nullptr) {
        DestroyIcon(app.trayIcon);
        app.trayIcon = nullptr;
    }
}
