#include "app/foreground_rules.h"

#include <gtest/gtest.h>

namespace {

const ScreenRect kMonitor{0, 0, 1920, 1080};
const ScreenRect kSecondMonitor{1920, 0, 3840, 1080};

ForegroundFacts Window(const wchar_t* className, std::optional<ScreenRect> rect,
                       std::optional<ScreenRect> monitor = kMonitor) {
    ForegroundFacts f;
    f.exists = true;
    f.className = className;
    f.windowRect = rect;
    f.monitorRect = monitor;
    return f;
}

TEST(FullScreenTest, OnlyAWindowCoveringItsWholeMonitorCounts) {
    ForegroundFacts own = Window(L"Game", kMonitor);
    own.ownOrShell = true;
    ForegroundFacts none = Window(L"Game", kMonitor);
    none.exists = false;
    struct Case {
        const char* what;
        ForegroundFacts facts;
        bool expected;
    };
    const Case cases[] = {
        {"borderless full screen", Window(L"Game", kMonitor), true},
        {"within 2 px", Window(L"Game", ScreenRect{2, 2, 1918, 1078}), true},
        {"3 px short", Window(L"Game", ScreenRect{0, 0, 1920, 1077}), false},
        {"larger than the monitor", Window(L"Game", ScreenRect{-8, -8, 1928, 1088}), true},
        {"maximised, task bar visible", Window(L"Editor", ScreenRect{-8, -8, 1928, 1048}), false},
        {"full screen on the second monitor", Window(L"Video", kSecondMonitor, kSecondMonitor),
         true},
        {"desktop", Window(L"Progman", kMonitor), false},
        {"desktop behind icons", Window(L"WorkerW", kMonitor), false},
        {"task bar", Window(L"Shell_TrayWnd", kMonitor), false},
        {"second task bar", Window(L"Shell_SecondaryTrayWnd", kMonitor), false},
        {"the pet or the shell", own, false},
        {"no foreground window", none, false},
        {"rectangle query failed", Window(L"Game", std::nullopt), false},
        {"monitor query failed", Window(L"Game", kMonitor, std::nullopt), false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsFullScreenForeground(c.facts), c.expected) << c.what;
}

TEST(AutoHideTest, HidesForFullScreenAndShowsAgain) {
    struct Case {
        const char* what;
        AutoHideInput in;
        AutoHideAction expected;
    };
    // petShown, autoHideSetting, captureHidden, fullScreen, autoHidden
    const Case cases[] = {
        {"full screen hides", {true, true, false, true, false}, AutoHideAction::Hide},
        {"stays hidden", {true, true, false, true, true}, AutoHideAction::None},
        {"window gone shows", {true, true, false, false, true}, AutoHideAction::Show},
        {"setting off: never hides", {true, false, false, true, false}, AutoHideAction::None},
        {"setting turned off while hidden", {true, false, false, true, true}, AutoHideAction::Show},
        {"capture hidden: never hides", {true, true, true, true, false}, AutoHideAction::None},
        {"user hid the pet meanwhile",
         {false, true, false, false, true},
         AutoHideAction::ClearOnly},
        {"user hid the pet: full screen changes nothing",
         {false, true, false, true, false},
         AutoHideAction::None},
    };
    for (const Case& c : cases) EXPECT_EQ(DecideAutoHide(c.in), c.expected) << c.what;
}

TEST(HookReinstallTest, OnlyKeysThatRawInputSawAndTheHookMissedCount) {
    struct Case {
        const char* what;
        double rawKey;
        double hookKey;
        double now;
        bool expected;
    };
    const Case cases[] = {
        {"no key yet", 0.0, 0.0, 100.0, false},
        {"both saw the key", 99.5, 99.5, 100.0, false},
        {"the hook saw it a little earlier", 99.5, 99.45, 100.0, false},
        {"the hook never saw a key", 99.5, 0.0, 100.0, true},
        {"the hook stopped a while ago", 99.5, 90.0, 100.0, true},
        {"the missed key is older than 2 s", 97.5, 90.0, 100.0, false},
        {"the missed key is just 2 s old", 98.0, 90.0, 100.0, true},
        {"only the hook saw keys (raw input lost)", 90.0, 99.5, 100.0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HookNeedsReinstall(c.rawKey, c.hookKey, c.now), c.expected) << c.what;
}

TEST(ElevationNoticeTest, OnceAfterASecondOrAtOnceInFullScreen) {
    EXPECT_FALSE(ShouldShowElevationNotice(false, false, 10.0, 10.5));
    EXPECT_TRUE(ShouldShowElevationNotice(false, false, 10.0, 11.0));
    EXPECT_TRUE(ShouldShowElevationNotice(false, true, 10.0, 10.0));
    EXPECT_FALSE(ShouldShowElevationNotice(true, true, 10.0, 20.0));
}

}  // namespace
