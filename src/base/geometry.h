#pragma once

#include <cstdint>

// A point or vector in Stage units (or in any plane the caller names).
struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;
};

// A point in screen pixels.
struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// A rectangle in screen pixels; right and bottom are exclusive.
struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const ScreenRect&) const = default;
};

// The point a fraction t of the way from a to b.
constexpr Vec2 Lerp(Vec2 a, Vec2 b, float t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// p rotated about pivot by angle radians, in the sense of the world
// transform's rotation (y down: positive turns clockwise on screen).
Vec2 RotateAround(Vec2 p, Vec2 pivot, float angle);
