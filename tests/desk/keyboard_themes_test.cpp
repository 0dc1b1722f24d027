#include "desk/keyboard_themes.h"

#include <gtest/gtest.h>

#include "draw/eye_themes.h"

namespace {

TEST(HsvToArgbTest, SectorsTruncationAndWrappedHue) {
    struct Case {
        double hue, saturation, value;
        std::uint8_t alpha;
        Argb expected;
    };
    const Case cases[] = {
        {0.52, 0.55, 1.0, 255, 0xFF72EEFFu},   // sector 3
        {0.0, 0.55, 1.0, 255, 0xFFFF7272u},    // sector 0
        {0.25, 0.55, 1.0, 255, 0xFFB8FF72u},   // sector 1
        {0.5, 1.0, 1.0, 255, 0xFF00FFFFu},     // sector 3 at its start
        {0.75, 1.0, 1.0, 0x40, 0x407F00FFu},   // sector 4, x truncated
        {0.9, 1.0, 1.0, 255, 0xFFFF0098u},     // sector 5: 152.99.. truncates
        {0.4, 1.0, 1.0, 255, 0xFF00FF66u},     // sector 2
        {-0.48, 0.55, 1.0, 255, 0xFF72EEFFu},  // only the fraction counts
        {1.52, 0.55, 1.0, 255, 0xFF72EEFFu},
        {0.3, 0.0, 0.5, 10, 0x0A7F7F7Fu},  // grey: 127.5 truncates to 127
    };
    for (const Case& c : cases)
        EXPECT_EQ(HsvToArgb(c.hue, c.saturation, c.value, c.alpha), c.expected)
            << std::hex << c.expected;
}

TEST(KeyboardThemesTest, BuiltinColoursConvertToTheirBytes) {
    struct Case {
        int index;
        DeskColours expected;
    };
    const Case cases[] = {
        {0,
         {0xFFF4F2ECu, 0xFF242429u, 0xFFF5B029u, 0xFF1A1A1Fu, 0xFF242429u, 0xFFF7F6F0u, 0xBFC7C4BDu,
          0xFFF7B229u, 0xC7242429u, 0xD1242429u}},
        {1,
         {0xFF33363Du, 0xFF14141Au, 0xFFC4F040u, 0xFF0F0F14u, 0xFF1A1C21u, 0xFF363840u, 0xF21C1C21u,
          0xFFC4F040u, 0xD1E0E6EBu, 0xD1242429u}},
        {2,
         {0xFFE5E0D1u, 0xFF47423Du, 0xFFE06B3Du, 0xFF403D38u, 0xFF615C54u, 0xFFE5E0D1u, 0xD9ADA699u,
          0xFFE06B3Du, 0xC7242429u, 0xD1242429u}},
    };
    for (const Case& c : cases) {
        const KeyboardSkin& skin = BuiltinKeyboardSkin(c.index);
        EXPECT_EQ(skin.id, "builtin:" + std::to_string(c.index));
        EXPECT_TRUE(skin.isBuiltin);
        const DeskColours d = DeskColoursOf(skin);
        const Argb got[] = {d.mouseBody, d.mouseBorder, d.wheel,  d.base,   d.deck,
                            d.key,       d.keyBorder,   d.accent, d.legend, d.accentLegend};
        const Argb want[] = {c.expected.mouseBody,   c.expected.mouseBorder, c.expected.wheel,
                             c.expected.base,        c.expected.deck,        c.expected.key,
                             c.expected.keyBorder,   c.expected.accent,      c.expected.legend,
                             c.expected.accentLegend};
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(got[i], want[i])
                << "theme " << c.index << " role " << i << std::hex << " got 0x" << got[i];
    }
}

TEST(KeyboardThemesTest, IndexClampsAndWornSkinFallsBack) {
    EXPECT_EQ(BuiltinKeyboardSkin(3).id, "builtin:2");
    EXPECT_EQ(BuiltinKeyboardSkin(-1).id, "builtin:0");

    Settings settings;
    settings.KeyboardTheme = 1;
    KeyboardSkin imported = BuiltinKeyboardSkin(2);
    imported.id = "0123456789abcdef";
    imported.isBuiltin = false;
    EXPECT_EQ(WornKeyboardSkin(settings, &imported).id, "builtin:1");  // nothing worn
    settings.CustomKeyboard = "fedcba9876543210";
    EXPECT_EQ(WornKeyboardSkin(settings, &imported).id, "builtin:1");  // not in the library
    EXPECT_EQ(WornKeyboardSkin(settings, nullptr).id, "builtin:1");
    EXPECT_EQ(settings.CustomKeyboard, "fedcba9876543210");
    settings.CustomKeyboard = imported.id;
    EXPECT_EQ(&WornKeyboardSkin(settings, &imported), &imported);
}

TEST(KeyboardThemesTest, LightAccentLegendOnDarkAccent) {
    KeyboardSkin skin = BuiltinKeyboardSkin(0);
    skin.accent = SkinColorFromRgb(0x303060);
    EXPECT_EQ(KeyLegendColor(true, skin), 0xE6F5F5FAu);
    skin.accent = SkinColorFromRgb(0x737373);  // luma 0.4510, just dark enough text
    EXPECT_EQ(KeyLegendColor(true, skin), 0xD1242429u);
}

TEST(KeyboardThemesTest, TabletAndStylusPalettesFollowTheThemeNumber) {
    struct Case {
        std::int32_t theme;
        Argb surface, idleLight, barrel, ring;
    };
    const Case cases[] = {{0, 0xFF2B2E36u, 0xFFF5B029u, 0xFF2E303Bu, 0xFFF5B029u},
                          {1, 0xFF1C1F26u, 0xFFC7F240u, 0xFF21242Bu, 0xFFC7F240u},
                          {2, 0xFF544F47u, 0xFFE06B3Du, 0xFF47423Du, 0xFFE06B3Du},
                          {3, 0xFF2B2E36u, 0xFFF5B029u, 0xFF2E303Bu, 0xFFF5B029u},
                          {-1, 0xFF2B2E36u, 0xFFF5B029u, 0xFF2E303Bu, 0xFFF5B029u}};
    for (const Case& c : cases) {
        EXPECT_EQ(TabletPalette(c.theme).surface, c.surface) << c.theme;
        EXPECT_EQ(TabletPalette(c.theme).idleLight, c.idleLight) << c.theme;
        EXPECT_EQ(StylusPalette(c.theme).barrel, c.barrel) << c.theme;
        EXPECT_EQ(StylusPalette(c.theme).ring, c.ring) << c.theme;
    }
}

TEST(KeyboardThemesTest, MarqueeAndPressColours) {
    EXPECT_EQ(MarqueeColour(0.0f), 0xFF72EEFFu);
    EXPECT_EQ(MarqueeColour(2.0f), 0xFF72EEFFu);
    EXPECT_EQ(MarqueeGlow(0xFF72EEFFu, 1.0f), 0xFFB9F7FFu);
    EXPECT_EQ(MarqueeGlow(0xFF72EEFFu, 0.0f), 0xFF72EEFFu);

    const Argb key = 0xFFF7F6F0u;
    const Argb e = EyeThemeColor(0, kPressAlpha);
    // Pressed, no marquee: 55 % of the way to the eye colour, alpha too.
    EXPECT_EQ(KeycapFill(key, 0xFF72EEFFu, 0.0f, e, 1.0f), 0xE9DEF48Fu);
    EXPECT_EQ(KeycapFill(key, 0xFF72EEFFu, 0.0f, e, 0.02f), key);
    EXPECT_EQ(KeycapFill(key, 0xFF72EEFFu, 0.015f, e, 0.0f), key);
    // Fully lit: 88 % toward the whitened marquee colour.
    EXPECT_EQ(KeycapFill(key, 0xFF72EEFFu, 1.0f, e, 0.0f), LerpArgb(key, 0xFFB9F7FFu, 0.88));

    const KeycapOutline lit = KeycapOutlineOf(0xBFC7C4BDu, 0xFF72EEFFu, 0.5f);
    EXPECT_EQ(lit.colour, 0x6B72EEFFu);
    EXPECT_FLOAT_EQ(lit.width, 1.0f);
    const KeycapOutline plain = KeycapOutlineOf(0xBFC7C4BDu, 0xFF72EEFFu, 0.1f);
    EXPECT_EQ(plain.colour, 0xBFC7C4BDu);
    EXPECT_FLOAT_EQ(plain.width, 0.65f);
}

}  // namespace
