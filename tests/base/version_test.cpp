#include "base/version.h"

#include <gtest/gtest.h>

TEST(NumericVersionTest, ComponentsAndNoise) {
    struct Case {
        const char* text;
        int32_t expected;
    };
    const Case cases[] = {
        {"1.4.3", 10403},   {"2.0.0", 20000}, {"1.10.2", 11002}, {"v1.4.3-beta", 10403},
        {"1.4.3.9", 10403}, {"1.4", 10400},   {"", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(NumericVersion(c.text), c.expected) << c.text;
}

TEST(NumericVersionTest, ShippedVersionIsComparable) {
    EXPECT_EQ(NumericVersion(kVersionText), 10403);
}
