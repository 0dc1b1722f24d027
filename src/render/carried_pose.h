#pragma once

// The numbers that place the cat hanging from the scruff while the window
// is dragged: the flinch, the swing and the head, from the pet and the carry
// level.

#include "draw/draw_geometry.h"

struct CatSkin;
struct PetState;

struct CarriedPose {
    float pulse = 0.0f;  // r: 1 in the flinch of a grab or a release, 0 hanging loosely
    float swingX = 0.0f;
    float swingY = 0.0f;
    float twist = 0.0f;
    float idleSway = 0.0f;
    float sway = 0.0f;
    float lift = 0.0f;
    float originX = 0.0f;  // A
    float originY = 0.0f;  // B
    Vec2 head;
    float headScale = 1.0f;
    float cheek = 0.0f;  // G
};

// The flinch: 1 for the first 0.14 s of a grab, easing to 0 over 0.08 s;
// after a release it rises with the release timer and is 0 once the timer
// has run down.
float GrabPulse(const PetState& pet);

CarriedPose ComputeCarriedPose(const PetState& pet, const CatSkin& skin, float carry);

// Opacity of the carried figure for the carry level.
float CarriedOpacity(float carry);
