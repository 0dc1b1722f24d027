#include "keys/key_names.h"

#include <array>

#include "base/text.h"

namespace {

constexpr std::array<std::string_view, kPhysicalKeyCount> kKeyNames = {
    "Escape",    "Digit1",      "Digit2",
    "Digit3",    "Digit4",      "Digit5",
    "Digit6",    "Digit7",      "Digit8",
    "Digit9",    "Digit0",      "Minus",
    "Equals",    "Backspace",   "Tab",
    "Q",         "W",           "E",
    "R",         "T",           "Y",
    "U",         "I",           "O",
    "P",         "LeftBracket", "RightBracket",
    "Backslash", "CapsLock",    "A",
    "S",         "D",           "F",
    "G",         "H",           "J",
    "K",         "L",           "Semicolon",
    "Quote",     "Enter",       "LeftShift",
    "Z",         "X",           "C",
    "V",         "B",           "N",
    "M",         "Comma",       "Period",
    "Slash",     "RightShift",  "Up",
    "LeftCtrl",  "LeftAlt",     "LeftWin",
    "Space",     "RightWin",    "RightAlt",
    "Fn",        "Left",        "Down",
    "Right",     "Backquote",   "RightCtrl",
    "Delete",    "F1",          "F2",
    "F3",        "F4",          "F5",
    "F6",        "F7",          "F8",
    "F9",        "F10",         "F11",
    "F12",       "None",
};

}  // namespace

PhysicalKey PhysicalKeyFromName(std::string_view name) {
    for (std::size_t i = 0; i < kKeyNames.size(); ++i) {
        if (EqualsIgnoringCase(kKeyNames[i], name)) return static_cast<PhysicalKey>(i);
    }
    return PhysicalKey::None;
}
