#include <gtest/gtest.h>

#include <string>

#include "pet/pet_touch.h"
#include "pet/tail_curve.h"
#include "pet_scenario.h"
#include "skins/cat_skin.h"

namespace {

using K = PhysicalKey;

// Strokes the head: the pointer moves by step units per frame, back and
// forth across the head.
struct Stroker {
    explicit Stroker(PetScenario& scenario) : s(scenario) {}

    PetScenario& s;
    HeadHover hover;
    Vec2 point{160.0f, 120.0f};
    float direction = 1.0f;

    void Frame(float step) {
        if (point.x + step * direction > 210.0f || point.x + step * direction < 150.0f) {
            direction = -direction;
        }
        point.x += step * direction;
        StrokeHead(s.pet, point, hover, s.settings, s.style.douniRender, s.system.now);
        s.Frame();
    }
};

struct StrokeCase {
    std::string name;
    float step;  // units per frame
    bool petInteraction;
    bool purrs;
};

class StrokeTest : public testing::TestWithParam<StrokeCase> {};

TEST_P(StrokeTest, OnlyRealStrokesPurr) {
    const StrokeCase& c = GetParam();
    PetScenario s;
    s.settings.PetInteraction = c.petInteraction;
    Stroker stroker(s);
    for (int i = 0; i < 30; ++i) stroker.Frame(c.step);
    EXPECT_EQ(s.pet.purr > 0.5f, c.purrs) << s.pet.purr;
    EXPECT_EQ(s.pet.petCount, c.purrs ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Pointer, StrokeTest,
                         testing::Values(StrokeCase{"Resting", 0.0f, true, false},
                                         StrokeCase{"Jitter", 1.0f, true, false},
                                         StrokeCase{"TenUnitsAFrame", 10.0f, true, true},
                                         StrokeCase{"InteractionOff", 10.0f, false, false}),
                         [](const testing::TestParamInfo<StrokeCase>& info) {
                             return info.param.name;
                         });

TEST(StrokeTest, OneSessionCountsOnceAndANewSessionCountsAgain) {
    PetScenario s;
    Stroker stroker(s);
    stroker.Frame(10.0f);  // arrives on the head: nothing measured yet
    EXPECT_EQ(s.pet.purr, 0.0f);
    const float expectedPurr[] = {0.43f, 0.86f, 1.0f, 1.0f};
    for (float purr : expectedPurr) {
        stroker.Frame(10.0f);
        EXPECT_NEAR(s.pet.purr, purr, 1e-5f);
        EXPECT_EQ(s.pet.petCount, 0);
    }
    stroker.Frame(10.0f);  // 50 units stroked
    EXPECT_EQ(s.pet.petCount, 1);
    for (int i = 0; i < 120; ++i) stroker.Frame(10.0f);
    EXPECT_EQ(s.pet.petCount, 1);
    EXPECT_GT(s.pet.particles.size(), 0u);  // purr sparkles

    // The hand leaves; once purr and contentment have faded, a new session.
    stroker.hover.hovering = false;
    s.Seconds(1.0);
    EXPECT_FALSE(s.pet.strokeCounted);
    for (int i = 0; i < 6; ++i) stroker.Frame(10.0f);
    EXPECT_EQ(s.pet.petCount, 2);
}

TEST(StrokeTest, AFastArrivalIsNotAStroke) {
    PetScenario s;
    HeadHover hover;
    StrokeHead(s.pet, {150.0f, 120.0f}, hover, s.settings, false, s.system.now);
    StrokeHead(s.pet, {235.0f, 120.0f}, hover, s.settings, false, s.system.now);
    EXPECT_EQ(s.pet.purr, 0.0f);
    StrokeHead(s.pet, {225.0f, 120.0f}, hover, s.settings, false, s.system.now);
    EXPECT_GT(s.pet.purr, 0.0f);
    EXPECT_GT(s.pet.headRoll.target, 0.0f);  // leans into the hand on the right
}

// The pointer just below the drawn tail near its tip, each frame.
Vec2 NearTheTail(const PetState& pet, const CatSkin& skin) {
    const TailCurve curve = ComputeTailCurve(184.0f + pet.bodyShiftX.value, 226.0f, pet, skin);
    const Vec2 p = TailCurveAt(curve, 0.8f);
    return {p.x, p.y + 6.0f};
}

TEST(TailTouchTest, BrushingFlicksTheTailWithKicksAtMostEvery160Milliseconds) {
    PetScenario s;
    CatSkin skin;
    int kicks = 0;
    int lastKickFrame = -100;
    float highest = 0.0f;
    for (int frame = 0; frame < 60; ++frame) {
        const float cooldownBefore = s.pet.tailFlickCooldown;
        TouchTail(s.pet, NearTheTail(s.pet, skin), skin);
        if (s.pet.tailFlickCooldown > cooldownBefore) {
            ++kicks;
            EXPECT_GE(frame - lastKickFrame, 10) << frame;  // 0.16 s at 60 frames a second
            lastKickFrame = frame;
        }
        s.Frame();
        highest = std::min(highest, s.pet.tailFlickY.value);
    }
    EXPECT_GE(kicks, 5);
    EXPECT_LT(highest, -10.0f);  // pushed up, away from the pointer below
    EXPECT_GT(s.pet.tailTouched.value, 0.5f);

    // The pointer leaves: 0.3 s later the tail swings home.
    s.Seconds(0.35);
    EXPECT_EQ(s.pet.tailFlickY.target, 0.0f);
    EXPECT_EQ(s.pet.tailTouched.target, 0.0f);
    s.Seconds(2.0);
    EXPECT_NEAR(s.pet.tailFlickX.value, 0.0f, 0.5f);
    EXPECT_NEAR(s.pet.tailFlickY.value, 0.0f, 0.5f);
}

struct TailSkinCase {
    std::string name;
    float bodyWidth;
    float tailLength;
};

class TailReachTest : public testing::TestWithParam<TailSkinCase> {};

TEST_P(TailReachTest, TheDrawnTipOfTheWornSkinCanBeTouched) {
    const TailSkinCase& c = GetParam();
    CatSkin skin;
    skin.shape.bodyWidth = c.bodyWidth;
    skin.shape.tailLength = c.tailLength;
    PetState pet;
    const TailCurve curve = ComputeTailCurve(184.0f, 226.0f, pet, skin);
    TouchTail(pet, {curve.p[3].x + 3.0f, curve.p[3].y + 3.0f}, skin);
    EXPECT_EQ(pet.tailTouched.target, 1.0f);
    EXPECT_GT(pet.tailFlickCooldown, 0.0f);

    // Well beyond the tip nothing happens.
    PetState away;
    TouchTail(away, {curve.p[3].x + 30.0f, curve.p[3].y}, skin);
    EXPECT_EQ(away.tailTouched.target, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Skins, TailReachTest,
                         testing::Values(TailSkinCase{"Standard", 1.0f, 1.0f},
                                         TailSkinCase{"LongTailWideBody", 1.35f, 1.3f},
                                         TailSkinCase{"ShortTailSlimBody", 0.85f, 0.7f}),
                         [](const testing::TestParamInfo<TailSkinCase>& info) {
                             return info.param.name;
                         });

TEST(TailTouchTest, ATailParkedOnAKeyIgnoresThePointer) {
    PetScenario s;
    CatSkin skin;
    for (K key : {K::Q, K::A, K::J, K::L}) s.Press(key);
    s.Frames(30);
    ASSERT_GE(SpringLevel(s.pet.tailOnKey), 0.25f);
    const TailCurve curve = ComputeTailCurve(184.0f + s.pet.bodyShiftX.value, 226.0f, s.pet, skin);
    TouchTail(s.pet, {curve.p[3].x, curve.p[3].y}, skin);
    EXPECT_EQ(s.pet.tailTouched.target, 0.0f);
    EXPECT_EQ(s.pet.tailFlickCooldown, 0.0f);
}

TEST(TailTouchTest, PetInteractionOffStillFlicks) {
    PetScenario s;
    s.settings.PetInteraction = false;
    CatSkin skin;
    TouchTail(s.pet, NearTheTail(s.pet, skin), skin);
    EXPECT_EQ(s.pet.tailTouched.target, 1.0f);
}

}  // namespace
