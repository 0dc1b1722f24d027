#include "snapshot/snapshot_script.h"

#include <gtest/gtest.h>

#include <cmath>

#include "render/coat_themes.h"
#include "render/hit_test.h"
#include "snapshot/snapshot_options.h"

namespace {

TEST(SnapshotScriptTest, ParsesEveryCommand) {
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(ParseSnapshotScript(
        "press F; release f\nclick right ;move 184 126.5; wait 0.5;shot out/a.png;;", steps, error))
        << error;
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[0].op, ScriptOp::Press);
    EXPECT_EQ(steps[0].key, PhysicalKey::F);
    EXPECT_EQ(steps[1].op, ScriptOp::Release);
    EXPECT_EQ(steps[1].key, PhysicalKey::F);
    EXPECT_EQ(steps[2].op, ScriptOp::Click);
    EXPECT_EQ(steps[2].button, 1);
    EXPECT_EQ(steps[3].op, ScriptOp::Move);
    EXPECT_FLOAT_EQ(steps[3].x, 184.0f);
    EXPECT_FLOAT_EQ(steps[3].y, 126.5f);
    EXPECT_EQ(steps[4].op, ScriptOp::Wait);
    EXPECT_FLOAT_EQ(steps[4].seconds, 0.5f);
    EXPECT_EQ(steps[5].op, ScriptOp::Shot);
    EXPECT_EQ(steps[5].file, "out/a.png");
    EXPECT_TRUE(ParseSnapshotScript("", steps, error));
    EXPECT_TRUE(steps.empty());
}

TEST(SnapshotScriptTest, RejectsBadStepsNamingThem) {
    struct Case {
        const char* script;
        const char* mentions;
    };
    const Case cases[] = {
        {"press", "argument"},         {"press Hyper", "unknown key"}, {"press Fn", "unknown key"},
        {"press None", "unknown key"}, {"click 4", "button"},          {"move 1", "argument"},
        {"move a 2", "numbers"},       {"wait -1", "seconds"},         {"wait 1e9", "seconds"},
        {"wait nan", "seconds"},       {"jump 3", "unknown command"},  {"wait 1; shot", "step 2"},
    };
    for (const Case& c : cases) {
        std::vector<ScriptStep> steps;
        std::string error;
        EXPECT_FALSE(ParseSnapshotScript(c.script, steps, error)) << c.script;
        EXPECT_NE(error.find(c.mentions), std::string::npos) << c.script << " -> " << error;
    }
}

TEST(SnapshotOptionsTest, ReadsTheCommandLine) {
    SnapshotOptions o;
    std::string error;
    ASSERT_TRUE(ParseSnapshotArgs(
        {"--out",   "a.png",          "--scale",   "2.5",         "--rotation", "-90",
         "--flip",  "--coat",         "5",         "--eyes",      "3",          "--keyboard",
         "2",       "--skin",         "x.mewlark", "--green",     "--script",   "wait 1",
         "--set",   "WhiteOutline=0", "--set",     "CoatTheme=2", "--edit",     "--keyboard-skin",
         "k.mewlkb"},
        o, error))
        << error;
    EXPECT_EQ(o.out, "a.png");
    EXPECT_FLOAT_EQ(o.scale, 2.5f);
    EXPECT_FLOAT_EQ(o.rotation, -90.0f);
    EXPECT_TRUE(o.flip);
    EXPECT_EQ(o.coat, 5);
    EXPECT_EQ(o.eyes, 3);
    EXPECT_EQ(o.keyboard, 2);
    EXPECT_EQ(o.skinPath, "x.mewlark");
    EXPECT_TRUE(o.green);
    EXPECT_TRUE(o.edit);
    EXPECT_EQ(o.keyboardSkinPath, "k.mewlkb");
    EXPECT_EQ(o.script, "wait 1");
    const std::vector<std::pair<std::string, std::string>> settingTexts = {{"WhiteOutline", "0"},
                                                                           {"CoatTheme", "2"}};
    EXPECT_EQ(o.settingTexts, settingTexts);

    const std::vector<std::vector<std::string>> bad = {
        {},                                     // nothing to write
        {"--out"},                              // missing value
        {"--out", "a.png", "--scale", "x"},     // not a number
        {"--out", "a.png", "--keyboard-skin"},  // missing value
        {"--out", "a.png", "--scale", "0"},     // out of range
        {"--out", "a.png", "--coat", "1.5"},    // not an integer
        {"--out", "a.png", "--bogus", "1"},
        {"--out", "a.png", "--set", "WhiteOutline"},     // no value
        {"--out", "a.png", "--set", "NoSuchSetting=1"},  // unknown name
        {"--out", "a.png", "--set", "EnableAnger=off"},  // not a stored number
        {"a.png"},
    };
    for (const auto& args : bad) {
        SnapshotOptions options;
        EXPECT_FALSE(ParseSnapshotArgs(args, options, error)) << (args.empty() ? "" : args.back());
        EXPECT_FALSE(error.empty());
    }
    SnapshotOptions scripted;
    EXPECT_TRUE(ParseSnapshotArgs({"--script", "wait 1; shot a.png"}, scripted, error));
}

TEST(SnapshotSimulationTest, StageToScreenMeetsScreenToStage) {
    for (float rotation : {0.0f, 90.0f, -33.0f}) {
        for (bool flip : {false, true}) {
            Settings settings;
            settings.RotationDegrees = rotation;
            settings.FlipHorizontal = flip;
            const ScreenRect window{0, 0, 900, 800};
            const ScreenPoint p = StageToScreen(200.0f, 150.0f, window, settings);
            const Vec2 back = ScreenToStage(p.x, p.y, window, settings);
            EXPECT_NEAR(back.x, 200.0f, 0.6f);
            EXPECT_NEAR(back.y, 150.0f, 0.6f);
        }
    }
}

// The simulation with a script runner that records its shots.
struct Driver {
    void Start(const Settings& settings = Settings{}) {
        StartSimulation(sim, settings, BuiltinCoatSkin(BuiltinCoat::ClassicBlack));
    }
    bool RunScript(std::string_view script) {
        std::vector<ScriptStep> steps;
        std::string error;
        if (!ParseSnapshotScript(script, steps, error)) return false;
        return RunSnapshotScript(
            sim, steps,
            [this](const std::string& file, const SnapshotSimulation& s) {
                shots.push_back(file);
                clocks.push_back(s.pet.clock);
                return file != "fail.png";
            },
            error);
    }
    SnapshotSimulation sim;
    std::vector<std::string> shots;
    std::vector<double> clocks;
};

class SimulationTest : public ::testing::Test, public Driver {};

TEST_F(SimulationTest, WaitsStepTheClockByWholeFrames) {
    Start();
    ASSERT_TRUE(RunScript("shot a.png; wait 1; shot b.png; wait 0.25; shot c.png"));
    ASSERT_EQ(shots.size(), 3u);
    EXPECT_NEAR(clocks[1] - clocks[0], 1.0, 1e-6);
    EXPECT_NEAR(clocks[2] - clocks[1], 0.25, 1e-6);
    EXPECT_FALSE(RunScript("shot fail.png"));
}

TEST_F(SimulationTest, KeysReachThePetThroughTheInputMonitor) {
    Start();
    ASSERT_TRUE(RunScript("press F; wait 0.1"));
    EXPECT_EQ(sim.input.heldKeys.count(PhysicalKey::F), 1u);
    EXPECT_EQ(sim.input.keyPressCount, 1);
    EXPECT_FALSE(sim.pet.keyGlow.empty());
    // F is on the left half of a real keyboard: the left paw leaves its rest.
    EXPECT_GT(std::hypot(sim.pet.leftPawX.value - 204.0f, sim.pet.leftPawY.value - 235.0f), 3.0f);
    ASSERT_TRUE(RunScript("release F; wait 1"));
    EXPECT_TRUE(sim.input.heldKeys.empty());
}

TEST_F(SimulationTest, StrokingTheHeadMakesThePetPurr) {
    Start();
    ASSERT_TRUE(RunScript("move 160 120; move 205 120; move 160 122; move 205 124; move 165 120"));
    EXPECT_GT(sim.pet.purr, 0.0f);
    const float purr = sim.pet.purr;
    // Moving over empty air does nothing more.
    Driver other;
    other.Start();
    ASSERT_TRUE(other.RunScript("move 20 20; move 60 20; move 20 22; move 60 24; move 25 20"));
    EXPECT_EQ(other.sim.pet.purr, 0.0f);
    EXPECT_GT(purr, other.sim.pet.purr);
}

TEST_F(SimulationTest, ClicksPressTheDrawnMouse) {
    Settings english;
    english.LanguageEnglish = true;
    Start(english);
    ASSERT_TRUE(RunScript("click left"));
    EXPECT_FALSE(sim.input.leftButtonDown);  // released again
    ASSERT_FALSE(sim.pet.badges.empty());
    EXPECT_EQ(sim.pet.badges.back().text, L"LMB");
    ASSERT_TRUE(RunScript("click middle"));
    EXPECT_EQ(sim.pet.badges.back().text, L"MMB");
}

}  // namespace

namespace {

TEST(SnapshotScriptTest, ParsesTheWindowDrag) {
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(ParseSnapshotScript("grab; drag 12 -3.5; DROP", steps, error)) << error;
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].op, ScriptOp::Grab);
    EXPECT_EQ(steps[1].op, ScriptOp::Drag);
    EXPECT_FLOAT_EQ(steps[1].x, 12.0f);
    EXPECT_FLOAT_EQ(steps[1].y, -3.5f);
    EXPECT_EQ(steps[2].op, ScriptOp::Drop);
    for (const char* bad : {"grab 1", "drag 1", "drag x 1", "drop now"})
        EXPECT_FALSE(ParseSnapshotScript(bad, steps, error)) << bad;
}

TEST_F(SimulationTest, DraggingTheWindowCarriesThePetAndSwingsIt) {
    Start();
    const ScreenRect before = sim.window;
    ASSERT_TRUE(RunScript("grab; drag 20 0; drag 20 0; drag 20 0; wait 0.3"));
    EXPECT_EQ(sim.window.left, before.left + 60);
    EXPECT_EQ(sim.window.right, before.right + 60);
    EXPECT_TRUE(sim.pet.isHeld);
    EXPECT_GT(sim.pet.held.value, 0.5f);
    ASSERT_TRUE(RunScript("drop; wait 1.5"));
    EXPECT_FALSE(sim.pet.isHeld);
    EXPECT_LT(sim.pet.held.value, 0.05f);
    // A drag with nothing grabbed is a script error.
    EXPECT_FALSE(RunScript("drag 5 5"));
}

TEST_F(SimulationTest, FastTypingAngersThePetOnlyWithAngerOn) {
    std::string fast;
    for (int i = 0; i < 70; ++i) fast += "press J; wait 0.03; release J; wait 0.03;";
    for (const bool enabled : {true, false}) {
        Settings settings;
        settings.EnableAnger = enabled;
        Driver d;
        d.Start(settings);
        ASSERT_TRUE(d.RunScript(fast));
        if (enabled) {
            EXPECT_GT(d.sim.pet.anger.value, 0.25f) << "the anger mark shows";
        } else {
            EXPECT_EQ(d.sim.pet.anger.value, 0.0f);
        }
    }
}

TEST(SnapshotOptionsTest, FramesNeedARate) {
    SnapshotOptions o;
    std::string error;
    EXPECT_TRUE(ParseSnapshotArgs({"--frames", "out", "--fps", "15"}, o, error)) << error;
    EXPECT_EQ(o.framesDir, "out");
    EXPECT_EQ(o.fps, 15);
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--frames", "out"},
                                               {"--fps", "15", "--out", "a.png"},
                                               {"--frames", "out", "--fps", "0"}}) {
        SnapshotOptions b;
        EXPECT_FALSE(ParseSnapshotArgs(bad, b, error)) << bad[0];
    }
}

}  // namespace

namespace {

TEST_F(SimulationTest, ShakingTheCursorHardMakesThePetDizzy) {
    Start();
    std::string shake;
    // Eleven seconds of shaking; the cat stays dizzy for six more.
    for (int i = 0; i < 42; ++i) shake += "move 20 300; move 340 300;";
    shake += "wait 1";
    ASSERT_TRUE(RunScript(shake));
    EXPECT_GT(sim.pet.dizzy.value, 0.8f) << "alert " << sim.pet.alert.value;
}

}  // namespace
