#include "skins/skin_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>

std::string Utf8Prefix(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return std::string(text);
    std::size_t cut = maxBytes;
    // Step back over continuation bytes: the cut then falls before the lead
    // byte of the character that did not fit.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut));
}

std::string FormatWholeNumber(double value) {
    constexpr double kExactLimit = 9007199254740992.0;  // 2^53
    if (std::fabs(value) <= kExactLimit) return std::to_string(static_cast<std::int64_t>(value));
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
