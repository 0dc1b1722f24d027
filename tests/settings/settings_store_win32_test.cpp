#include "settings/settings_store_win32.h"

#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/handles_win32.h"
#include "settings_printer.h"

namespace {

// Each test starts and ends without the settings key.
class SettingsStoreTest : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKeyPath); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKeyPath); }

    static void Put(const wchar_t* name, DWORD type, const std::vector<BYTE>& data) {
        RegistryKey key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, key.Out(), nullptr),
                  ERROR_SUCCESS);
        const LSTATUS rc =
            RegSetValueExW(key.Get(), name, 0, type, data.empty() ? nullptr : data.data(),
                           static_cast<DWORD>(data.size()));
        ASSERT_EQ(rc, ERROR_SUCCESS) << "writing a test value";
    }

    static void PutDword(const wchar_t* name, DWORD value) {
        Put(name, REG_DWORD,
            {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8),
             static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 24)});
    }

    static void PutString(const wchar_t* name, const std::wstring& text) {
        const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
        Put(name, REG_SZ, std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t)));
    }

    struct Raw {
        DWORD type = REG_NONE;
        std::vector<BYTE> data;
    };

    static std::optional<Raw> Get(const wchar_t* name) {
        Raw raw;
        DWORD size = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKeyPath, name, RRF_RT_ANY | RRF_NOEXPAND,
                         &raw.type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        raw.data.resize(size);
        if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKeyPath, name, RRF_RT_ANY | RRF_NOEXPAND,
                         &raw.type, raw.data.data(), &size) != ERROR_SUCCESS)
            return std::nullopt;
        raw.data.resize(size);
        return raw;
    }

    static bool KeyExists() {
        RegistryKey key;
        return RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, key.Out()) ==
               ERROR_SUCCESS;
    }
};

Settings Loaded() {
    Settings s;
    LoadSettings(s);
    return s;
}

// Sets the key's access list from a security descriptor string.
bool SetKeyAccess(const wchar_t* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor,
                                                              nullptr))
        return false;
    RegistryKey key;
    LSTATUS rc = RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, WRITE_DAC, key.Out());
    if (rc == ERROR_SUCCESS)
        rc = RegSetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, descriptor);
    LocalFree(descriptor);
    return rc == ERROR_SUCCESS;
}

TEST_F(SettingsStoreTest, AnUnreadableKeyIsToldFromAMissingOne) {
    Settings s;
    EXPECT_EQ(LoadSettings(s), SettingsLoad::NoKey);
    PutDword(L"FlipHorizontal", 1);
    EXPECT_EQ(LoadSettings(s), SettingsLoad::Loaded);
    EXPECT_TRUE(s.FlipHorizontal);

    // Everyone may do anything with the key except read it.
    ASSERT_TRUE(SetKeyAccess(L"D:(D;;KR;;;WD)(A;;KA;;;WD)"));
    Settings denied;
    EXPECT_EQ(LoadSettings(denied), SettingsLoad::Unreadable);
    EXPECT_EQ(denied, Settings{});
    ASSERT_TRUE(SetKeyAccess(L"D:(A;;KA;;;WD)"));
}

TEST_F(SettingsStoreTest, MissingKeyKeepsDefaults) {
    ASSERT_FALSE(KeyExists());
    EXPECT_EQ(Loaded(), Settings{});
    EXPECT_FALSE(KeyExists()) << "loading must not create the key";
}

TEST_F(SettingsStoreTest, SaveThenLoadRestoresEveryField) {
    const Settings saved = SettingsWithFieldsChanged();
    EXPECT_EQ(SaveSettings(saved), ERROR_SUCCESS);
    EXPECT_EQ(Loaded(), saved);

    // Saving the defaults over it brings everything back except the position.
    EXPECT_EQ(SaveSettings(Settings{}), ERROR_SUCCESS);
    Settings expected;
    expected.PosX = saved.PosX;
    expected.PosY = saved.PosY;
    EXPECT_EQ(Loaded(), expected);
}

TEST_F(SettingsStoreTest, WritesDwordsAndTerminatedStrings) {
    Settings s;
    s.Scale = 1.25f;
    s.RotationDegrees = -45.55f;
    s.CustomSkin = "00112233445566ff";
    ASSERT_EQ(SaveSettings(s), ERROR_SUCCESS);

    const auto scale = Get(L"ScalePct");
    ASSERT_TRUE(scale);
    EXPECT_EQ(scale->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(scale->data, (std::vector<BYTE>{125, 0, 0, 0}));

    const auto rotation = Get(L"RotationTenths");
    ASSERT_TRUE(rotation);
    EXPECT_EQ(rotation->data, (std::vector<BYTE>{0x38, 0xFE, 0xFF, 0xFF}));  // -456

    const auto skin = Get(L"CustomSkin");
    ASSERT_TRUE(skin);
    EXPECT_EQ(skin->type, static_cast<DWORD>(REG_SZ));
    ASSERT_EQ(skin->data.size(), 34u);
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(skin->data.data())),
              L"00112233445566ff");

    EXPECT_FALSE(Get(L"HasPos")) << "no position in memory, none written";
    EXPECT_FALSE(Get(L"PosX"));
}

TEST_F(SettingsStoreTest, SaveWithoutPositionKeepsTheStoredOne) {
    PutDword(L"HasPos", 1);
    PutDword(L"PosX", 300);
    PutDword(L"PosY", static_cast<DWORD>(-50));
    Settings s;
    s.PosX = 800;  // PosY unset: still no position
    ASSERT_EQ(SaveSettings(s), ERROR_SUCCESS);

    const Settings loaded = Loaded();
    EXPECT_EQ(loaded.PosX, 300);
    EXPECT_EQ(loaded.PosY, -50);
}

struct WrongValue {
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> data;
};

TEST_F(SettingsStoreTest, ValuesOfTheWrongTypeOrSizeCountAsAbsent) {
    const WrongValue cases[] = {
        {L"ShowKeyBadges", REG_BINARY, {0, 0, 0, 0}},
        {L"ShowKeyLegends", REG_DWORD, {0, 0}},
        {L"KeyboardMarquee", REG_DWORD, {0}},
        {L"WhiteOutline", REG_QWORD, {0, 0, 0, 0, 0, 0, 0, 0}},
        {L"AlwaysOnTop", REG_DWORD_BIG_ENDIAN, {0, 0, 0, 0}},
        {L"CoatTheme", REG_BINARY, {3, 0, 0, 0}},
        {L"EyeTheme", REG_DWORD, {4, 0, 0}},
        {L"ScalePct", REG_QWORD, {150, 0, 0, 0, 0, 0, 0, 0}},
        {L"RotationTenths", REG_BINARY, {100, 0, 0, 0}},
        {L"CustomSkin", REG_DWORD, {'0', '1', '2', '3'}},
        {L"CustomKeyboard", REG_EXPAND_SZ, {'0', 0, '1', 0, 0, 0}},
    };
    for (const WrongValue& c : cases) Put(c.name, c.type, c.data);
    PutString(L"ShowMouseBadges", L"0");
    // 31 characters are more than the identifier buffer holds.
    PutString(L"CustomKeyboard", L"0123456789abcdef000000000000000");
    PutDword(L"HasPos", 1);
    Put(L"PosX", REG_BINARY, {10, 0, 0, 0});
    Put(L"PosY", REG_QWORD, {20, 0, 0, 0, 0, 0, 0, 0});

    Settings expected;
    expected.PosX = 0;
    expected.PosY = 0;
    EXPECT_EQ(Loaded(), expected);
}

TEST_F(SettingsStoreTest, LoadClampsAndChecksIdentifiers) {
    PutDword(L"ScalePct", 4294967295u);
    PutDword(L"RotationTenths", static_cast<DWORD>(-2000));
    PutDword(L"OBSCaptureMode", 7);
    PutDword(L"EyeTheme", static_cast<DWORD>(-1));
    PutString(L"CustomSkin", L"0123456789abcdef0123");
    PutString(L"CustomKeyboard", L"0123456789ABCDEF");
    PutDword(L"PosX", 10);
    PutDword(L"PosY", 20);

    Settings expected;
    expected.Scale = 2.0f;
    expected.RotationDegrees = -180.0f;
    expected.OBSCaptureMode = CaptureMode::GreenScreen;
    expected.CustomSkin = "0123456789abcdef";
    EXPECT_EQ(Loaded(), expected);
}

}  // namespace
