#include "keys/key_layout.h"

#include <cstddef>

namespace {

using K = PhysicalKey;

struct LayoutKey {
    PhysicalKey key;
    int32_t row;
    float units;  // width in fifteenths of a row
    bool accent;
};

constexpr LayoutKey kBoard[kKeySlotCount] = {
    {K::Escape, 0, 1, true},
    {K::Digit1, 0, 1, false},
    {K::Digit2, 0, 1, false},
    {K::Digit3, 0, 1, false},
    {K::Digit4, 0, 1, false},
    {K::Digit5, 0, 1, false},
    {K::Digit6, 0, 1, false},
    {K::Digit7, 0, 1, false},
    {K::Digit8, 0, 1, false},
    {K::Digit9, 0, 1, false},
    {K::Digit0, 0, 1, false},
    {K::Minus, 0, 1, false},
    {K::Equals, 0, 1, false},
    {K::Backspace, 0, 2, false},

    {K::Tab, 1, 1.5f, false},
    {K::Q, 1, 1, false},
    {K::W, 1, 1, false},
    {K::E, 1, 1, false},
    {K::R, 1, 1, false},
    {K::T, 1, 1, false},
    {K::Y, 1, 1, false},
    {K::U, 1, 1, false},
    {K::I, 1, 1, false},
    {K::O, 1, 1, false},
    {K::P, 1, 1, false},
    {K::LeftBracket, 1, 1, false},
    {K::RightBracket, 1, 1, false},
    {K::Backslash, 1, 1.5f, false},

    {K::CapsLock, 2, 1.75f, false},
    {K::A, 2, 1, false},
    {K::S, 2, 1, false},
    {K::D, 2, 1, false},
    {K::F, 2, 1, false},
    {K::G, 2, 1, false},
    {K::H, 2, 1, false},
    {K::J, 2, 1, false},
    {K::K, 2, 1, false},
    {K::L, 2, 1, false},
    {K::Semicolon, 2, 1, false},
    {K::Quote, 2, 1, false},
    {K::Enter, 2, 2.25f, true},

    {K::LeftShift, 3, 2.25f, false},
    {K::Z, 3, 1, false},
    {K::X, 3, 1, false},
    {K::C, 3, 1, false},
    {K::V, 3, 1, false},
    {K::B, 3, 1, false},
    {K::N, 3, 1, false},
    {K::M, 3, 1, false},
    {K::Comma, 3, 1, false},
    {K::Period, 3, 1, false},
    {K::Slash, 3, 1, false},
    {K::RightShift, 3, 1.75f, false},
    {K::Up, 3, 1, false},

    {K::LeftCtrl, 4, 1.25f, false},
    {K::LeftAlt, 4, 1.25f, false},
    {K::LeftWin, 4, 1.25f, false},
    {K::Space, 4, 6.25f, false},
    {K::RightWin, 4, 1, false},
    {K::RightAlt, 4, 1, false},
    {K::Left, 4, 1, false},
    {K::Down, 4, 1, false},
    {K::Right, 4, 1, false},
};

constexpr std::array<KeySlot, kKeySlotCount> BuildLayout() {
    std::array<KeySlot, kKeySlotCount> slots{};
    int32_t row = -1;
    float sum = 0.0f;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const LayoutKey& k = kBoard[i];
        if (k.row != row) {
            row = k.row;
            sum = 0.0f;
        }
        slots[i] = KeySlot{k.key, k.row, sum / 15.0f, k.units / 15.0f, k.accent};
        sum += k.units;
    }
    return slots;
}

struct AliasEntry {
    PhysicalKey key;
    PhysicalKey alias;
};

constexpr AliasEntry kAliases[] = {
    {K::Backquote, K::Escape}, {K::RightCtrl, K::RightAlt}, {K::Delete, K::Backspace},
    {K::F1, K::Digit1},        {K::F2, K::Digit2},          {K::F3, K::Digit3},
    {K::F4, K::Digit4},        {K::F5, K::Digit5},          {K::F6, K::Digit6},
    {K::F7, K::Digit7},        {K::F8, K::Digit8},          {K::F9, K::Digit9},
    {K::F10, K::Digit0},       {K::F11, K::Minus},          {K::F12, K::Equals},
};

// Badge labels indexed by key value; also the keycap legend unless overridden.
constexpr const wchar_t* kBadgeLabels[kPhysicalKeyCount] = {
    L"ESC", L"1",  L"2",   L"3",  L"4",   L"5",   L"6",   L"7",   L"8",   L"9",  L"0",   L"-",
    L"=",   L"BK", L"TAB", L"Q",  L"W",   L"E",   L"R",   L"T",   L"Y",   L"U",  L"I",   L"O",
    L"P",   L"[",  L"]",   L"\\", L"CAP", L"A",   L"S",   L"D",   L"F",   L"G",  L"H",   L"J",
    L"K",   L"L",  L";",   L"'",  L"↵",   L"⇧",   L"Z",   L"X",   L"C",   L"V",  L"B",   L"N",
    L"M",   L",",  L".",   L"/",  L"⇧",   L"↑",   L"CTL", L"ALT", L"WIN", L"␣",  L"WIN", L"ALT",
    L"Fn",  L"←",  L"↓",   L"→",  L"~",   L"CTL", L"DEL", L"F1",  L"F2",  L"F3", L"F4",  L"F5",
    L"F6",  L"F7", L"F8",  L"F9", L"F10", L"F11", L"F12", L"",
};

static_assert(kBadgeLabels[kPhysicalKeyCount - 1] != nullptr, "a label for every key value");

struct LegendEntry {
    PhysicalKey key;
    const wchar_t* legend;
};

constexpr LegendEntry kCapLegends[] = {
    {K::Escape, L"ESC"},     {K::Backspace, L"⌫"}, {K::Tab, L"⇥"},        {K::CapsLock, L"⇪"},
    {K::Enter, L"↵"},        {K::LeftShift, L"⇧"}, {K::RightShift, L"⇧"}, {K::LeftCtrl, L"Ctrl"},
    {K::RightCtrl, L"Ctrl"}, {K::LeftAlt, L"Alt"}, {K::RightAlt, L"Alt"}, {K::LeftWin, L"Win"},
    {K::RightWin, L"Win"},   {K::Space, L""},
};

bool IsValidKey(PhysicalKey key) {
    const auto value = static_cast<int32_t>(key);
    return value >= 0 && value < kPhysicalKeyCount;
}

}  // namespace

const std::array<KeySlot, kKeySlotCount>& KeyLayout() {
    static constexpr std::array<KeySlot, kKeySlotCount> layout = BuildLayout();
    return layout;
}

const std::unordered_map<PhysicalKey, KeySlot>& KeySlotIndex() {
    static const std::unordered_map<PhysicalKey, KeySlot> index = [] {
        std::unordered_map<PhysicalKey, KeySlot> map;
        for (const KeySlot& slot : KeyLayout()) map.emplace(slot.key, slot);
        return map;
    }();
    return index;
}

const KeySlot* FindKeySlot(PhysicalKey key) {
    const auto& index = KeySlotIndex();
    const auto it = index.find(key);
    return it == index.end() ? nullptr : &it->second;
}

Vec2 KeyboardPoint(float u, float v) {
    const double nearX = 109.0 + 172.0 * u;
    const double farX = 103.0 + 183.0 * u;
    const double nearY = 238.0 + 9.0 * u;
    const double farY = 282.0 + 10.0 * u;
    return Vec2{static_cast<float>(nearX + (farX - nearX) * v),
                static_cast<float>(nearY + (farY - nearY) * v)};
}

PhysicalKey KeyAlias(PhysicalKey key) {
    for (const AliasEntry& e : kAliases) {
        if (e.key == key) return e.alias;
    }
    return key;
}

Vec2 KeyCenter(PhysicalKey key) {
    const KeySlot* slot = FindKeySlot(KeyAlias(key));
    if (slot == nullptr) return KeyboardPoint(0.5f, 0.5f);
    return KeyboardPoint(1.0f - (slot->x + slot->width / 2.0f),
                         1.0f - (static_cast<float>(slot->row) + 0.5f) / 5.0f);
}

std::wstring_view KeyCapLegend(PhysicalKey key) {
    for (const LegendEntry& e : kCapLegends) {
        if (e.key == key) return e.legend;
    }
    return KeyBadgeLabel(key);
}

std::wstring_view KeyBadgeLabel(PhysicalKey key) {
    if (!IsValidKey(key)) return L"";
    return kBadgeLabels[static_cast<int32_t>(key)];
}
