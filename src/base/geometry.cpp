#include "base/geometry.h"

#include <cmath>

Vec2 RotateAround(Vec2 p, Vec2 pivot, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float dx = p.x - pivot.x;
    const float dy = p.y - pivot.y;
    return {pivot.x + c * dx - s * dy, pivot.y + s * dx + c * dy};
}
