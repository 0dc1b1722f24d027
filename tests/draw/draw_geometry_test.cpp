#include "draw/draw_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kEps = 1e-4f;

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

}  // namespace
