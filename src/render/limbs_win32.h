#pragma once

#include "draw/canvas_win32.h"

struct CatSkin;
struct PetState;

// One arm or leg: from shoulder s through control k to paw p, a band that
// narrows from shoulderWidth to pawWidth, ending in a paw. `side` picks the
// edge that gets the rim and shading; `opacity` scales the shading.
// `outline` is the scene's white sticker rim setting.
struct LimbSpec {
    Vec2 shoulder;
    Vec2 control;
    Vec2 paw;
    float shoulderWidth = 0.0f;
    float pawWidth = 0.0f;
    bool side = false;
    float opacity = 1.0f;
    bool frontLimb = true;
};
void DrawLimb(Canvas& canvas, const LimbSpec& limb, const CatSkin& skin, bool outline);

// Both front legs at the keyboard: each rests or reaches for its key.
void DrawFrontPaws(Canvas& canvas, float bodyX, float bodyY, float breath, const PetState& pet,
                   const CatSkin& skin, bool outline);
