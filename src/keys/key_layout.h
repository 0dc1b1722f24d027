#pragma once

// Keys: the physical keys the pet knows, their scan codes, and the pet keyboard's layout.

#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "base/geometry.h"
#include "keys/physical_key.h"

// One key of the pet's five-row keyboard.
struct KeySlot {
    PhysicalKey key = PhysicalKey::None;
    int32_t row = 0;      // 0 is the number row, 4 the space-bar row
    float x = 0.0f;       // start along the row, as a fraction of the row
    float width = 0.0f;   // as a fraction of the row
    bool accent = false;  // keycap filled with the theme's accent colour
};

inline constexpr int kKeySlotCount = 63;

// The 63 slots, row by row; built once and kept for the life of the process.
const std::array<KeySlot, kKeySlotCount>& KeyLayout();

// Slot of every key that has one; built once and kept.
const std::unordered_map<PhysicalKey, KeySlot>& KeySlotIndex();

// The slot of key itself (no alias), or null when it has none.
const KeySlot* FindKeySlot(PhysicalKey key);

// Stage point of (u, v) in the key area, both in 0..1.
Vec2 KeyboardPoint(float u, float v);

// The key whose slot a key without one borrows; other keys map to themselves.
PhysicalKey KeyAlias(PhysicalKey key);

// Stage point at the centre of the key's (aliased) slot, or the centre of the
// key area when there is no slot.
Vec2 KeyCenter(PhysicalKey key);

// Text printed on a keycap. The views refer to static, null-terminated
// literals; all characters are in the Basic Multilingual Plane, so the
// length equals the length in UTF-16 units.
std::wstring_view KeyCapLegend(PhysicalKey key);

// Short text of a key badge; empty means no badge.
std::wstring_view KeyBadgeLabel(PhysicalKey key);
