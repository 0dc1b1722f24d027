#pragma once

#include "draw/draw_geometry.h"

struct CatSkin;
struct PetState;

// A face-local point placed on the turning head of this skin and pet: depth
// from the head's ellipse (smooth or square-root profile), the pet's gaze as
// yaw and pitch, then head scale, head roll and the head centre.
Vec2 FacePoint(Vec2 p, bool flat, const CatSkin& skin, Vec2 headCentre, const PetState& pet,
               bool smoothDepth);
