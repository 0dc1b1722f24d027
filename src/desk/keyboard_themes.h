#pragma once

#include <cstdint>

#include "draw/color.h"
#include "settings/settings.h"
#include "skins/keyboard_skin.h"

inline constexpr int kBuiltinKeyboardCount = 3;

// One of the three built-in keyboard skins, index clamped to 0..2; built
// once on first use and kept for the whole run.
const KeyboardSkin& BuiltinKeyboardSkin(std::int32_t index);

// The worn keyboard skin: the imported skin named by CustomKeyboard when the
// caller found it in the library (`imported`, may be null), else the
// built-in theme of KeyboardTheme.
const KeyboardSkin& WornKeyboardSkin(const Settings& settings, const KeyboardSkin* imported);

// hue in turns (only its fractional part counts), saturation and value in
// 0..1; channels are truncated, not rounded.
Argb HsvToArgb(double hue, double saturation, double value, std::uint8_t alpha);

// Legend colour of an ordinary or an accent keycap.
Argb KeyLegendColor(bool accentSlot, const KeyboardSkin& skin);

// Fixed colours of the tablet and the stylus, chosen by KeyboardTheme (not by
// the worn skin): any index but 1 or 2 gives row 0.
struct TabletColours {
    Argb edge;
    Argb surface;
    Argb activeArea;
    Argb expressKeys;
    Argb idleLight;
};
struct StylusColours {
    Argb barrel;
    Argb grip;
    Argb ring;
};
TabletColours TabletPalette(std::int32_t keyboardTheme);
StylusColours StylusPalette(std::int32_t keyboardTheme);

// The skin's colour roles as ARGB, converted once per drawing.
struct DeskColours {
    Argb mouseBody;
    Argb mouseBorder;
    Argb wheel;
    Argb base;
    Argb deck;
    Argb key;
    Argb keyBorder;
    Argb accent;
    Argb legend;        // ordinary keycaps
    Argb accentLegend;  // accent keycaps
};
DeskColours DeskColoursOf(const KeyboardSkin& skin);

// Colours of the desk that no theme changes.
inline constexpr Argb kDeskShadow = 0x38000000u;
inline constexpr Argb kMouseShadow = 0x3C000000u;
inline constexpr std::uint32_t kButtonFlashRgb = 0xC9F240u;
inline constexpr Argb kShimmerCentre = 0x96F0FCFFu;
inline constexpr Argb kStylusOutline = 0xCCF5F5F5u;
inline constexpr Argb kNibAtRest = 0xFFF0F0F0u;
inline constexpr Argb kBarrelGloss = 0x3CFFFFFFu;
inline constexpr Argb kSideButton = 0xE6C7C7C7u;
inline constexpr Argb kTabletHairline = 0x24FFFFFFu;
inline constexpr Argb kTabletCornerMarks = 0x58FFFFFFu;

// Colours the keyboard works out for each frame.
inline constexpr std::uint8_t kPressAlpha = 215;
// The marquee colour for a phase in turns.
Argb MarqueeColour(float phase);
// M moved toward white by clamp01(0.5 H^2) on every channel.
Argb MarqueeGlow(Argb marquee, float strength);
// Fill of a keycap lit by the marquee with strength H and pressed to level p;
// `highlight` is the eye colour at alpha 215.
Argb KeycapFill(Argb plain, Argb marquee, float strength, Argb highlight, float press);
// Outline of a keycap: the marquee colour while H > 0.1, else the skin's.
struct KeycapOutline {
    Argb colour;
    float width;
};
KeycapOutline KeycapOutlineOf(Argb keyBorder, Argb marquee, float strength);
// rgb of `colour` with the given alpha byte.
constexpr Argb WithAlphaByte(Argb colour, std::uint32_t alpha) {
    return (colour & 0x00FFFFFFu) | (alpha << 24);
}
