#pragma once

// The cat: coats, shape and parts, DrawScene putting desk and cat together, the pointer test.

#include <array>

#include "draw/draw_geometry.h"

struct CatSkin;
struct PetState;

// Frame factors of the seated body.
struct BodyFrame {
    Vec2 body;  // anchor
    Vec2 head;  // head centre
    float lean = 0.0f;
    float roll = 0.0f;
    float headScale = 1.0f;
    float bodyWidth = 1.0f;
    float widen = 1.0f;   // horizontal scale of body points (with bodyWidth)
    float crouch = 1.0f;  // vertical scale of body points
};

BodyFrame MakeBodyFrame(Vec2 body, Vec2 head, const PetState& pet, const CatSkin& skin);
// A head-frame point (x right, y down) on the Stage.
Vec2 HeadToStage(const BodyFrame& frame, Vec2 p);
// A body-frame point on the Stage (bodyWidth, widen and crouch applied).
Vec2 BodyToStage(const BodyFrame& frame, Vec2 p);

struct Cubic {
    Vec2 c1;
    Vec2 c2;
    Vec2 end;
};

// The one-piece outline of head and trunk: three curves from the crown down
// the screen-right side, a straight base, three curves back to the crown.
struct Silhouette {
    Vec2 start;
    std::array<Cubic, 3> right;
    Vec2 baseLeft;  // end of the straight base line
    std::array<Cubic, 3> left;
};

Silhouette ComputeSilhouette(const BodyFrame& frame, float breath, const PetState& pet,
                             const CatSkin& skin);

// Hind feet as boxes in the feet's frame (translate to the anchor, rotate by
// the lean, scale by widen and crouch).
struct Box {
    float x = 0.0f;
    float y = 0.0f;
    float w = 0.0f;
    float h = 0.0f;
};
struct HindFeet {
    Box first;
    Box second;
    bool secondShown = true;  // not while the foot is up on the keyboard
};
HindFeet ComputeHindFeet(const PetState& pet, const CatSkin& skin);

// One ear in the head frame (before roll and head scale), side -1 left,
// +1 right.
struct EarShape {
    Vec2 a;   // outer base
    Vec2 b;   // inner base
    Vec2 t;   // tip before the split
    Vec2 t1;  // the split tip
    Vec2 t2;
    Vec2 inner1;  // inner ear P1..P3
    Vec2 inner2;
    Vec2 inner3;
};
EarShape ComputeEar(int side, const PetState& pet, const CatSkin& skin);
