#pragma once

#include <cstdint>

#include "draw/canvas_win32.h"

struct PetState;

// Three four-pointed stars circling above a dizzy head.
void DrawDizzyStars(Canvas& canvas, Vec2 centre, float dizzy, float starPhase);

// Sleep "z" letters and purr sparkles, fading in and out over their lives.
void DrawParticles(Canvas& canvas, const PetState& pet, std::int32_t eyeTheme);
