#pragma once

#include <numbers>

inline constexpr float kPi = std::numbers::pi_v<float>;
inline constexpr double kPiDouble = std::numbers::pi;
// Stored angles are radians; the drawing surface takes degrees.
inline constexpr float kDegreesPerRadian = static_cast<float>(180.0 / std::numbers::pi);
inline constexpr float kRadiansPerDegree = static_cast<float>(std::numbers::pi / 180.0);

// v limited to 0..1; NaN gives 0, so a broken value never reaches a drawing call.
constexpr float Clamp01(float v) {
    if (!(v > 0.0f)) return 0.0f;
    return v < 1.0f ? v : 1.0f;
}
constexpr double Clamp01(double v) {
    if (!(v > 0.0)) return 0.0;
    return v < 1.0 ? v : 1.0;
}

// x * x * (3 - 2 x): the ease of every blend, for x in 0..1.
constexpr float Smooth(float x) {
    return x * x * (3.0f - 2.0f * x);
}
