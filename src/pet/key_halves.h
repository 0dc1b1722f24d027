#pragma once

// The pet's behaviour: its state and frame update, reactions, petting, limbs and tail.

#include "keys/physical_key.h"

// True for keys of the right half of a real keyboard (struck by the right
// paw, drawn on the screen's left); keys that borrow a keycap count by the
// keycap they borrow.
bool IsRightHalfKey(PhysicalKey key);
