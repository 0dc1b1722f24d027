#include "skins/skin_id.h"

#include <cstdint>

std::string SkinIdOf(std::string_view bytes) {
    constexpr std::uint64_t kOffsetBasis = 0x14650fb0739d0383ULL;
    constexpr std::uint64_t kPrime = 0x100000001b3ULL;
    std::uint64_t h = kOffsetBasis;
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= kPrime;
    }
    constexpr char kHex[] = "0123456789abcdef";
    std::string id(16, '0');
    for (int i = 15; i >= 0; --i) {
        id[static_cast<std::size_t>(i)] = kHex[h & 0xF];
        h >>= 4;
    }
    return id;
}
