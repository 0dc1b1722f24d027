#include "desk/keyboard_themes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "base/small_math.h"

namespace {

// Components are the single-precision values of the decimals the themes were
// designed with; they convert to exactly the bytes the themes are known by.
struct ThemeColour {
    float r, g, b, a;
};

struct KeyboardTheme {
    std::string_view id;
    std::string_view name;
    ThemeColour mouseBody, mouseBorder, wheel, base, deck, key, keyBorder, accent;
    bool darkText;
};

constexpr std::array<KeyboardTheme, kBuiltinKeyboardCount> kKeyboardThemes{{
    {"builtin:0",
     "经典奶白暖黄 (原版)",
     {0.955f, 0.95f, 0.925f, 1},
     {0.14f, 0.14f, 0.16f, 1},
     {0.96f, 0.69f, 0.16f, 1},
     {0.10f, 0.10f, 0.12f, 1},
     {0.14f, 0.14f, 0.16f, 1},
     {0.968f, 0.964f, 0.942f, 1},
     {0.78f, 0.77f, 0.74f, 0.75f},
     {0.97f, 0.70f, 0.16f, 1},
     true},
    {"builtin:1",
     "暗夜极客黑",
     {0.20f, 0.21f, 0.24f, 1},
     {0.08f, 0.08f, 0.10f, 1},
     {0.77f, 0.94f, 0.25f, 1},
     {0.06f, 0.06f, 0.08f, 1},
     {0.10f, 0.11f, 0.13f, 1},
     {0.21f, 0.22f, 0.25f, 1},
     {0.11f, 0.11f, 0.13f, 0.95f},
     {0.77f, 0.94f, 0.25f, 1},
     false},
    {"builtin:2",
     "复古奶油灰",
     {0.90f, 0.88f, 0.82f, 1},
     {0.28f, 0.26f, 0.24f, 1},
     {0.88f, 0.42f, 0.24f, 1},
     {0.25f, 0.24f, 0.22f, 1},
     {0.38f, 0.36f, 0.33f, 1},
     {0.90f, 0.88f, 0.82f, 1},
     {0.68f, 0.65f, 0.60f, 0.85f},
     {0.88f, 0.42f, 0.24f, 1},
     true},
}};

constexpr TabletColours kTabletPalettes[kBuiltinKeyboardCount] = {
    {0xFF1A1A1Fu, 0xFF2B2E36u, 0xFF3B3D47u, 0xFF4D525Eu, 0xFFF5B029u},
    {0xFF0D0D12u, 0xFF1C1F26u, 0xFF292B36u, 0xFF3D404Du, 0xFFC7F240u},
    {0xFF383630u, 0xFF544F47u, 0xFF6B6359u, 0xFF8A8073u, 0xFFE06B3Du},
};

constexpr StylusColours kStylusPalettes[kBuiltinKeyboardCount] = {
    {0xFF2E303Bu, 0xFF474D59u, 0xFFF5B029u},
    {0xFF21242Bu, 0xFF383D4Au, 0xFFC7F240u},
    {0xFF47423Du, 0xFF6B6359u, 0xFFE06B3Du},
};

constexpr Argb kDarkAccentLegend = 0xD1242429u;
constexpr Argb kLightAccentLegend = 0xE6F5F5FAu;
constexpr Argb kDarkLegend = 0xC7242429u;
constexpr Argb kLightLegend = 0xD1E0E6EBu;
constexpr double kDarkAccentLuma = 0.45;

SkinColor ToSkinColor(const ThemeColour& c) {
    SkinColor s;
    s.r = static_cast<double>(c.r);
    s.g = static_cast<double>(c.g);
    s.b = static_cast<double>(c.b);
    s.a = static_cast<double>(c.a);
    s.set = true;
    return s;
}

KeyboardSkin BuildKeyboardSkin(const KeyboardTheme& t) {
    KeyboardSkin skin;
    skin.id = std::string(t.id);
    skin.name = std::string(t.name);
    skin.isBuiltin = true;
    skin.mouseBody = ToSkinColor(t.mouseBody);
    skin.mouseBorder = ToSkinColor(t.mouseBorder);
    skin.wheel = ToSkinColor(t.wheel);
    skin.base = ToSkinColor(t.base);
    skin.deck = ToSkinColor(t.deck);
    skin.key = ToSkinColor(t.key);
    skin.keyBorder = ToSkinColor(t.keyBorder);
    skin.accent = ToSkinColor(t.accent);
    skin.darkText = t.darkText;
    return skin;
}

std::size_t PaletteRow(std::int32_t keyboardTheme) {
    return (keyboardTheme == 1 || keyboardTheme == 2) ? static_cast<std::size_t>(keyboardTheme) : 0;
}

std::uint32_t ByteOf(double channel) {
    const double v = std::trunc(channel * 255.0);
    return static_cast<std::uint32_t>(std::clamp(v, 0.0, 255.0));
}

}  // namespace

const KeyboardSkin& BuiltinKeyboardSkin(std::int32_t index) {
    static const std::array<KeyboardSkin, kBuiltinKeyboardCount> skins{
        BuildKeyboardSkin(kKeyboardThemes[0]), BuildKeyboardSkin(kKeyboardThemes[1]),
        BuildKeyboardSkin(kKeyboardThemes[2])};
    return skins[static_cast<std::size_t>(std::clamp(index, 0, kBuiltinKeyboardCount - 1))];
}

const KeyboardSkin& WornKeyboardSkin(const Settings& settings, const KeyboardSkin* imported) {
    if (!settings.CustomKeyboard.empty() && imported != nullptr &&
        imported->id == settings.CustomKeyboard)
        return *imported;
    return BuiltinKeyboardSkin(settings.KeyboardTheme);
}

Argb HsvToArgb(double hue, double saturation, double value, std::uint8_t alpha) {
    const double h6 = (hue - std::floor(hue)) * 6.0;
    const double c = saturation * value;
    const double x = c * (1.0 - std::fabs(std::fmod(h6, 2.0) - 1.0));
    const double m = value - c;
    double r = 0.0, g = 0.0, b = 0.0;
    switch (static_cast<int>(std::trunc(h6)) % 6) {
        case 0:
            r = c, g = x;
            break;
        case 1:
            r = x, g = c;
            break;
        case 2:
            g = c, b = x;
            break;
        case 3:
            g = x, b = c;
            break;
        case 4:
            r = x, b = c;
            break;
        default:
            r = c, b = x;
            break;
    }
    return MakeArgb(alpha, ByteOf(r + m), ByteOf(g + m), ByteOf(b + m));
}

Argb KeyLegendColor(bool accentSlot, const KeyboardSkin& skin) {
    if (accentSlot)
        return Luma709(skin.accent) >= kDarkAccentLuma ? kDarkAccentLegend : kLightAccentLegend;
    return skin.darkText ? kDarkLegend : kLightLegend;
}

TabletColours TabletPalette(std::int32_t keyboardTheme) {
    return kTabletPalettes[PaletteRow(keyboardTheme)];
}

StylusColours StylusPalette(std::int32_t keyboardTheme) {
    return kStylusPalettes[PaletteRow(keyboardTheme)];
}

DeskColours DeskColoursOf(const KeyboardSkin& skin) {
    return {ColorToArgb(skin.mouseBody), ColorToArgb(skin.mouseBorder), ColorToArgb(skin.wheel),
            ColorToArgb(skin.base),      ColorToArgb(skin.deck),        ColorToArgb(skin.key),
            ColorToArgb(skin.keyBorder), ColorToArgb(skin.accent),      KeyLegendColor(false, skin),
            KeyLegendColor(true, skin)};
}

Argb MarqueeColour(float phase) {
    const double e = static_cast<double>(phase) - std::floor(static_cast<double>(phase));
    return HsvToArgb(e + 0.52, 0.55, 1.0, 255);
}

Argb MarqueeGlow(Argb marquee, float strength) {
    const double j = Clamp01(0.5 * static_cast<double>(strength) * static_cast<double>(strength));
    auto lift = [j](std::uint32_t c) {
        return static_cast<std::uint32_t>(static_cast<double>(c) + (255.0 - c) * j + 0.5);
    };
    return MakeArgb(AlphaOf(marquee), lift(RedOf(marquee)), lift(GreenOf(marquee)),
                    lift(BlueOf(marquee)));
}

Argb KeycapFill(Argb plain, Argb marquee, float strength, Argb highlight, float press) {
    Argb fill = plain;
    if (strength > 0.015f)
        fill = LerpArgb(fill, MarqueeGlow(marquee, strength), std::min(0.88f * strength, 0.9f));
    if (press > 0.02f) fill = LerpArgb(fill, highlight, Clamp01(0.55f * press));
    return fill;
}

KeycapOutline KeycapOutlineOf(Argb keyBorder, Argb marquee, float strength) {
    if (strength > 0.1f) {
        const auto alpha = static_cast<std::uint32_t>(std::min(215.0f * strength, 215.0f));
        return {WithAlphaByte(marquee, alpha), 1.0f};
    }
    return {keyBorder, 0.65f};
}
