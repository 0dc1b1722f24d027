#pragma once

#include <cstdint>
#include <string_view>

// The program's version text, e.g. "1.4.3"; defined once per build of the program.
extern const char* const kVersionText;

// major * 10000 + minor * 100 + patch; what running instances and the update check compare.
std::int32_t NumericVersion(std::string_view versionText);

// NumericVersion of this build; inline, so the version text is whichever the program links.
inline std::int32_t ProgramVersion() {
    return NumericVersion(kVersionText);
}
