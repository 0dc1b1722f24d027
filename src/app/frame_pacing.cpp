#include "app/frame_pacing.h"

double NextFrameDeadline(double deadline, double now) {
    return (now - deadline < kFramePeriod ? deadline : now) + kFramePeriod;
}

unsigned FrameWaitMilliseconds(double deadline, double now, bool petVisible) {
    const double wait = petVisible ? deadline - now : kHiddenWait;
    if (!(wait > 0)) return 0;
    return static_cast<unsigned>(wait * 1000.0);
}
