#pragma once

// The desk: keyboard, mouse, tablet and stylus, badges and the resize readout, around the cat.

#include <cstdint>

#include "draw/canvas_win32.h"

struct KeyboardSkin;
struct PetState;

// Parts of the desk that DrawScene calls in their places but that are not
// drawn yet: each entry point below draws nothing until its drawer is
// written. Keeping the calls in place fixes the layer order now.
void DrawTabletPending(Canvas& canvas, const PetState& pet, std::int32_t keyboardTheme,
                       std::int32_t eyeTheme);
void DrawLooseStylusPending(Canvas& canvas, const PetState& pet, std::int32_t keyboardTheme,
                            std::int32_t eyeTheme);
void DrawMousePending(Canvas& canvas, const PetState& pet, const KeyboardSkin& keyboardSkin);
void DrawKeyboardPending(Canvas& canvas, const PetState& pet, const KeyboardSkin& keyboardSkin,
                         std::int32_t eyeTheme, bool showLegends, bool marquee);
void DrawHeldStylusPending(Canvas& canvas, float size, std::int32_t keyboardTheme,
                           std::int32_t eyeTheme, float lift);
void DrawBadgesPending(Canvas& canvas, const PetState& pet);
void DrawResizeFramePending(Canvas& canvas, float scale, float rotationDegrees, bool flip);
