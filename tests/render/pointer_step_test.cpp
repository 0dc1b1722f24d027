#include "render/pointer_step.h"

#include <gtest/gtest.h>

#include <optional>

#include "pet/pet_state.h"
#include "pet/pet_touch.h"
#include "pet/tail_curve.h"
#include "render/coat_themes.h"
#include "settings/settings.h"
#include "skins/cat_skin.h"

namespace {

// At this size one pixel is one Stage unit.
constexpr ScreenRect kWindow{1000, 500, 1360, 820};
constexpr Vec2 kHead{184.0f, 126.0f};
constexpr double kNow = 50.0;

enum class Spot { unreadable, pastRightEdge, emptyPixels, body, head, tailTip };
enum class Mode { plain, busy, editMode, fullClickThrough, fullClickThroughAlt, altAlone };
enum class Clicks { untouched, passThrough, taken };

std::optional<ScreenPoint> CursorAt(Spot spot, const CatSkin& skin) {
    const auto onStage = [](Vec2 p) {
        return ScreenPoint{kWindow.left + static_cast<std::int32_t>(p.x),
                           kWindow.top + static_cast<std::int32_t>(p.y)};
    };
    switch (spot) {
        case Spot::unreadable:
            return std::nullopt;
        case Spot::pastRightEdge:  // the right edge is exclusive
            return ScreenPoint{kWindow.right, kWindow.top + static_cast<std::int32_t>(kHead.y)};
        case Spot::emptyPixels:
            return onStage({20.0f, 20.0f});
        case Spot::body:
            return onStage({184.0f, 200.0f});
        case Spot::head:
            return onStage(kHead);
        case Spot::tailTip: {
            const TailCurve tail = ComputeTailCurve(184.0f, 226.0f, PetState{}, skin);
            return onStage({tail.p[3].x + 3.0f, tail.p[3].y + 3.0f});
        }
    }
    return std::nullopt;
}

TEST(PointerStepTest, DecidesHoverStrokesTailAndClicks) {
    struct Case {
        const char* name;
        Spot spot;
        Mode mode;
        Clicks clicks;
        bool hovering;  // afterwards
        bool strokes;
        bool flicksTail;
    };
    const Case cases[] = {
        {"no cursor", Spot::unreadable, Mode::plain, Clicks::untouched, true, false, false},
        {"busy over the head", Spot::head, Mode::busy, Clicks::untouched, true, false, false},
        {"outside the window", Spot::pastRightEdge, Mode::plain, Clicks::passThrough, false, false,
         false},
        {"edit mode outside the window", Spot::pastRightEdge, Mode::editMode, Clicks::passThrough,
         false, false, false},
        {"empty pixels", Spot::emptyPixels, Mode::plain, Clicks::passThrough, false, false, false},
        {"the body", Spot::body, Mode::plain, Clicks::taken, false, false, false},
        {"the head", Spot::head, Mode::plain, Clicks::taken, true, true, false},
        {"the tail tip", Spot::tailTip, Mode::plain, Clicks::passThrough, false, false, true},
        {"full click-through over the head", Spot::head, Mode::fullClickThrough,
         Clicks::passThrough, true, true, false},
        {"full click-through with Alt over the head", Spot::head, Mode::fullClickThroughAlt,
         Clicks::taken, true, true, false},
        {"Alt alone over empty pixels", Spot::emptyPixels, Mode::altAlone, Clicks::passThrough,
         false, false, false},
        {"edit mode over the head", Spot::head, Mode::editMode, Clicks::taken, false, false, false},
    };
    const CatSkin& skin = BuiltinCoatSkin(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings settings;
        settings.editMode = c.mode == Mode::editMode;
        settings.FullClickThrough =
            c.mode == Mode::fullClickThrough || c.mode == Mode::fullClickThroughAlt;
        PointerFrame frame;
        frame.cursor = CursorAt(c.spot, skin);
        frame.window = kWindow;
        frame.busy = c.mode == Mode::busy;
        frame.altHeld = c.mode == Mode::fullClickThroughAlt || c.mode == Mode::altAlone;
        frame.now = kNow;
        PetState pet;
        // Last frame the pointer was on the head, a stroke's length to the left.
        const Vec2 before{kHead.x - 20.0f, kHead.y};
        HeadHover hover{true, before};

        const PointerOutcome outcome = StepPointer(frame, settings, pet, skin, hover);

        EXPECT_EQ(outcome.acted, c.clicks != Clicks::untouched);
        if (outcome.acted) {
            EXPECT_EQ(outcome.passThrough, c.clicks == Clicks::passThrough);
        }
        EXPECT_EQ(hover.hovering, c.hovering);
        EXPECT_EQ(pet.purr > 0.0f, c.strokes);
        if (c.strokes) {
            EXPECT_EQ(pet.lastStrokeTime, kNow);
            EXPECT_FLOAT_EQ(hover.lastHoverPoint.x, kHead.x);
            EXPECT_FLOAT_EQ(hover.lastHoverPoint.y, kHead.y);
        }
        if (c.clicks == Clicks::untouched) {
            EXPECT_EQ(hover.lastHoverPoint.x, before.x);
        }
        EXPECT_EQ(pet.tailTouched.target == 1.0f, c.flicksTail);
    }
}

}  // namespace
