#pragma once

#include <ostream>

#include "settings/settings.h"

// Readable failure messages for comparisons of whole records.
inline void PrintTo(const Settings& s, std::ostream* os) {
    *os << "{badges " << s.ShowKeyBadges << s.ShowMouseBadges << s.ShowKeyLegends << " eggs "
        << s.FootEasterEgg << s.TailEasterEgg << " marquee " << s.KeyboardMarquee << " obs "
        << static_cast<int>(s.OBSCaptureMode) << "/" << s.OBSHideDesktop << " autohide "
        << s.AutoHideFullscreen << " tablet " << s.TabletMode << " flip " << s.FlipHorizontal
        << " rot " << s.RotationDegrees << " outline " << s.WhiteOutline << " anger "
        << s.EnableAnger << " english " << s.LanguageEnglish << " edit " << s.editMode << " pet "
        << s.PetInteraction << " fullclick " << s.FullClickThrough << " top " << s.AlwaysOnTop
        << " admin " << s.RunAsAdmin << " scale " << s.Scale << " themes " << s.CoatTheme << "/"
        << s.KeyboardTheme << "/" << s.EyeTheme << " skin '" << s.CustomSkin << "' kb '"
        << s.CustomKeyboard << "' pos " << s.PosX << "," << s.PosY << "}";
}

// A record whose stored fields differ from the defaults wherever a round trip could lose them.
inline Settings SettingsWithFieldsChanged() {
    Settings s;
    s.ShowKeyBadges = false;
    s.FootEasterEgg = false;
    s.OBSCaptureMode = CaptureMode::TransparentWindow;
    s.OBSHideDesktop = true;
    s.TabletMode = 2;
    s.FlipHorizontal = true;
    s.RotationDegrees = -45.5f;
    s.WhiteOutline = false;
    s.LanguageEnglish = true;
    s.FullClickThrough = true;
    s.AlwaysOnTop = false;
    s.Scale = 1.5f;
    s.CoatTheme = 4;
    s.KeyboardTheme = 1;
    s.EyeTheme = 6;
    s.CustomSkin = "0123456789abcdef";
    s.CustomKeyboard = "fedcba9876543210";
    s.PosX = -1700;
    s.PosY = 420;
    return s;
}
