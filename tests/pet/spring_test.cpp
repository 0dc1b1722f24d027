#include "pet/spring.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct RestCase {
    float k;
    float d;
    float start;
    float target;
};

// A spring left alone comes exactly to rest and never passes through
// subnormal floats on the way (they would make every step slow).
TEST(SpringTest, ComesExactlyToRestWithoutSubnormals) {
    const RestCase cases[] = {
        {320.0f, 16.0f, 1.0f, 0.0f},      // a quick flick back to zero
        {92.0f, 7.4f, 0.9f, 0.0f},        // a loose swing
        {360.0f, 24.0f, 120.0f, 164.0f},  // a paw to its rest
        {55.0f, 14.0f, 0.0f, 1.0f},       // a mood rising to full
    };
    for (const RestCase& c : cases) {
        Spring s{c.start, 0.0f, c.target};
        for (int i = 0; i < 60 * 60; ++i) {
            StepSpring(s, 1.0f / 60.0f, c.k, c.d);
            ASSERT_NE(std::fpclassify(s.value), FP_SUBNORMAL) << c.k << " step " << i;
            ASSERT_NE(std::fpclassify(s.velocity), FP_SUBNORMAL) << c.k << " step " << i;
        }
        EXPECT_EQ(s.value, c.target) << c.k;
        EXPECT_EQ(s.velocity, 0.0f) << c.k;
    }
}

}  // namespace
