#pragma once

#include "draw/canvas_win32.h"

struct KeyboardSkin;
struct PetState;

// The mouse beside the keyboard, seen from the cat's side: it slides with
// the pointer, dips on a press and lights the pressed button half.
void DrawMouse(Canvas& canvas, const PetState& pet, const KeyboardSkin& skin);
