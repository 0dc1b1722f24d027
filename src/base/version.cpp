#include "base/version.h"

std::int32_t NumericVersion(std::string_view versionText) {
    std::int32_t parts[3] = {0, 0, 0};
    int part = 0;
    for (char c : versionText) {
        if (c == '.') {
            if (++part == 3) break;
        } else if (c >= '0' && c <= '9') {
            // Saturate instead of overflowing on absurd input.
            if (parts[part] < 100000) parts[part] = parts[part] * 10 + (c - '0');
        }
    }
    return parts[0] * 10000 + parts[1] * 100 + parts[2];
}
