#include "app/window_placement_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "settings/settings_store_win32.h"

namespace {

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    return DefWindowProcW(window, message, w, l);
}

class OwnedWindow {
public:
    OwnedWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"MewlarkPlacementTestWindow";
        RegisterClassW(&wc);
        window_ = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    }
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    ~OwnedWindow() {
        if (window_) DestroyWindow(window_);
    }
    HWND Get() const { return window_; }

private:
    HWND window_ = nullptr;
};

RECT RectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

bool Topmost(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

class PlaceWindowTest : public testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKeyPath);
        ASSERT_TRUE(window.Get());
        ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0));
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKeyPath); }

    static Settings Stored() {
        Settings s;
        LoadSettings(s);
        return s;
    }

    OwnedWindow window;
    RECT workArea{};
};

TEST_F(PlaceWindowTest, FirstRunGoesToTheCornerAndStoresIt) {
    Settings settings;
    PlaceWindow(window.Get(), settings, false, true);

    const RECT r = RectOf(window.Get());
    EXPECT_EQ(r.left, workArea.right - 360 - 24);
    EXPECT_EQ(r.top, workArea.bottom - 320 - 12);
    EXPECT_EQ(r.right - r.left, 360);
    EXPECT_EQ(r.bottom - r.top, 320);
    EXPECT_TRUE(Topmost(window.Get()));
    EXPECT_EQ(settings.PosX, r.left);
    EXPECT_EQ(settings.PosY, r.top);
    const Settings stored = Stored();
    EXPECT_EQ(stored.PosX, r.left);
    EXPECT_EQ(stored.PosY, r.top);
}

TEST_F(PlaceWindowTest, StoredPositionOffEveryMonitorFallsBackToTheCorner) {
    Settings settings;
    settings.PosX =
        GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN) + 500;
    settings.PosY = 100;
    settings.AlwaysOnTop = false;
    PlaceWindow(window.Get(), settings, false, false);

    const RECT r = RectOf(window.Get());
    EXPECT_EQ(r.left, workArea.right - 360 - 24);
    EXPECT_EQ(r.top, workArea.bottom - 320 - 12);
    EXPECT_FALSE(Topmost(window.Get()));
    EXPECT_EQ(settings.PosY, 100) << "not saved, so unchanged";
    EXPECT_EQ(Stored().PosX, kUnsetPosition);
}

TEST_F(PlaceWindowTest, RescaleKeepsTheBottomCentre) {
    Settings settings;
    settings.PosX = workArea.left + 200;
    settings.PosY = workArea.top + 300;
    PlaceWindow(window.Get(), settings, false, false);
    settings.Scale = 0.5f;
    PlaceWindow(window.Get(), settings, true, true);

    const RECT r = RectOf(window.Get());
    EXPECT_EQ(r.right - r.left, 180);
    EXPECT_EQ(r.bottom - r.top, 160);
    EXPECT_EQ((r.left + r.right) / 2, workArea.left + 200 + 180);
    EXPECT_EQ(r.bottom, workArea.top + 300 + 320);
    EXPECT_EQ(Stored().PosX, r.left);
}

TEST_F(PlaceWindowTest, HiddenForCaptureOnlyResizesAndNeverSaves) {
    Settings settings;
    settings.OBSCaptureMode = CaptureMode::TransparentWindow;
    settings.OBSHideDesktop = true;
    settings.PosX = workArea.left + 50;
    settings.PosY = workArea.top + 60;
    settings.Scale = 1.5f;
    PlaceWindow(window.Get(), settings, true, true);

    const RECT r = RectOf(window.Get());
    EXPECT_EQ(r.left,
              GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN) + 120);
    EXPECT_EQ(r.top, GetSystemMetrics(SM_YVIRTUALSCREEN) + 40);
    EXPECT_EQ(r.right - r.left, 540);
    EXPECT_EQ(r.bottom - r.top, 480);
    EXPECT_EQ(settings.PosX, workArea.left + 50);
    EXPECT_EQ(settings.PosY, workArea.top + 60);
    EXPECT_EQ(Stored().PosX, kUnsetPosition) << "nothing written";
}

TEST(DisplayLayoutTest, MonitorsLieInsideTheVirtualScreen) {
    const DisplayLayout layout = CurrentDisplayLayout();
    ASSERT_FALSE(layout.monitors.empty());
    const ScreenRect& v = layout.virtualScreen;
    EXPECT_LT(v.left, v.right);
    for (const ScreenRect& m : layout.monitors) {
        EXPECT_GE(m.left, v.left);
        EXPECT_GE(m.top, v.top);
        EXPECT_LE(m.right, v.right);
        EXPECT_LE(m.bottom, v.bottom);
    }
    EXPECT_LT(layout.primaryWorkArea.left, layout.primaryWorkArea.right);
}

}  // namespace
