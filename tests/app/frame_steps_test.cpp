#include "app/frame_steps.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A skin library whose worn skin a menu command may replace, as importing or deleting does.
struct FakeLibrary {
    std::unique_ptr<std::string> worn = std::make_unique<std::string>("tabby");
};

struct FrameFixture {
    FakeLibrary library;
    const std::string* skinOfThisFrame = nullptr;
    bool menuDue = false;
    std::string drawn;
    std::string log;

    FrameSteps Steps() {
        return FrameSteps{
            [this] {
                const bool due = menuDue;
                menuDue = false;
                return due;
            },
            [this] {
                log += "menu ";
                library.worn = std::make_unique<std::string>("calico");  // the old one is freed
            },
            [this] {
                log += "update ";
                skinOfThisFrame = library.worn.get();
            },
            [this] {
                log += "surface ";
                return true;
            },
            [this] {
                log += "draw ";
                drawn = *skinOfThisFrame;  // ASan reports a freed skin here
            },
            [this] { log += "present"; },
        };
    }
};

}  // namespace

TEST(FrameStepsTest, DeferredMenuEndsTheFrameBeforeSkinsAreLookedUp) {
    FrameFixture f;
    f.menuDue = true;
    EXPECT_EQ(RunFrameSteps(f.Steps()), FrameOutcome::MenuShown);
    EXPECT_EQ(f.log, "menu ");

    f.log.clear();
    EXPECT_EQ(RunFrameSteps(f.Steps()), FrameOutcome::Presented);
    EXPECT_EQ(f.log, "update surface draw present");
    EXPECT_EQ(f.drawn, "calico");
}

TEST(FrameStepsTest, MissingSurfaceSkipsDrawingAndPresenting) {
    FrameFixture f;
    FrameSteps steps = f.Steps();
    steps.surface = [] { return false; };
    EXPECT_EQ(RunFrameSteps(steps), FrameOutcome::NoSurface);
    EXPECT_TRUE(f.drawn.empty());
}
