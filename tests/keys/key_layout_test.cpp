#include "keys/key_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "physical_key_printer.h"

namespace {

using K = PhysicalKey;

constexpr float kTolerance = 0.002f;

TEST(KeyLayoutTest, RowsFillTheBoardWithoutGapsOrOverlap) {
    const auto& layout = KeyLayout();
    std::map<int32_t, float> rowEnd;
    std::map<int32_t, int> rowCount;
    int32_t lastRow = 0;
    for (const KeySlot& slot : layout) {
        ASSERT_GE(slot.row, lastRow) << "rows are listed in order";
        lastRow = slot.row;
        EXPECT_NEAR(slot.x, rowEnd[slot.row], 1e-5f) << static_cast<int>(slot.key);
        EXPECT_GT(slot.width, 0.0f);
        rowEnd[slot.row] = slot.x + slot.width;
        ++rowCount[slot.row];
    }
    ASSERT_EQ(rowEnd.size(), 5u);
    for (const auto& [row, end] : rowEnd) EXPECT_NEAR(end, 1.0f, 1e-5f) << row;
    EXPECT_EQ(rowCount[0], 14);
    EXPECT_EQ(rowCount[1], 14);
    EXPECT_EQ(rowCount[2], 13);
    EXPECT_EQ(rowCount[3], 13);
    EXPECT_EQ(rowCount[4], 9);
}

TEST(KeyLayoutTest, EveryKeyWithAKeycapHasExactlyOneSlot) {
    std::map<K, int> seen;
    for (const KeySlot& slot : KeyLayout()) ++seen[slot.key];
    for (int32_t value = 0; value < kPhysicalKeyCount; ++value) {
        const auto key = static_cast<K>(value);
        const bool hasCap = value <= 59 || (value >= 61 && value <= 63);
        EXPECT_EQ(seen[key], hasCap ? 1 : 0) << value;
        EXPECT_EQ(FindKeySlot(key) != nullptr, hasCap) << value;
    }
    EXPECT_EQ(KeySlotIndex().size(), 63u);
}

TEST(KeyLayoutTest, SlotWidthsAndAccents) {
    struct Case {
        K key;
        int32_t row;
        float units;
        float startUnits;
        bool accent;
    };
    const Case cases[] = {
        {K::Escape, 0, 1, 0, true},         {K::Backspace, 0, 2, 13, false},
        {K::Tab, 1, 1.5f, 0, false},        {K::Backslash, 1, 1.5f, 13.5f, false},
        {K::CapsLock, 2, 1.75f, 0, false},  {K::Enter, 2, 2.25f, 12.75f, true},
        {K::LeftShift, 3, 2.25f, 0, false}, {K::RightShift, 3, 1.75f, 12.25f, false},
        {K::Up, 3, 1, 14, false},           {K::Space, 4, 6.25f, 3.75f, false},
        {K::RightAlt, 4, 1, 11, false},     {K::Right, 4, 1, 14, false},
    };
    for (const Case& c : cases) {
        const KeySlot* slot = FindKeySlot(c.key);
        ASSERT_NE(slot, nullptr) << static_cast<int>(c.key);
        EXPECT_EQ(slot->row, c.row) << static_cast<int>(c.key);
        EXPECT_NEAR(slot->width * 15.0f, c.units, 1e-4f) << static_cast<int>(c.key);
        EXPECT_NEAR(slot->x * 15.0f, c.startUnits, 1e-4f) << static_cast<int>(c.key);
        EXPECT_EQ(slot->accent, c.accent) << static_cast<int>(c.key);
    }
    int accents = 0;
    for (const KeySlot& slot : KeyLayout()) accents += slot.accent ? 1 : 0;
    EXPECT_EQ(accents, 2);
}

TEST(KeyLayoutTest, KeyboardPointCorners) {
    struct Case {
        float u, v, x, y;
    };
    const Case cases[] = {
        {0, 0, 109, 238},
        {1, 0, 281, 247},
        {0, 1, 103, 282},
        {1, 1, 286, 292},
        {0.5f, 0.5f, 194.75f, 264.75f},
    };
    for (const Case& c : cases) {
        const Vec2 p = KeyboardPoint(c.u, c.v);
        EXPECT_NEAR(p.x, c.x, kTolerance) << c.u << "," << c.v;
        EXPECT_NEAR(p.y, c.y, kTolerance) << c.u << "," << c.v;
    }
}

TEST(KeyLayoutTest, KeyCenters) {
    struct Case {
        int32_t key;
        float x, y;
    };
    const Case cases[] = {
        {0, 279.437f, 287.170f},   // Escape, lower right
        {57, 202.162f, 247.329f},  // Space
        {40, 119.312f, 260.712f},  // Enter
        {63, 114.170f, 242.703f},  // Right
        {60, 194.75f, 264.75f},    // Fn has no slot
        {79, 194.75f, 264.75f},    // None
        {-1, 194.75f, 264.75f},    // outside the enumeration
        {200, 194.75f, 264.75f},
    };
    for (const Case& c : cases) {
        const Vec2 p = KeyCenter(static_cast<K>(c.key));
        EXPECT_NEAR(p.x, c.x, kTolerance) << c.key;
        EXPECT_NEAR(p.y, c.y, kTolerance) << c.key;
    }
}

TEST(KeyLayoutTest, KeysWithoutSlotBorrowTheirAliasCentre) {
    struct Case {
        K key;
        K alias;
    };
    const Case cases[] = {
        {K::Backquote, K::Escape},
        {K::RightCtrl, K::RightAlt},
        {K::Delete, K::Backspace},
        {K::F1, K::Digit1},
        {K::F5, K::Digit5},
        {K::F9, K::Digit9},
        {K::F10, K::Digit0},
        {K::F11, K::Minus},
        {K::F12, K::Equals},
        {K::A, K::A},
        {K::Fn, K::Fn},
        {K::None, K::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyAlias(c.key), c.alias) << static_cast<int>(c.key);
        const Vec2 a = KeyCenter(c.key);
        const Vec2 b = KeyCenter(c.alias);
        EXPECT_EQ(a.x, b.x) << static_cast<int>(c.key);
        EXPECT_EQ(a.y, b.y) << static_cast<int>(c.key);
    }
    // An alias must land on a real slot, or the paw would aim at the board's centre.
    for (int32_t value = 64; value <= 78; ++value) {
        EXPECT_NE(FindKeySlot(KeyAlias(static_cast<K>(value))), nullptr) << value;
    }
}

TEST(KeyLayoutTest, LegendsAndBadgeLabels) {
    struct Case {
        int32_t key;
        const wchar_t* legend;
        const wchar_t* label;
    };
    const Case cases[] = {
        {0, L"ESC", L"ESC"},  {1, L"1", L"1"},       {10, L"0", L"0"},      {11, L"-", L"-"},
        {12, L"=", L"="},     {13, L"⌫", L"BK"},     {14, L"⇥", L"TAB"},    {15, L"Q", L"Q"},
        {24, L"P", L"P"},     {25, L"[", L"["},      {26, L"]", L"]"},      {27, L"\\", L"\\"},
        {28, L"⇪", L"CAP"},   {29, L"A", L"A"},      {37, L"L", L"L"},      {38, L";", L";"},
        {39, L"'", L"'"},     {40, L"↵", L"↵"},      {41, L"⇧", L"⇧"},      {42, L"Z", L"Z"},
        {48, L"M", L"M"},     {49, L",", L","},      {50, L".", L"."},      {51, L"/", L"/"},
        {52, L"⇧", L"⇧"},     {53, L"↑", L"↑"},      {54, L"Ctrl", L"CTL"}, {55, L"Alt", L"ALT"},
        {56, L"Win", L"WIN"}, {57, L"", L"␣"},       {58, L"Win", L"WIN"},  {59, L"Alt", L"ALT"},
        {60, L"Fn", L"Fn"},   {61, L"←", L"←"},      {62, L"↓", L"↓"},      {63, L"→", L"→"},
        {64, L"~", L"~"},     {65, L"Ctrl", L"CTL"}, {66, L"DEL", L"DEL"},  {67, L"F1", L"F1"},
        {76, L"F10", L"F10"}, {78, L"F12", L"F12"},  {79, L"", L""},        {80, L"", L""},
        {-5, L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCapLegend(static_cast<K>(c.key)), std::wstring_view(c.legend)) << c.key;
        EXPECT_EQ(KeyBadgeLabel(static_cast<K>(c.key)), std::wstring_view(c.label)) << c.key;
    }
    // Symbol legends are one UTF-16 unit; the drawer sizes them by length.
    EXPECT_EQ(KeyCapLegend(K::Backspace).size(), 1u);
    EXPECT_EQ(KeyBadgeLabel(K::Space).size(), 1u);
}

TEST(KeyLayoutTest, EveryKnownKeyHasABadge) {
    for (int32_t value = 0; value < 79; ++value) {
        EXPECT_FALSE(KeyBadgeLabel(static_cast<K>(value)).empty()) << value;
    }
}

}  // namespace
