#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pet_scenario.h"

namespace {

constexpr PhysicalKey kNone = PhysicalKey::None;

struct PlacementCase {
    std::string name;
    std::vector<PhysicalKey> pressed;  // in this order
    bool mouseInUse;                   // the pointer moved less than 0.75 s ago
    bool footEasterEgg;
    PhysicalKey rightPaw;  // None: not on a key
    PhysicalKey leftPaw;
    PhysicalKey foot;
};

class PlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, EachLimbSitsOnItsKey) {
    const PlacementCase& c = GetParam();
    PetScenario s;
    s.settings.FootEasterEgg = c.footEasterEgg;
    for (PhysicalKey key : c.pressed) {
        s.Press(key);
        s.Frames(4);
    }
    // Settle, keeping the mouse moving gently if it is in use.
    for (int i = 0; i < 45; ++i) {
        if (c.mouseInUse) {
            s.MoveMouseFrame(i % 2 == 0 ? 2 : -2, 0);
        } else {
            s.Frame();
        }
    }

    const PetState& pet = s.pet;
    if (c.rightPaw != kNone) {
        EXPECT_TRUE(pet.rightPawOnKey);
        EXPECT_TRUE(PawAt(pet.rightPawX, pet.rightPawY, KeyCenter(c.rightPaw)))
            << pet.rightPawX.value << "," << pet.rightPawY.value;
    } else {
        EXPECT_FALSE(pet.rightPawOnKey);
        EXPECT_EQ(pet.rightPawOnMouse, c.mouseInUse);
    }
    if (c.leftPaw != kNone) {
        EXPECT_TRUE(pet.leftPawOnKey);
        EXPECT_TRUE(PawAt(pet.leftPawX, pet.leftPawY, KeyCenter(c.leftPaw)))
            << pet.leftPawX.value << "," << pet.leftPawY.value;
    }
    if (c.foot != kNone) {
        EXPECT_GT(pet.footOut.value, 0.9f);
        EXPECT_TRUE(PawAt(pet.footX, pet.footY, KeyCenter(c.foot)));
    } else {
        EXPECT_LT(pet.footOut.value, 0.05f);
        EXPECT_TRUE(PawAt(pet.footX, pet.footY, {214.0f, 234.0f}));
    }
}

using K = PhysicalKey;
INSTANTIATE_TEST_SUITE_P(
    Keys, PlacementTest,
    testing::Values(
        PlacementCase{"AAndLOnePerHalf", {K::A, K::L}, false, true, K::L, K::A, kNone},
        // Both on the right half: the right paw (screen left) takes the key
        // drawn further left, K; the left paw helps with J.
        PlacementCase{"JAndKAfterAPause", {K::J, K::K}, false, true, K::K, K::J, kNone},
        PlacementCase{"SAndDAfterAPause", {K::S, K::D}, false, true, K::D, K::S, kNone},
        // While the mouse is in use its paw stays there; the left paw takes
        // the newer key and the foot the older one.
        PlacementCase{"SAndDWithMouseInUse", {K::S, K::D}, true, true, kNone, K::D, K::S},
        PlacementCase{"SAndDWithMouseInUseNoFoot", {K::S, K::D}, true, false, kNone, K::D, kNone},
        PlacementCase{
            "ThreeKeysFootTakesOldest", {K::A, K::S, K::L}, false, true, K::L, K::S, K::A},
        PlacementCase{"ThreeKeysNoFoot", {K::A, K::S, K::L}, false, false, K::L, K::S, kNone}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

TEST(LimbsTest, FourKeysWithBothEasterEggsUseFourDifferentKeys) {
    PetScenario s;
    for (PhysicalKey key : {K::Q, K::A, K::J, K::L}) {
        s.Press(key);
        s.Frames(4);
    }
    s.Frames(45);
    const PetState& pet = s.pet;
    EXPECT_TRUE(PawAt(pet.rightPawX, pet.rightPawY, KeyCenter(K::L)));
    EXPECT_TRUE(PawAt(pet.leftPawX, pet.leftPawY, KeyCenter(K::A)));
    EXPECT_TRUE(PawAt(pet.footX, pet.footY, KeyCenter(K::Q)));
    EXPECT_GT(pet.tailOnKey.value, 0.95f);

    // The tip wiggles up to 6 units above the fourth key.
    const Vec2 tail = KeyCenter(K::J);
    float lowest = 1e9f;
    float highest = -1e9f;
    for (int i = 0; i < 40; ++i) {
        s.Frame();
        EXPECT_NEAR(s.pet.tailTipX.value, tail.x, 1.5f);
        lowest = std::min(lowest, s.pet.tailTipY.value);
        highest = std::max(highest, s.pet.tailTipY.value);
    }
    EXPECT_GT(lowest, tail.y - 7.5f);
    EXPECT_LT(highest, tail.y + 1.5f);
    EXPECT_GT(highest - lowest, 2.0f);

    // Back to three keys: the tail goes home.
    s.Release(K::J);
    s.Seconds(1.0);
    EXPECT_LT(s.pet.tailOnKey.value, 0.05f);
    EXPECT_NEAR(s.pet.tailTipX.value, 275.0f, 1.0f);
}

TEST(LimbsTest, TappedKeyHoldsItsPawFor140Milliseconds) {
    PetScenario s;
    s.Press(K::J);
    const double struck = s.system.now;
    s.Frames(3);  // a 50 ms tap
    s.Release(K::J);
    for (int frame = 4; frame <= 20; ++frame) {
        s.Frame();
        const bool expectOnKey = s.system.now - struck < 0.14;
        EXPECT_EQ(s.pet.rightPawOnKey, expectOnKey) << "frame " << frame;
        if (expectOnKey) {
            EXPECT_FLOAT_EQ(s.pet.rightPawX.target, KeyCenter(K::J).x);
        } else {
            EXPECT_FLOAT_EQ(s.pet.rightPawX.target, 164.0f);
        }
    }
}

TEST(LimbsTest, MousePawRestsAfter2Point2SecondsWithoutInput) {
    PetScenario s;
    for (int i = 0; i < 10; ++i) s.MoveMouseFrame(3, 1);
    s.Seconds(2.1);
    EXPECT_TRUE(s.pet.rightPawOnMouse);
    EXPECT_NEAR(s.pet.rightPawX.value, 80.0f + s.pet.mouseShiftX.value, 1.5f);
    s.Seconds(0.2);
    EXPECT_FALSE(s.pet.rightPawOnMouse);
    s.Seconds(0.6);
    EXPECT_TRUE(PawAt(s.pet.rightPawX, s.pet.rightPawY, {164.0f, 235.0f}));
}

struct TabletCase {
    std::string name;
    std::int32_t tabletMode;
    bool tabletAttached;
    double startTime;     // monotonic time when the scenario starts
    double penReportAgo;  // seconds before the start; negative: never
    bool shown;
};

class TabletTest : public testing::TestWithParam<TabletCase> {};

TEST_P(TabletTest, ShowsTheTabletOnlyForARealOrRecentPen) {
    const TabletCase& c = GetParam();
    PetScenario s;
    s.system.now = c.startTime;
    if (c.tabletAttached) s.system.devices.push_back(HidDeviceInfo{0x056A, 0x0D, 2});
    if (c.penReportAgo >= 0.0) s.input.lastPenInputTime = c.startTime - c.penReportAgo;
    s.settings.TabletMode = c.tabletMode;
    s.Frames(30);
    EXPECT_EQ(s.pet.tabletActive, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TabletTest,
    testing::Values(TabletCase{"AutoNoPenEverSoonAfterStart", 0, false, 5.0, -1.0, false},
                    TabletCase{"AutoPenTenSecondsAgo", 0, false, 5000.0, 10.0, true},
                    TabletCase{"AutoPenTenMinutesAgo", 0, false, 5000.0, 601.0, false},
                    TabletCase{"AutoTabletAttached", 0, true, 5000.0, -1.0, true},
                    TabletCase{"AlwaysTablet", 1, false, 5.0, -1.0, true},
                    TabletCase{"AlwaysMouse", 2, true, 5000.0, 1.0, false}),
    [](const testing::TestParamInfo<TabletCase>& info) { return info.param.name; });

TEST(LimbsTest, PenFollowsThePointerAndInksWhilePressed) {
    PetScenario s;
    s.settings.TabletMode = 1;
    s.system.cursor = {100, 100};
    s.Frames(30);
    const float topLeftX = s.pet.penX.value;
    const float topLeftY = s.pet.penY.value;
    s.system.cursor = {1800, 1000};
    s.Frames(30);
    EXPECT_GT(s.pet.penY.value, topLeftY + 20.0f);
    EXPECT_GT(s.pet.penX.value, topLeftX + 20.0f);
    EXPECT_TRUE(s.pet.inkTrail.empty());

    s.Button(0, true);  // drawing
    for (int i = 0; i < 40; ++i) s.MoveMouseFrame(-20, -10);
    EXPECT_TRUE(s.pet.rightPawOnMouse);
    EXPECT_FALSE(s.pet.inkTrail.empty());
    EXPECT_LE(s.pet.inkTrail.size(), 28u);
    s.Button(0, false);
    s.Seconds(1.0);
    EXPECT_TRUE(s.pet.inkTrail.empty());  // the ink fades
}

}  // namespace
