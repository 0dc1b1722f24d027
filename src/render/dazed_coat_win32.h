#pragma once

#include <cstdint>

#include "draw/canvas_win32.h"

struct CatSkin;
struct PetState;

// The "Dazed Cat" coat's own figure: lap, shirt, feet and round head.
void DrawDazedBody(Canvas& canvas, float bodyX, float bodyY, Vec2 headCentre, const PetState& pet);
// One of its ears, inside the head frame the caller set up.
void DrawDazedEar(Canvas& canvas, int side, float yaw, float pitch, float droop, float flick);
// One foot or paw ellipse with its vertical gradient and rim.
void DrawDazedFoot(Canvas& canvas, float x, float y, float w, float h);
// The kitchen knife behind the cat, at the body anchor.
void DrawKnifeProp(Canvas& canvas, float bodyX, float bodyY, const PetState& pet);
// Its face, inside the head frame the caller set up (yaw and pitch already
// reduced to the head's turn).
void DrawDazedFace(Canvas& canvas, const PetState& pet, std::int32_t eyeTheme, float yaw,
                   float pitch, const CatSkin& skin, float squeeze, float stare);
// A sleeved front arm from the band and edges of a limb, with its hand in pawBox.
void DrawDazedArm(Canvas& canvas, PathBuilder& band, const Vec2* left, const Vec2* right, int count,
                  float pawX, float pawY, float pawW, float pawH);
