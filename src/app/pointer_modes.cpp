#include "app/pointer_modes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/small_math.h"
#include "base/stage.h"

namespace {

struct HandleSpot {
    EditHandle handle;
    Vec2 centre;
    float radius;
};

constexpr float kRotationRadius = 15.0f;
constexpr float kCornerRadius = 18.0f;
constexpr std::array<HandleSpot, 5> kHandleSpots{{
    {EditHandle::Rotation, {180.0f, 12.0f}, kRotationRadius},
    {EditHandle::TopLeft, {10.0f, 26.0f}, kCornerRadius},
    {EditHandle::TopRight, {350.0f, 26.0f}, kCornerRadius},
    {EditHandle::BottomLeft, {10.0f, 310.0f}, kCornerRadius},
    {EditHandle::BottomRight, {350.0f, 310.0f}, kCornerRadius},
}};

constexpr float kFrameLeft = 6.0f;
constexpr float kFrameRight = 354.0f;
constexpr float kFrameTop = 22.0f;
constexpr float kFrameBottom = 314.0f;

constexpr float kRotationDeadZone = 1.5f;
constexpr float kSnapDistance = 5.0f;
constexpr std::array<float, 5> kSnapTargets{0.0f, 90.0f, -90.0f, 180.0f, -180.0f};

constexpr float kMinScale = 0.45f;
constexpr float kMaxScale = 2.5f;

struct CornerCursor {
    EditHandle handle;
    CursorShape shape;
};
constexpr std::array<CornerCursor, 6> kEditCursors{{
    {EditHandle::TopLeft, CursorShape::SizeNwse},
    {EditHandle::BottomRight, CursorShape::SizeNwse},
    {EditHandle::TopRight, CursorShape::SizeNesw},
    {EditHandle::BottomLeft, CursorShape::SizeNesw},
    {EditHandle::Inside, CursorShape::SizeAll},
    {EditHandle::Rotation, CursorShape::Hand},
}};

// Which side of the window moves with a corner: the anchor is on the other side.
bool MovesLeftEdge(EditHandle c) {
    return c == EditHandle::TopLeft || c == EditHandle::BottomLeft;
}
bool MovesTopEdge(EditHandle c) {
    return c == EditHandle::TopLeft || c == EditHandle::TopRight;
}

}  // namespace

EditHandle HitTestEditHandles(ScreenPoint cursor, const ScreenRect& window) {
    const float width = static_cast<float>(std::max(window.right - window.left, 1));
    const float height = static_cast<float>(std::max(window.bottom - window.top, 1));
    const float x = static_cast<float>(cursor.x - window.left) / width * kStageWidth;
    const float y = static_cast<float>(cursor.y - window.top) / height * kStageHeight;
    for (const HandleSpot& spot : kHandleSpots) {
        if (std::hypot(x - spot.centre.x, y - spot.centre.y) <= spot.radius) return spot.handle;
    }
    if (x >= kFrameLeft && x <= kFrameRight && y >= kFrameTop && y <= kFrameBottom)
        return EditHandle::Inside;
    return EditHandle::Outside;
}

bool IsCorner(EditHandle handle) {
    return handle == EditHandle::TopLeft || handle == EditHandle::TopRight ||
           handle == EditHandle::BottomLeft || handle == EditHandle::BottomRight;
}

CursorShape CursorShapeFor(bool editMode, EditHandle handle) {
    if (!editMode) return CursorShape::Hand;
    for (const CornerCursor& c : kEditCursors) {
        if (c.handle == handle) return c.shape;
    }
    return CursorShape::Arrow;
}

float WrapDegrees(float degrees) {
    if (!std::isfinite(degrees)) return 0.0f;
    float d = std::fmod(degrees, 360.0f);
    if (d > 180.0f) d -= 360.0f;
    if (d < -180.0f) d += 360.0f;
    return d;
}

float SnapRotation(float degrees) {
    float r = WrapDegrees(degrees);
    if (r <= -180.0f) r = 180.0f;
    for (float target : kSnapTargets) {
        if (std::fabs(r - target) <= kSnapDistance) {
            r = target;
            break;
        }
    }
    return r == -180.0f ? 180.0f : r;
}

RotationStep StepRotation(float startAngle, float angle, float startValue, bool movedBefore) {
    const float turned = WrapDegrees((angle - startAngle) * kDegreesPerRadian);
    RotationStep step;
    step.moved = movedBefore || std::fabs(turned) > kRotationDeadZone;
    step.degrees = step.moved ? SnapRotation(turned + startValue) : startValue;
    return step;
}

ScreenPoint ResizeAnchor(EditHandle corner, const ScreenRect& window) {
    return ScreenPoint{MovesLeftEdge(corner) ? window.right : window.left,
                       MovesTopEdge(corner) ? window.bottom : window.top};
}

ResizeStep StepResize(EditHandle corner, ScreenPoint anchor, ScreenPoint cursor) {
    const float across = std::fabs(static_cast<float>(cursor.x - anchor.x)) / kStageWidth;
    const float down = std::fabs(static_cast<float>(cursor.y - anchor.y)) / kStageHeight;
    ResizeStep step;
    step.scale = std::clamp(std::max(across, down), kMinScale, kMaxScale);
    const auto width = static_cast<std::int32_t>(std::lround(kStageWidth * step.scale));
    const auto height = static_cast<std::int32_t>(std::lround(kStageHeight * step.scale));
    const std::int32_t left = MovesLeftEdge(corner) ? anchor.x - width : anchor.x;
    const std::int32_t top = MovesTopEdge(corner) ? anchor.y - height : anchor.y;
    step.window = ScreenRect{left, top, left + width, top + height};
    return step;
}

PointerEnd EndPointerMode(PointerMode mode, bool rotateMoved, bool captureLost) {
    PointerEnd end;
    switch (mode) {
        case PointerMode::Idle:
            break;
        case PointerMode::Dragging:
            end.dropHeld = true;
            end.storePosition = true;
            end.save = true;
            break;
        case PointerMode::Resizing:
            end.storePosition = true;
            end.save = true;
            break;
        case PointerMode::Rotating:
            // A lost capture is no click: the mirror stays as it was.
            end.toggleMirror = !rotateMoved && !captureLost;
            end.save = true;
            break;
    }
    return end;
}
