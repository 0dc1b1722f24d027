#pragma once

#include <cstdint>

#include "draw/canvas_win32.h"

struct CatSkin;
struct PetState;

// Eyes, nose, mouth, whiskers and the anger mark on the head at headCentre.
// squeeze and stare are floors for the eye closure and the eye widening
// (the carried pose flinches and stares; the seated cat passes 0).
void DrawFace(Canvas& canvas, Vec2 headCentre, const PetState& pet, std::int32_t eyeTheme,
              const CatSkin& skin, float squeeze, float stare);

// How far the lids are shut by blinking, yawning, drowsiness, contentment
// and purring, 0..1.
float EyeClosure(const PetState& pet);

// The open mouth with throat, tongue and teeth at the origin of the current
// frame, opened by v in 0..1.
void DrawOpenMouth(Canvas& canvas, float v, const CatSkin& skin);
