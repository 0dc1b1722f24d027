#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "skins/cat_skin.h"

inline constexpr std::size_t kCatSkinFileLimit = 2097152;  // 2 MB

// Reads a ".mewlark" file. On failure returns false with one user-facing
// message (the first fault found) and skin must not be used.
bool ReadCatSkin(std::string_view bytes, CatSkin& skin, std::string& error);
