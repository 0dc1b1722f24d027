// The window procedure driven in this process, for rows a second process cannot observe.
#include "app/app_window_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "app/presentation_win32.h"
#include "pet/pet_state.h"
#include "settings/settings_store_win32.h"

namespace {

// A drop record as the shell makes one: a movable global block holding DROPFILES and names.
HGLOBAL MakeDrop() {
    const wchar_t name[] = L"C:\\skin.mewlark\0";
    HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + sizeof(name));
    if (auto* files = static_cast<DROPFILES*>(GlobalLock(drop))) {
        files->pFiles = sizeof(DROPFILES);
        files->fWide = TRUE;
        std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), name, sizeof(name));
        GlobalUnlock(drop);
    }
    return drop;
}

bool Freed(HGLOBAL block) {
    return GlobalFlags(block) == GMEM_INVALID_HANDLE;
}

class PetWindowTest : public testing::Test {
protected:
    void SetUp() override {
        RegisterPetWindowClasses(GetModuleHandleW(nullptr));
        window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kOverlayClassName, L"test", WS_POPUP, 0, 0, 10,
                                  10, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        theApp = nullptr;
        DestroyWindow(window_);
    }
    HWND window_ = nullptr;
};

TEST_F(PetWindowTest, ADropIsReleasedWithAndWithoutTheApplication) {
    const HGLOBAL kept = MakeDrop();
    ASSERT_FALSE(Freed(kept)) << "a live block must not read as freed";
    GlobalFree(kept);

    const HGLOBAL withoutApp = MakeDrop();
    SendMessageW(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(withoutApp), 0);
    EXPECT_TRUE(Freed(withoutApp));

    PetApp app;
    theApp = &app;
    const HGLOBAL withApp = MakeDrop();
    SendMessageW(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(withApp), 0);
    EXPECT_TRUE(Freed(withApp));
}

std::optional<DWORD> StoredDword(const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKeyPath, name, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

enum class Mode { Drag, Resize, RotatePress, RotateTurned };

void Begin(PetApp& app, Mode mode) {
    SetCapture(app.overlayWindow);
    switch (mode) {
        case Mode::Drag:
            app.dragging = true;
            SetHeld(app.pet, true, 0, 0, 1.0f);
            break;
        case Mode::Resize:
            app.resizeCorner = 3;
            app.settings.Scale = 1.7f;  // as the resize left it
            break;
        case Mode::RotatePress:
            app.rotating = true;
            break;
        case Mode::RotateTurned:
            app.rotating = true;
            app.rotateMoved = true;
            app.settings.RotationDegrees = 45.0f;
            break;
    }
}

// A UAC prompt, Ctrl+Alt+Del or another program taking the mouse ends whichever mode runs as its
// button-up would, and so does a restart of the presentation; only the mirror of a press that
// never became a turn is not applied.
TEST_F(PetWindowTest, ALostCaptureEndsEveryPointerModeAndKeepsWhatItDid) {
    struct Case {
        const char* what;
        Mode mode;
        UINT message;  // 0: RestartPresentation
        DWORD scalePct;
        DWORD rotationTenths;
    };
    const Case cases[] = {
        {"drag, cancel mode", Mode::Drag, WM_CANCELMODE, 100, 0},
        {"drag, capture taken", Mode::Drag, WM_CAPTURECHANGED, 100, 0},
        {"drag, presentation restarts", Mode::Drag, 0, 100, 0},
        {"resize, cancel mode", Mode::Resize, WM_CANCELMODE, 170, 0},
        {"resize, capture taken", Mode::Resize, WM_CAPTURECHANGED, 170, 0},
        {"rotation press, cancel mode", Mode::RotatePress, WM_CANCELMODE, 100, 0},
        {"rotation turn, capture taken", Mode::RotateTurned, WM_CAPTURECHANGED, 100, 450},
    };
    SetWindowPos(window_, nullptr, 321, 123, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Case& c : cases) {
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKeyPath);
        PetApp app;
        app.overlayWindow = window_;
        theApp = &app;
        Begin(app, c.mode);
        if (c.message == 0) {
            RestartPresentation(app);
        } else {
            SendMessageW(window_, c.message, 0, 0);
        }
        EXPECT_FALSE(app.dragging || app.rotating || app.resizeCorner >= 0) << c.what;
        EXPECT_FALSE(app.pet.isHeld) << c.what;
        EXPECT_NE(GetCapture(), window_) << c.what;
        EXPECT_FALSE(app.settings.FlipHorizontal) << c.what;
        EXPECT_EQ(StoredDword(L"ScalePct"), c.scalePct) << c.what;
        EXPECT_EQ(StoredDword(L"RotationTenths"), c.rotationTenths) << c.what;
        if (c.mode == Mode::Drag || c.mode == Mode::Resize) {
            EXPECT_EQ(StoredDword(L"PosX"), 321u) << c.what;
            EXPECT_EQ(StoredDword(L"PosY"), 123u) << c.what;
        }
        theApp = nullptr;
        app.overlayWindow = nullptr;  // the window outlives this app
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKeyPath);
}

}  // namespace
