#pragma once

#include "draw/canvas_win32.h"

// Draws one group with one uniform opacity: what drawGroup draws is first
// composed offscreen, so overlapping parts do not show through each other.
// Nothing is drawn at opacity <= 0.005; at >= 0.995 the group goes straight
// onto the canvas and no bitmap is made.
void DrawWithOpacityCore(Canvas& canvas, float x, float y, float w, float h, float opacity,
                         void (*drawGroup)(void* context, Canvas& target), void* context);

template <typename DrawGroup>
void DrawWithOpacity(Canvas& canvas, float x, float y, float w, float h, float opacity,
                     DrawGroup&& drawGroup) {
    DrawWithOpacityCore(
        canvas, x, y, w, h, opacity,
        [](void* context, Canvas& target) {
            (*static_cast<std::remove_reference_t<DrawGroup>*>(context))(target);
        },
        &drawGroup);
}

// The same rendering settings every drawing surface of the pet uses.
void ApplyPetRenderingHints(Canvas& canvas);
