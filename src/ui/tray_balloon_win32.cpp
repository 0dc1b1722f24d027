#include "ui/tray_balloon_win32.h"

void ShowTrayBalloon(HWND, const wchar_t*, const wchar_t*) {
    // Shown once the tray icon exists.
}
