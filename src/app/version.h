#pragma once

#include <cstdint>
#include <string_view>

// The program's version text, e.g. "1.4.3"; defined once per build of the program.
extern const char* const kVersionText;

// major * 10000 + minor * 100 + patch; what running instances compare.
int32_t NumericVersion(std::string_view versionText);
