#pragma once

// The program's own windows and menus: the context menu and the tray icon now, the settings
// window and the dressing room later. A menu returns what the user chose; the app carries it
// out.

#include "base/handles_win32.h"

enum class MenuCommand { None, Quit };

// The context menu of the cat and the tray icon, opened at a screen point and owned by `owner`;
// returns the command chosen, None when the menu was dismissed.
MenuCommand ShowContextMenu(HWND owner, POINT at, bool english);

// The tray icon arrives with the tray menu; until then there is nothing to add.
void AddTrayIcon(HWND trayOwner);
// Destroys the tray icon's image, if there is one.
void RemoveTrayIcon(IconHandle& icon);
