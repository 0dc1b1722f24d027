#pragma once

#include <string_view>

#include "keys/physical_key.h"

// The key named as in the PhysicalKey enumeration ("A", "Space",
// "LeftShift", "F5"...), any case; None when unknown.
PhysicalKey PhysicalKeyFromName(std::string_view name);
