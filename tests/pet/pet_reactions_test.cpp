#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pet/pet_demo.h"
#include "pet/pet_reactions.h"
#include "pet_scenario.h"

namespace {

using K = PhysicalKey;

TEST(BadgesTest, SeventeenQuickKeysLeaveTheSixteenNewestBadges) {
    PetScenario s;
    const K keys[] = {K::Q, K::W, K::E, K::R, K::T, K::Y, K::U, K::I, K::O,
                      K::P, K::A, K::S, K::D, K::F, K::G, K::H, K::J};
    for (K key : keys) s.Tap(key, 1);  // 17 keys in 0.3 s
    ASSERT_EQ(s.pet.badges.size(), 16u);
    EXPECT_EQ(s.pet.badges.front().text, L"W");
    EXPECT_EQ(s.pet.badges.back().text, L"J");
    s.Seconds(1.3);
    EXPECT_TRUE(s.pet.badges.empty());  // they float away and fade
}

TEST(BadgesTest, QuickBadgesFanOutAndAPauseStartsOver) {
    PetScenario s;
    std::vector<int> slots;
    for (int i = 0; i < 7; ++i) {
        s.Tap(K::J, 1);
        s.Frames(5);
        slots.push_back(s.pet.badgeSlot);
    }
    EXPECT_EQ(slots, (std::vector<int>{0, 1, 2, 3, 4, 5, 0}));
    s.Seconds(0.4);
    s.Tap(K::J, 1);
    EXPECT_EQ(s.pet.badgeSlot, 0);
}

TEST(BadgesTest, BadgesOffStillStrikes) {
    PetScenario s;
    s.settings.ShowKeyBadges = false;
    s.Press(K::J);
    s.Button(0, true);
    s.Frames(30);
    EXPECT_TRUE(s.pet.badges.empty());
    EXPECT_TRUE(PawAt(s.pet.rightPawX, s.pet.rightPawY, KeyCenter(K::J)));
    EXPECT_EQ(s.pet.keyGlow.count(static_cast<std::int32_t>(K::J)), 1u);
}

TEST(StrikeTest, BorrowedKeycapLightsAndAimsThereWithItsOwnLabel) {
    PetScenario s;
    s.Press(K::F5);
    s.Frames(30);
    EXPECT_FLOAT_EQ(s.pet.keyGlow.at(static_cast<std::int32_t>(K::Digit5)), 1.0f);
    EXPECT_EQ(s.pet.keyGlow.count(static_cast<std::int32_t>(K::F5)), 0u);
    EXPECT_TRUE(PawAt(s.pet.leftPawX, s.pet.leftPawY, KeyCenter(K::Digit5)));
    ASSERT_EQ(s.pet.badges.size(), 1u);
    EXPECT_EQ(s.pet.badges[0].text, L"F5");

    // After release the glow fades out and the entry goes.
    s.Release(K::F5);
    s.Frames(2);
    const float fading = s.pet.keyGlow.at(static_cast<std::int32_t>(K::Digit5));
    EXPECT_LT(fading, 1.0f);
    EXPECT_GT(fading, 0.8f);
    s.Seconds(0.3);
    EXPECT_EQ(s.pet.keyGlow.count(static_cast<std::int32_t>(K::Digit5)), 0u);
}

struct ButtonCase {
    int button;
    bool english;
    std::wstring text;
};

class MouseButtonTest : public testing::TestWithParam<ButtonCase> {};

TEST_P(MouseButtonTest, SqueezesTheMouseAndFloatsItsBadge) {
    const ButtonCase& c = GetParam();
    PetScenario s;
    s.settings.LanguageEnglish = c.english;
    s.pet.drowsiness = 0.6f;
    s.Button(c.button, true);
    EXPECT_EQ(s.pet.drowsiness, 0.0f);
    s.Frames(10);
    const Spring& press = c.button == 0 ? s.pet.leftButtonPress : s.pet.otherButtonPress;
    EXPECT_GT(press.value, 0.9f);
    ASSERT_EQ(s.pet.badges.size(), 1u);
    EXPECT_EQ(s.pet.badges[0].text, c.text);
    s.Button(c.button, false);
    s.Frames(20);
    EXPECT_LT(press.value, 0.05f);
}

INSTANTIATE_TEST_SUITE_P(Buttons, MouseButtonTest,
                         testing::Values(ButtonCase{0, true, L"LMB"}, ButtonCase{1, true, L"RMB"},
                                         ButtonCase{2, true, L"MMB"},
                                         ButtonCase{0, false, L"\u5DE6\u952E"},
                                         ButtonCase{1, false, L"\u53F3\u952E"},
                                         ButtonCase{2, false, L"\u4E2D\u952E"}));

TEST(MouseButtonTest, ReleasingMiddleAlsoReleasesAHeldRightPress) {
    PetScenario s;
    s.Button(1, true);
    s.Button(2, true);
    s.Frames(10);
    s.Button(2, false);
    s.Frames(20);
    EXPECT_TRUE(s.input.rightButtonDown);
    EXPECT_LT(s.pet.otherButtonPress.value, 0.05f);
}

TEST(DemoTest, PlaysTenKeysOver1Point17Seconds) {
    PetScenario s;
    DemoSequence demo;
    StartDemo(demo, s.system.now);
    const double start = s.system.now;
    std::vector<std::wstring> labels;
    double lastStrike = 0.0;
    while (demo.active && s.system.now - start < 3.0) {
        const std::size_t before = s.pet.badges.size();
        StepDemo(demo, s.pet, s.settings, false, s.system.now);
        if (s.pet.badges.size() > before) {
            labels.push_back(s.pet.badges.back().text);
            lastStrike = s.system.now - start;
        }
        EXPECT_TRUE(s.input.heldKeys.empty());
        s.Frame();
    }
    EXPECT_EQ(labels, (std::vector<std::wstring>{L"W", L"A", L"S", L"D", L"F", L"J", L"O", L"E",
                                                 L"\u2423", L"\u21E7"}));
    EXPECT_NEAR(lastStrike, 1.17, 1.0 / 60.0);
    EXPECT_FALSE(demo.active);
    s.Seconds(0.5);  // only strikes: the paws go back to rest
    EXPECT_FALSE(s.pet.rightPawOnKey || s.pet.leftPawOnKey);
}

TEST(DemoTest, ALateFrameCatchesUpOnEveryDueKey) {
    PetState pet;
    Settings settings;
    DemoSequence demo;
    StartDemo(demo, 50.0);
    EXPECT_EQ(StepDemo(demo, pet, settings, false, 50.0), 1);
    EXPECT_EQ(StepDemo(demo, pet, settings, false, 50.40), 3);  // keys 1..3 were due
    EXPECT_EQ(StepDemo(demo, pet, settings, false, 60.0), 6);
    EXPECT_FALSE(demo.active);
    EXPECT_EQ(StepDemo(demo, pet, settings, false, 61.0), 0);
}

TEST(StyleTest, CallbacksUseTheStyleOfTheSkinWornAtThatMoment) {
    PetScenario s;
    s.Press(K::J);
    EXPECT_EQ(s.pet.douniStrikeTimer, 0.0f);
    EXPECT_FLOAT_EQ(s.pet.eyeScale.target, 1.16f);
    s.Release(K::J);

    s.style.douniTyping = true;
    s.Press(K::A);
    EXPECT_FLOAT_EQ(s.pet.douniStrikeTimer, 0.28f);
    EXPECT_EQ(s.pet.douniStrikeSide, 1);  // a left-half key
    EXPECT_FLOAT_EQ(s.pet.eyeScale.target, 1.24f);
    EXPECT_EQ(s.pet.douniLeftLift.target, -1.0f);
    const Vec2 d = DouniKeyPoint(K::A);
    EXPECT_EQ(s.pet.douniLeftPawX.target, d.x);
    EXPECT_EQ(s.pet.douniLeftPawY.target, d.y);

    EXPECT_EQ(s.pet.douniPenPose.target, 0.0f);
    s.style.douniRender = true;
    s.Button(0, true);
    EXPECT_EQ(s.pet.douniPenPose.target, 1.0f);
    EXPECT_EQ(s.pet.douniStrikeTimer, 0.0f);
}

TEST(StyleTest, DouniTypingRaisesTheOtherPawAndSettlesOnTheHeldKey) {
    PetScenario s;
    s.style.douniTyping = true;
    s.Press(K::J);
    s.Frames(3);
    EXPECT_GT(s.pet.douniLeftLift.value, 0.3f);  // the idle paw is raised
    s.Frames(40);
    EXPECT_TRUE(s.pet.rightPawOnKey);
    EXPECT_LT(s.pet.douniRightLift.value, -0.5f);  // pressing the held key
    s.Release(K::J);
    s.Seconds(1.0);
    EXPECT_NEAR(s.pet.douniRightLift.value, 0.0f, 0.05f);
    EXPECT_NEAR(s.pet.douniLeftLift.value, 0.0f, 0.05f);
}

TEST(DouniKeyPointTest, SpaceAndKeysWithoutASlotHaveFixedPoints) {
    const Vec2 space = DouniKeyPoint(K::Space);
    EXPECT_FLOAT_EQ(space.x, 424.162f);
    EXPECT_FLOAT_EQ(space.y, 503.477f);
    for (K key : {K::Fn, K::None}) {
        const Vec2 p = DouniKeyPoint(key);
        EXPECT_FLOAT_EQ(p.x, 479.799f);
        EXPECT_FLOAT_EQ(p.y, 450.370f);
    }
    const Vec2 f10 = DouniKeyPoint(K::F10);
    const Vec2 zero = DouniKeyPoint(K::Digit0);
    EXPECT_EQ(f10.x, zero.x);
    EXPECT_EQ(f10.y, zero.y);
    // The keyboard is seen from behind: Escape lies right of Backspace.
    EXPECT_GT(DouniKeyPoint(K::Escape).x, DouniKeyPoint(K::Backspace).x);
}

}  // namespace
