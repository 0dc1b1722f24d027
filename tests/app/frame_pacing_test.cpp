#include "app/frame_pacing.h"

#include <gtest/gtest.h>

TEST(FramePacingTest, LateFramesKeepOrRestartThePhase) {
    struct Case {
        const char* what;
        double lateBy;
        double expectedNext;  // relative to the old deadline
    };
    const Case cases[] = {
        {"on time", 0.0, kFramePeriod},
        {"10 ms late keeps the phase", 0.010, kFramePeriod},
        {"50 ms late restarts from now", 0.050, 0.050 + kFramePeriod},
    };
    const double deadline = 100.0;
    for (const Case& c : cases) {
        EXPECT_NEAR(NextFrameDeadline(deadline, deadline + c.lateBy), deadline + c.expectedNext,
                    1e-9)
            << c.what;
    }
}

TEST(FramePacingTest, WaitIsTruncatedAndHiddenPetWakesFourTimesASecond) {
    EXPECT_EQ(FrameWaitMilliseconds(10.0159, 10.0, true), 15u);
    EXPECT_EQ(FrameWaitMilliseconds(10.0, 10.5, true), 0u);
    EXPECT_EQ(FrameWaitMilliseconds(10.0, 10.5, false), 250u);
}
