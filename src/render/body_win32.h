#pragma once

#include "draw/canvas_win32.h"

struct CatSkin;
struct PetState;

// The one-piece silhouette of head and trunk with its fills and layers, and
// the hind feet. In the outline pass only the white rim.
void DrawBody(Canvas& canvas, float bodyX, float bodyY, Vec2 headCentre, float breath,
              const PetState& pet, const CatSkin& skin, bool outlinePass);
