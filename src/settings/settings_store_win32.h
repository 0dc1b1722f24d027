#pragma once

#include "settings/settings.h"
#include "settings/settings_rules.h"

// Path of the settings key under HKEY_CURRENT_USER.
inline constexpr const wchar_t* kSettingsKeyPath = L"Software\\Mewlark";

// Fills the record from the registry; missing or unreadable values leave
// their fields at the defaults, and a missing or unreadable key leaves the
// record as is. Says which of the three it was.
SettingsLoad LoadSettings(Settings& settings);

// Writes the whole record. Returns the registry error of opening the key, or
// the result of closing it; single failed writes are not reported.
long SaveSettings(const Settings& settings);
