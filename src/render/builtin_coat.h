#pragma once

#include <cstddef>
#include <cstdint>

// The built-in coats by number: the CoatTheme setting and the N of the id
// "builtin:N".
enum class BuiltinCoat : std::int32_t {
    ClassicBlack = 0,
    Siamese = 1,
    SilverTabby = 2,
    OrangeWhite = 3,
    Dazed = 4,
    Tabby = 5,
};

inline constexpr std::size_t kBuiltinCoatCount = 6;
