#include "app/pointer_modes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/small_math.h"

namespace {

const ScreenRect kWindow{100, 200, 460, 520};  // scale 1: one pixel per Stage unit

TEST(EditHandlesTest, HandlesAreFoundAtTheirSpotsAndInTheirOrder) {
    struct Case {
        ScreenPoint stage;
        EditHandle expected;
    };
    const Case cases[] = {
        {{180, 12}, EditHandle::Rotation},   {{180, 26}, EditHandle::Rotation},
        {{10, 26}, EditHandle::TopLeft},     {{350, 26}, EditHandle::TopRight},
        {{10, 310}, EditHandle::BottomLeft}, {{350, 310}, EditHandle::BottomRight},
        {{20, 40}, EditHandle::TopLeft},     {{180, 160}, EditHandle::Inside},
        {{6, 160}, EditHandle::Inside},      {{5, 160}, EditHandle::Outside},
        {{100, 21}, EditHandle::Outside},    {{180, 316}, EditHandle::Outside},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HitTestEditHandles({kWindow.left + c.stage.x, kWindow.top + c.stage.y}, kWindow),
                  c.expected)
            << c.stage.x << "," << c.stage.y;
    }
    // At double scale the handles scale with the window.
    const ScreenRect big{0, 0, 720, 640};
    EXPECT_EQ(HitTestEditHandles({700, 620}, big), EditHandle::BottomRight);
    EXPECT_EQ(HitTestEditHandles({360, 24}, big), EditHandle::Rotation);
}

TEST(EditHandlesTest, CursorShapes) {
    struct Case {
        bool editMode;
        EditHandle handle;
        CursorShape expected;
    };
    const Case cases[] = {
        {false, EditHandle::TopLeft, CursorShape::Hand},
        {false, EditHandle::Outside, CursorShape::Hand},
        {true, EditHandle::TopLeft, CursorShape::SizeNwse},
        {true, EditHandle::BottomRight, CursorShape::SizeNwse},
        {true, EditHandle::TopRight, CursorShape::SizeNesw},
        {true, EditHandle::BottomLeft, CursorShape::SizeNesw},
        {true, EditHandle::Inside, CursorShape::SizeAll},
        {true, EditHandle::Rotation, CursorShape::Hand},
        {true, EditHandle::Outside, CursorShape::Arrow},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CursorShapeFor(c.editMode, c.handle), c.expected)
            << c.editMode << " " << static_cast<int>(c.handle);
    }
}

TEST(RotationTest, TurningSnapsAndWraps) {
    struct Case {
        const char* what;
        float startValue;
        float turnedDegrees;
        bool moved;
        float expected;
    };
    const Case cases[] = {
        {"inside the dead zone nothing turns", 30.0f, 1.4f, false, 30.0f},
        {"3 degrees from 0 snaps back to 0", 0.0f, 3.0f, true, 0.0f},
        {"87 snaps to 90", 0.0f, 87.0f, true, 90.0f},
        {"-86 snaps to -90", 0.0f, -86.0f, true, -90.0f},
        {"20 stays 20", 0.0f, 20.0f, true, 20.0f},
        {"past 180 wraps to the negative side", 170.0f, 20.0f, true, -170.0f},
        {"-178 snaps to 180, never -180", -170.0f, -8.0f, true, 180.0f},
        {"176 snaps to 180", 170.0f, 6.0f, true, 180.0f},
        {"a turn across the atan2 seam is small", 0.0f, -20.0f, true, -20.0f},
    };
    for (const Case& c : cases) {
        // Start just below the seam at 180 degrees so that small turns cross it.
        const float start = 3.1f;
        const float angle = start + c.turnedDegrees * kRadiansPerDegree;
        const float seen = std::atan2(std::sin(angle), std::cos(angle));
        const RotationStep step = StepRotation(start, seen, c.startValue, false);
        EXPECT_EQ(step.moved, c.moved) << c.what;
        EXPECT_NEAR(step.degrees, c.expected, 1e-3) << c.what;
    }
    // Once moved, coming back into the dead zone still turns (and snaps).
    const RotationStep back = StepRotation(0.0f, 0.01f, 40.0f, true);
    EXPECT_TRUE(back.moved);
    EXPECT_NEAR(back.degrees, 40.0f + 0.01f * kDegreesPerRadian, 1e-3);
}

TEST(ResizeTest, TheOppositeCornerStaysAndTheScaleIsClamped) {
    struct Case {
        const char* what;
        EditHandle corner;
        ScreenPoint cursor;
        float scale;
        ScreenRect window;
    };
    const ScreenPoint topLeftAnchor{100, 200};      // dragging the bottom-right corner
    const ScreenPoint bottomRightAnchor{460, 520};  // dragging the top-left corner
    const Case cases[] = {
        {"bottom-right to 1.5", EditHandle::BottomRight, {640, 620}, 1.5f, {100, 200, 640, 680}},
        {"the wider axis wins", EditHandle::BottomRight, {280, 520}, 1.0f, {100, 200, 460, 520}},
        {"top-left keeps the bottom-right",
         EditHandle::TopLeft,
         {280, 360},
         0.5f,
         {280, 360, 460, 520}},
        {"too small is clamped to 0.45",
         EditHandle::BottomRight,
         {101, 201},
         0.45f,
         {100, 200, 262, 344}},
        {"too large is clamped to 2.5",
         EditHandle::BottomRight,
         {5000, 5000},
         2.5f,
         {100, 200, 1000, 1000}},
    };
    for (const Case& c : cases) {
        const ScreenPoint anchor =
            c.corner == EditHandle::TopLeft ? bottomRightAnchor : topLeftAnchor;
        const ResizeStep step = StepResize(c.corner, anchor, c.cursor);
        EXPECT_NEAR(step.scale, c.scale, 1e-5) << c.what;
        EXPECT_EQ(step.window, c.window) << c.what;
    }
}

TEST(ResizeTest, EachCornerAnchorsTheOppositeOne) {
    struct Case {
        EditHandle corner;
        ScreenPoint anchor;
    };
    const Case cases[] = {
        {EditHandle::TopLeft, {460, 520}},
        {EditHandle::TopRight, {100, 520}},
        {EditHandle::BottomLeft, {460, 200}},
        {EditHandle::BottomRight, {100, 200}},
    };
    for (const Case& c : cases) {
        const ScreenPoint a = ResizeAnchor(c.corner, kWindow);
        EXPECT_EQ(a.x, c.anchor.x) << static_cast<int>(c.corner);
        EXPECT_EQ(a.y, c.anchor.y) << static_cast<int>(c.corner);
        // Growing from the anchor keeps the anchor a corner of the new window.
        const ResizeStep step = StepResize(
            c.corner, a,
            {c.corner == EditHandle::TopLeft || c.corner == EditHandle::BottomLeft ? a.x - 720
                                                                                   : a.x + 720,
             a.y});
        const bool left = step.window.left == a.x;
        const bool right = step.window.right == a.x;
        const bool top = step.window.top == a.y;
        const bool bottom = step.window.bottom == a.y;
        EXPECT_TRUE((left || right) && (top || bottom)) << static_cast<int>(c.corner);
    }
}

TEST(PointerEndTest, ALostCaptureEndsEveryModeLikeItsButtonUpExceptTheMirror) {
    struct Case {
        const char* what;
        PointerMode mode;
        bool rotateMoved;
        bool captureLost;
        PointerEnd expected;
    };
    const Case cases[] = {
        {"idle", PointerMode::Idle, false, true, {}},
        {"drag up", PointerMode::Dragging, false, false, {true, true, false, true}},
        {"drag lost", PointerMode::Dragging, false, true, {true, true, false, true}},
        {"resize up", PointerMode::Resizing, false, false, {false, true, false, true}},
        {"resize lost", PointerMode::Resizing, false, true, {false, true, false, true}},
        {"press on the rotation handle mirrors",
         PointerMode::Rotating,
         false,
         false,
         {false, false, true, true}},
        {"a turn does not mirror", PointerMode::Rotating, true, false, {false, false, false, true}},
        {"a lost press does not mirror",
         PointerMode::Rotating,
         false,
         true,
         {false, false, false, true}},
        {"a lost turn is kept", PointerMode::Rotating, true, true, {false, false, false, true}},
    };
    for (const Case& c : cases) {
        const PointerEnd end = EndPointerMode(c.mode, c.rotateMoved, c.captureLost);
        EXPECT_EQ(end.dropHeld, c.expected.dropHeld) << c.what;
        EXPECT_EQ(end.storePosition, c.expected.storePosition) << c.what;
        EXPECT_EQ(end.toggleMirror, c.expected.toggleMirror) << c.what;
        EXPECT_EQ(end.save, c.expected.save) << c.what;
    }
}

}  // namespace
