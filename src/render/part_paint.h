#pragma once

#include <initializer_list>

#include "draw/color.h"
#include "skins/cat_skin.h"

// What the part drawers share: the pen of the white sticker outline, the
// fallback coat colour and the test for painted layers.

inline constexpr Argb kOutlineWhite = 0xF5FFFFFFu;
inline constexpr float kOutlineWidth = 3.6f;

// The body colour of a skin whose palette leaves it unset.
inline constexpr Argb kDefaultBody = 0xFF161618u;

// The slot's colour when the skin sets it, else the fallback.
inline Argb SlotOr(const SkinColor& slot, Argb fallback) {
    return slot.set ? ColorToArgb(slot) : fallback;
}

// True when the skin paints a region or a mark in one of the spaces.
bool HasLayerIn(const CatSkin& skin, std::initializer_list<RegionSpace> spaces);
