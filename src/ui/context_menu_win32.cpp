#include "ui/context_menu_win32.h"

namespace {

constexpr UINT kQuitCommand = 10;

}  // namespace

MenuCommand ShowContextMenu(HWND owner, POINT at, bool english) {
    // Only the quit command so far; the settings, skins and statistics entries join it with
    // the tray icon.
    const MenuHandle menu(CreatePopupMenu());
    if (!menu) return MenuCommand::None;
    AppendMenuW(menu.Get(), MF_STRING, kQuitCommand, english ? L"Quit Mewlark" : L"退出 Mewlark");
    SetForegroundWindow(owner);
    const UINT command = static_cast<UINT>(TrackPopupMenu(
        menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return command == kQuitCommand ? MenuCommand::Quit : MenuCommand::None;
}

void AddTrayIcon(HWND) {}

void RemoveTrayIcon(IconHandle& icon) {
    icon.Reset();
}
