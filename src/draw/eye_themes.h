#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "draw/color.h"

inline constexpr std::size_t kEyeThemeCount = 7;

struct EyeTheme {
    std::string_view nameZh;
    std::string_view nameEn;
    std::uint32_t iris;  // 0xRRGGBB
};
extern const std::array<EyeTheme, kEyeThemeCount> kEyeThemes;

// Iris rgb of the eye theme with the given alpha; any index but 1..6 gives
// theme 0. The desk lights pressed keys, the tablet and the ink with it too.
Argb EyeThemeColor(std::int32_t theme, std::uint8_t alpha = 255);
