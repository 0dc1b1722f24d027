#pragma once

#include <cstdint>

#include "draw/canvas_win32.h"

struct PetState;

// The drawing tablet with its ink trail and the glow under the pen tip.
void DrawTablet(Canvas& canvas, const PetState& pet, std::int32_t keyboardTheme,
                std::int32_t eyeTheme);
// The stylus lying on the tablet while the cat does not hold it.
void DrawRestingStylus(Canvas& canvas, std::int32_t keyboardTheme, std::int32_t eyeTheme);
// A stylus in the canvas's current transform: nib at the origin, body along
// +x up to x = length; the nib lights with the eye colour above pressure 0.15.
void DrawStylus(Canvas& canvas, float length, std::int32_t keyboardTheme, std::int32_t eyeTheme,
                float pressure);
