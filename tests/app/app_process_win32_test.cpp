// Starts the real program (and builds of other versions) and watches what the instances do.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "base/handles_win32.h"
#include "draw/dib_surface_win32.h"

namespace {

constexpr wchar_t kOverlayClass[] = L"MewlarkOverlayWindowClass";
constexpr wchar_t kTrayOwnerClass[] = L"MewlarkTrayOwnerClass";
constexpr wchar_t kKeyPath[] = L"Software\\Mewlark";
constexpr DWORD kStartTimeoutMs = 20000;

std::wstring ProgramPath(const wchar_t* exeName) {
    std::string dir = MEWLARK_BINARY_DIR;
    return std::wstring(dir.begin(), dir.end()) + L"\\" + exeName;
}

void WriteDword(const wchar_t* name, DWORD value) {
    RegistryKey key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              key.Out(), nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof(value));
}

std::optional<DWORD> ReadDword(const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kKeyPath, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

// Polls until the condition holds or the time is up.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        if (condition()) return true;
        Sleep(50);
    }
    return condition();
}

// Ends whatever instance is still around, so one test never sees another's windows.
void EndStrayInstances() {
    for (int i = 0; i < 20; ++i) {
        HWND window = FindWindowW(kOverlayClass, nullptr);
        if (window == nullptr) window = FindWindowW(kTrayOwnerClass, nullptr);
        if (window == nullptr) return;
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (const KernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
            process) {
            TerminateProcess(process.Get(), 99);
            WaitForSingleObject(process.Get(), 5000);
        }
        Sleep(100);
    }
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        EndStrayInstances();
        RegDeleteTreeW(HKEY_CURRENT_USER, kKeyPath);
    }

    void TearDown() override {
        for (const StartedProcess& p : started_) {
            if (WaitForSingleObject(p.process.Get(), 0) == WAIT_TIMEOUT) {
                TerminateProcess(p.process.Get(), 99);
                WaitForSingleObject(p.process.Get(), 5000);
            }
        }
        started_.clear();
        EndStrayInstances();
        RegDeleteTreeW(HKEY_CURRENT_USER, kKeyPath);
    }

    HANDLE Start(const wchar_t* exeName, const wchar_t* arguments = L"") {
        std::wstring commandLine = L"\"" + ProgramPath(exeName) + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            ADD_FAILURE() << "could not start "
                          << std::string(commandLine.begin(), commandLine.end());
            return nullptr;
        }
        started_.push_back({KernelHandle(process.hProcess), KernelHandle(process.hThread)});
        return process.hProcess;
    }

    static DWORD OwnerProcessOf(const wchar_t* windowClass) {
        HWND window = FindWindowW(windowClass, nullptr);
        DWORD pid = 0;
        if (window != nullptr) GetWindowThreadProcessId(window, &pid);
        return pid;
    }

    static bool WaitForPetWindow(HANDLE process) {
        const DWORD pid = GetProcessId(process);
        return WaitUntil(
            [pid] {
                HWND overlay = FindWindowW(kOverlayClass, nullptr);
                return overlay != nullptr && IsWindowVisible(overlay) &&
                       OwnerProcessOf(kOverlayClass) == pid;
            },
            kStartTimeoutMs);
    }

    // Starts the program and waits for its window; null when it never showed.
    HWND StartPet(RECT& rect) {
        HANDLE pet = Start(L"Mewlark.exe");
        if (pet == nullptr || !WaitForPetWindow(pet)) return nullptr;
        HWND overlay = FindWindowW(kOverlayClass, nullptr);
        GetWindowRect(overlay, &rect);
        return overlay;
    }

    static bool Running(HANDLE process) { return WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }

    static std::optional<DWORD> ExitCodeWithin(HANDLE process, DWORD timeoutMs) {
        if (WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
        DWORD code = 0;
        GetExitCodeProcess(process, &code);
        return code;
    }

private:
    struct StartedProcess {
        KernelHandle process;
        KernelHandle thread;
    };
    std::vector<StartedProcess> started_;
};

TEST_F(ProgramTest, FirstStartShowsALayeredTopmostWindowInTheDefaultCornerAndStoresIt) {
    HANDLE pet = Start(L"Mewlark.exe");
    ASSERT_TRUE(WaitForPetWindow(pet));

    HWND overlay = FindWindowW(kOverlayClass, nullptr);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT rect{};
    GetWindowRect(overlay, &rect);
    EXPECT_EQ(rect.right - rect.left, 360);
    EXPECT_EQ(rect.bottom - rect.top, 320);
    EXPECT_EQ(rect.left, work.right - 360 - 24);
    EXPECT_EQ(rect.top, work.bottom - 320 - 12);

    const LONG_PTR exStyle = GetWindowLongPtrW(overlay, GWL_EXSTYLE);
    for (LONG_PTR flag : {LONG_PTR{WS_EX_LAYERED}, LONG_PTR{WS_EX_NOACTIVATE},
                          LONG_PTR{WS_EX_TOOLWINDOW}, LONG_PTR{WS_EX_TOPMOST}}) {
        EXPECT_EQ(exStyle & flag, flag) << std::hex << flag;
    }
    wchar_t title[32] = {};
    GetWindowTextW(overlay, title, 32);
    EXPECT_STREQ(title, L"Mewlark");

    HWND owner = FindWindowW(kTrayOwnerClass, nullptr);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropW(owner, L"MewlarkVersion")), 10403);

    ASSERT_TRUE(WaitUntil([] { return ReadDword(L"HasPos").has_value(); }, 5000));
    EXPECT_EQ(ReadDword(L"HasPos"), 1u);
    EXPECT_EQ(static_cast<LONG>(ReadDword(L"PosX").value_or(0)), rect.left);
    EXPECT_EQ(static_cast<LONG>(ReadDword(L"PosY").value_or(0)), rect.top);
}

TEST_F(ProgramTest, StoredHalfScaleGivesAHalfSizeWindow) {
    WriteDword(L"ScalePct", 50);
    HANDLE pet = Start(L"Mewlark.exe");
    ASSERT_TRUE(WaitForPetWindow(pet));
    RECT rect{};
    GetWindowRect(FindWindowW(kOverlayClass, nullptr), &rect);
    EXPECT_EQ(rect.right - rect.left, 180);
    EXPECT_EQ(rect.bottom - rect.top, 160);
}

TEST_F(ProgramTest, SecondStartOfTheSameVersionExitsAndTheFirstShowsItself) {
    // Showing itself also ends full click-through, which is how the request is seen here.
    WriteDword(L"FullClickThrough", 1);
    HANDLE first = Start(L"Mewlark.exe");
    ASSERT_TRUE(WaitForPetWindow(first));

    HANDLE second = Start(L"Mewlark.exe");
    EXPECT_EQ(ExitCodeWithin(second, kStartTimeoutMs), 0u);
    EXPECT_TRUE(Running(first));
    EXPECT_EQ(OwnerProcessOf(kOverlayClass), GetProcessId(first));
    EXPECT_TRUE(WaitUntil([] { return ReadDword(L"FullClickThrough") == 0u; }, 5000));
}

TEST_F(ProgramTest, TakeoverSwitchReplacesTheRunningInstance) {
    HANDLE first = Start(L"Mewlark.exe");
    ASSERT_TRUE(WaitForPetWindow(first));

    HANDLE second = Start(L"Mewlark.exe", L"--TAKEOVER");
    EXPECT_EQ(ExitCodeWithin(first, kStartTimeoutMs), 0u);
    ASSERT_TRUE(WaitForPetWindow(second));
    EXPECT_TRUE(Running(second));
}

TEST_F(ProgramTest, NewerVersionTakesOverAndOlderOnlyShowsTheNewer) {
    HANDLE current = Start(L"Mewlark.exe");
    ASSERT_TRUE(WaitForPetWindow(current));

    HANDLE newer = Start(L"MewlarkNewer.exe");
    EXPECT_EQ(ExitCodeWithin(current, kStartTimeoutMs), 0u);
    ASSERT_TRUE(WaitForPetWindow(newer));
    EXPECT_EQ(reinterpret_cast<INT_PTR>(
                  GetPropW(FindWindowW(kTrayOwnerClass, nullptr), L"MewlarkVersion")),
              10500);

    HANDLE older = Start(L"MewlarkOlder.exe");
    EXPECT_EQ(ExitCodeWithin(older, kStartTimeoutMs), 0u);
    EXPECT_TRUE(Running(newer));
    EXPECT_EQ(OwnerProcessOf(kOverlayClass), GetProcessId(newer));
}

void MoveCursorTo(POINT p) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((p.x * 65535.0) / (GetSystemMetrics(SM_CXSCREEN) - 1) + 0.5);
    input.mi.dy = static_cast<LONG>((p.y * 65535.0) / (GetSystemMetrics(SM_CYSCREEN) - 1) + 0.5);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

bool ClickThrough(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
}

TEST_F(ProgramTest, ClicksPassThroughEmptyPixelsButNotTheCat) {
    RECT rect{};
    HWND overlay = StartPet(rect);
    ASSERT_NE(overlay, nullptr);

    struct Case {
        const char* where;
        POINT stagePoint;
        bool passesThrough;
    };
    const Case cases[] = {
        {"body", {184, 196}, false},
        {"empty top-left corner", {6, 6}, true},
        {"desk", {80, 280}, false},
        {"outside the window", {-40, 100}, true},
    };
    for (const Case& c : cases) {
        MoveCursorTo(POINT{rect.left + c.stagePoint.x, rect.top + c.stagePoint.y});
        EXPECT_TRUE(WaitUntil([&] { return ClickThrough(overlay) == c.passesThrough; }, 3000))
            << c.where;
    }
}

void SendButton(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof(input));
}

TEST_F(ProgramTest, DraggingTheCatMovesTheWindowAndStoresWhereItWasDropped) {
    RECT before{};
    HWND overlay = StartPet(before);
    ASSERT_NE(overlay, nullptr);

    const POINT grab{before.left + 184, before.top + 196};
    MoveCursorTo(grab);
    ASSERT_TRUE(WaitUntil([&] { return !ClickThrough(overlay); }, 3000));
    SendButton(MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 10; ++step) {
        MoveCursorTo(POINT{grab.x - 15 * step, grab.y - 10 * step});
        Sleep(20);
    }
    SendButton(MOUSEEVENTF_LEFTUP);

    RECT after{};
    EXPECT_TRUE(WaitUntil(
        [&] {
            GetWindowRect(overlay, &after);
            return after.left == before.left - 150 && after.top == before.top - 100;
        },
        3000))
        << after.left << "," << after.top;
    EXPECT_TRUE(WaitUntil(
        [&] { return static_cast<LONG>(ReadDword(L"PosX").value_or(0)) == before.left - 150; },
        3000));
    EXPECT_EQ(static_cast<LONG>(ReadDword(L"PosY").value_or(0)), before.top - 100);
}

// The pixels of a screen rectangle as the user sees them (layered windows included).
std::vector<uint32_t> ScreenPixels(const RECT& r) {
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    const WindowDC screen(nullptr);
    DibSurface copy;
    if (copy.Create(w, h)) {
        BitBlt(copy.dc.Get(), 0, 0, w, h, screen.Get(), r.left, r.top, SRCCOPY);
        GdiFlush();
        memcpy(pixels.data(), copy.bits, pixels.size() * 4);
    }
    return pixels;
}

size_t CountDifferent(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    size_t n = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        n += (a[i] & 0xFFFFFF) != (b[i] & 0xFFFFFF);
    return n;
}

void SendKey(WORD virtualKey, WORD scanCode, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scanCode;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(input));
}

TEST_F(ProgramTest, KeysTypedElsewhereMoveTheDrawnPet) {
    WriteDword(L"KeyboardMarquee", 0);  // the moving light would change every frame
    RECT rect{};
    HWND overlay = StartPet(rect);
    ASSERT_NE(overlay, nullptr);
    MoveCursorTo(POINT{rect.left - 200, rect.top - 200});  // keep the pointer out of it
    Sleep(3000);                                           // let the start-up springs settle

    // A quiet pet changes little from frame to frame (breathing, blinking); typing must change
    // far more than that.
    const std::vector<uint32_t> quietA = ScreenPixels(rect);
    Sleep(150);
    const std::vector<uint32_t> quietB = ScreenPixels(rect);
    const size_t idleChange = CountDifferent(quietA, quietB);

    SendKey('A', 0x1E, true);
    SendKey('L', 0x26, true);
    Sleep(300);
    const std::vector<uint32_t> typing = ScreenPixels(rect);
    SendKey('A', 0x1E, false);
    SendKey('L', 0x26, false);

    EXPECT_GT(CountDifferent(quietB, typing), idleChange * 2 + 200) << "idle change " << idleChange;
}

}  // namespace

namespace {

constexpr POINT kCatBody{184, 196};  // a Stage point on the cat's body

void SendChord(std::initializer_list<WORD> keys) {
    for (WORD k : keys) SendKey(k, static_cast<WORD>(MapVirtualKeyW(k, MAPVK_VK_TO_VSC)), true);
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it)
        SendKey(*it, static_cast<WORD>(MapVirtualKeyW(*it, MAPVK_VK_TO_VSC)), false);
}

void Click(POINT at) {
    MoveCursorTo(at);
    Sleep(60);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    SendButton(MOUSEEVENTF_LEFTUP);
}

// Presses at `from`, moves in steps to `to` and releases there.
void DragFromTo(POINT from, POINT to) {
    MoveCursorTo(from);
    Sleep(100);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 10; ++step) {
        MoveCursorTo(
            POINT{from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10});
        Sleep(20);
    }
    SendButton(MOUSEEVENTF_LEFTUP);
}

// Under Wine an injected gesture is now and then lost before it reaches the pet (seen on a
// loaded machine): the gesture is repeated, at most three times, while the program shows no
// reaction to it at all.
bool UntilItReacts(const std::function<void()>& gesture, const std::function<bool()>& reacted) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        gesture();
        if (WaitUntil(reacted, 3000)) return true;
        Sleep(600);
    }
    return false;
}

POINT OnStage(const RECT& window, POINT stage) {
    return POINT{window.left + stage.x, window.top + stage.y};
}

bool RectIs(HWND window, const RECT& expected, RECT& seen) {
    GetWindowRect(window, &seen);
    return EqualRect(&seen, &expected) != FALSE;
}

// Turns edit mode on with a double click on the cat.
bool EnterEditMode(HWND overlay, const RECT& rect) {
    const POINT body = OnStage(rect, kCatBody);
    // An empty corner, above the desk and beside the ears: it lets clicks through until edit
    // mode makes the whole window take them.
    const POINT corner = OnStage(rect, POINT{345, 12});
    MoveCursorTo(corner);
    if (!WaitUntil([&] { return ClickThrough(overlay); }, 3000)) return false;
    // A double click that arrives too slowly under load is two clicks: try again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        MoveCursorTo(body);
        if (!WaitUntil([&] { return !ClickThrough(overlay); }, 3000)) return false;
        Click(body);
        SendButton(MOUSEEVENTF_LEFTDOWN);
        SendButton(MOUSEEVENTF_LEFTUP);
        MoveCursorTo(corner);
        const bool on = WaitUntil([&] { return !ClickThrough(overlay); }, 1500);
        Sleep(600);  // past the double-click time, so the next press is a click of its own
        if (on) return true;
    }
    return false;
}

// With Alt held the cat takes the drag again; under Wine the pet does not see an Alt injected
// from this process in its key state, so only the first half is driven here.
TEST_F(ProgramTest, FullClickThroughLetsADragOnTheCatThroughToWhatIsBelow) {
    WriteDword(L"FullClickThrough", 1);
    RECT start{};
    HWND overlay = StartPet(start);
    ASSERT_NE(overlay, nullptr);
    const POINT grab = OnStage(start, kCatBody);
    MoveCursorTo(grab);
    Sleep(300);
    EXPECT_TRUE(ClickThrough(overlay)) << "the cat itself lets clicks through";
    DragFromTo(grab, POINT{grab.x - 100, grab.y - 50});
    Sleep(300);
    RECT seen{};
    EXPECT_TRUE(RectIs(overlay, start, seen)) << seen.left << "," << seen.top;
    EXPECT_EQ(ReadDword(L"PosX"), static_cast<DWORD>(start.left));
}

TEST_F(ProgramTest, HotKeyTogglesFullClickThroughAndSavesIt) {
    RECT rect{};
    ASSERT_NE(StartPet(rect), nullptr);
    SendChord({VK_CONTROL, VK_MENU, VK_SHIFT, 'P'});
    EXPECT_TRUE(WaitUntil([] { return ReadDword(L"FullClickThrough") == 1u; }, 3000));
    SendChord({VK_CONTROL, VK_MENU, VK_SHIFT, 'P'});
    EXPECT_TRUE(WaitUntil([] { return ReadDword(L"FullClickThrough") == 0u; }, 3000));
}

// Disabled in CI until the cause is found: under Wine these edit-mode drags on the real program
// are lost in some runs (every retry of a run fails alike) although the same code passes in
// others; the decisions they drive are tested natively in pointer_modes_test.cpp. Run with
// --gtest_also_run_disabled_tests.
TEST_F(ProgramTest, DISABLED_EditModeResizesAroundTheFixedCornerWithinTheScaleLimits) {
    WriteDword(L"KeyboardMarquee", 0);  // quick frames: the moving light slows Wine's GDI+
    WriteDword(L"HasPos", 1);
    WriteDword(L"PosX", 100);
    WriteDword(L"PosY", 100);
    RECT start{};
    HWND overlay = StartPet(start);
    ASSERT_NE(overlay, nullptr);
    ASSERT_TRUE(EnterEditMode(overlay, start));

    // The top-left handle, so the bottom-right corner stays. Under Wine the capture of a window
    // that is not in front does not hold, so the cursor must stay over the window: the handle
    // lies inside it and the moves are small. Growing takes the cursor past the edge before the
    // window follows, so only shrinking can be driven here.
    const POINT fixed{start.right, start.bottom};
    struct Case {
        const char* what;
        POINT to;  // where the handle is released, relative to the fixed corner
        int width, height;
        DWORD scalePct;
    };
    const Case cases[] = {
        {"shrinks to 0.5", {-180, -160}, 180, 160, 50},
        {"clamped at 0.45, the least", {-60, -60}, 162, 144, 45},
    };
    for (const Case& c : cases) {
        const POINT to{fixed.x + c.to.x, fixed.y + c.to.y};
        const RECT expected{fixed.x - c.width, fixed.y - c.height, fixed.x, fixed.y};
        RECT seen{};
        const auto dragTheHandle = [&] {
            RECT before{};
            GetWindowRect(overlay, &before);
            const int w = before.right - before.left;
            const int h = before.bottom - before.top;
            const POINT press{before.left + 10 * w / 360, before.top + 26 * h / 320};
            MoveCursorTo(press);
            Sleep(100);
            SendButton(MOUSEEVENTF_LEFTDOWN);
            const int steps = std::max(std::abs(to.x - press.x), std::abs(to.y - press.y)) / 3 + 1;
            for (int i = 1; i <= steps; ++i) {
                MoveCursorTo(POINT{press.x + (to.x - press.x) * i / steps,
                                   press.y + (to.y - press.y) * i / steps});
                Sleep(15);
            }
            SendButton(MOUSEEVENTF_LEFTUP);
        };
        EXPECT_TRUE(UntilItReacts(dragTheHandle, [&] { return RectIs(overlay, expected, seen); }))
            << c.what << ": " << seen.left << "," << seen.top << " " << seen.right - seen.left
            << "x" << seen.bottom - seen.top;
        EXPECT_TRUE(WaitUntil([&] { return ReadDword(L"ScalePct") == c.scalePct; }, 3000))
            << c.what << ": " << ReadDword(L"ScalePct").value_or(0);
        // The position is written after the scale: wait for it too, not just read it.
        EXPECT_TRUE(WaitUntil(
            [&] {
                return ReadDword(L"PosX") == static_cast<DWORD>(expected.left) &&
                       ReadDword(L"PosY") == static_cast<DWORD>(expected.top);
            },
            3000))
            << c.what << ": " << static_cast<LONG>(ReadDword(L"PosX").value_or(0)) << ","
            << static_cast<LONG>(ReadDword(L"PosY").value_or(0));
        Sleep(600);
    }
}

// Disabled in CI until the cause is found: under Wine these edit-mode drags on the real program
// are lost in some runs (every retry of a run fails alike) although the same code passes in
// others; the decisions they drive are tested natively in pointer_modes_test.cpp. Run with
// --gtest_also_run_disabled_tests.
TEST_F(ProgramTest, DISABLED_APressOnTheRotationHandleMirrorsAndADoubleClickOnlyStraightens) {
    WriteDword(L"KeyboardMarquee", 0);  // quick frames: the moving light slows Wine's GDI+
    RECT rect{};
    HWND overlay = StartPet(rect);
    ASSERT_NE(overlay, nullptr);
    ASSERT_TRUE(EnterEditMode(overlay, rect));
    const POINT handle = OnStage(rect, POINT{180, 12});

    EXPECT_TRUE(
        UntilItReacts([&] { Click(handle); }, [] { return ReadDword(L"FlipHorizontal") == 1u; }));
    Sleep(600);

    // Turn it a quarter: the handle goes round the window centre to its right (staying over the
    // window, where Wine delivers the moves).
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    EXPECT_TRUE(UntilItReacts(
        [&] {
            DragFromTo(handle, POINT{centre.x + 150, centre.y + 4});
        },
        [] { return ReadDword(L"RotationTenths") == 900u; }))
        << static_cast<LONG>(ReadDword(L"RotationTenths").value_or(0));
    EXPECT_EQ(ReadDword(L"FlipHorizontal"), 1u) << "a turn does not mirror";
    Sleep(600);

    // The handle now sits where it was drawn before the turn only in the edit frame, which
    // does not turn: a double click there resets the rotation and leaves the mirror alone.
    const auto doubleClick = [&] {
        Click(handle);
        SendButton(MOUSEEVENTF_LEFTDOWN);
        SendButton(MOUSEEVENTF_LEFTUP);
    };
    EXPECT_TRUE(UntilItReacts(doubleClick, [] { return ReadDword(L"RotationTenths") == 0u; }));
    Sleep(300);
    EXPECT_EQ(ReadDword(L"FlipHorizontal"), 1u) << "the double click's first click is undone";
}

// A window of this process covering the whole primary monitor, in front.
class FullScreenWindow {
public:
    FullScreenWindow() {
        WNDCLASSW cls{};
        cls.lpfnWndProc = DefWindowProcW;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"MewlarkTestFullScreen";
        cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        RegisterClassW(&cls);
        window_ = CreateWindowExW(0, cls.lpszClassName, L"full screen", WS_POPUP | WS_VISIBLE, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, cls.hInstance, nullptr);
        SetForegroundWindow(window_);
    }
    ~FullScreenWindow() { Close(); }
    void Close() {
        if (window_ != nullptr) DestroyWindow(window_);
        window_ = nullptr;
    }
    HWND Get() const { return window_; }

private:
    HWND window_ = nullptr;
};

void PumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

TEST_F(ProgramTest, AFullScreenProgramInFrontHidesThePetUntilItGoes) {
    WriteDword(L"AutoHideFullscreen", 1);
    RECT rect{};
    HWND overlay = StartPet(rect);
    ASSERT_NE(overlay, nullptr);

    FullScreenWindow fullScreen;
    ASSERT_NE(fullScreen.Get(), nullptr);
    EXPECT_TRUE(WaitUntil(
        [&] {
            PumpMessages();
            return !IsWindowVisible(overlay);
        },
        5000))
        << "foreground " << GetForegroundWindow() << " ours " << fullScreen.Get();

    fullScreen.Close();
    EXPECT_TRUE(WaitUntil(
        [&] {
            PumpMessages();
            return IsWindowVisible(overlay) != FALSE;
        },
        5000));
}

TEST_F(ProgramTest, WithoutAutoHideAFullScreenProgramLeavesThePetShown) {
    RECT rect{};
    HWND overlay = StartPet(rect);
    ASSERT_NE(overlay, nullptr);
    FullScreenWindow fullScreen;
    for (int i = 0; i < 30; ++i) {
        PumpMessages();
        Sleep(50);
    }
    EXPECT_TRUE(IsWindowVisible(overlay));
}

}  // namespace
