#pragma once

#include "draw/draw_geometry.h"

struct CatSkin;
struct PetState;

// Values derived once per frame that place the seated cat. The renderer
// draws from them and the pointer test reads the same numbers, so the head
// that is stroked is the head that is drawn (sleeping, dizzy or not).
struct SceneFrame {
    float breath = 0.0f;
    float carry = 0.0f;
    float droop = 0.0f;     // smooth sleep blend
    float sleepRaw = 0.0f;  // sleep blend, not eased
    float dizzy = 0.0f;
    float fall = 0.0f;       // 0..1, the dizzy cat tipping over
    float wobble = 0.0f;     // 0..1, the dizzy cat swaying
    float swayAngle = 0.0f;  // radians
    Vec2 swayShift;
    float bodyX = 0.0f;  // body anchor
    float bodyY = 0.0f;
    Vec2 head;  // head centre before the sway
    Vec2 hip;   // hind leg root
};

SceneFrame ComputeSceneFrame(const PetState& pet, const CatSkin& skin);

// True when the cat group is drawn under the sway transform.
bool SwayApplies(const SceneFrame& frame);
// A point of the cat group carried through the sway transform, and back.
Vec2 SwayPoint(const SceneFrame& frame, Vec2 p);
Vec2 UnswayPoint(const SceneFrame& frame, Vec2 p);

// Where the head centre appears on the Stage (after the sway).
Vec2 DrawnHeadCentre(const SceneFrame& frame);

// Shrink applied with the global rotation so the turned picture stays in
// the window: 1 - 0.14 |sin r|, or 1 when |r| <= 0.01 degrees.
float RotationShrink(float degrees);
bool RotationApplies(float degrees);
