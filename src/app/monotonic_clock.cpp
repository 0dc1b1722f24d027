#include "app/monotonic_clock.h"

#include <chrono>

double MonotonicSeconds() {
    using Clock = std::chrono::steady_clock;
    static const Clock::time_point base = Clock::now();
    const auto elapsed = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - base);
    return static_cast<double>(elapsed.count()) / 1e9;
}
