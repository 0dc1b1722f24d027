#pragma once

#include <windows.h>

// A balloon notice from the tray icon. The tray icon does not exist yet, so for now the notice
// goes nowhere; callers already pass the texts the user is to read.
void ShowTrayBalloon(HWND trayOwner, const wchar_t* title, const wchar_t* text);
