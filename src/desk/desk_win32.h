#pragma once

#include "draw/canvas_win32.h"

struct KeyboardSkin;
struct PetState;
struct Settings;

// The whole desk as one group: the tablet with its resting stylus, or the
// mouse; then the keyboard. While the cat holds the stylus (`stylusInPaw`)
// the resting stylus is left out, as the seated scene draws it in the paw.
void DrawDesk(Canvas& canvas, const PetState& pet, const Settings& settings,
              const KeyboardSkin& keyboardSkin, bool stylusInPaw = false);
