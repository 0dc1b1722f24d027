#pragma once

#include <cstdint>

#include "draw/canvas_win32.h"

struct KeyboardSkin;
struct PetState;

// The pet's keyboard: slab, plate, 63 keycaps seen from the cat's side,
// pressed keys pushed and tinted with the eye colour, the marquee light and
// the halos over pressed keys.
void DrawKeyboard(Canvas& canvas, const PetState& pet, const KeyboardSkin& skin,
                  std::int32_t eyeTheme, bool showLegends, bool marquee);
