#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

// Registry value types, numbered as the registry numbers them.
enum class RegistryType : std::uint32_t {
    None = 0,
    String = 1,
    ExpandString = 2,
    Binary = 3,
    Dword = 4,
    DwordBigEndian = 5,
    MultiString = 7,
    Qword = 11,
};

// One value as the registry holds it: its type and its bytes.
struct RegistryValue {
    RegistryType type = RegistryType::None;
    std::vector<std::uint8_t> data;
};

// Looks up one value by name; empty when it does not exist or could not be read.
using RegistryReader = std::function<std::optional<RegistryValue>(std::string_view name)>;

// One value to write, in the order SaveSettings writes them.
struct RegistryWrite {
    std::string_view name;
    RegistryValue value;
};

// How a field is kept in the registry.
enum class StoredForm {
    Flag,        // DWORD 0 or 1
    Number,      // DWORD, signed, clamped to 0..maximum on loading
    Tenths,      // RotationDegrees as tenths of a degree
    Percent,     // Scale as percent, read unsigned
    Identifier,  // skin identifier as a string
    Capture,     // CaptureMode as its DWORD number, clamped like Number
};

struct StoredSetting {
    std::string_view name;
    StoredForm form = StoredForm::Flag;
    bool Settings::*flag = nullptr;
    std::int32_t Settings::*number = nullptr;
    std::int32_t maximum = 0;
    float Settings::*real = nullptr;
    std::string Settings::*text = nullptr;
    CaptureMode Settings::*capture = nullptr;
};

namespace stored_setting {
constexpr StoredSetting Flag(std::string_view name, bool Settings::*field) {
    return {.name = name, .form = StoredForm::Flag, .flag = field};
}
constexpr StoredSetting Number(std::string_view name, std::int32_t Settings::*field,
                               std::int32_t maximum) {
    return {.name = name, .form = StoredForm::Number, .number = field, .maximum = maximum};
}
constexpr StoredSetting Real(std::string_view name, StoredForm form, float Settings::*field) {
    return {.name = name, .form = form, .real = field};
}
constexpr StoredSetting Text(std::string_view name, std::string Settings::*field) {
    return {.name = name, .form = StoredForm::Identifier, .text = field};
}
constexpr StoredSetting Capture(std::string_view name, CaptureMode Settings::*field,
                                CaptureMode last) {
    return {.name = name,
            .form = StoredForm::Capture,
            .maximum = static_cast<std::int32_t>(last),
            .capture = field};
}
}  // namespace stored_setting

// Every stored field in record order, which is also the order of writing.
// The position follows them, written only when one is set.
inline constexpr std::array<StoredSetting, 25> kStoredSettings = {
    stored_setting::Flag("ShowKeyBadges", &Settings::ShowKeyBadges),
    stored_setting::Flag("ShowMouseBadges", &Settings::ShowMouseBadges),
    stored_setting::Flag("ShowKeyLegends", &Settings::ShowKeyLegends),
    stored_setting::Flag("FootEasterEgg", &Settings::FootEasterEgg),
    stored_setting::Flag("TailEasterEgg", &Settings::TailEasterEgg),
    stored_setting::Flag("KeyboardMarquee", &Settings::KeyboardMarquee),
    stored_setting::Capture("OBSCaptureMode", &Settings::OBSCaptureMode, CaptureMode::GreenScreen),
    stored_setting::Flag("OBSHideDesktop", &Settings::OBSHideDesktop),
    stored_setting::Flag("AutoHideFullscreen", &Settings::AutoHideFullscreen),
    stored_setting::Number("TabletMode", &Settings::TabletMode, 2),
    stored_setting::Flag("FlipHorizontal", &Settings::FlipHorizontal),
    stored_setting::Real("RotationTenths", StoredForm::Tenths, &Settings::RotationDegrees),
    stored_setting::Flag("WhiteOutline", &Settings::WhiteOutline),
    stored_setting::Flag("EnableAnger", &Settings::EnableAnger),
    stored_setting::Flag("LanguageEnglish", &Settings::LanguageEnglish),
    stored_setting::Flag("PetInteraction", &Settings::PetInteraction),
    stored_setting::Flag("FullClickThrough", &Settings::FullClickThrough),
    stored_setting::Flag("AlwaysOnTop", &Settings::AlwaysOnTop),
    stored_setting::Flag("RunAsAdmin", &Settings::RunAsAdmin),
    stored_setting::Real("ScalePct", StoredForm::Percent, &Settings::Scale),
    stored_setting::Number("CoatTheme", &Settings::CoatTheme, 5),
    stored_setting::Number("KeyboardTheme", &Settings::KeyboardTheme, 2),
    stored_setting::Number("EyeTheme", &Settings::EyeTheme, 6),
    stored_setting::Text("CustomSkin", &Settings::CustomSkin),
    stored_setting::Text("CustomKeyboard", &Settings::CustomKeyboard),
};

inline constexpr std::string_view kHasPosName = "HasPos";
inline constexpr std::string_view kPosXName = "PosX";
inline constexpr std::string_view kPosYName = "PosY";

// Largest string value an identifier is read from: 30 characters and the
// terminator in UTF-16.
inline constexpr std::size_t kIdentifierValueBytes = 62;

// A numeric value counts only as a DWORD of exactly four bytes; any other
// type or size is treated as missing rather than half-read.
std::optional<std::uint32_t> StoredDword(const std::optional<RegistryValue>& value);

// The identifier held by a string value: exactly its first 16 characters when
// they are all 0-9 or a-f, otherwise empty.
std::string StoredIdentifier(const std::optional<RegistryValue>& value);

// Fills the record from stored values, clamping each to its range. Fields
// whose values are missing keep their defaults.
void ApplyStoredSettings(Settings& settings, const RegistryReader& read);

// Everything SaveSettings writes, in order.
std::vector<RegistryWrite> SettingsWrites(const Settings& settings);

// Sets the field stored under `name` from text as if the registry held it: a whole number for
// the numeric values (a DWORD, clamped as loading clamps it), the identifier text for the skin
// values. False, with a message and the record unchanged, for an unknown name or a value the
// registry value could not hold.
bool ApplySettingText(Settings& settings, std::string_view name, std::string_view text,
                      std::string& error);

// What loading found: no key yet (a first run), the values read, or a key that exists but
// could not be opened (access denied, a passing registry failure). After an unreadable key
// the program runs on the defaults and must not write them over the user's settings.
enum class SettingsLoad { Loaded, NoKey, Unreadable };

// Registry error codes that tell the cases apart.
inline constexpr long kRegistrySuccess = 0;
inline constexpr long kRegistryFileNotFound = 2;

// The outcome of opening the key for reading, from the error of the open.
SettingsLoad SettingsLoadForOpenError(long error);

// The stored forms of rotation and scale.
std::int32_t RotationTenthsFor(float degrees);
std::uint32_t ScalePctFor(float scale);
