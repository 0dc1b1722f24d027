#include "skins/keyboard_skin_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "skins/skin_id.h"
#include "skin_test_util.h"

namespace {

std::string Keyboard(const std::string& colors, const std::string& extra = "") {
    return R"({"name": "K", "colors": {)" + colors + "}" + extra + "}";
}

std::string ReadError(const std::string& bytes) {
    KeyboardSkin skin;
    std::string error;
    if (ReadKeyboardSkin(bytes, skin, error)) return "";
    return error;
}

KeyboardSkin ReadOk(const std::string& bytes) {
    KeyboardSkin skin;
    std::string error;
    EXPECT_TRUE(ReadKeyboardSkin(bytes, skin, error)) << error << "\ninput: " << bytes;
    return skin;
}

void ExpectColor(const SkinColor& actual, double r, double g, double b, double a,
                 const char* what) {
    EXPECT_TRUE(actual.set) << what;
    EXPECT_DOUBLE_EQ(actual.r, r) << what;
    EXPECT_DOUBLE_EQ(actual.g, g) << what;
    EXPECT_DOUBLE_EQ(actual.b, b) << what;
    EXPECT_DOUBLE_EQ(actual.a, a) << what;
}

double Single(double v) {
    return static_cast<float>(v);
}

TEST(KeyboardSkinReaderTest, MissingColoursAreDerived) {
    const std::string bytes = R"({"name": "Only Key", "colors": {"key": "#336699"}})";
    const KeyboardSkin skin = ReadOk(bytes);
    EXPECT_EQ(skin.name, "Only Key");
    EXPECT_EQ(skin.id, SkinIdOf(bytes));
    EXPECT_FALSE(skin.isBuiltin);
    const double key[3] = {0x33 / 255.0f, 0x66 / 255.0f, 0x99 / 255.0f};
    ExpectColor(skin.key, key[0], key[1], key[2], 1.0, "key");
    ExpectColor(skin.deck, Single(0.14), Single(0.14), Single(0.16), 1.0, "deck");
    ExpectColor(skin.base, 0.72f * 0.14f, 0.72f * 0.14f, 0.72f * 0.16f, 1.0, "base");
    ExpectColor(skin.keyBorder, Single(0.14), Single(0.14), Single(0.16), Single(0.78),
                "keyBorder");
    ExpectColor(skin.accent, Single(0.97), Single(0.70), Single(0.16), 1.0, "accent");
    ExpectColor(skin.mouseBody, key[0], key[1], key[2], 1.0, "mouseBody");
    ExpectColor(skin.mouseBorder, 0.72f * 0.14f, 0.72f * 0.14f, 0.72f * 0.16f, 1.0, "mouseBorder");
    ExpectColor(skin.wheel, Single(0.97), Single(0.70), Single(0.16), 1.0, "wheel");
}

TEST(KeyboardSkinReaderTest, GivenColoursFeedTheDerivedOnes) {
    const KeyboardSkin skin = ReadOk(Keyboard(
        R"("key": "#FFFFFF", "deck": "#FF000080", "accent": "#00ff00", "mouseBorder": null)"));
    ExpectColor(skin.deck, 1.0, 0.0, 0.0, 128 / 255.0f, "deck");
    ExpectColor(skin.base, 0.72f, 0.0, 0.0, 1.0, "base from deck");
    ExpectColor(skin.keyBorder, 1.0, 0.0, 0.0, Single(0.78), "keyBorder from deck");
    ExpectColor(skin.mouseBorder, 0.72f, 0.0, 0.0, 1.0, "mouseBorder from base");
    ExpectColor(skin.wheel, 0.0, 1.0, 0.0, 1.0, "wheel from accent");
}

TEST(KeyboardSkinReaderTest, DarkText) {
    const struct {
        std::string colors;
        bool expected;
    } cases[] = {
        {R"("key": "#FFFFFF")", true},
        {R"("key": "#000000")", false},
        {R"("key": "#FFFFFF", "darkText": false)", false},
        {R"("key": "#000000", "darkText": true)", true},
        {R"("key": "#000000", "darkText": "yes")", false},
        {R"("key": "#FFFFFF", "darkText": 0)", true},
        // Brightness 115/255 reaches 0.45, 114/255 does not.
        {R"("key": "#737373")", true},
        {R"("key": "#727272")", false},
        {R"("key": "#00FF00")", true},
        {R"("key": "#FF00FF")", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadOk(Keyboard(c.colors)).darkText, c.expected) << c.colors;
}

TEST(KeyboardSkinReaderTest, FirstFaultGivesItsMessage) {
    const struct {
        std::string input;
        std::string expected;
    } cases[] = {
        {"", "键盘皮肤文件是空的"},
        {"[1]", "键盘皮肤文件最外层必须是 JSON 对象 { … }"},
        {"{\"name\": }", "不是有效的 JSON：无法识别的值（第 10 字节附近）"},
        {Keyboard(R"("key": "#FFFFFF")", R"(, "formatVersion": 1)"), ""},
        {Keyboard(R"("key": "#FFFFFF")", R"(, "formatVersion": 2)"),
         "这个键盘皮肤使用了更新的格式，请先升级 Mewlark"},
        {Keyboard(R"("key": "#FFFFFF")", R"(, "formatVersion": 1e300)"),
         "这个键盘皮肤使用了更新的格式，请先升级 Mewlark"},
        {Keyboard(R"("key": "#FFFFFF")", R"(, "formatVersion": 1.5)"), "formatVersion 必须是整数"},
        {Keyboard(R"("key": "#FFFFFF")", R"(, "formatVersion": null)"), "formatVersion 必须是整数"},
        {Keyboard(R"("key": "#FFFFFF")", R"(, "formatVersion": 0)"), "formatVersion 无效"},
        {R"({"name": "K"})", "缺少键盘配色对象 colors"},
        {R"({"name": "K", "colors": [{"key": "#FFFFFF"}]})", "缺少键盘配色对象 colors"},
        // colors is checked before the name.
        {R"({"colors": 1})", "缺少键盘配色对象 colors"},
        {R"({"colors": {"key": "#FFFFFF"}})", "缺少键盘皮肤名称 name"},
        {R"({"name": 7, "colors": {"key": "#FFFFFF"}})", "缺少键盘皮肤名称 name"},
        {R"({"name": "  \t ", "colors": {"key": "#FFFFFF"}})", "缺少键盘皮肤名称 name"},
        {Keyboard(R"("key": "#FFFFFF")", R"(, "author": 5)"), ""},
        {Keyboard(R"("deck": "#FFFFFF")"), "缺少键帽颜色 colors.key"},
        {Keyboard(R"("key": null)"), "缺少键帽颜色 colors.key"},
        {Keyboard(R"("key": "#abc")"), "colors.key 颜色格式应为 #RRGGBB 或 #RRGGBBAA"},
        {Keyboard(R"("key": "FFFFFFF")"), "colors.key 颜色格式应为 #RRGGBB 或 #RRGGBBAA"},
        {Keyboard(R"("key": 16777215)"),
         "colors.key 必须是 \"#RRGGBB\" 或 \"#RRGGBBAA\" 颜色字符串"},
        {Keyboard(R"("key": "#FFFFFG")"), "colors.key 颜色里有非十六进制字符"},
        // Colours are read in a fixed order, base first.
        {Keyboard(R"("key": "#FFFFFG", "base": "#12")"),
         "colors.base 颜色格式应为 #RRGGBB 或 #RRGGBBAA"},
        {Keyboard(R"("key": "#FFFFFF", "wheel": true)"),
         "colors.wheel 必须是 \"#RRGGBB\" 或 \"#RRGGBBAA\" 颜色字符串"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadError(c.input), c.expected) << c.input;
}

TEST(KeyboardSkinReaderTest, NamesAreCleanedByBytes) {
    const std::string hundred(100, 'k');
    std::string han;
    for (int i = 0; i < 40; ++i) han += "键";
    const struct {
        std::string json;
        std::string expected;
    } cases[] = {
        {"\"" + hundred + "\"", std::string(96, 'k')},
        {R"(" \t Mint\nKeys\r ")", "MintKeys"},
        // 96 bytes end inside the 33rd character: the count is in bytes.
        {"\"" + han + "\"", han.substr(0, 96)},
    };
    for (const auto& c : cases) {
        const KeyboardSkin skin =
            ReadOk(R"({"colors": {"key": "#FFFFFF"}, "name": )" + c.json + "}");
        EXPECT_EQ(skin.name, c.expected) << c.json;
    }
    EXPECT_EQ(ReadOk(Keyboard(R"("key": "#FFFFFF")", R"(, "author": " Ann\t")")).author, "Ann");
    EXPECT_EQ(ReadOk(Keyboard(R"("key": "#FFFFFF")", R"(, "author": 5)")).author, "");
}

TEST(KeyboardSkinReaderTest, FileSizeLimit) {
    std::string exact = Keyboard(R"("key": "#FFFFFF")");
    exact.resize(kKeyboardSkinFileLimit, ' ');
    EXPECT_EQ(ReadError(exact), "");
    EXPECT_EQ(ReadError(exact + " "), "键盘皮肤文件超过 256 KB 上限");
}

TEST(KeyboardSkinReaderTest, FixtureFiles) {
    const KeyboardSkin mint = ReadOk(ReadTestFile("keyboard.mewlkb"));
    EXPECT_EQ(mint.name, "Mint Keys");
    EXPECT_EQ(mint.author, "kb");
    EXPECT_FALSE(mint.darkText);
    ExpectColor(mint.accent, 0x3C / 255.0f, 0xB3 / 255.0f, 0x8A / 255.0f, 1.0, "accent");
    EXPECT_EQ(ReadOk(ReadTestFile("keyboard_skin.json")).name, "Json Keys");
}

}  // namespace
