#pragma once

// Settings: the user's settings record, its stored forms and the registry store.

#include <cstdint>
#include <string>

// How the window is shown to screen capture programs.
enum class CaptureMode : std::int32_t {
    Off = 0,                // the ordinary overlay
    TransparentWindow = 1,  // a window capture programs list
    GreenScreen = 2,        // opaque green around the pet
};

// A stored position of -99999 on either axis means "no saved position".
inline constexpr std::int32_t kUnsetPosition = -99999;

// The user's preferences. Every field except editMode mirrors one registry
// value; the defaults are what a missing value leaves behind.
struct Settings {
    bool ShowKeyBadges = true;
    bool ShowMouseBadges = true;
    bool ShowKeyLegends = true;
    bool FootEasterEgg = true;
    bool TailEasterEgg = true;
    bool KeyboardMarquee = true;
    CaptureMode OBSCaptureMode = CaptureMode::Off;
    bool OBSHideDesktop = false;
    bool AutoHideFullscreen = false;
    std::int32_t TabletMode = 0;  // 0 detect, 1 tablet, 2 mouse
    bool FlipHorizontal = false;
    float RotationDegrees = 0.0f;  // -180..180, stored in tenths
    bool WhiteOutline = true;
    bool EnableAnger = true;
    bool LanguageEnglish = false;
    bool editMode = false;  // runtime only, never stored
    bool PetInteraction = true;
    bool FullClickThrough = false;
    bool AlwaysOnTop = true;
    bool RunAsAdmin = false;
    float Scale = 1.0f;              // 0.5..2.0 after loading; stored in percent
    std::int32_t CoatTheme = 0;      // 0..5
    std::int32_t KeyboardTheme = 0;  // 0..2
    std::int32_t EyeTheme = 0;       // 0..6
    std::string CustomSkin;          // empty or 16 lower-case hex digits
    std::string CustomKeyboard;      // same form
    std::int32_t PosX = kUnsetPosition;
    std::int32_t PosY = kUnsetPosition;

    bool operator==(const Settings&) const = default;
};
