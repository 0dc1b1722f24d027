#pragma once

#include <cstdint>

#include "draw/canvas_win32.h"

struct KeyboardSkin;
struct PetState;

// The pet's keyboard: slab, plate, 63 keycaps seen from the cat's side,
// pressed keys pushed and tinted with the eye colour, the marquee light and
// the halos over pressed keys. The still part (slab, plate, keycaps at rest
// with their legends) is kept as one bitmap, rebuilt when what it shows
// changes, so an idle frame copies it once.
void DrawKeyboard(Canvas& canvas, const PetState& pet, const KeyboardSkin& skin,
                  std::int32_t eyeTheme, bool showLegends, bool marquee);

// The same picture drawn call by call, nothing kept: what the kept bitmap must match.
void DrawKeyboardDirect(Canvas& canvas, const PetState& pet, const KeyboardSkin& skin,
                        std::int32_t eyeTheme, bool showLegends, bool marquee);

// The mouse, then the keyboard: while the mouse lies still it is kept in the
// same bitmap. The two never overlap, so the order does not show.
void DrawMouseAndKeyboard(Canvas& canvas, const PetState& pet, const KeyboardSkin& skin,
                          std::int32_t eyeTheme, bool showLegends, bool marquee);

// Frees the kept bitmap; call before GDI+ shuts down.
void ReleaseKeyboardCache();
