#pragma once

#include "draw/canvas_win32.h"

struct CatSkin;
struct PetState;

// The pattern lists of the two light built-in coats, drawn inside the
// silhouette clip.
void DrawTemplateMarks(Canvas& canvas, float bodyX, float bodyY, Vec2 headCentre,
                       const PetState& pet, const CatSkin& coat);
