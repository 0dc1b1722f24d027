#pragma once

#include "draw/canvas_win32.h"

struct CatSkin;
struct KeyboardSkin;
struct PetState;
struct Settings;

// One complete picture of the pet: desk, cat and overlays, turned and
// mirrored by the settings, every part with the WhiteOutline of this call.
// The caller's world transform maps the Stage to the target; it is left as
// it was found.
void DrawScene(Canvas& canvas, const PetState& pet, const Settings& settings,
               const CatSkin& catSkin, const KeyboardSkin& keyboardSkin);
