#pragma once

#include "base/geometry.h"

struct CatSkin;
struct PetState;

// The tail as one cubic Bezier: p[0] the root, p[3] the tip.
struct TailCurve {
    Vec2 p[4];
    float thickness = 1.0f;  // the skin's tailThickness, applied by the drawer
};

// The tail of the seated cat whose body anchor is (bodyX, bodyY), shaped by
// the skin's body width and tail length.
TailCurve ComputeTailCurve(float bodyX, float bodyY, const PetState& pet, const CatSkin& skin);

// The point of the curve at parameter t in 0..1.
Vec2 TailCurveAt(const TailCurve& curve, float t);
