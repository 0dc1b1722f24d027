#pragma once

#include <cstdint>

#include "draw/canvas_win32.h"

struct CatSkin;
struct PetState;

// The cat hanging from the scruff while the window is dragged, drawn as one
// group that fades in with the carry level. `outline` is the scene's white
// sticker rim setting.
void DrawCarriedCat(Canvas& canvas, const PetState& pet, const CatSkin& skin, std::int32_t eyeTheme,
                    float carry, bool outline);
