#include "draw/draw_geometry.h"

#include "pet/pet_state.h"
#include "render/face_point.h"
#include "skins/cat_skin.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kEps = 1e-4f;

TEST(RotateAroundTest, TurnsClockwiseOnAYDownScreen) {
    // A quarter turn takes a point right of the pivot to below it.
    const Vec2 p = RotateAround({10.0f, 0.0f}, {0.0f, 0.0f}, 1.5707963f);
    EXPECT_NEAR(p.x, 0.0f, kEps);
    EXPECT_NEAR(p.y, 10.0f, kEps);
    const Vec2 q = RotateAround({185.0f, 160.0f}, {180.0f, 160.0f}, 3.14159265f);
    EXPECT_NEAR(q.x, 175.0f, kEps);
    EXPECT_NEAR(q.y, 160.0f, kEps);
}

TEST(ProjectOnHeadTest, YawAndPitchMoveFrontPointsTheRightWay) {
    struct Case {
        float x, y, z, yaw, pitch;
        float ex, ey;
    };
    const Case cases[] = {
        {5.0f, 7.0f, 20.0f, 0.0f, 0.0f, 5.0f, 7.0f},
        // Turning right (positive yaw) brings a front point right.
        {0.0f, 0.0f, 20.0f, 0.5f, 0.0f, 20.0f * std::sin(0.5f), 0.0f},
        // Pitching down moves a front point down.
        {0.0f, 0.0f, 20.0f, 0.0f, 0.3f, 0.0f, 20.0f * std::sin(0.3f)},
        // A point on the side goes back as the head turns toward it.
        {10.0f, 0.0f, 0.0f, 0.4f, 0.5f, 10.0f * std::cos(0.4f),
         -10.0f * std::sin(0.4f) * std::sin(0.5f)},
    };
    for (const Case& c : cases) {
        const Vec2 p = ProjectOnHead(c.x, c.y, c.z, c.yaw, c.pitch);
        EXPECT_NEAR(p.x, c.ex, kEps);
        EXPECT_NEAR(p.y, c.ey, kEps);
    }
}

TEST(FacePointTest, ReducesTurnAndAppliesScaleRollAndCentre) {
    HeadPose pose;
    pose.centre = {184.0f, 126.0f};
    pose.yaw = 1.0f;
    pose.pitch = 0.0f;
    // The centre of a dome sits 29.6 in front; only half the yaw turns it.
    Vec2 p = FacePointOnPose({0.0f, 0.0f}, false, pose, false);
    EXPECT_NEAR(p.x, 184.0f + 29.6f * std::sin(0.5f), kEps);
    EXPECT_NEAR(p.y, 126.0f, kEps);
    // A plane face keeps a depth of 27.5 even at its edge.
    pose.planeSurface = true;
    p = FacePointOnPose({46.0f, 0.0f}, false, pose, false);
    EXPECT_NEAR(p.x, 184.0f + 46.0f * std::cos(0.5f) + 27.5f * std::sin(0.5f), kEps);
    // Flat points ignore the turn; scale then roll.
    pose.scale = 2.0f;
    pose.roll = 1.5707963f;
    p = FacePointOnPose({10.0f, 0.0f}, true, pose, false);
    EXPECT_NEAR(p.x, 184.0f, kEps);
    EXPECT_NEAR(p.y, 146.0f, kEps);
}

TEST(FacePointTest, SmoothDepthFlattensTheRimMoreThanTheRoot) {
    HeadPose pose;
    pose.yaw = 2.0f;  // yaw' = 1
    const Vec2 root = FacePointOnPose({0.0f, 30.0f}, false, pose, false);
    const Vec2 smooth = FacePointOnPose({0.0f, 30.0f}, false, pose, true);
    const float d = 1.0f - 900.0f / 1600.0f;
    EXPECT_NEAR(root.x, 29.6f * std::sqrt(d) * std::sin(1.0f), kEps);
    EXPECT_NEAR(smooth.x, 29.6f * d * d * (3.0f - 2.0f * d) * std::sin(1.0f), kEps);
}

TEST(RoundedRectTest, CornerDiameter) {
    struct Case {
        float w, h, r, d;
    };
    const Case cases[] = {
        {100.0f, 50.0f, 0.0f, 0.0f},    // plain
        {0.4f, 50.0f, 10.0f, 0.4f},     // too thin: plain
        {100.0f, 50.0f, 10.0f, 20.0f},  // ordinary corners
        {100.0f, 50.0f, 40.0f, 50.0f},  // stadium
        {30.0f, 50.0f, 40.0f, 30.0f},
    };
    for (const Case& c : cases) EXPECT_FLOAT_EQ(RoundedRectDiameter(c.w, c.h, c.r), c.d);
}

TEST(OpacityBitmapTest, ResolutionFollowsTheTransformWithinLimits) {
    struct Case {
        float m11, m12, m21, m22;
        float s;
        int w, h;
    };
    const Case cases[] = {
        {1.0f, 0.0f, 0.0f, 1.0f, 1.0f, 360, 320},
        {10.0f, 0.0f, 0.0f, 10.0f, 3.0f, 1080, 960},
        {0.1f, 0.0f, 0.0f, 0.1f, 0.35f, 126, 112},
        {2.5f, 0.0f, 0.0f, 2.5f, 2.5f, 900, 800},
        // A rotated, shrunk, mirrored transform measures its basis lengths.
        {0.0f, -0.86f, -0.86f, 0.0f, 0.86f, 310, 276},
        {1.0f, 0.0f, 0.0f, 1.5f, 1.5f, 540, 480},
    };
    for (const Case& c : cases) {
        const OpacityBitmapSize size =
            OpacityBitmapSizeFor(360.0f, 320.0f, c.m11, c.m12, c.m21, c.m22);
        EXPECT_NEAR(size.unitsToPixels, c.s, kEps);
        EXPECT_EQ(size.width, c.w);
        EXPECT_EQ(size.height, c.h);
    }
    const OpacityBitmapSize tiny = OpacityBitmapSizeFor(0.0f, 0.1f, 1.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_EQ(tiny.width, 1);
    EXPECT_EQ(tiny.height, 1);
}

TEST(GradientPlanTest, ExtendsTheLineAndKeepsStopsInOrder) {
    const std::uint32_t colours[] = {0xFF000001u, 0xFF000002u, 0xFF000003u};
    const float positions[] = {0.0f, 0.8f, 0.3f};  // last out of order
    const GradientLinePlan plan =
        PlanLinearGradientStops({0.0f, 0.0f}, {0.0f, 100.0f}, colours, positions, 3);
    ASSERT_FALSE(plan.solid);
    EXPECT_NEAR(plan.start.y, -1200.0f, kEps);
    EXPECT_NEAR(plan.end.y, 1300.0f, kEps);
    ASSERT_EQ(plan.positions.size(), 5u);
    const std::uint32_t expectedColours[] = {0xFF000001u, 0xFF000001u, 0xFF000002u, 0xFF000003u,
                                             0xFF000003u};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(plan.colours[i], expectedColours[i]);
    EXPECT_FLOAT_EQ(plan.positions[0], 0.0f);
    EXPECT_NEAR(plan.positions[1], 1200.0f / 2500.0f, kEps);
    EXPECT_NEAR(plan.positions[2], 1280.0f / 2500.0f, kEps);
    // The later stop is drawn at the earlier position, never reversed.
    EXPECT_FLOAT_EQ(plan.positions[3], plan.positions[2]);
    EXPECT_FLOAT_EQ(plan.positions[4], 1.0f);
}

TEST(GradientPlanTest, ShortLineOrOneStopIsSolidInTheLastColour) {
    const std::uint32_t colours[] = {0xFF0000FFu, 0xFF00FF00u};
    const float positions[] = {0.0f, 1.0f};
    const GradientLinePlan shortLine =
        PlanLinearGradientStops({5.0f, 5.0f}, {5.5f, 5.5f}, colours, positions, 2);
    EXPECT_TRUE(shortLine.solid);
    ASSERT_EQ(shortLine.colours.size(), 1u);
    EXPECT_EQ(shortLine.colours[0], 0xFF00FF00u);
    const GradientLinePlan oneStop =
        PlanLinearGradientStops({0.0f, 0.0f}, {100.0f, 0.0f}, colours, positions, 1);
    EXPECT_TRUE(oneStop.solid);
    EXPECT_EQ(oneStop.colours[0], 0xFF0000FFu);
}

TEST(FacePointTest, TakesThePoseFromThePetAndTheSkin) {
    PetState pet;
    pet.gazeX = SpringAt(0.8f);
    pet.gazeY = SpringAt(-0.5f);
    pet.headRoll = SpringAt(0.2f);
    CatSkin skin;
    skin.shape.headScale = 1.15f;
    skin.headSurface = HeadSurface::Plane;
    HeadPose pose;
    pose.centre = {190.0f, 120.0f};
    pose.yaw = 0.8f;
    pose.pitch = -0.5f;
    pose.roll = 0.2f;
    pose.scale = 1.15f;
    pose.planeSurface = true;
    for (bool flat : {false, true}) {
        for (bool smooth : {false, true}) {
            const Vec2 a = FacePoint({12.0f, -7.0f}, flat, skin, pose.centre, pet, smooth);
            const Vec2 b = FacePointOnPose({12.0f, -7.0f}, flat, pose, smooth);
            EXPECT_FLOAT_EQ(a.x, b.x);
            EXPECT_FLOAT_EQ(a.y, b.y);
        }
    }
    // Pitching the head down moves a plane face's centre down by its depth.
    const Vec2 down = FacePoint({0.0f, 0.0f}, false, skin, {0.0f, 0.0f}, PetState{}, false);
    EXPECT_NEAR(down.y, 0.0f, kEps);
    pet = PetState{};
    pet.gazeY = SpringAt(1.0f);
    EXPECT_NEAR(FacePoint({0.0f, 0.0f}, false, skin, {0.0f, 0.0f}, pet, false).y,
                1.15f * 27.5f * std::sin(0.36f), kEps);
}

}  // namespace
