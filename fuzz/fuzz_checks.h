#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

// Invariants the fuzz targets check beyond the sanitizers.

[[noreturn]] inline void FuzzFail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void FuzzCheck(bool condition, const char* what) {
    if (!condition) FuzzFail(what);
}

// Every lead byte is followed by the continuation bytes it announces: no
// message may hand a half character to the user.
inline bool IsWholeUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        if (lead < 0x80) {
            extra = 0;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
        } else {
            return false;
        }
        if (text.size() - i - 1 < extra) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += extra + 1;
    }
    return true;
}
