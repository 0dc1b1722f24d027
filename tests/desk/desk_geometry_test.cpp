#include "desk/desk_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(KeycapShapeTest, CentreIsTheSlotCentreAndPressPushesDown) {
    for (const KeySlot& slot : KeyLayout()) {
        const Vec2 expected = KeyCenter(slot.key);
        const KeycapShape idle = KeycapShapeOf(slot, 0.0f);
        EXPECT_NEAR(idle.centre.x, expected.x, 1e-3) << static_cast<int>(slot.key);
        EXPECT_NEAR(idle.centre.y, expected.y, 1e-3) << static_cast<int>(slot.key);
        const KeycapShape held = KeycapShapeOf(slot, 1.0f);
        for (int i = 0; i < 4; ++i) {
            EXPECT_FLOAT_EQ(held.corners[i].x, idle.corners[i].x);
            EXPECT_NEAR(held.corners[i].y, idle.corners[i].y + 1.9f, 1e-4);
        }
    }
}

TEST(KeycapShapeTest, InsetAndSpaceBarLegend) {
    const KeycapShape esc = KeycapShapeOf(*FindKeySlot(PhysicalKey::Escape), 0.0f);
    // Escape's slot spans u 14/15..1 and v 0.8..1, so its far-right corner is inset from (1, 0.8).
    const Vec2 farRight = KeyboardPoint(1.0f - 0.0028f, 0.8f + 0.014f);
    EXPECT_FLOAT_EQ(esc.corners[1].x, farRight.x);
    EXPECT_FLOAT_EQ(esc.corners[1].y, farRight.y);
    EXPECT_FLOAT_EQ(esc.legendAt.x, esc.centre.x);

    const KeySlot& space = *FindKeySlot(PhysicalKey::Space);
    const KeycapShape bar = KeycapShapeOf(space, 0.5f);
    const float uLo = 1.0f - (space.x + space.width) + 0.0028f;
    const float uHi = 1.0f - space.x - 0.0028f;
    const Vec2 at = KeyboardPoint(uLo + 0.82f * (uHi - uLo), 0.1f);
    EXPECT_NEAR(bar.legendAt.x, at.x, 1e-3);
    EXPECT_NEAR(bar.legendAt.y, at.y + 0.95f, 1e-3);
    EXPECT_GT(bar.legendAt.x, bar.centre.x + 20.0f);  // toward the viewer's right end
}

TEST(MarqueeTest, LightFollowsTheFormulaAlongThePlateDiagonal) {
    const Vec2 escape = KeyCenter(PhysicalKey::Escape);  // near-right end
    const Vec2 right = KeyCenter(PhysicalKey::Right);    // far-left end
    // Phase 0: the keycaps at the near-right end are lit, those at the far-left end are not.
    EXPECT_GT(MarqueeStrength(escape, 0.0f), 0.6f);
    EXPECT_LT(MarqueeStrength(right, 0.0f), 0.01f);
    // The light sits where the phase points along the diagonal and decays behind it.
    const Vec2 point{kPlateDiagonalStart.x + kPlateDiagonal.x * 0.4f,
                     kPlateDiagonalStart.y + kPlateDiagonal.y * 0.4f};
    EXPECT_NEAR(MarqueeStrength(point, 0.45f), std::exp(-0.4f), 1e-4);
    EXPECT_NEAR(MarqueeStrength(point, 0.6f), std::exp(-1.6f), 1e-4);
    EXPECT_NEAR(MarqueeStrength(point, 0.35f), std::exp(-7.6f), 1e-4);
    EXPECT_NEAR(MarqueeStrength(point, 1.45f), std::exp(-0.4f), 1e-4);
    // The band's stops agree: at phase 0 the last stops are bright, the first after stop 0 dim.
    EXPECT_EQ(MarqueeBandAlpha(23, 24, 0.0f), 200u);
    EXPECT_EQ(MarqueeBandAlpha(22, 24, 0.0f), 141u);
    EXPECT_LT(MarqueeBandAlpha(1, 24, 0.0f), 1u);
    EXPECT_EQ(MarqueeBandAlpha(0, 24, 0.0f), 200u);
}

TEST(LegendTest, SpaceBarTextAndSizes) {
    EXPECT_EQ(KeycapText(PhysicalKey::Space), L"space");
    EXPECT_EQ(KeycapText(PhysicalKey::LeftCtrl), L"Ctrl");
    EXPECT_EQ(KeycapText(PhysicalKey::Q), L"Q");
    EXPECT_FLOAT_EQ(LegendFontSize(L"Q"), 5.2f);
    EXPECT_FLOAT_EQ(LegendFontSize(L"ESC"), 3.9f);
    EXPECT_FLOAT_EQ(LegendFontSize(L"Win"), 3.9f);
}

TEST(TabletPointTest, CornersOfTheActiveAreaAndTheLight) {
    struct Case {
        float u, v, x, y;
    };
    const Case cases[] = {{0.0f, 0.0f, 18.0f, 235.0f},
                          {1.0f, 1.0f, 91.0f, 289.0f},
                          {0.21f, 0.11f, 33.4562f, 241.44f},
                          {0.94f, 0.11f, 89.0968f, 245.09f},
                          {0.94f, 0.89f, 86.6632f, 283.31f},
                          {0.21f, 0.89f, 29.8838f, 279.66f},
                          {0.105f, 0.14f, 25.309398f, 242.38499f}};
    for (const Case& c : cases) {
        const Vec2 p = TabletPoint(c.u, c.v);
        EXPECT_NEAR(p.x, c.x, 1e-3) << c.u << "," << c.v;
        EXPECT_NEAR(p.y, c.y, 1e-3) << c.u << "," << c.v;
    }
}

TEST(BadgeTest, WidthFontPopAndFade) {
    struct Width {
        const wchar_t* text;
        float width, font;
    };
    const Width widths[] = {{L"Q", 23, 11},     {L"F5", 30, 9.2f},  {L"\u5DE6\u952E", 34, 9.2f},
                            {L"ESC", 38, 9.2f}, {L"LMB", 38, 9.2f}, {L"CAPS", 38, 9.2f}};
    for (const Width& w : widths) {
        EXPECT_FLOAT_EQ(BadgeWidth(w.text), w.width);
        EXPECT_FLOAT_EQ(BadgeFontSize(w.text), w.font);
    }

    EXPECT_FLOAT_EQ(BadgePopScale(0.0f), 0.72f);
    EXPECT_NEAR(BadgePopScale(0.0899f), 1.06f, 0.01f);
    EXPECT_FLOAT_EQ(BadgePopScale(0.09f), 1.1f);
    EXPECT_NEAR(BadgePopScale(0.135f), 1.05f, 1e-5);
    EXPECT_FLOAT_EQ(BadgePopScale(0.5f), 1.0f);

    struct Fade {
        float age;
        std::uint32_t alpha;
        bool visible;
    };
    const Fade fades[] = {{0.0f, 255, true},  {0.77f, 255, true}, {1.2f, 26, true},
                          {1.243f, 3, false}, {1.25f, 0, false},  {1.4f, 0, false}};
    for (const Fade& f : fades) {
        const BadgeFade fade = BadgeFadeOf(f.age, 1.25f);
        EXPECT_EQ(fade.alpha, f.alpha) << f.age;
        EXPECT_EQ(fade.visible, f.visible) << f.age;
    }
}

TEST(ReadoutTest, ScaleRotationAndMirror) {
    struct Case {
        float scale, rotation;
        bool flipped;
        const wchar_t* text;
    };
    const Case cases[] = {
        {1.0f, -180.0f, true, L"100% \u00B7 180\u00B0 \u00B7 \u21C4"},
        {0.5f, 0.4f, false, L"50%"},
        {1.25f, 30.0f, false, L"125% \u00B7 30\u00B0"},
        {1.0f, 0.0f, true, L"100% \u00B7 \u21C4"},
        {2.0f, -2.5f, false, L"200% \u00B7 -3\u00B0"},  // halves away from zero
        {1.0f, 179.6f, false, L"100% \u00B7 180\u00B0"},
    };
    for (const Case& c : cases) EXPECT_EQ(TransformReadout(c.scale, c.rotation, c.flipped), c.text);
}

}  // namespace
