#include "base/geometry.h"

#include <gtest/gtest.h>

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

}  // namespace
