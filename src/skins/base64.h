#pragma once

// Skin files: the JSON reader and the cat and keyboard skin formats.

#include <cstdint>
#include <string_view>
#include <vector>

// Decodes standard base64 as the skin workshop writes it: an optional
// "data:image/png;base64," prefix, whitespace anywhere, lenient padding.
bool DecodeBase64(std::string_view text, std::vector<std::uint8_t>& out);
