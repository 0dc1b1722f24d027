#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/small_math.h"

namespace {

// The drawings were tuned with these literals; the named constants must be the same floats.
static_assert(kDegreesPerRadian == 57.29578f);
static_assert(kRadiansPerDegree == 0.017453292f);
static_assert(kPi == 3.14159265f);

TEST(SmallMathTest, Clamp01MapsEveryInputIntoTheUnitRangeAndNaNToZero) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    struct Case {
        double in;
        double out;
    };
    const Case cases[] = {
        {kNaN, 0.0}, {-kNaN, 0.0}, {-kInf, 0.0}, {kInf, 1.0}, {-0.5, 0.0},
        {-0.0, 0.0}, {0.25, 0.25}, {1.0, 1.0},   {7.0, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(Clamp01(c.in), c.out);
        EXPECT_EQ(Clamp01(static_cast<float>(c.in)), static_cast<float>(c.out));
    }
}

TEST(SmallMathTest, SmoothEasesFromZeroToOneThroughAHalf) {
    EXPECT_EQ(Smooth(0.0f), 0.0f);
    EXPECT_EQ(Smooth(0.5f), 0.5f);
    EXPECT_EQ(Smooth(1.0f), 1.0f);
    EXPECT_LT(Smooth(0.25f), 0.25f);  // slow start
    EXPECT_GT(Smooth(0.75f), 0.75f);  // slow finish
}

}  // namespace
