#pragma once

// The desk: keyboard, mouse, tablet and stylus, badges and the resize readout, around the cat.

#include "draw/canvas_win32.h"

struct PetState;

// The key and click badges, oldest first so newer ones lie on top.
void DrawBadges(Canvas& canvas, const PetState& pet);

// The dashed frame, handles and scale-rotation-mirror readout of the
// resize-and-direction mode; drawn without the pet's turn and mirror.
void DrawTransformOverlay(Canvas& canvas, float scale, float rotationDegrees, bool flipped);
