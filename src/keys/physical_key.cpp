#include "keys/physical_key.h"

#include <cstddef>

namespace {

using K = PhysicalKey;

struct ScanEntry {
    uint16_t scanCode;
    PhysicalKey key;
};

// Make codes with the E0 prefix.
constexpr ScanEntry kExtendedScanCodes[] = {
    {28, K::Enter},  {29, K::RightCtrl}, {53, K::Slash},    {56, K::RightAlt},
    {72, K::Up},     {75, K::Left},      {77, K::Right},    {80, K::Down},
    {83, K::Delete}, {91, K::LeftWin},   {92, K::RightWin},
};

// Set-1 make codes without the prefix, indexed by scan code; the keypad
// without E0 counts as the main digits and period.
constexpr std::array<PhysicalKey, 89> kPlainScanCodes = [] {
    std::array<PhysicalKey, 89> t{};
    t.fill(K::None);
    t[1] = K::Escape;
    constexpr PhysicalKey digits[] = {K::Digit1, K::Digit2, K::Digit3, K::Digit4, K::Digit5,
                                      K::Digit6, K::Digit7, K::Digit8, K::Digit9, K::Digit0};
    for (int i = 0; i < 10; ++i) t[2 + i] = digits[i];
    t[12] = K::Minus;
    t[13] = K::Equals;
    t[14] = K::Backspace;
    t[15] = K::Tab;
    constexpr PhysicalKey top[] = {K::Q, K::W, K::E, K::R, K::T, K::Y, K::U, K::I, K::O, K::P};
    for (int i = 0; i < 10; ++i) t[16 + i] = top[i];
    t[26] = K::LeftBracket;
    t[27] = K::RightBracket;
    t[28] = K::Enter;
    t[29] = K::LeftCtrl;
    constexpr PhysicalKey home[] = {K::A, K::S, K::D, K::F, K::G, K::H, K::J, K::K, K::L};
    for (int i = 0; i < 9; ++i) t[30 + i] = home[i];
    t[39] = K::Semicolon;
    t[40] = K::Quote;
    t[41] = K::Backquote;
    t[42] = K::LeftShift;
    t[43] = K::Backslash;
    constexpr PhysicalKey bottom[] = {K::Z, K::X, K::C, K::V, K::B, K::N, K::M};
    for (int i = 0; i < 7; ++i) t[44 + i] = bottom[i];
    t[51] = K::Comma;
    t[52] = K::Period;
    t[53] = K::Slash;
    t[54] = K::RightShift;
    t[56] = K::LeftAlt;
    t[57] = K::Space;
    t[58] = K::CapsLock;
    constexpr PhysicalKey functions[] = {K::F1, K::F2, K::F3, K::F4, K::F5,
                                         K::F6, K::F7, K::F8, K::F9, K::F10};
    for (int i = 0; i < 10; ++i) t[59 + i] = functions[i];
    t[71] = K::Digit7;
    t[72] = K::Digit8;
    t[73] = K::Digit9;
    t[75] = K::Digit4;
    t[76] = K::Digit5;
    t[77] = K::Digit6;
    t[79] = K::Digit1;
    t[80] = K::Digit2;
    t[81] = K::Digit3;
    t[82] = K::Digit0;
    t[83] = K::Period;
    t[87] = K::F11;
    t[88] = K::F12;
    return t;
}();

struct VirtualKeyEntry {
    uint16_t virtualKey;
    PhysicalKey key;
};

// Virtual keys below 'A' that still name a key when the scan code does not.
constexpr VirtualKeyEntry kFallbackVirtualKeys[] = {
    {kVkBack, K::Backspace}, {kVkReturn, K::Enter}, {kVkEscape, K::Escape}, {kVkSpace, K::Space},
    {kVkLeft, K::Left},      {kVkUp, K::Up},        {kVkRight, K::Right},   {kVkDown, K::Down},
};

// 'A' .. 'Z' in alphabet order.
constexpr PhysicalKey kLetters[26] = {K::A, K::B, K::C, K::D, K::E, K::F, K::G, K::H, K::I,
                                      K::J, K::K, K::L, K::M, K::N, K::O, K::P, K::Q, K::R,
                                      K::S, K::T, K::U, K::V, K::W, K::X, K::Y, K::Z};

}  // namespace

PhysicalKey KeyFromScanCode(uint16_t scanCode, bool extended, uint16_t virtualKey) {
    if (extended) {
        for (const ScanEntry& e : kExtendedScanCodes) {
            if (e.scanCode == scanCode) return e.key;
        }
    } else if (scanCode < kPlainScanCodes.size() && kPlainScanCodes[scanCode] != K::None) {
        return kPlainScanCodes[scanCode];
    }
    if (virtualKey >= 'A' && virtualKey <= 'Z') return kLetters[virtualKey - 'A'];
    if (virtualKey >= 65) return K::None;
    for (const VirtualKeyEntry& e : kFallbackVirtualKeys) {
        if (e.virtualKey == virtualKey) return e.key;
    }
    return K::None;
}
