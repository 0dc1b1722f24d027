#include "settings/settings_rules.h"

#include "settings_printer.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Store = std::map<std::string, RegistryValue, std::less<>>;

RegistryValue Dword(std::uint32_t v) {
    return {RegistryType::Dword,
            {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
             static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)}};
}

RegistryValue Bytes(RegistryType type, std::vector<std::uint8_t> data) {
    return {type, std::move(data)};
}

// UTF-16 string data as the registry stores it, optionally without terminator.
RegistryValue Text(const std::string& text, bool terminated = true,
                   RegistryType type = RegistryType::String) {
    RegistryValue v{type, {}};
    for (char c : text) {
        v.data.push_back(static_cast<std::uint8_t>(c));
        v.data.push_back(0);
    }
    if (terminated) {
        v.data.push_back(0);
        v.data.push_back(0);
    }
    return v;
}

RegistryReader ReaderOf(const Store& store) {
    return [&store](std::string_view name) -> std::optional<RegistryValue> {
        auto it = store.find(name);
        if (it == store.end()) return std::nullopt;
        return it->second;
    };
}

Settings Loaded(const Store& store) {
    Settings s;
    ApplyStoredSettings(s, ReaderOf(store));
    return s;
}

Settings With(void (*change)(Settings&)) {
    Settings s;
    change(s);
    return s;
}

TEST(SettingsLoadTest, NothingStoredGivesFirstRunDefaults) {
    const Settings s = Loaded({});
    EXPECT_TRUE(s.ShowKeyBadges && s.ShowMouseBadges && s.ShowKeyLegends);
    EXPECT_TRUE(s.FootEasterEgg && s.TailEasterEgg && s.KeyboardMarquee);
    EXPECT_TRUE(s.WhiteOutline && s.EnableAnger && s.PetInteraction && s.AlwaysOnTop);
    EXPECT_FALSE(s.LanguageEnglish || s.OBSHideDesktop || s.AutoHideFullscreen ||
                 s.FlipHorizontal || s.FullClickThrough || s.RunAsAdmin || s.editMode);
    EXPECT_EQ(s.Scale, 1.0f);
    EXPECT_EQ(s.RotationDegrees, 0.0f);
    EXPECT_EQ(s.OBSCaptureMode, CaptureMode::Off);
    EXPECT_EQ(s.TabletMode + s.CoatTheme + s.KeyboardTheme + s.EyeTheme, 0);
    EXPECT_TRUE(s.CustomSkin.empty() && s.CustomKeyboard.empty());
    EXPECT_EQ(s.PosX, -99999);
    EXPECT_EQ(s.PosY, -99999);
}

struct LoadCase {
    const char* what;
    Store stored;
    Settings expected;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.what;
}

class SettingsLoadCaseTest : public testing::TestWithParam<LoadCase> {};

TEST_P(SettingsLoadCaseTest, ConvertsAndClamps) {
    EXPECT_EQ(Loaded(GetParam().stored), GetParam().expected) << GetParam().what;
}

const std::string kId = "0123456789abcdef";

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsLoadCaseTest,
    testing::Values(
        // Scale: percent, read unsigned, clamped to 0.5..2.0.
        LoadCase{"scale 30", {{"ScalePct", Dword(30)}}, With([](Settings& s) { s.Scale = 0.5f; })},
        LoadCase{
            "scale 300", {{"ScalePct", Dword(300)}}, With([](Settings& s) { s.Scale = 2.0f; })},
        LoadCase{"scale all bits", {{"ScalePct", Dword(4294967295u)}}, With([](Settings& s) {
                     s.Scale = 2.0f;
                 })},
        LoadCase{
            "scale 125", {{"ScalePct", Dword(125)}}, With([](Settings& s) { s.Scale = 1.25f; })},
        // Rotation: signed tenths, clamped to -180..180.
        LoadCase{"rotation -2000",
                 {{"RotationTenths", Dword(static_cast<std::uint32_t>(-2000))}},
                 With([](Settings& s) { s.RotationDegrees = -180.0f; })},
        LoadCase{"rotation -455",
                 {{"RotationTenths", Dword(static_cast<std::uint32_t>(-455))}},
                 With([](Settings& s) { s.RotationDegrees = -45.5f; })},
        LoadCase{"rotation 1801", {{"RotationTenths", Dword(1801)}}, With([](Settings& s) {
                     s.RotationDegrees = 180.0f;
                 })},
        // Integers clamp into their ranges.
        LoadCase{"capture mode 7", {{"OBSCaptureMode", Dword(7)}}, With([](Settings& s) {
                     s.OBSCaptureMode = CaptureMode::GreenScreen;
                 })},
        LoadCase{"eye theme -1", {{"EyeTheme", Dword(0xFFFFFFFFu)}}, Settings{}},
        LoadCase{
            "eye theme 6", {{"EyeTheme", Dword(6)}}, With([](Settings& s) { s.EyeTheme = 6; })},
        LoadCase{
            "coat theme 9", {{"CoatTheme", Dword(9)}}, With([](Settings& s) { s.CoatTheme = 5; })},
        LoadCase{"keyboard theme 3, tablet 2",
                 {{"KeyboardTheme", Dword(3)}, {"TabletMode", Dword(2)}},
                 With([](Settings& s) {
                     s.KeyboardTheme = 2;
                     s.TabletMode = 2;
                 })},
        // Bools: present and non-zero is true, present and 0 is false.
        LoadCase{
            "bools",
            {{"ShowKeyBadges", Dword(0)}, {"LanguageEnglish", Dword(5)}, {"AlwaysOnTop", Dword(0)}},
            With([](Settings& s) {
                s.ShowKeyBadges = false;
                s.LanguageEnglish = true;
                s.AlwaysOnTop = false;
            })},
        // Numbers of the wrong type or size count as missing.
        LoadCase{"binary 4 bytes",
                 {{"ShowKeyBadges", Bytes(RegistryType::Binary, {0, 0, 0, 0})}},
                 Settings{}},
        LoadCase{"dword of 2 bytes",
                 {{"ShowKeyLegends", Bytes(RegistryType::Dword, {0, 0})}},
                 Settings{}},
        LoadCase{"dword of 1 byte", {{"CoatTheme", Bytes(RegistryType::Dword, {3})}}, Settings{}},
        LoadCase{"qword",
                 {{"ScalePct", Bytes(RegistryType::Qword, {150, 0, 0, 0, 0, 0, 0, 0})}},
                 Settings{}},
        LoadCase{"string number", {{"WhiteOutline", Text("0")}}, Settings{}},
        // Identifiers.
        LoadCase{"id", {{"CustomSkin", Text(kId)}}, With([](Settings& s) { s.CustomSkin = kId; })},
        LoadCase{"id upper case", {{"CustomSkin", Text("0123456789aBcdef")}}, Settings{}},
        LoadCase{"id of 15", {{"CustomSkin", Text("0123456789abcde")}}, Settings{}},
        LoadCase{"id of 20",
                 {{"CustomKeyboard", Text("0123456789abcdef0123")}},
                 With([](Settings& s) { s.CustomKeyboard = kId; })},
        LoadCase{"junk after 16th", {{"CustomSkin", Text(kId + "XYZ!")}}, With([](Settings& s) {
                     s.CustomSkin = kId;
                 })},
        LoadCase{"junk inside", {{"CustomSkin", Text("0123456789ab def")}}, Settings{}},
        LoadCase{"no terminator", {{"CustomSkin", Text(kId, false)}}, With([](Settings& s) {
                     s.CustomSkin = kId;
                 })},
        LoadCase{"30 characters fit",
                 {{"CustomSkin", Text(kId + "00000000000000")}},
                 With([](Settings& s) { s.CustomSkin = kId; })},
        LoadCase{
            "31 characters do not", {{"CustomSkin", Text(kId + "000000000000000")}}, Settings{}},
        LoadCase{"dword id", {{"CustomSkin", Dword(0x30303030)}}, Settings{}},
        LoadCase{"expandable string id",
                 {{"CustomSkin", Text(kId, true, RegistryType::ExpandString)}},
                 Settings{}},
        LoadCase{"empty id", {{"CustomKeyboard", Text("")}}, Settings{}},
        // Position.
        LoadCase{"position without HasPos", {{"PosX", Dword(10)}, {"PosY", Dword(20)}}, Settings{}},
        LoadCase{"HasPos 0",
                 {{"HasPos", Dword(0)}, {"PosX", Dword(10)}, {"PosY", Dword(20)}},
                 Settings{}},
        LoadCase{"HasPos without PosY",
                 {{"HasPos", Dword(1)}, {"PosX", Dword(10)}},
                 With([](Settings& s) {
                     s.PosX = 10;
                     s.PosY = 0;
                 })},
        LoadCase{"negative position",
                 {{"HasPos", Dword(1)},
                  {"PosX", Dword(static_cast<std::uint32_t>(-1500))},
                  {"PosY", Dword(300)}},
                 With([](Settings& s) {
                     s.PosX = -1500;
                     s.PosY = 300;
                 })},
        LoadCase{"binary PosX",
                 {{"HasPos", Dword(1)},
                  {"PosX", Bytes(RegistryType::Binary, {10, 0, 0, 0})},
                  {"PosY", Dword(20)}},
                 With([](Settings& s) {
                     s.PosX = 0;
                     s.PosY = 20;
                 })}));

std::optional<RegistryValue> Written(const std::vector<RegistryWrite>& writes,
                                     std::string_view name) {
    for (const RegistryWrite& w : writes)
        if (w.name == name) return w.value;
    return std::nullopt;
}

struct SaveCase {
    const char* what;
    Settings settings;
    const char* name;
    std::uint32_t expected;
};

void PrintTo(const SaveCase& c, std::ostream* os) {
    *os << c.what;
}

class SettingsSaveCaseTest : public testing::TestWithParam<SaveCase> {};

TEST_P(SettingsSaveCaseTest, WritesDword) {
    const SaveCase& c = GetParam();
    const auto value = Written(SettingsWrites(c.settings), c.name);
    ASSERT_TRUE(value) << c.what;
    EXPECT_EQ(value->type, RegistryType::Dword) << c.what;
    EXPECT_EQ(StoredDword(value), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsSaveCaseTest,
    testing::Values(
        SaveCase{"scale 1.25", With([](Settings& s) { s.Scale = 1.25f; }), "ScalePct", 125},
        SaveCase{"scale 2.5 unchanged", With([](Settings& s) { s.Scale = 2.5f; }), "ScalePct", 250},
        SaveCase{"scale 0.45 unchanged", With([](Settings& s) { s.Scale = 0.45f; }), "ScalePct",
                 45},
        SaveCase{"rotation -45.55", With([](Settings& s) { s.RotationDegrees = -45.55f; }),
                 "RotationTenths", static_cast<std::uint32_t>(-456)},
        SaveCase{"rotation 12.25", With([](Settings& s) { s.RotationDegrees = 12.25f; }),
                 "RotationTenths", 123},
        SaveCase{"rotation beyond 180", With([](Settings& s) { s.RotationDegrees = 200.0f; }),
                 "RotationTenths", 1800},
        SaveCase{"true", Settings{}, "AlwaysOnTop", 1},
        SaveCase{"false", Settings{}, "RunAsAdmin", 0},
        SaveCase{"theme", With([](Settings& s) { s.EyeTheme = 4; }), "EyeTheme", 4},
        SaveCase{"position", With([](Settings& s) {
                     s.PosX = -20;
                     s.PosY = 700;
                 }),
                 "PosX", static_cast<std::uint32_t>(-20)},
        SaveCase{"has position", With([](Settings& s) {
                     s.PosX = 0;
                     s.PosY = 0;
                 }),
                 "HasPos", 1}));

std::vector<std::string> NamesOf(const std::vector<RegistryWrite>& writes) {
    std::vector<std::string> names;
    for (const RegistryWrite& w : writes) names.emplace_back(w.name);
    return names;
}

TEST(SettingsSaveTest, WritesEveryValueInOrderAndPositionOnlyWhenSet) {
    const std::vector<std::string> fields = {
        "ShowKeyBadges",      "ShowMouseBadges", "ShowKeyLegends",  "FootEasterEgg",
        "TailEasterEgg",      "KeyboardMarquee", "OBSCaptureMode",  "OBSHideDesktop",
        "AutoHideFullscreen", "TabletMode",      "FlipHorizontal",  "RotationTenths",
        "WhiteOutline",       "EnableAnger",     "LanguageEnglish", "PetInteraction",
        "FullClickThrough",   "AlwaysOnTop",     "RunAsAdmin",      "ScalePct",
        "CoatTheme",          "KeyboardTheme",   "EyeTheme",        "CustomSkin",
        "CustomKeyboard"};
    std::vector<std::string> withPosition = fields;
    withPosition.insert(withPosition.end(), {"HasPos", "PosX", "PosY"});

    Settings s;
    EXPECT_EQ(NamesOf(SettingsWrites(s)), fields);
    s.PosX = 5;
    EXPECT_EQ(NamesOf(SettingsWrites(s)), fields) << "PosY still unset";
    s.PosX = kUnsetPosition;
    s.PosY = 5;
    EXPECT_EQ(NamesOf(SettingsWrites(s)), fields) << "PosX still unset";
    s.PosX = 5;
    EXPECT_EQ(NamesOf(SettingsWrites(s)), withPosition);
}

TEST(SettingsSaveTest, IdentifiersAreTerminatedUtf16Strings) {
    Settings s;
    s.CustomSkin = "00ff";
    const auto skin = Written(SettingsWrites(s), "CustomSkin");
    ASSERT_TRUE(skin);
    EXPECT_EQ(skin->type, RegistryType::String);
    EXPECT_EQ(skin->data, (std::vector<std::uint8_t>{'0', 0, '0', 0, 'f', 0, 'f', 0, 0, 0}));
    const auto keyboard = Written(SettingsWrites(s), "CustomKeyboard");
    ASSERT_TRUE(keyboard);
    EXPECT_EQ(keyboard->data, (std::vector<std::uint8_t>{0, 0}));
}

TEST(SettingsSaveTest, SavedValuesLoadBackUnchanged) {
    const Settings s = SettingsWithFieldsChanged();
    Store store;
    for (const RegistryWrite& w : SettingsWrites(s)) store[std::string(w.name)] = w.value;
    EXPECT_EQ(Loaded(store), s);
}

TEST(SettingTextTest, SetsOneFieldAsTheStoreLoadsIt) {
    struct Case {
        const char* name;
        const char* text;
        void (*expect)(Settings&);
    };
    const Case cases[] = {
        {"WhiteOutline", "0", [](Settings& s) { s.WhiteOutline = false; }},
        {"EnableAnger", "7", [](Settings& s) { s.EnableAnger = true; }},
        {"CoatTheme", "3", [](Settings& s) { s.CoatTheme = 3; }},
        {"CoatTheme", "99", [](Settings& s) { s.CoatTheme = 5; }},  // clamped as on loading
        {"CoatTheme", "-1", [](Settings& s) { s.CoatTheme = 0; }},
        {"RotationTenths", "-455", [](Settings& s) { s.RotationDegrees = -45.5f; }},
        {"ScalePct", "150", [](Settings& s) { s.Scale = 1.5f; }},
        {"ScalePct", "4294967295", [](Settings& s) { s.Scale = 2.0f; }},
        {"CustomSkin", "0123456789abcdef", [](Settings& s) { s.CustomSkin = "0123456789abcdef"; }},
        {"CustomSkin", "", [](Settings& s) { s.CustomSkin = ""; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "=" + c.text);
        Settings s;
        s.CustomSkin = "fedcba9876543210";
        Settings expected = s;
        c.expect(expected);
        std::string error;
        EXPECT_TRUE(ApplySettingText(s, c.name, c.text, error)) << error;
        EXPECT_EQ(s, expected);
    }
}

TEST(SettingTextTest, RefusesUnknownNamesAndValuesTheStoreCannotHold) {
    struct Case {
        const char* name;
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"Whiteoutline", "0", "unknown setting Whiteoutline"},
        {"PosX", "10", "unknown setting PosX"},
        {"EnableAnger", "yes", "EnableAnger takes a whole number, not \"yes\""},
        {"CoatTheme", "", "CoatTheme takes a whole number, not \"\""},
        {"ScalePct", "1.5", "ScalePct takes a whole number, not \"1.5\""},
        {"ScalePct", "4294967296", "ScalePct takes a whole number, not \"4294967296\""},
        {"CustomSkin", "0123456789ABCDEF", "CustomSkin takes 16 characters 0-9 a-f, or nothing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "=" + c.text);
        Settings s;
        std::string error;
        EXPECT_FALSE(ApplySettingText(s, c.name, c.text, error));
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(s, Settings{});
    }
}

}  // namespace

TEST(SettingsLoadTest, OnlyAMissingKeyIsAFirstRun) {
    struct Case {
        long error;
        SettingsLoad expected;
    };
    const Case cases[] = {
        {0, SettingsLoad::Loaded},         // opened
        {2, SettingsLoad::NoKey},          // ERROR_FILE_NOT_FOUND
        {5, SettingsLoad::Unreadable},     // ERROR_ACCESS_DENIED
        {1450, SettingsLoad::Unreadable},  // ERROR_NO_SYSTEM_RESOURCES
        {1009, SettingsLoad::Unreadable},  // ERROR_BADDB
    };
    for (const Case& c : cases) EXPECT_EQ(SettingsLoadForOpenError(c.error), c.expected) << c.error;
}
