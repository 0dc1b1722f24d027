#include "base/text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool ParseFloat(std::string_view text, float& out) {
    // from_chars for floats is missing in some standard libraries; strtof with a
    // full-consumption check does the same job.
    const std::string copy(text);
    char* end = nullptr;
    const float v = std::strtof(copy.c_str(), &end);
    if (copy.empty() || end != copy.c_str() + copy.size() || !std::isfinite(v)) return false;
    out = v;
    return true;
}
