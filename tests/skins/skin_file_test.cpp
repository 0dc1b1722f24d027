#include "skins/skin_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "skins/base64.h"
#include "skins/png_header.h"
#include "skin_test_util.h"

namespace {

TEST(SkinFileTest, LowerAsciiExtension) {
    const struct {
        std::string path;
        std::string expected;
    } cases[] = {
        {"C:\\skins\\tabby.mewlark", "mewlark"},
        {"keys.JSON", "json"},
        {"/home/a.b/keys", ""},
        {"C:\\a.b\\keys", ""},
        {"noext", ""},
        {"trailing.", ""},
        {".json", "json"},
        {"x.tar.MewLKB", "mewlkb"},
        {"x.jsön", "js??n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LowerAsciiExtension(std::string_view(c.path)), c.expected) << c.path;
    EXPECT_EQ(LowerAsciiExtension(std::u16string_view(u"D:\\Skins\\Key.MEWLKB")), "mewlkb");
    EXPECT_EQ(LowerAsciiExtension(std::wstring_view(L"a.b/c")), "");
}

TEST(SkinFileTest, KeyboardDocumentHasColorsObject) {
    const struct {
        std::string bytes;
        bool expected;
    } cases[] = {
        {R"({"colors": {}})", true},
        {R"({"colors": {}, "colors": 1})", false},
        {R"({"colors": 1, "colors": {"key": "#FFFFFF"}})", true},
        {R"({"palette": {}})", false},
        {R"([{"colors": {}}])", false},
        {R"({"colors": {})", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsKeyboardSkinDocument(c.bytes), c.expected) << c.bytes;
}

TEST(SkinFileTest, ReadsWithinLimitOnly) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "mewlark_skin_file_test";
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "ten.bin";
    {
        std::ofstream out(file, std::ios::binary);
        out << std::string(
            "0123\0"
            "56789",
            10);
    }
    std::string bytes;
    std::string error;
    EXPECT_TRUE(ReadSkinFileBytes(file, 10, "too big", bytes, error)) << error;
    EXPECT_EQ(bytes, std::string("0123\0"
                                 "56789",
                                 10));
    EXPECT_FALSE(ReadSkinFileBytes(file, 9, "too big", bytes, error));
    EXPECT_EQ(error, "too big");
    EXPECT_FALSE(ReadSkinFileBytes(dir / "absent.mewlark", 10, "too big", bytes, error));
    EXPECT_EQ(error, "无法打开这个文件");
    EXPECT_FALSE(ReadSkinFileBytes(dir, 10, "too big", bytes, error));
    EXPECT_EQ(error, "无法打开这个文件");
    std::filesystem::remove_all(dir);
}

TEST(SkinFileTest, Base64Decoding) {
    const struct {
        std::string text;
        bool ok;
        std::string bytes;
    } cases[] = {
        {"QUJD", true, "ABC"},
        {"QUI=", true, "AB"},
        {"QQ==", true, "A"},
        {"QQ", true, "A"},
        {"Q", true, ""},
        {"", true, ""},
        {" Q U\r\nJ\tD ", true, "ABC"},
        {"data:image/png;base64,QUJD", true, "ABC"},
        {"data:image/png;base64, QUJD", true, "ABC"},
        {"DATA:image/png;base64,QUJD", false, ""},
        {"data:image/jpeg;base64,QUJD", false, ""},
        {"QQ==QQ", false, ""},
        {"QQ=\n=", true, "A"},
        {"QQ===", false, ""},
        {"QU-D", false, ""},
        {"+/+/", true, "\xFB\xFF\xBF"},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> out;
        EXPECT_EQ(DecodeBase64(c.text, out), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(std::string(out.begin(), out.end()), c.bytes) << c.text;
        }
    }
}

TEST(SkinFileTest, PngHeaderCheck) {
    auto withByte = [](std::vector<std::uint8_t> png, std::size_t at, std::uint8_t value) {
        png[at] = value;
        return png;
    };
    const struct {
        const char* what;
        std::vector<std::uint8_t> png;
        bool ok;
        PngSize size;
    } cases[] = {
        {"small", FakePng(3, 4), true, {3, 4}},
        {"largest", FakePng(4096, 4096), true, {4096, 4096}},
        {"33 bytes", FakePng(1, 1, 33), true, {1, 1}},
        {"32 bytes", FakePng(1, 1, 32), false, {}},
        {"too wide", FakePng(4097, 1), false, {}},
        {"zero height", FakePng(1, 0), false, {}},
        {"huge width", FakePng(0x80000001u, 1), false, {}},
        {"bad signature", withByte(FakePng(1, 1), 7, 0x0B), false, {}},
        {"no IHDR", withByte(FakePng(1, 1), 12, 'i'), false, {}},
    };
    for (const auto& c : cases) {
        PngSize size;
        EXPECT_EQ(ReadPngHeader(c.png, size), c.ok) << c.what;
        if (c.ok) {
            EXPECT_EQ(size.width, c.size.width) << c.what;
            EXPECT_EQ(size.height, c.size.height) << c.what;
        }
    }
}

}  // namespace
