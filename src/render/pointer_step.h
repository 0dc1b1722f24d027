#pragma once

#include <optional>

#include "base/geometry.h"

struct CatSkin;
struct HeadHover;
struct PetState;
struct Settings;

// The pointer this frame as the platform reports it.
struct PointerFrame {
    std::optional<ScreenPoint> cursor;  // empty when the position cannot be read
    ScreenRect window;
    bool busy = false;         // a drag, resize or rotation owns the pointer
    bool altHeld = false;      // Alt hands clicks to the cat under full click-through
    bool douniRender = false;  // the worn cat skin is drawn in the douni style
    double now = 0.0;
};

struct PointerOutcome {
    bool acted = false;        // false: busy or no cursor, and nothing was touched
    bool passThrough = false;  // the window lets clicks through to what lies beneath
};

// From where the cursor is over the window: hover, stroking the head, brushing
// the tail, and whether the window takes clicks. Edit mode takes every click over
// the window and pets nothing.
PointerOutcome StepPointer(const PointerFrame& frame, const Settings& settings, PetState& pet,
                           const CatSkin& skin, HeadHover& hover);
