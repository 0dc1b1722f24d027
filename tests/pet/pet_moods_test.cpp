#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "pet_scenario.h"

namespace {

using K = PhysicalKey;

TEST(MoodsTest, IdleYawnsOnceThenDrowsesIntoSleep) {
    PetScenario s;
    s.Tap(K::F);
    const double lastInput = s.system.now;
    int yawns = 0;
    double firstYawnAt = 0.0;
    double drowsyFrom = 0.0;
    bool sawZ = false;
    bool wasYawning = false;
    for (int i = 0; i < 130 * 60; ++i) {
        s.Frame();
        if (s.pet.yawning && !wasYawning) {
            ++yawns;
            if (firstYawnAt == 0.0) firstYawnAt = s.system.now - lastInput;
        }
        wasYawning = s.pet.yawning;
        if (drowsyFrom == 0.0 && s.pet.drowsiness > 0.0f) drowsyFrom = s.system.now - lastInput;
        for (const Particle& p : s.pet.particles) sawZ = sawZ || p.kind == ParticleKind::SleepZ;
    }
    EXPECT_EQ(yawns, 1);
    EXPECT_NEAR(firstYawnAt, 42.0, 0.05);
    EXPECT_NEAR(drowsyFrom, 45.0, 0.05);
    EXPECT_TRUE(sawZ);
    EXPECT_GT(s.pet.drowsiness, 0.8f);
    EXPECT_GT(SpringLevel(s.pet.sleep), 0.9f);
    EXPECT_FALSE(s.pet.rightPawOnMouse || s.pet.rightPawOnKey || s.pet.leftPawOnKey);

    // A key press wakes the pet at once.
    s.Press(K::J);
    EXPECT_EQ(s.pet.drowsiness, 0.0f);
    s.Frames(3);
    s.Release(K::J);
    s.Seconds(1.0);
    EXPECT_LT(SpringLevel(s.pet.sleep), 0.05f);
}

TEST(MoodsTest, HoldingAKeyForTwoMinutesNeverYawnsOrDrowses) {
    PetScenario s;
    s.Press(K::Space);
    for (int i = 0; i < 120 * 60; ++i) {
        s.Frame();
        ASSERT_FALSE(s.pet.yawning) << i;
        ASSERT_EQ(s.pet.drowsiness, 0.0f) << i;
    }
    EXPECT_EQ(s.input.keyPressCount, 1);
}

struct AngerCase {
    std::string name;
    bool enableAnger;
    int presses;  // spread over about 9.3 s
    float minAnger;
    float maxAnger;
};

class AngerTest : public testing::TestWithParam<AngerCase> {};

TEST_P(AngerTest, FastTypingAngersOnlyAbove240KeysPerMinute) {
    const AngerCase& c = GetParam();
    PetScenario s;
    s.settings.EnableAnger = c.enableAnger;
    const K keys[] = {K::A, K::S, K::D, K::F, K::J, K::K, K::L};
    const int spacing = 560 / c.presses;
    float peak = 0.0f;
    for (int i = 0; i < c.presses; ++i) {
        s.Tap(keys[i % 7], 1);
        for (int f = 1; f < spacing; ++f) {
            s.Frame();
            peak = std::max(peak, s.pet.anger.value);
        }
    }
    s.Frames(20);
    peak = std::max(peak, s.pet.anger.value);
    EXPECT_GE(s.pet.anger.value, c.minAnger);
    EXPECT_LE(peak, c.maxAnger);
}

INSTANTIATE_TEST_SUITE_P(Typing, AngerTest,
                         testing::Values(AngerCase{"Exactly240", true, 40, 0.0f, 0.001f},
                                         AngerCase{"Over380IsFull", true, 70, 0.9f, 1.2f},
                                         AngerCase{"Over380Disabled", false, 70, 0.0f, 0.001f}),
                         [](const testing::TestParamInfo<AngerCase>& info) {
                             return info.param.name;
                         });

TEST(MoodsTest, TenSecondsOfFastMouseGiveSixSecondsOfDizziness) {
    PetScenario s;
    int episodes = 0;
    int dizzyFrames = 0;
    double onset = 0.0;
    const double start = s.system.now;
    bool wasDizzy = false;
    float peakDizzy = 0.0f;
    for (int i = 0; i < 20 * 60; ++i) {
        s.MoveMouseFrame(i % 2 == 0 ? 50 : -50, 0);  // 3000 px/s
        const bool dizzy = s.pet.dizzyTimer > 0.0f;
        if (dizzy && !wasDizzy) {
            ++episodes;
            onset = s.system.now - start;
        }
        if (dizzy) {
            ++dizzyFrames;
            EXPECT_EQ(s.pet.alert.target, 0.0f);  // alert cannot build up meanwhile
            peakDizzy = std::max(peakDizzy, s.pet.dizzy.value);
        }
        wasDizzy = dizzy;
    }
    EXPECT_EQ(episodes, 1);
    EXPECT_GT(onset, 10.0);
    EXPECT_LT(onset, 11.5);
    EXPECT_NEAR(dizzyFrames, 360, 1);
    EXPECT_GT(peakDizzy, 0.95f);
}

TEST(MoodsTest, ClockKeepsTimeAndBlinkingAfterDaysOfRunning) {
    PetScenario s;
    s.pet.clock = 600000.0;
    s.pet.nextBlinkAt = 600001.0;
    s.pet.tailPhase = static_cast<float>(kTailPhasePeriod) - 0.01f;
    int blinks = 0;
    bool wasBlinking = false;
    float previousPhase = s.pet.tailPhase;
    for (int i = 0; i < 600; ++i) {
        s.Frame();
        if (s.pet.blinking && !wasBlinking) ++blinks;
        wasBlinking = s.pet.blinking;
        // The swish never freezes and never jumps, also where the phase wraps.
        ASSERT_NE(s.pet.tailPhase, previousPhase) << i;
        ASSERT_LT(std::fabs(std::sin(s.pet.tailPhase) - std::sin(previousPhase)), 0.1f) << i;
        ASSERT_LT(std::fabs(std::cos(1.3f * s.pet.tailPhase) - std::cos(1.3f * previousPhase)),
                  0.1f)
            << i;
        previousPhase = s.pet.tailPhase;
    }
    EXPECT_NEAR(s.pet.clock, 600010.0, 1e-6);
    EXPECT_GE(blinks, 1);
}

struct StepCase {
    std::string name;
    double frameDelta;
    double advance;
};

class FrameStepTest : public testing::TestWithParam<StepCase> {};

TEST_P(FrameStepTest, LongFramesAdvanceAtMost40Milliseconds) {
    const StepCase& c = GetParam();
    PetScenario s;
    s.frame.frameDelta = c.frameDelta;
    s.frame.now = s.system.now;
    UpdatePetState(s.pet, s.frame, s.input, s.settings);
    EXPECT_NEAR(s.pet.clock, c.advance, 1e-7);
}

INSTANTIATE_TEST_SUITE_P(Deltas, FrameStepTest,
                         testing::Values(StepCase{"Normal", 1.0 / 60.0, 1.0 / 60.0},
                                         StepCase{"Long", 0.2, 0.04},
                                         StepCase{"Negative", -0.5, 0.0}),
                         [](const testing::TestParamInfo<StepCase>& info) {
                             return info.param.name;
                         });

TEST(MoodsTest, EyesStayPoppedWhileTypingAndReturnAfterAPause) {
    PetScenario s;
    for (int i = 0; i < 8; ++i) {
        s.Tap(K::J, 2);
        s.Frames(16);  // a strike every 0.3 s
        EXPECT_FLOAT_EQ(s.pet.eyeScale.target, 1.16f);
    }
    s.Seconds(0.5);
    EXPECT_FLOAT_EQ(s.pet.eyeScale.target, 1.0f);
    s.Seconds(0.5);
    EXPECT_NEAR(s.pet.eyeScale.value, 1.0f, 0.01f);
}

// Every value the sanity check watches, by name.
struct WatchedSpring {
    const char* name;
    Spring PetState::*member;
};

constexpr WatchedSpring kWatched[] = {
    {"rightPawX", &PetState::rightPawX},
    {"rightPawY", &PetState::rightPawY},
    {"leftPawX", &PetState::leftPawX},
    {"leftPawY", &PetState::leftPawY},
    {"footX", &PetState::footX},
    {"footY", &PetState::footY},
    {"bodyShiftX", &PetState::bodyShiftX},
    {"bodyLean", &PetState::bodyLean},
    {"bodyStretch", &PetState::bodyStretch},
    {"headRoll", &PetState::headRoll},
    {"gazeX", &PetState::gazeX},
    {"gazeY", &PetState::gazeY},
    {"headDrop", &PetState::headDrop},
    {"pupilX", &PetState::pupilX},
    {"pupilY", &PetState::pupilY},
    {"eyeScale", &PetState::eyeScale},
    {"alert", &PetState::alert},
    {"held", &PetState::held},
    {"dragSwayX", &PetState::dragSwayX},
    {"dragSwayY", &PetState::dragSwayY},
    {"dragTwist", &PetState::dragTwist},
    {"douniRightLift", &PetState::douniRightLift},
    {"douniLeftLift", &PetState::douniLeftLift},
    {"douniRightPawX", &PetState::douniRightPawX},
    {"douniRightPawY", &PetState::douniRightPawY},
    {"douniLeftPawX", &PetState::douniLeftPawX},
    {"douniLeftPawY", &PetState::douniLeftPawY},
    {"douniPenPose", &PetState::douniPenPose},
    {"douniContent", &PetState::douniContent},
    {"douniBounce", &PetState::douniBounce},
    {"douniSway", &PetState::douniSway},
    {"mouseShiftX", &PetState::mouseShiftX},
    {"mouseShiftY", &PetState::mouseShiftY},
};

TEST(SanityTest, ABrokenValueResetsThePetButKeepsThePetCount) {
    const float broken[] = {std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity(), -2.0e6f};
    for (const WatchedSpring& w : kWatched) {
        for (float value : broken) {
            PetState pet;
            pet.petCount = 7;
            pet.purr = 0.9f;
            pet.badges.push_back(KeyBadge{L"A", 1, 2, 3, 4, 0, 1, 0});
            pet.rightPawX.target = 10.0f;
            (pet.*w.member).value = value;
            EXPECT_TRUE(ResetPetStateIfInsane(pet)) << w.name << " " << value;
            EXPECT_EQ(pet.petCount, 7) << w.name;
            EXPECT_EQ(pet.purr, 0.0f) << w.name;
            EXPECT_TRUE(pet.badges.empty()) << w.name;
            EXPECT_EQ(pet.rightPawX.target, 164.0f) << w.name;
            EXPECT_TRUE(std::isfinite((pet.*w.member).value)) << w.name;
        }
    }
}

TEST(SanityTest, ClockIsCheckedForNaNButMayRunLong) {
    PetState pet;
    pet.clock = 2.0e6;  // 23 days
    EXPECT_FALSE(ResetPetStateIfInsane(pet));
    pet.clock = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(ResetPetStateIfInsane(pet));
    EXPECT_EQ(pet.clock, 0.0);
}

TEST(SanityTest, NaNInAPawIsGoneAfterTheNextFrame) {
    PetScenario s;
    s.pet.petCount = 3;
    s.Press(K::J);
    s.Frames(10);
    s.pet.rightPawX.velocity = std::numeric_limits<float>::quiet_NaN();
    s.Frame();
    EXPECT_TRUE(std::isfinite(s.pet.rightPawX.value));
    EXPECT_EQ(s.pet.petCount, 3);
    s.Frames(30);
    EXPECT_TRUE(PawAt(s.pet.rightPawX, s.pet.rightPawY, KeyCenter(K::J)));  // carries on
}

// The same drag in Stage units on a pet at scale 1 and at scale 2.
std::vector<float> SwingOfDrag(int windowWidth) {
    PetScenario s;
    s.frame.window = ScreenRect{0, 0, windowWidth, windowWidth * 320 / 360};
    const float ppu = PixelsPerStageUnit(windowWidth);
    SetHeld(s.pet, true, 0.0f, 0.0f, ppu);
    std::vector<float> swing;
    for (int i = 0; i < 40; ++i) {
        const float stageStep = i < 20 ? 6.0f : -3.0f;
        SetHeld(s.pet, true, stageStep * ppu, 2.0f * ppu, ppu);
        s.Frame();
        swing.push_back(s.pet.dragSwayX.value);
        swing.push_back(s.pet.dragSwayY.value);
        swing.push_back(s.pet.dragTwist.value);
    }
    return swing;
}

TEST(CarriedTest, SwingDependsOnStageMotionNotOnScale) {
    const std::vector<float> one = SwingOfDrag(360);
    const std::vector<float> two = SwingOfDrag(720);
    ASSERT_EQ(one.size(), two.size());
    float largest = 0.0f;
    for (std::size_t i = 0; i < one.size(); ++i) {
        EXPECT_NEAR(one[i], two[i], 1e-4f) << i;
        largest = std::max(largest, std::fabs(one[i]));
    }
    EXPECT_GT(largest, 0.3f);  // it does swing
}

TEST(CarriedTest, ThePetDanglesWhileCarriedAndSettlesAfter) {
    PetScenario s;
    s.pet.drowsiness = 0.7f;
    SetHeld(s.pet, true, 0.0f, 0.0f, 1.0f);
    EXPECT_EQ(s.pet.drowsiness, 0.0f);
    for (int i = 0; i < 30; ++i) {
        SetHeld(s.pet, true, 4.0f, 0.0f, 1.0f);
        s.Frame();
    }
    EXPECT_GT(SpringLevel(s.pet.held), 0.9f);
    EXPECT_TRUE(s.pet.rightPawOnKey && s.pet.leftPawOnKey);  // dangling, not on the mouse
    EXPECT_LT(s.pet.rightPawY.value, 235.0f);
    SetHeld(s.pet, false, 0.0f, 0.0f, 1.0f);
    EXPECT_FLOAT_EQ(s.pet.releaseTimer, 0.16f);
    s.Seconds(2.0);
    EXPECT_LT(SpringLevel(s.pet.held), 0.02f);
    EXPECT_EQ(s.pet.heldTime, 0.0f);
    EXPECT_TRUE(PawAt(s.pet.rightPawX, s.pet.rightPawY, {164.0f, 235.0f}));
}

}  // namespace

namespace {

// The window step reaches the swing in the drawn cat's own frame: the
// window's turn undone, then its mirror.
TEST(DragStepTest, WindowStepIsTurnedIntoThePetsFrame) {
    const struct {
        float rotation;
        bool flip;
        Vec2 expected;
    } cases[] = {
        {0.0f, false, {10.0f, 0.0f}},    {0.0f, true, {-10.0f, 0.0f}},
        {90.0f, false, {0.0f, -10.0f}},  {90.0f, true, {0.0f, -10.0f}},
        {180.0f, false, {-10.0f, 0.0f}},
    };
    for (const auto& c : cases) {
        const Vec2 step = DragStepInPetFrame(10.0f, 0.0f, c.rotation, c.flip);
        EXPECT_NEAR(step.x, c.expected.x, 1e-4f) << c.rotation << (c.flip ? " flipped" : "");
        EXPECT_NEAR(step.y, c.expected.y, 1e-4f) << c.rotation << (c.flip ? " flipped" : "");
    }
}

}  // namespace
