#include "settings/settings_store_win32.h"

#include <optional>
#include <string>
#include <string_view>

#include "base/handles_win32.h"
#include "settings/settings_rules.h"

static_assert(static_cast<DWORD>(RegistryType::String) == REG_SZ);
static_assert(static_cast<DWORD>(RegistryType::ExpandString) == REG_EXPAND_SZ);
static_assert(static_cast<DWORD>(RegistryType::Binary) == REG_BINARY);
static_assert(static_cast<DWORD>(RegistryType::Dword) == REG_DWORD);
static_assert(static_cast<DWORD>(RegistryType::MultiString) == REG_MULTI_SZ);
static_assert(static_cast<DWORD>(RegistryType::Qword) == REG_QWORD);
static_assert(kRegistrySuccess == ERROR_SUCCESS);
static_assert(kRegistryFileNotFound == ERROR_FILE_NOT_FOUND);

namespace {

// Value names are ASCII.
std::wstring Wide(std::string_view name) {
    return std::wstring(name.begin(), name.end());
}

// Larger than any value a setting is read from; bigger values count as absent.
constexpr DWORD kReadBufferBytes = 64;

std::optional<RegistryValue> ReadValue(HKEY key, std::string_view name) {
    BYTE buffer[kReadBufferBytes] = {};
    DWORD type = REG_NONE;
    DWORD size = sizeof buffer;
    if (RegQueryValueExW(key, Wide(name).c_str(), nullptr, &type, buffer, &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (size > sizeof buffer) return std::nullopt;
    return RegistryValue{static_cast<RegistryType>(type),
                         std::vector<std::uint8_t>(buffer, buffer + size)};
}

}  // namespace

SettingsLoad LoadSettings(Settings& settings) {
    RegistryKey key;
    const SettingsLoad load = SettingsLoadForOpenError(
        RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_QUERY_VALUE, key.Out()));
    if (load != SettingsLoad::Loaded) return load;
    ApplyStoredSettings(settings,
                        [&key](std::string_view name) { return ReadValue(key.Get(), name); });
    return load;
}

long SaveSettings(const Settings& settings) {
    RegistryKey key;
    const LSTATUS opened = RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0,
                                           KEY_SET_VALUE, nullptr, key.Out(), nullptr);
    if (opened != ERROR_SUCCESS) return opened;
    for (const RegistryWrite& write : SettingsWrites(settings)) {
        const RegistryValue& v = write.value;
        RegSetValueExW(key.Get(), Wide(write.name).c_str(), 0, static_cast<DWORD>(v.type),
                       v.data.data(), static_cast<DWORD>(v.data.size()));
    }
    return key.Close();
}
