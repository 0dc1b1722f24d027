#pragma once

#include "base/geometry.h"

// The handles of edit mode, in the order they are tested.
enum class EditHandle {
    Outside = -1,
    TopLeft = 0,
    TopRight = 1,
    BottomLeft = 2,
    BottomRight = 3,
    Inside = 12,
    Rotation = 20,
};

// Which handle of the edit frame the cursor is on, from its unrotated Stage point.
EditHandle HitTestEditHandles(ScreenPoint cursor, const ScreenRect& window);

bool IsCorner(EditHandle handle);

enum class CursorShape { Hand, Arrow, SizeNwse, SizeNesw, SizeAll };

// The cursor over the pet window: always the hand outside edit mode.
CursorShape CursorShapeFor(bool editMode, EditHandle handle);

// An angle in degrees brought into -180..180.
float WrapDegrees(float degrees);

// The rotation setting while the rotation handle is dragged. angle and startAngle are
// radians around the window centre; startValue is the setting when the drag began.
struct RotationStep {
    bool moved = false;  // the drag has gone past the dead zone, now or before
    float degrees = 0.0f;
};
RotationStep StepRotation(float startAngle, float angle, float startValue, bool movedBefore);

// The rotation wrapped into (-180, 180] and snapped to the nearest quarter turn within 5 degrees.
float SnapRotation(float degrees);

// The window corner that stays put while `corner` is dragged.
ScreenPoint ResizeAnchor(EditHandle corner, const ScreenRect& window);

struct ResizeStep {
    float scale = 1.0f;  // 0.45..2.5
    ScreenRect window;
};
// The window while `corner` is dragged to the cursor around the fixed anchor.
ResizeStep StepResize(EditHandle corner, ScreenPoint anchor, ScreenPoint cursor);

enum class PointerMode { Idle, Dragging, Resizing, Rotating };

// What ending a pointer mode does, on its button-up or when the capture is lost.
struct PointerEnd {
    bool dropHeld = false;       // the carried pet is put down
    bool storePosition = false;  // the window's top-left becomes PosX/PosY
    bool toggleMirror = false;   // a press on the rotation handle that never turned
    bool save = false;
};
PointerEnd EndPointerMode(PointerMode mode, bool rotateMoved, bool captureLost);
