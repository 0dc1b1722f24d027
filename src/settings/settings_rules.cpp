#include "settings/settings_rules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr std::size_t kIdentifierLength = 16;

bool IsIdentifierChar(std::uint32_t unit) {
    return (unit >= '0' && unit <= '9') || (unit >= 'a' && unit <= 'f');
}

std::int32_t AsSigned(std::uint32_t bits) {
    return static_cast<std::int32_t>(bits);
}

RegistryValue DwordValue(std::uint32_t bits) {
    return {RegistryType::Dword,
            {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
             static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)}};
}

// Each byte becomes one UTF-16 unit; the terminator is part of the data.
RegistryValue StringValue(const std::string& text) {
    RegistryValue value{RegistryType::String, {}};
    value.data.reserve((text.size() + 1) * 2);
    for (char c : text) {
        value.data.push_back(static_cast<std::uint8_t>(c));
        value.data.push_back(0);
    }
    value.data.push_back(0);
    value.data.push_back(0);
    return value;
}

void LoadOne(Settings& settings, const StoredSetting& field,
             const std::optional<RegistryValue>& raw) {
    const std::optional<std::uint32_t> dword = StoredDword(raw);
    switch (field.form) {
        case StoredForm::Flag:
            if (dword) settings.*field.flag = *dword != 0;
            break;
        case StoredForm::Number:
            settings.*field.number = std::clamp(AsSigned(dword.value_or(0)), 0, field.maximum);
            break;
        case StoredForm::Tenths:
            settings.*field.real =
                static_cast<float>(std::clamp(AsSigned(dword.value_or(0)) / 10.0, -180.0, 180.0));
            break;
        case StoredForm::Percent:
            settings.*field.real =
                static_cast<float>(std::clamp(dword.value_or(100) / 100.0, 0.5, 2.0));
            break;
        case StoredForm::Identifier:
            settings.*field.text = StoredIdentifier(raw);
            break;
        case StoredForm::Capture:
            settings.*field.capture =
                static_cast<CaptureMode>(std::clamp(AsSigned(dword.value_or(0)), 0, field.maximum));
            break;
    }
}

RegistryValue SaveOne(const Settings& settings, const StoredSetting& field) {
    switch (field.form) {
        case StoredForm::Flag:
            return DwordValue(settings.*field.flag ? 1u : 0u);
        case StoredForm::Number:
            return DwordValue(static_cast<std::uint32_t>(settings.*field.number));
        case StoredForm::Tenths:
            return DwordValue(static_cast<std::uint32_t>(RotationTenthsFor(settings.*field.real)));
        case StoredForm::Percent:
            return DwordValue(ScalePctFor(settings.*field.real));
        case StoredForm::Identifier:
            return StringValue(settings.*field.text);
        case StoredForm::Capture:
            return DwordValue(static_cast<std::uint32_t>(settings.*field.capture));
    }
    return {};
}

}  // namespace

std::optional<std::uint32_t> StoredDword(const std::optional<RegistryValue>& value) {
    if (!value || value->type != RegistryType::Dword || value->data.size() != 4)
        return std::nullopt;
    const auto& d = value->data;
    return static_cast<std::uint32_t>(d[0]) | (static_cast<std::uint32_t>(d[1]) << 8) |
           (static_cast<std::uint32_t>(d[2]) << 16) | (static_cast<std::uint32_t>(d[3]) << 24);
}

std::string StoredIdentifier(const std::optional<RegistryValue>& value) {
    if (!value || value->type != RegistryType::String || value->data.size() > kIdentifierValueBytes)
        return {};
    std::string id;
    const auto& d = value->data;
    for (std::size_t i = 0; i + 1 < d.size() && id.size() < kIdentifierLength; i += 2) {
        const std::uint32_t unit = d[i] | (static_cast<std::uint32_t>(d[i + 1]) << 8);
        if (unit == 0) break;
        if (!IsIdentifierChar(unit)) return {};
        id.push_back(static_cast<char>(unit));
    }
    if (id.size() < kIdentifierLength) return {};
    return id;
}

void ApplyStoredSettings(Settings& settings, const RegistryReader& read) {
    for (const StoredSetting& field : kStoredSettings) LoadOne(settings, field, read(field.name));

    const std::optional<std::uint32_t> hasPos = StoredDword(read(kHasPosName));
    if (hasPos && *hasPos != 0) {
        settings.PosX = AsSigned(StoredDword(read(kPosXName)).value_or(0));
        settings.PosY = AsSigned(StoredDword(read(kPosYName)).value_or(0));
    }
}

std::vector<RegistryWrite> SettingsWrites(const Settings& settings) {
    std::vector<RegistryWrite> writes;
    writes.reserve(kStoredSettings.size() + 3);
    for (const StoredSetting& field : kStoredSettings)
        writes.push_back({field.name, SaveOne(settings, field)});
    if (settings.PosX != kUnsetPosition && settings.PosY != kUnsetPosition) {
        writes.push_back({kHasPosName, DwordValue(1)});
        writes.push_back({kPosXName, DwordValue(static_cast<std::uint32_t>(settings.PosX))});
        writes.push_back({kPosYName, DwordValue(static_cast<std::uint32_t>(settings.PosY))});
    }
    return writes;
}

bool ApplySettingText(Settings& settings, std::string_view name, std::string_view text,
                      std::string& error) {
    const auto field = std::find_if(kStoredSettings.begin(), kStoredSettings.end(),
                                    [name](const StoredSetting& f) { return f.name == name; });
    if (field == kStoredSettings.end()) {
        error = "unknown setting " + std::string(name);
        return false;
    }
    RegistryValue value;
    if (field->form == StoredForm::Identifier) {
        value = StringValue(std::string(text));
        if (!text.empty() && StoredIdentifier(value).empty()) {
            error = std::string(name) + " takes 16 characters 0-9 a-f, or nothing";
            return false;
        }
    } else {
        // A DWORD holds any 32-bit pattern: negative numbers as the registry tools write them.
        std::int64_t number = 0;
        const char* last = text.data() + text.size();
        const auto parsed = std::from_chars(text.data(), last, number);
        if (text.empty() || parsed.ec != std::errc() || parsed.ptr != last ||
            number < std::numeric_limits<std::int32_t>::min() ||
            number > std::numeric_limits<std::uint32_t>::max()) {
            error = std::string(name) + " takes a whole number, not \"" + std::string(text) + "\"";
            return false;
        }
        value = DwordValue(static_cast<std::uint32_t>(number));
    }
    LoadOne(settings, *field, value);
    return true;
}

// The product is formed in single precision on purpose: -45.55 degrees must
// store as -456, which only float arithmetic gives (double yields -455.4999).
std::int32_t RotationTenthsFor(float degrees) {
    if (!std::isfinite(degrees)) return 0;
    const float tenths = std::clamp(degrees, -180.0f, 180.0f) * 10.0f;
    return static_cast<std::int32_t>(std::lround(tenths));
}

std::uint32_t ScalePctFor(float scale) {
    if (!std::isfinite(scale)) return 100;
    // Keeps the conversion defined for any value; real scales are 0.45..2.5.
    const float percent = std::clamp(scale * 100.0f + 0.5f, 0.0f, 1.0e9f);
    return static_cast<std::uint32_t>(percent);
}

SettingsLoad SettingsLoadForOpenError(long error) {
    if (error == kRegistrySuccess) return SettingsLoad::Loaded;
    return error == kRegistryFileNotFound ? SettingsLoad::NoKey : SettingsLoad::Unreadable;
}
