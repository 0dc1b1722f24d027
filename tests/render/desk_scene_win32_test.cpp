#include <cmath>

#include "../pet/pet_scenario.h"
#include "desk/desk_geometry.h"
#include "desk/keyboard_themes.h"
#include "render/coat_themes.h"
#include "render_harness_win32.h"

namespace {

class DeskSceneTest : public RenderSuite {};

int Green(std::uint32_t argb) {
    return static_cast<int>((argb >> 8) & 0xFFu);
}

bool NearColour(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (int shift : {0, 8, 16, 24}) {
        const int d =
            static_cast<int>((a >> shift) & 0xFFu) - static_cast<int>((b >> shift) & 0xFFu);
        if (std::abs(d) > tolerance) return false;
    }
    return true;
}

// A key typed anywhere: F5 has no keycap of its own, so the "5" keycap goes down and lights up,
// a badge "F5" pops up above it and is gone again 1.3 s later.
TEST_F(DeskSceneTest, StruckF5LightsTheFiveKeycapAndItsBadgeFloatsAway) {
    PetScenario s;
    s.settings.KeyboardTheme = 1;  // dark keycaps, so the light badge face stands out
    s.settings.KeyboardMarquee = false;
    s.settings.EyeTheme = 3;
    const CatSkin& skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    s.Frames(30);
    const Vec2 five = KeyCenter(PhysicalKey::Digit5);
    const Vec2 spot{five.x + 2.6f, five.y + 2.0f};
    const Frame idle = RenderFrameOf(s.pet, s.settings, skin);

    s.Press(PhysicalKey::F5);
    s.Frames(6);
    const Frame held = RenderFrameOf(s.pet, s.settings, skin);
    EXPECT_EQ(held.status, 0);
    // Ice-cyan tint over the dark keycap: green rises a lot.
    EXPECT_GT(Green(held.AtStage(spot.x, spot.y)), Green(idle.AtStage(spot.x, spot.y)) + 70);
    ASSERT_EQ(s.pet.badges.size(), 1u);
    const KeyBadge& badge = s.pet.badges[0];
    EXPECT_EQ(badge.text, L"F5");
    EXPECT_LT(badge.y, five.y - 20.0f);
    // The face beside the text, in the badge's own frame.
    const float c = std::cos(badge.rotation);
    const float n = std::sin(badge.rotation);
    const Vec2 face{badge.x - 12.0f * c, badge.y - 12.0f * n};
    EXPECT_TRUE(NearColour(held.AtStage(face.x, face.y), 0xFFF9F8F3u, 3))
        << std::hex << held.AtStage(face.x, face.y);

    s.Release(PhysicalKey::F5);
    s.Seconds(1.3);
    EXPECT_TRUE(s.pet.badges.empty());
    const Frame later = RenderFrameOf(s.pet, s.settings, skin);
    EXPECT_FALSE(NearColour(later.AtStage(face.x, face.y), 0xFFF9F8F3u, 40));
    EXPECT_TRUE(NearColour(later.AtStage(spot.x, spot.y), idle.AtStage(spot.x, spot.y), 1));
}

// Tablet mode puts the tablet where the mouse lay.
TEST_F(DeskSceneTest, TabletModeShowsTheTabletInsteadOfTheMouse) {
    PetScenario s;
    const CatSkin& skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    s.Frames(2);
    const Frame mouse = RenderFrameOf(s.pet, s.settings, skin);
    s.settings.TabletMode = 1;
    s.Frames(2);
    ASSERT_TRUE(s.pet.tabletActive);
    const Frame tablet = RenderFrameOf(s.pet, s.settings, skin);
    const Vec2 expressKey{TabletPoint(0.105f, 0.44f)};
    EXPECT_TRUE(
        NearColour(tablet.AtStage(expressKey.x, expressKey.y), TabletPalette(0).expressKeys, 1));
    EXPECT_EQ(mouse.AtStage(expressKey.x, expressKey.y), 0u);
    EXPECT_TRUE(
        NearColour(mouse.AtStage(70.0f, 252.0f), ColorToArgb(BuiltinKeyboardSkin(0).mouseBody), 1));
}

}  // namespace
