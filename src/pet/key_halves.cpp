#include "pet/key_halves.h"

#include <array>
#include <cstdint>

#include "keys/key_layout.h"

namespace {

struct KeyRange {
    std::int32_t first;
    std::int32_t last;
};

// Esc, 1-6, Tab Q-T, CapsLock A-G, LeftShift Z-B, LeftCtrl LeftAlt LeftWin Space.
constexpr std::array<KeyRange, 5> kLeftHalf{{{0, 6}, {14, 19}, {28, 33}, {41, 46}, {54, 57}}};

}  // namespace

bool IsRightHalfKey(PhysicalKey key) {
    const auto value = static_cast<std::int32_t>(KeyAlias(key));
    for (const KeyRange& range : kLeftHalf) {
        if (value >= range.first && value <= range.last) return false;
    }
    return true;
}
