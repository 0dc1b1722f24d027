#pragma once

#include "draw/canvas_win32.h"
#include "pet/tail_curve.h"

struct CatSkin;
struct PetState;

// The seated cat's tail: one thick stroke along the tail curve with its
// sleep fold, painted layers and tip. In the outline pass only the white rim.
void DrawTail(Canvas& canvas, float bodyX, float bodyY, const PetState& pet, const CatSkin& skin,
              bool outlinePass);

// The part of the curve between parameters t0 and t1, as its own cubic.
TailCurve SubCurve(const TailCurve& curve, float t0, float t1);

// The tabby tail of "builtin:5" along any curve: the pale stroke and its
// dark bands.
void DrawTabbyTail(Canvas& canvas, const TailCurve& curve, float width);

// The curve as a path figure.
void AddTailCurve(PathBuilder& path, const TailCurve& curve);
