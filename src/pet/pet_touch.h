#pragma once

#include "pet/pet_state.h"

struct CatSkin;
struct Settings;

// The pointer over the head, carried from frame to frame by the caller.
struct HeadHover {
    bool hovering = false;  // the pointer was on the head last frame
    Vec2 lastHoverPoint;
};

// The pointer (Stage point) is on the head this frame. Measures the stroke
// from the previous frame's point, then records this point and sets
// hovering; the caller clears hovering on frames the pointer is elsewhere.
// douniRender is true when the worn cat skin's renderStyle is "douni".
void StrokeHead(PetState& pet, Vec2 point, HeadHover& hover, const Settings& settings,
                bool douniRender, double now);

// The pointer (Stage point) is somewhere in the window: a brush near the
// drawn tail of the worn skin flicks it away.
void TouchTail(PetState& pet, Vec2 point, const CatSkin& skin);
