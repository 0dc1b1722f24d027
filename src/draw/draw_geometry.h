#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/geometry.h"
#include "base/small_math.h"
#include "base/stage.h"

// A head-space point (x right, y down, z toward the viewer) turned by yaw and
// pitch and projected orthographically.
Vec2 ProjectOnHead(float x, float y, float z, float yaw, float pitch);

// The pose a face point is placed with; FacePoint fills it from the pet and
// the skin.
struct HeadPose {
    Vec2 centre;
    float yaw = 0.0f;    // gazeX
    float pitch = 0.0f;  // gazeY
    float roll = 0.0f;   // headRoll
    float scale = 1.0f;  // headScale
    bool planeSurface = false;
};

// A face-local point mapped onto the turning head and into the Stage.
Vec2 FacePointOnPose(Vec2 p, bool flat, const HeadPose& pose, bool smoothDepth);

// Diameter of the corner arcs of a rounded rectangle; at or below 0.5 the
// rectangle is drawn plain.
float RoundedRectDiameter(float w, float h, float radius);

// The offscreen bitmap used to draw a group with partial opacity.
struct OpacityBitmapSize {
    float unitsToPixels = 1.0f;  // bitmap pixels per unit, 0.35..3
    std::int32_t width = 1;
    std::int32_t height = 1;
};
// m11..m22 are the linear part of the canvas's world transform.
OpacityBitmapSize OpacityBitmapSizeFor(float w, float h, float m11, float m12, float m21,
                                       float m22);

// Stops of a linear gradient along p0 -> p1 whose line is extended far
// beyond both ends so the fill never repeats inside the shape.
struct GradientLinePlan {
    bool solid = false;  // fill with the last colour instead
    Vec2 start;
    Vec2 end;
    std::vector<float> positions;  // n + 2, non-decreasing, 0 .. 1
    std::vector<std::uint32_t> colours;
};
GradientLinePlan PlanLinearGradientStops(Vec2 p0, Vec2 p1, const std::uint32_t* colours,
                                         const float* positions, std::size_t n);
