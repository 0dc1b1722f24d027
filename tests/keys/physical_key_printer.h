#pragma once

#include <ostream>

#include "keys/physical_key.h"

// Lets test failures name keys by value instead of raw bytes.
inline void PrintTo(PhysicalKey key, std::ostream* os) {
    *os << "PhysicalKey(" << static_cast<int32_t>(key) << ")";
}
