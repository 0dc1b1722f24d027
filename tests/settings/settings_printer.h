#pragma once

#include <ostream>

#include "settings/settings.h"

// Readable failure messages for comparisons of whole records.
inline void PrintTo(const Settings& s, std::ostream* os) {
    *os << "{badges " << s.ShowKeyBadges << s.ShowMouseBadges << s.ShowKeyLegends << " eggs "
        << s.FootEasterEgg << s.TailEasterEgg << " marquee " << s.KeyboardMarquee << " obs "
        << s.OBSCaptureMode << "/" << s.OBSHideDesktop << " autohide " << s.AutoHideFullscreen
        << " tablet " << s.TabletMode << " flip " << s.FlipHorizontal << " rot "
        << s.RotationDegrees << " outline " << s.WhiteOutline << " anger " << s.EnableAnger
        << " english " << s.LanguageEnglish << " edit " << s.editMode << " pet " << s.PetInteraction
        << " fullclick " << s.FullClickThrough << " top " << s.AlwaysOnTop << " admin "
        << s.RunAsAdmin << " scale " << s.Scale << " themes " << s.CoatTheme << "/"
        << s.KeyboardTheme << "/" << s.EyeTheme << " skin '" << s.CustomSkin << "' kb '"
        << s.CustomKeyboard << "' pos " << s.PosX << "," << s.PosY << "}";
}
