#pragma once

#include <string_view>

// True when a and b hold the same text but for the case of ASCII letters.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The whole of text as a finite float; false (out untouched) for anything else.
bool ParseFloat(std::string_view text, float& out);
