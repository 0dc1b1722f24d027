#pragma once

#include "draw/canvas_win32.h"

struct CatSkin;
struct PetState;

// Both ears around the head centre. In the outline pass only the white rim.
void DrawEars(Canvas& canvas, Vec2 headCentre, const PetState& pet, const CatSkin& skin,
              bool outlinePass);
