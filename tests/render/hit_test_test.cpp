#include "render/hit_test.h"

#include <gtest/gtest.h>

#include <cmath>

#include "pet/pet_state.h"
#include "render/coat_themes.h"
#include "render/scene_frame.h"
#include "settings/settings.h"
#include "skins/cat_skin.h"

namespace {

// Forward map of the renderer's transforms: rotate about the Stage centre
// with shrink, mirror acting first; then Stage to window pixels.
Vec2 StageToScreen(Vec2 p, const ScreenRect& window, const Settings& settings) {
    float x = settings.FlipHorizontal ? 360.0f - p.x : p.x;
    float y = p.y;
    if (std::fabs(settings.RotationDegrees) > 0.01f) {
        const float s =
            1.0f - std::fabs(std::sin(settings.RotationDegrees * 3.14159265f / 180.0f)) * 0.14f;
        const Vec2 r =
            RotateAround({180.0f + (x - 180.0f) * s, 160.0f + (y - 160.0f) * s}, {180.0f, 160.0f},
                         settings.RotationDegrees * 3.14159265f / 180.0f);
        x = r.x;
        y = r.y;
    }
    const float w = static_cast<float>(window.right - window.left);
    const float h = static_cast<float>(window.bottom - window.top);
    return {window.left + x * w / 360.0f, window.top + y * h / 320.0f};
}

TEST(ScreenToStageTest, InvertsRotationShrinkAndMirror) {
    struct Case {
        float degrees;
        bool flip;
        Vec2 stage;
    };
    const Case cases[] = {
        {0.0f, false, {184.0f, 126.0f}},  {0.005f, false, {40.0f, 300.0f}},
        {90.0f, false, {184.0f, 126.0f}}, {90.0f, true, {184.0f, 126.0f}},
        {-90.0f, true, {300.0f, 40.0f}},  {180.0f, false, {100.0f, 250.0f}},
        {37.5f, true, {220.0f, 200.0f}},  {-150.0f, false, {10.0f, 10.0f}},
    };
    const ScreenRect window{1000, 500, 1000 + 900, 500 + 800};  // scale 2.5
    for (const Case& c : cases) {
        Settings settings;
        settings.RotationDegrees = c.degrees;
        settings.FlipHorizontal = c.flip;
        const Vec2 screen = StageToScreen(c.stage, window, settings);
        const Vec2 back =
            ScreenToStage(static_cast<std::int32_t>(std::lround(screen.x)),
                          static_cast<std::int32_t>(std::lround(screen.y)), window, settings);
        // One pixel of rounding is 0.4 units at this scale, a little more
        // under the shrink.
        EXPECT_NEAR(back.x, c.stage.x, 0.6f) << c.degrees << (c.flip ? " flipped" : "");
        EXPECT_NEAR(back.y, c.stage.y, 0.6f) << c.degrees << (c.flip ? " flipped" : "");
    }
}

TEST(ScreenToStageTest, MirroredQuarterTurnLandsOnTheDrawnHead) {
    // A point drawn on the head of a mirrored pet turned by 90 degrees: the
    // head centre mirrors to (176, 126), turns clockwise about the centre and
    // shrinks by 0.86.
    Settings settings;
    settings.RotationDegrees = 90.0f;
    settings.FlipHorizontal = true;
    const ScreenRect window{0, 0, 360, 320};
    const float s = 0.86f;
    const Vec2 drawn{180.0f - (126.0f - 160.0f) * s,
                     160.0f + (176.0f - 180.0f) * s};  // (209.24, 156.56)
    const Vec2 stage =
        ScreenToStage(static_cast<std::int32_t>(std::lround(drawn.x)),
                      static_cast<std::int32_t>(std::lround(drawn.y)), window, settings);
    PetState pet;
    EXPECT_EQ(HitTestPet(stage, pet, BuiltinCoatSkin(BuiltinCoat::ClassicBlack)), PetHit::Head);
    EXPECT_NEAR(stage.x, 184.0f, 1.5f);
    EXPECT_NEAR(stage.y, 126.0f, 1.5f);
}

TEST(ScreenToStageTest, DegenerateWindowCountsAsOnePixel) {
    Settings settings;
    const Vec2 p = ScreenToStage(5, 5, ScreenRect{5, 5, 5, 5}, settings);
    EXPECT_TRUE(std::isfinite(p.x));
    EXPECT_TRUE(std::isfinite(p.y));
}

TEST(HitTestPetTest, ZonesOfTheSeatedCat) {
    struct Case {
        Vec2 p;
        PetHit expected;
    };
    const Case cases[] = {
        {{184.0f, 126.0f}, PetHit::Head},  // head centre
        {{184.0f + 43.0f, 126.0f}, PetHit::Head},
        {{184.0f, 126.0f - 39.0f}, PetHit::Nothing},  // just above the crown
        {{184.0f, 200.0f}, PetHit::Body},             // trunk
        {{70.0f, 290.0f}, PetHit::Body},              // desk corner
        {{20.0f, 20.0f}, PetHit::Nothing},            // empty corner
        {{340.0f, 300.0f}, PetHit::Nothing},
    };
    PetState pet;
    for (const Case& c : cases) {
        EXPECT_EQ(HitTestPet(c.p, pet, BuiltinCoatSkin(BuiltinCoat::ClassicBlack)), c.expected)
            << c.p.x << "," << c.p.y;
    }
}

TEST(HitTestPetTest, SleepingHeadIsStrokedWhereItIsDrawn) {
    PetState pet;
    pet.sleep = SpringAt(1.0f);
    const CatSkin& skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    const SceneFrame frame = ComputeSceneFrame(pet, skin);
    // The drawn head has dropped by about 60 units.
    EXPECT_NEAR(frame.head.y - 126.0f, 60.0f, 2.0f);
    EXPECT_EQ(HitTestPet(frame.head, pet, skin), PetHit::Head);
    // The air where the awake head was is no longer the head.
    EXPECT_NE(HitTestPet({180.0f, 100.0f}, pet, skin), PetHit::Head);
}

TEST(HitTestPetTest, DizzyFallenHeadIsStrokedWhereItIsDrawn) {
    PetState pet;
    pet.dizzy = SpringAt(1.0f);
    const CatSkin& skin = BuiltinCoatSkin(BuiltinCoat::Siamese);
    const SceneFrame frame = ComputeSceneFrame(pet, skin);
    const Vec2 drawn = DrawnHeadCentre(frame);
    // Fallen over onto its side: the head lies low on the left, over 100
    // units from where it sits upright.
    EXPECT_LT(drawn.x, frame.head.x - 30.0f);
    EXPECT_GT(drawn.y, frame.head.y + 100.0f);
    EXPECT_EQ(HitTestPet(drawn, pet, skin), PetHit::Head);
    EXPECT_NE(HitTestPet(frame.head, pet, skin), PetHit::Head);
}

TEST(HitTestPetTest, HeadFollowsShapeAndBuild) {
    PetState pet;
    CatSkin wide = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    wide.shape.cheekFullness = 1.25f;
    const Vec2 side{184.0f + 50.0f, 126.0f};
    EXPECT_NE(HitTestPet(side, pet, BuiltinCoatSkin(BuiltinCoat::ClassicBlack)), PetHit::Head);
    EXPECT_EQ(HitTestPet(side, pet, wide), PetHit::Head);

    // The dazed coat's round head is larger and sits 3 units lower.
    const Vec2 chin{184.0f, 126.0f + 41.0f};
    EXPECT_NE(HitTestPet(chin, pet, BuiltinCoatSkin(BuiltinCoat::ClassicBlack)), PetHit::Head);
    EXPECT_EQ(HitTestPet(chin, pet, BuiltinCoatSkin(BuiltinCoat::Dazed)), PetHit::Head);
    // ... but only for the real built-in record.
    CatSkin impostor = BuiltinCoatSkin(BuiltinCoat::Dazed);
    impostor.isBuiltin = false;
    EXPECT_NE(HitTestPet(chin, pet, impostor), PetHit::Head);

    // The sleek build carries its head 3 units higher.
    const Vec2 crown{184.0f, 126.0f - 40.0f};
    EXPECT_NE(HitTestPet(crown, pet, BuiltinCoatSkin(BuiltinCoat::ClassicBlack)), PetHit::Head);
    EXPECT_EQ(HitTestPet(crown, pet, BuiltinCoatSkin(BuiltinCoat::Siamese)), PetHit::Head);
}

TEST(HitTestPetTest, AlternativeStyleZones) {
    CatSkin skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    skin.renderStyle = RenderStyle::Douni;
    PetState pet;
    EXPECT_EQ(HitTestPet({248.0f, 124.0f}, pet, skin), PetHit::Head);
    EXPECT_EQ(HitTestPet({30.0f, 130.0f}, pet, skin), PetHit::Body);
    EXPECT_EQ(HitTestPet({10.0f, 10.0f}, pet, skin), PetHit::Nothing);
    pet.douniContent = SpringAt(1.0f);
    EXPECT_EQ(HitTestPet({162.0f, 188.0f}, pet, skin), PetHit::Head);
    EXPECT_EQ(HitTestPet({30.0f, 130.0f}, pet, skin), PetHit::Nothing);
    pet.held = SpringAt(0.5f);
    EXPECT_EQ(HitTestPet({178.0f, 165.0f}, pet, skin), PetHit::Body);
}

}  // namespace
