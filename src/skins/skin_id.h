#pragma once

#include <string>
#include <string_view>

// 16 lower-case hex digits of a 64-bit FNV-1a hash of a skin file's bytes.
// Names stored files and the worn skin, so it must never change.
std::string SkinIdOf(std::string_view bytes);
