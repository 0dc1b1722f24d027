#include "keys/physical_key.h"

#include <gtest/gtest.h>

#include <set>

#include "keys/virtual_keys.h"
#include "physical_key_printer.h"

namespace {

using K = PhysicalKey;

struct ScanCase {
    const char* name;
    uint16_t scanCode;
    bool extended;
    uint16_t virtualKey;
    PhysicalKey expected;
};

TEST(KeyFromScanCodeTest, ConvertsEventKeys) {
    const ScanCase cases[] = {
        // Main block.
        {"Escape", 0x01, false, kVkEscape, K::Escape},
        {"Digit1", 0x02, false, '1', K::Digit1},
        {"Digit0", 0x0B, false, '0', K::Digit0},
        {"Q", 0x10, false, 'Q', K::Q},
        {"Backquote", 0x29, false, kVkOem3, K::Backquote},
        {"LeftShift", 0x2A, false, kVkLShift, K::LeftShift},
        {"RightShift", 0x36, false, kVkRShift, K::RightShift},
        {"Space", 0x39, false, kVkSpace, K::Space},
        {"CapsLock", 0x3A, false, kVkCapital, K::CapsLock},
        {"F1", 0x3B, false, kVkF1, K::F1},
        {"F10", 0x44, false, kVkF1 + 9, K::F10},
        {"F11", 0x57, false, kVkF1 + 10, K::F11},
        {"F12", 0x58, false, kVkF1 + 11, K::F12},
        // Keypad without E0 counts as the main digits, whatever NumLock says.
        {"Keypad7 NumLock off", 0x47, false, kVkHome, K::Digit7},
        {"Keypad8 NumLock off", 0x48, false, kVkUp, K::Digit8},
        {"Keypad9 NumLock on", 0x49, false, kVkNumpad0 + 9, K::Digit9},
        {"Keypad4 NumLock off", 0x4B, false, kVkLeft, K::Digit4},
        {"Keypad5 NumLock off", 0x4C, false, kVkClear, K::Digit5},
        {"Keypad5 NumLock on", 0x4C, false, kVkNumpad0 + 5, K::Digit5},
        {"Keypad6", 0x4D, false, kVkRight, K::Digit6},
        {"Keypad1", 0x4F, false, kVkEnd, K::Digit1},
        {"Keypad2", 0x50, false, kVkDown, K::Digit2},
        {"Keypad3", 0x51, false, kVkNext, K::Digit3},
        {"Keypad0", 0x52, false, kVkInsert, K::Digit0},
        {"Keypad period", 0x53, false, kVkDelete, K::Period},
        {"Keypad period NumLock on", 0x53, false, kVkDecimal, K::Period},
        // E0 keys.
        {"Keypad Enter", 0x1C, true, kVkReturn, K::Enter},
        {"Keypad divide", 0x35, true, kVkDivide, K::Slash},
        {"RightCtrl", 0x1D, true, kVkControl, K::RightCtrl},
        {"LeftCtrl", 0x1D, false, kVkControl, K::LeftCtrl},
        {"RightAlt", 0x38, true, kVkMenu, K::RightAlt},
        {"LeftAlt", 0x38, false, kVkMenu, K::LeftAlt},
        {"Arrow up", 0x48, true, kVkUp, K::Up},
        {"Arrow left", 0x4B, true, kVkLeft, K::Left},
        {"Arrow right", 0x4D, true, kVkRight, K::Right},
        {"Arrow down", 0x50, true, kVkDown, K::Down},
        {"Delete", 0x53, true, kVkDelete, K::Delete},
        {"LeftWin", 0x5B, true, kVkLWin, K::LeftWin},
        {"RightWin", 0x5C, true, kVkRWin, K::RightWin},
        // Keys the pet does not know.
        {"Home", 0x47, true, kVkHome, K::None},
        {"End", 0x4F, true, kVkEnd, K::None},
        {"Insert", 0x52, true, kVkInsert, K::None},
        {"Page up", 0x49, true, kVkPrior, K::None},
        {"Keypad multiply", 0x37, false, 0x6A, K::None},
        {"Keypad minus", 0x4A, false, 0x6D, K::None},
        {"Keypad plus", 0x4E, false, 0x6B, K::None},
        {"Print screen", 0x37, true, 0x2C, K::None},
        {"Pause by hook", 0x45, false, kVkPause, K::None},
        {"NumLock", 0x45, true, 0x90, K::None},
        {"ISO extra key", 0x56, false, 0xE2, K::None},
        {"E0 with unknown scan and shift", 0x2A, true, kVkShift, K::None},
        // The scan code decides, not the layout's virtual key.
        {"AZERTY A key", 0x10, false, 'A', K::Q},
        {"QWERTZ Z key", 0x15, false, 'Z', K::Y},
        // Virtual-key fallback.
        {"Unknown scan, virtual Q", 0x70, false, 'Q', K::Q},
        {"Zero scan, virtual Q", 0x00, false, 'Q', K::Q},
        {"E0 unknown scan, virtual Z", 0x10, true, 'Z', K::Z},
        {"Fallback backspace", 0x00, false, kVkBack, K::Backspace},
        {"Fallback return", 0x00, false, kVkReturn, K::Enter},
        {"Fallback escape", 0x00, false, kVkEscape, K::Escape},
        {"Fallback space", 0x00, false, kVkSpace, K::Space},
        {"Fallback left", 0x00, false, kVkLeft, K::Left},
        {"Fallback up", 0x00, false, kVkUp, K::Up},
        {"Fallback right", 0x00, false, kVkRight, K::Right},
        {"Fallback down", 0x00, false, kVkDown, K::Down},
        {"Fallback digit is not a letter", 0x00, false, '5', K::None},
        {"Fallback tab is not listed", 0x00, false, kVkTab, K::None},
        {"Fallback numpad is ignored", 0x00, false, kVkNumpad0, K::None},
        {"Fallback left shift is ignored", 0x00, false, kVkLShift, K::None},
        {"Largest codes", 0xFFFF, false, 0xFFFF, K::None},
    };
    for (const ScanCase& c : cases) {
        EXPECT_EQ(KeyFromScanCode(c.scanCode, c.extended, c.virtualKey), c.expected) << c.name;
    }
}

TEST(KeyPollTableTest, NamesEveryKeyOnceWithDistinctVirtualKeys) {
    std::set<PhysicalKey> keys;
    std::set<uint16_t> virtualKeys;
    for (const KeyPollEntry& entry : KeyPollTable) {
        EXPECT_TRUE(keys.insert(entry.key).second) << static_cast<int>(entry.key);
        EXPECT_TRUE(virtualKeys.insert(entry.virtualKey).second) << entry.virtualKey;
    }
    for (int32_t value = 0; value < kPhysicalKeyCount; ++value) {
        const auto key = static_cast<PhysicalKey>(value);
        const bool expected = key != K::Fn && key != K::None;
        EXPECT_EQ(keys.count(key) == 1, expected) << value;
    }
}

TEST(KeyPollTableTest, AgreesWithTheVirtualKeyFallback) {
    // Where the event fallback knows a virtual key, the poll must name the same key.
    for (const KeyPollEntry& entry : KeyPollTable) {
        const PhysicalKey fallback = KeyFromScanCode(0, false, entry.virtualKey);
        if (fallback != K::None) {
            EXPECT_EQ(fallback, entry.key) << entry.virtualKey;
        }
    }
}

}  // namespace
