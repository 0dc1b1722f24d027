#pragma once

#include <string_view>

#include "keys/physical_key.h"
#include "pet/pet_state.h"

struct Settings;

// Most badges alive at once; the oldest go first.
inline constexpr std::size_t kMaxBadges = 16;

// A new key press: glow, paw kick, head bob, gaze and badge. douniTyping is
// true when the worn cat skin's typingStyle is "douni".
void StrikeKey(PetState& pet, PhysicalKey key, const Settings& settings, bool douniTyping,
               double now);

// A mouse button change (0 left, 1 right, 2 middle). douniRender is true
// when the worn cat skin's renderStyle is "douni".
void PressMouseButton(PetState& pet, int button, bool down, const Settings& settings,
                      bool douniRender, double now);

// Floats a badge up from point; quick successive badges fan out over six
// slots. An empty text spawns nothing.
void SpawnBadge(PetState& pet, std::wstring_view text, Vec2 point, double now);

// Where a key lies in the drawing space of the "douni" style.
Vec2 DouniKeyPoint(PhysicalKey key);
