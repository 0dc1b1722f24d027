#include "skins/keyboard_skin_reader.h"

#include <array>
#include <cmath>
#include <utility>

#include "skins/json_reader.h"
#include "skins/skin_id.h"
#include "skins/skin_text.h"

namespace {

constexpr std::size_t kMaxTextBytes = 96;

struct ColorKey {
    std::string_view name;
    SkinColor KeyboardSkin::*member;
};

// File keys in reading order.
constexpr std::array<ColorKey, 8> kColorKeys{{
    {"base", &KeyboardSkin::base},
    {"deck", &KeyboardSkin::deck},
    {"key", &KeyboardSkin::key},
    {"keyBorder", &KeyboardSkin::keyBorder},
    {"accent", &KeyboardSkin::accent},
    {"mouseBody", &KeyboardSkin::mouseBody},
    {"mouseBorder", &KeyboardSkin::mouseBorder},
    {"wheel", &KeyboardSkin::wheel},
}};

// Defaults are single-precision values, as the built-in themes are.
constexpr float kDefaultDeck[3] = {0.14f, 0.14f, 0.16f};
constexpr float kBaseFromDeck = 0.72f;
constexpr float kKeyBorderAlpha = 0.78f;
constexpr float kDefaultAccent[3] = {0.97f, 0.70f, 0.16f};
constexpr float kDarkTextBrightness = 0.45f;

bool Fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
}

SkinColor OpaqueColor(const float (&rgb)[3]) {
    return SkinColor{rgb[0], rgb[1], rgb[2], 1.0, true};
}

bool ReadColor(const JsonValue* node, const std::string& path, SkinColor& out, std::string& error) {
    if (node == nullptr || node->kind == JsonKind::Null) return true;
    if (node->kind != JsonKind::String) {
        return Fail(error, path + " 必须是 \"#RRGGBB\" 或 \"#RRGGBBAA\" 颜色字符串");
    }
    const std::string& text = node->text;
    if ((text.size() != 7 && text.size() != 9) || text[0] != '#') {
        return Fail(error, path + " 颜色格式应为 #RRGGBB 或 #RRGGBBAA");
    }
    std::array<double, 4> channels = {0.0, 0.0, 0.0, 1.0};
    for (std::size_t i = 1, c = 0; i < text.size(); i += 2, ++c) {
        const int high = HexDigitValue(text[i]);
        const int low = HexDigitValue(text[i + 1]);
        if (high < 0 || low < 0) return Fail(error, path + " 颜色里有非十六进制字符");
        channels[c] = static_cast<float>(high * 16 + low) / 255.0f;
    }
    out = SkinColor{channels[0], channels[1], channels[2], channels[3], true};
    return true;
}

// Trims bytes up to 0x20 at both ends, drops control bytes and keeps at most
// 96 bytes.
std::string CleanText(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 0x20) ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 0x20) --last;
    std::string out;
    for (std::size_t i = first; i < last && out.size() < kMaxTextBytes; ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x20) out.push_back(text[i]);
    }
    return out;
}

void DeriveColors(KeyboardSkin& skin) {
    if (!skin.deck.set) skin.deck = OpaqueColor(kDefaultDeck);
    if (!skin.base.set) {
        const float rgb[3] = {kBaseFromDeck * static_cast<float>(skin.deck.r),
                              kBaseFromDeck * static_cast<float>(skin.deck.g),
                              kBaseFromDeck * static_cast<float>(skin.deck.b)};
        skin.base = OpaqueColor(rgb);
    }
    if (!skin.keyBorder.set)
        skin.keyBorder = SkinColor{skin.deck.r, skin.deck.g, skin.deck.b, kKeyBorderAlpha, true};
    if (!skin.accent.set) skin.accent = OpaqueColor(kDefaultAccent);
    if (!skin.mouseBody.set) skin.mouseBody = skin.key;
    if (!skin.mouseBorder.set) skin.mouseBorder = skin.base;
    if (!skin.wheel.set) skin.wheel = skin.accent;
}

}  // namespace

bool ReadKeyboardSkin(std::string_view bytes, KeyboardSkin& skin, std::string& error) {
    skin = KeyboardSkin{};
    if (bytes.size() > kKeyboardSkinFileLimit) return Fail(error, "键盘皮肤文件超过 256 KB 上限");
    if (bytes.empty()) return Fail(error, "键盘皮肤文件是空的");

    JsonValue root;
    if (!ParseJson(bytes, root, error)) return false;
    if (root.kind != JsonKind::Object)
        return Fail(error, "键盘皮肤文件最外层必须是 JSON 对象 { … }");

    if (const JsonValue* version = LookupJson(root, "formatVersion"); version != nullptr) {
        if (version->kind != JsonKind::Number || std::floor(version->number) != version->number) {
            return Fail(error, "formatVersion 必须是整数");
        }
        if (version->number > 1.0)
            return Fail(error, "这个键盘皮肤使用了更新的格式，请先升级 Mewlark");
        if (version->number < 1.0) return Fail(error, "formatVersion 无效");
    }

    const JsonValue* colors = LookupJson(root, "colors");
    if (colors == nullptr || colors->kind != JsonKind::Object)
        return Fail(error, "缺少键盘配色对象 colors");

    if (const JsonValue* name = LookupJson(root, "name");
        name != nullptr && name->kind == JsonKind::String) {
        skin.name = CleanText(name->text);
    }
    if (skin.name.empty()) return Fail(error, "缺少键盘皮肤名称 name");
    if (const JsonValue* author = LookupJson(root, "author");
        author != nullptr && author->kind == JsonKind::String) {
        skin.author = CleanText(author->text);
    }

    for (const ColorKey& key : kColorKeys) {
        const std::string path = "colors." + std::string(key.name);
        if (!ReadColor(LookupJson(*colors, key.name), path, skin.*key.member, error)) return false;
    }
    if (!skin.key.set) return Fail(error, "缺少键帽颜色 colors.key");
    DeriveColors(skin);

    const JsonValue* darkText = LookupJson(*colors, "darkText");
    if (darkText != nullptr && darkText->kind == JsonKind::Boolean) {
        skin.darkText = darkText->boolean;
    } else {
        const float brightness = 0.2126f * static_cast<float>(skin.key.r) +
                                 0.7152f * static_cast<float>(skin.key.g) +
                                 0.0722f * static_cast<float>(skin.key.b);
        skin.darkText = brightness >= kDarkTextBrightness;
    }

    skin.id = SkinIdOf(bytes);
    skin.isBuiltin = false;
    return true;
}
