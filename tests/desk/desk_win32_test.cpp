#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "../draw/gdiplus_suite_win32.h"
#include "desk/badges_win32.h"
#include "desk/desk_geometry.h"
#include "desk/desk_win32.h"
#include "desk/keyboard_themes.h"
#include "desk/keyboard_win32.h"
#include "desk/mouse_win32.h"
#include "draw/eye_themes.h"
#include "draw/group_opacity_win32.h"
#include "pet/pet_state.h"
#include "settings/settings.h"

namespace {

using K = PhysicalKey;

constexpr float kPixelsPerUnit = 2.0f;

// Premultiplied pixels of the Stage drawn at two pixels per unit.
struct Picture {
    int width = static_cast<int>(360 * kPixelsPerUnit);
    int height = static_cast<int>(320 * kPixelsPerUnit);
    std::vector<std::uint32_t> pixels;
    std::int32_t status = 0;

    std::uint32_t At(Vec2 p) const {
        const int x = static_cast<int>(p.x * kPixelsPerUnit);
        const int y = static_cast<int>(p.y * kPixelsPerUnit);
        return pixels[static_cast<std::size_t>(y * width + x)];
    }
};

Picture Draw(const std::function<void(Canvas&)>& draw) {
    Picture picture;
    picture.pixels.assign(static_cast<std::size_t>(picture.width * picture.height), 0u);
    Gdiplus::Bitmap bitmap(picture.width, picture.height, picture.width * 4, PixelFormat32bppPARGB,
                           reinterpret_cast<BYTE*>(picture.pixels.data()));
    {
        Gdiplus::Graphics graphics(&bitmap);
        Canvas canvas{&graphics, 0, nullptr};
        ApplyPetRenderingHints(canvas);
        Scale(canvas, kPixelsPerUnit, kPixelsPerUnit);
        draw(canvas);
        picture.status = canvas.lastStatus;
    }
    return picture;
}

int Channel(std::uint32_t argb, int shift) {
    return static_cast<int>((argb >> shift) & 0xFFu);
}

::testing::AssertionResult Near(std::uint32_t actual, std::uint32_t expected, int tolerance) {
    for (int shift : {0, 8, 16, 24}) {
        if (std::abs(Channel(actual, shift) - Channel(expected, shift)) > tolerance) {
            return ::testing::AssertionFailure()
                   << std::hex << "pixel 0x" << actual << " expected 0x" << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

// A point of the keycap inside its outline, clear of a one-character legend.
Vec2 KeycapSpot(K key) {
    const Vec2 c = KeyCenter(key);
    return {c.x + 2.6f, c.y + 2.0f};
}

Picture DrawKeyboardOf(const PetState& pet, const KeyboardSkin& skin, bool legends, bool marquee,
                       std::int32_t eyeTheme = 0) {
    return Draw(
        [&](Canvas& canvas) { DrawKeyboard(canvas, pet, skin, eyeTheme, legends, marquee); });
}

// The keyboard keeps a bitmap between frames; it goes before the GDI+ session does.
class DeskTest : public GdiplusSuite {
protected:
    static void TearDownTestSuite() {
        ReleaseKeyboardCache();
        GdiplusSuite::TearDownTestSuite();
    }
};

TEST_F(DeskTest, EachThemePaintsItsKeycapsPlateAndAccent) {
    const PetState pet;
    for (int theme = 0; theme < kBuiltinKeyboardCount; ++theme) {
        const KeyboardSkin& skin = BuiltinKeyboardSkin(theme);
        const DeskColours colours = DeskColoursOf(skin);
        const Picture picture = DrawKeyboardOf(pet, skin, false, false);
        EXPECT_EQ(picture.status, 0);
        for (K key : {K::G, K::Q, K::Digit5, K::Space, K::Right})
            EXPECT_TRUE(Near(picture.At(KeycapSpot(key)), colours.key, 1))
                << "theme " << theme << " key " << static_cast<int>(key);
        for (K key : {K::Escape, K::Enter})
            EXPECT_TRUE(Near(picture.At(KeycapSpot(key)), colours.accent, 1)) << theme;
        // The plate's rim, outside the key area, and the slab below it.
        EXPECT_TRUE(Near(picture.At({194.0f, 288.1f}), colours.deck, 1)) << theme;
        EXPECT_TRUE(Near(picture.At({194.0f, 291.5f}), colours.base, 1)) << theme;
        EXPECT_EQ(picture.At({194.0f, 295.5f}), kDeskShadow) << theme;
        EXPECT_EQ(picture.At({194.0f, 302.0f}), 0u) << theme;
    }
}

TEST_F(DeskTest, HeldKeyIsPushedDownAndTintedWhileItsNeighboursAreNot) {
    const KeyboardSkin& skin = BuiltinKeyboardSkin(0);
    const PetState idle;
    PetState held;
    held.keyGlow[static_cast<std::int32_t>(K::J)] = 1.0f;
    const Picture before = DrawKeyboardOf(idle, skin, false, false, 3);
    const Picture after = DrawKeyboardOf(held, skin, false, false, 3);

    // Tinted with the eye colour (ice cyan: red falls, blue stays high).
    const std::uint32_t j = after.At(KeycapSpot(K::J));
    EXPECT_LT(Channel(j, 16), Channel(before.At(KeycapSpot(K::J)), 16) - 70) << std::hex << j;
    // Neighbours only catch the edge of the halo; keys farther off are untouched.
    for (K key : {K::H, K::K, K::U, K::M})
        EXPECT_GT(Channel(after.At(KeycapSpot(key)), 16), Channel(j, 16) + 30)
            << static_cast<int>(key);
    for (K key : {K::Q, K::Escape, K::Space})
        EXPECT_EQ(after.At(KeycapSpot(key)), before.At(KeycapSpot(key))) << static_cast<int>(key);

    // Pushed 1.9 units down: just inside the idle keycap's lifted edge the plate now shows.
    const KeycapShape shape = KeycapShapeOf(*FindKeySlot(K::J), 0.0f);
    const Vec2 farEdge{(shape.corners[0].x + shape.corners[1].x) / 2.0f,
                       (shape.corners[0].y + shape.corners[1].y) / 2.0f + 0.9f};
    EXPECT_GT(Channel(before.At(farEdge), 16), 200);
    EXPECT_LT(Channel(after.At(farEdge), 16), 120);
}

TEST_F(DeskTest, LegendsOffLeavesEveryKeycapPlain) {
    const KeyboardSkin& skin = BuiltinKeyboardSkin(1);
    const PetState pet;
    const Picture plain = DrawKeyboardOf(pet, skin, false, false);
    const Picture printed = DrawKeyboardOf(pet, skin, true, false);
    const Argb key = DeskColoursOf(skin).key;
    int printedKeys = 0;
    for (const KeySlot& slot : KeyLayout()) {
        const Vec2 at = KeycapShapeOf(slot, 0.0f).legendAt;
        bool textSeen = false;
        for (float dy = -1.5f; dy <= 1.5f; dy += 0.5f) {
            for (float dx = -2.0f; dx <= 2.0f; dx += 0.5f) {
                const Vec2 p{at.x + dx, at.y + dy};
                if (!slot.accent) {
                    EXPECT_TRUE(Near(plain.At(p), key, 1)) << int(slot.key);
                }
                textSeen = textSeen || !Near(printed.At(p), plain.At(p), 24);
            }
        }
        printedKeys += textSeen ? 1 : 0;
    }
    EXPECT_GE(printedKeys, 55);  // every legend the font can draw, "space" included
}

TEST_F(DeskTest, MarqueeLightsTheNearRightEndAtPhaseZero) {
    const KeyboardSkin& skin = BuiltinKeyboardSkin(0);
    PetState pet;
    pet.marqueePhase = 0.0f;
    const Picture lit = DrawKeyboardOf(pet, skin, false, true);
    const Argb key = DeskColoursOf(skin).key;
    // Escape (accent) and its neighbours glow in the marquee colour; the lifted-left end stays
    // plain.
    EXPECT_FALSE(Near(lit.At(KeycapSpot(K::Digit1)), key, 12));
    EXPECT_TRUE(Near(lit.At(KeycapSpot(K::Right)), key, 1));
    EXPECT_TRUE(Near(lit.At(KeycapSpot(K::Left)), key, 1));
}

TEST_F(DeskTest, TabletReplacesTheMouseAndInkFollowsThePen) {
    const KeyboardSkin& skin = BuiltinKeyboardSkin(0);
    Settings settings;
    PetState pet;
    const Picture mouse = Draw([&](Canvas& c) { DrawDesk(c, pet, settings, skin); });
    const Vec2 onMouse{74.0f, 252.0f};
    EXPECT_TRUE(Near(mouse.At(onMouse), DeskColoursOf(skin).mouseBody, 1));

    pet.tabletActive = true;
    // A stroke across the active area, then a jump the pen made in the air.
    const Vec2 a = TabletPoint(0.4f, 0.5f);
    const Vec2 b = TabletPoint(0.6f, 0.5f);
    const Vec2 lifted = TabletPoint(0.25f, 0.85f);
    pet.inkTrail = {{a.x, a.y, 0.05f}, {b.x, b.y, 0.0f}, {lifted.x, lifted.y, 0.0f}};
    ASSERT_GT(std::hypot(lifted.x - b.x, lifted.y - b.y), 22.0f);
    const Picture tablet = Draw([&](Canvas& c) { DrawDesk(c, pet, settings, skin); });
    const TabletColours palette = TabletPalette(0);
    EXPECT_TRUE(Near(tablet.At(TabletPoint(0.8f, 0.3f)), palette.activeArea, 1));
    EXPECT_FALSE(Near(tablet.At(onMouse), DeskColoursOf(skin).mouseBody, 40));
    const Vec2 mid{(a.x + b.x) / 2.0f, (a.y + b.y) / 2.0f};
    EXPECT_TRUE(Near(tablet.At(mid), EyeThemeColor(0, 255), 40)) << std::hex << tablet.At(mid);
    const Vec2 jump{(b.x + lifted.x) / 2.0f, (b.y + lifted.y) / 2.0f};
    EXPECT_TRUE(Near(tablet.At(jump), palette.activeArea, 1));
    // The resting stylus lies along the lifted edge.
    EXPECT_TRUE(Near(tablet.At({60.0f, 236.8f}), StylusPalette(0).barrel, 8))
        << std::hex << tablet.At({60.0f, 236.8f});
}

TEST_F(DeskTest, FreshBadgeIsDrawnAndAFadedOneIsNot) {
    PetState pet;
    KeyBadge badge;
    badge.text = L"Q";
    badge.x = 100.0f;
    badge.y = 100.0f;
    badge.age = 0.3f;
    badge.life = 1.25f;
    pet.badges.push_back(badge);
    const Picture fresh = Draw([&](Canvas& c) { DrawBadges(c, pet); });
    EXPECT_EQ(fresh.status, 0);
    EXPECT_TRUE(Near(fresh.At({94.0f, 100.0f}), 0xFFF9F8F3u, 1));  // face, beside the text
    EXPECT_TRUE(
        Near(fresh.At({100.0f, 12.5f + 100.0f}), 0xF2242429u, 1));  // the dark lip, premultiplied
    int dark = 0;                                                   // the letter
    for (float x = 97.0f; x <= 103.0f; x += 0.5f)
        dark += Channel(fresh.At({x, 100.0f}), 16) < 128 ? 1 : 0;
    EXPECT_GT(dark, 1);
    pet.badges[0].age = 1.245f;
    const Picture gone = Draw([&](Canvas& c) { DrawBadges(c, pet); });
    for (std::uint32_t p : gone.pixels) ASSERT_EQ(p, 0u);
}

TEST_F(DeskTest, EditOverlayShowsFrameHandlesAndReadout) {
    const Picture picture = Draw([](Canvas& c) { DrawTransformOverlay(c, 1.25f, 30.0f, true); });
    EXPECT_EQ(picture.status, 0);
    EXPECT_TRUE(Near(picture.At({350.0f, 310.0f}), 0xFFFFFFFFu, 1));   // corner handle
    EXPECT_TRUE(Near(picture.At({356.0f, 310.0f}), 0xFF2485F5u, 40));  // its ring
    EXPECT_TRUE(Near(picture.At({180.0f, 12.0f}), 0xFFFFFFFFu, 40));   // rotation handle
    // The frame's left edge: dashed, so some of it is drawn and some is not.
    int drawn = 0;
    for (float y = 60.0f; y < 260.0f; y += 0.5f) drawn += (picture.At({10.0f, y}) >> 24) > 150;
    EXPECT_GT(drawn, 150);
    EXPECT_LT(drawn, 370);
    // The dark pill with white text at the bottom centre.
    int white = 0;
    int pill = 0;
    for (float x = 150.0f; x < 210.0f; x += 0.5f) {
        const std::uint32_t p = picture.At({x, 298.0f});
        white += Channel(p, 16) > 200 ? 1 : 0;
        pill += Near(p, 0xD2191B22u, 2) ? 1 : 0;  // 0xD21E2129 premultiplied
    }
    EXPECT_GT(white, 4);
    EXPECT_GT(pill, 20);
    EXPECT_EQ(picture.At({180.0f, 160.0f}), 0u);  // nothing inside
}

// The kept still keyboard plus what moves over it must give the picture drawn call by call,
// within one unit per channel: idle, four keys held (one fading), and with the marquee on.
TEST_F(DeskTest, KeptKeyboardMatchesTheDirectlyDrawnOne) {
    PetState idle;
    PetState held;
    for (K key : {K::A, K::S, K::J, K::Enter}) held.keyGlow[static_cast<std::int32_t>(key)] = 1.0f;
    held.keyGlow[static_cast<std::int32_t>(K::Digit5)] = 0.4f;
    PetState marquee = held;
    marquee.marqueePhase = 0.37f;
    struct Case {
        const char* name;
        const PetState* pet;
        int theme;
        bool marquee;
        float turn;
    };
    const Case cases[] = {{"idle", &idle, 0, false, 0.0f},
                          {"held", &held, 1, false, 0.0f},
                          {"idle turned", &idle, 2, false, 33.0f},
                          {"held again", &held, 1, false, 0.0f},
                          {"marquee", &marquee, 0, true, 0.0f}};
    for (const Case& c : cases) {
        const KeyboardSkin& skin = BuiltinKeyboardSkin(c.theme);
        auto draw = [&](bool kept) {
            return Draw([&](Canvas& canvas) {
                Rotate(canvas, c.turn);
                if (kept) {
                    DrawKeyboard(canvas, *c.pet, skin, 3, true, c.marquee);
                } else {
                    DrawKeyboardDirect(canvas, *c.pet, skin, 3, true, c.marquee);
                }
            });
        };
        const Picture direct = draw(false);
        const Picture kept = draw(true);
        const Picture keptAgain = draw(true);  // from the kept bitmap, not a fresh one
        int worst = 0;
        for (std::size_t i = 0; i < direct.pixels.size(); ++i) {
            for (int shift : {0, 8, 16, 24}) {
                worst = std::max(worst, std::abs(Channel(direct.pixels[i], shift) -
                                                 Channel(kept.pixels[i], shift)));
                worst = std::max(worst, std::abs(Channel(direct.pixels[i], shift) -
                                                 Channel(keptAgain.pixels[i], shift)));
            }
        }
        EXPECT_LE(worst, 1) << c.name;
    }
}

// The same for the whole desk, with the mouse at rest kept in the bitmap and a moving one not.
TEST_F(DeskTest, KeptDeskMatchesTheDirectlyDrawnOne) {
    PetState still;
    still.keyGlow[static_cast<std::int32_t>(K::F)] = 1.0f;
    PetState moving = still;
    moving.mouseShiftX = SpringAt(-3.2f);
    moving.leftButtonPress = SpringAt(0.7f);
    Settings settings;
    settings.KeyboardMarquee = false;
    const KeyboardSkin& skin = BuiltinKeyboardSkin(2);
    for (const PetState* pet : {&still, &moving, &still}) {
        const Picture direct = Draw([&](Canvas& canvas) {
            DrawMouse(canvas, *pet, skin);
            DrawKeyboardDirect(canvas, *pet, skin, settings.EyeTheme, true, false);
        });
        const Picture kept = Draw([&](Canvas& canvas) { DrawDesk(canvas, *pet, settings, skin); });
        int worst = 0;
        std::size_t where = 0;
        for (std::size_t i = 0; i < direct.pixels.size(); ++i) {
            for (int shift : {0, 8, 16, 24}) {
                const int d =
                    std::abs(Channel(direct.pixels[i], shift) - Channel(kept.pixels[i], shift));
                if (d > worst) worst = d, where = i;
            }
        }
        EXPECT_LE(worst, 1) << (pet == &still ? "mouse at rest" : "mouse moving") << " at "
                            << where % 720 << "," << where / 720 << std::hex << " direct "
                            << direct.pixels[where] << " kept " << kept.pixels[where];
    }
}

}  // namespace
