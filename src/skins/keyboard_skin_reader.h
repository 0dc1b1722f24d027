#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "skins/keyboard_skin.h"

inline constexpr std::size_t kKeyboardSkinFileLimit = 262144;  // 256 KB

// Reads a ".mewlkb" (or keyboard ".json") file. Only the keycap colour is
// required; missing colours are derived. On failure returns false with one
// user-facing message and skin must not be used.
bool ReadKeyboardSkin(std::string_view bytes, KeyboardSkin& skin, std::string& error);
