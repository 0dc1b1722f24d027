#pragma once

constexpr double kFramePeriod = 1.0 / 60.0;
constexpr double kMessageBudget = 0.010;
constexpr double kHiddenWait = 0.25;

// Next frame deadline once a frame is produced at `now` for a frame due at `deadline`:
// a frame less than one period late keeps the schedule's phase, a later one restarts it
// from now, so dropped frames are never made up.
double NextFrameDeadline(double deadline, double now);

// How long the loop may wait before the next frame, in whole milliseconds (0 = do not wait).
unsigned FrameWaitMilliseconds(double deadline, double now, bool petVisible);
