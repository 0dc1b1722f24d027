#pragma once

#include "draw/canvas_win32.h"

struct CatSkin;
struct PetState;

// The one-piece silhouette of head and trunk with its fills and layers, and
// the hind feet. In the outline pass only the white rim.
void DrawBody(Canvas& canvas, float bodyX, float bodyY, Vec2 headCentre, float breath,
              const PetState& pet, const CatSkin& skin, bool outlinePass);

// Both ears around the head centre.
void DrawEars(Canvas& canvas, Vec2 headCentre, const PetState& pet, const CatSkin& skin,
              bool outlinePass);

// The pattern lists of the two light built-in coats, drawn inside the
// silhouette clip.
void DrawTemplateMarks(Canvas& canvas, float bodyX, float bodyY, Vec2 headCentre,
                       const PetState& pet, const CatSkin& coat);

// White of the sticker outline.
inline constexpr Argb kOutlineWhite = 0xF5FFFFFFu;
inline constexpr float kOutlineWidth = 3.6f;
