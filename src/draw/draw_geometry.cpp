#include "draw/draw_geometry.h"

#include <algorithm>
#include <cmath>

Vec2 ProjectOnHead(float x, float y, float z, float yaw, float pitch) {
    const float turnedX = x * std::cos(yaw) + z * std::sin(yaw);
    const float turnedZ = z * std::cos(yaw) - x * std::sin(yaw);
    const float turnedY = y * std::cos(pitch) + turnedZ * std::sin(pitch);
    return {turnedX, turnedY};
}

Vec2 FacePointOnPose(Vec2 p, bool flat, const HeadPose& pose, bool smoothDepth) {
    Vec2 q = p;
    if (!flat) {
        const float d = std::max(0.0f, 1.0f - p.x * p.x / 2116.0f - p.y * p.y / 1600.0f);
        const float g = smoothDepth ? Smooth(d) : std::sqrt(d);
        const float z = pose.planeSurface ? 27.5f : 29.6f * g;
        q = ProjectOnHead(p.x, p.y, z, pose.yaw * 0.5f, pose.pitch * 0.36f);
    }
    const Vec2 scaled{q.x * pose.scale, q.y * pose.scale};
    const Vec2 turned = RotateAround(scaled, {0.0f, 0.0f}, pose.roll);
    return {turned.x + pose.centre.x, turned.y + pose.centre.y};
}

float RoundedRectDiameter(float w, float h, float radius) {
    return std::min({h, w, 2.0f * radius});
}

OpacityBitmapSize OpacityBitmapSizeFor(float w, float h, float m11, float m12, float m21,
                                       float m22) {
    const float s = std::clamp(std::max(std::hypot(m11, m12), std::hypot(m21, m22)), 0.35f, 3.0f);
    OpacityBitmapSize out;
    out.unitsToPixels = s;
    out.width = std::max(1, static_cast<std::int32_t>(std::ceil(w * s)));
    out.height = std::max(1, static_cast<std::int32_t>(std::ceil(h * s)));
    return out;
}

GradientLinePlan PlanLinearGradientStops(Vec2 p0, Vec2 p1, const std::uint32_t* colours,
                                         const float* positions, std::size_t n) {
    constexpr float kReach = 1200.0f;
    GradientLinePlan plan;
    if (n == 0) {
        plan.solid = true;
        return plan;
    }
    const float dx = p1.x - p0.x;
    const float dy = p1.y - p0.y;
    const float length = std::hypot(dx, dy);
    if (length < 1.0f || n == 1) {
        plan.solid = true;
        plan.colours.push_back(colours[n - 1]);
        return plan;
    }
    const Vec2 dir{dx / length, dy / length};
    plan.start = {p0.x - dir.x * kReach, p0.y - dir.y * kReach};
    plan.end = {p1.x + dir.x * kReach, p1.y + dir.y * kReach};
    plan.colours.push_back(colours[0]);
    plan.positions.push_back(0.0f);
    for (std::size_t i = 0; i < n; ++i) {
        float q = (length * Clamp01(positions[i]) + kReach) / (length + 2.0f * kReach);
        q = std::max(std::min(q, 1.0f), plan.positions.back());
        plan.colours.push_back(colours[i]);
        plan.positions.push_back(q);
    }
    plan.colours.push_back(colours[n - 1]);
    plan.positions.push_back(1.0f);
    return plan;
}
