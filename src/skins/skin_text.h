#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The value of one hexadecimal digit in either case, or -1.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// At most maxBytes of text, cut back to the last whole UTF-8 character so a
// quoted value never hands half a character to the user.
std::string Utf8Prefix(std::string_view text, std::size_t maxBytes);

// A whole number for a message: exact up to 2^53, beyond that in shortest
// floating form (converting such values to an integer type is undefined).
std::string FormatWholeNumber(double value);
