#include "app/window_placement_win32.h"

#include <optional>

#include "settings/settings_store_win32.h"

namespace {

ScreenRect FromRect(const RECT& r) {
    return {static_cast<std::int32_t>(r.left), static_cast<std::int32_t>(r.top),
            static_cast<std::int32_t>(r.right), static_cast<std::int32_t>(r.bottom)};
}

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT bounds, LPARAM data) {
    reinterpret_cast<DisplayLayout*>(data)->monitors.push_back(FromRect(*bounds));
    return TRUE;
}

HWND InsertAfter(WindowZOrder order) {
    return order == WindowZOrder::Topmost ? HWND_TOPMOST : HWND_NOTOPMOST;
}

}  // namespace

DisplayLayout CurrentDisplayLayout() {
    DisplayLayout layout;
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    layout.virtualScreen = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};

    RECT work{};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
        layout.primaryWorkArea = FromRect(work);
    } else {
        layout.primaryWorkArea = {0, 0, GetSystemMetrics(SM_CXSCREEN),
                                  GetSystemMetrics(SM_CYSCREEN)};
    }

    if (!EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&layout)))
        layout.monitors.clear();
    return layout;
}

void PlaceWindow(HWND window, Settings& settings, bool keepCentreBottom, bool save) {
    std::optional<ScreenRect> current;
    RECT rect{};
    if (window && GetWindowRect(window, &rect)) current = FromRect(rect);

    const WindowPlacement place =
        DecideWindowPlacement(settings, keepCentreBottom, save, current, CurrentDisplayLayout());

    if (window) {
        UINT flags = SWP_NOACTIVATE;
        HWND after = nullptr;
        if (place.zOrder == WindowZOrder::Unchanged) {
            flags |= SWP_NOZORDER | SWP_NOOWNERZORDER;
        } else {
            after = InsertAfter(place.zOrder);
        }
        SetWindowPos(window, after, place.x, place.y, place.size.width, place.size.height, flags);
    }

    if (place.store) {
        settings.PosX = place.x;
        settings.PosY = place.y;
        SaveSettings(settings);
    }
}
