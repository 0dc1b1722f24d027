#include "skins/cat_skin_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "skins/base64.h"
#include "skins/json_reader.h"
#include "skins/png_header.h"
#include "skins/skin_id.h"
#include "skins/skin_text.h"

namespace {

constexpr std::size_t kMaxTextCharacters = 40;
constexpr std::size_t kMaxRegions = 64;
constexpr std::size_t kMinAnchors = 2;
constexpr std::size_t kMaxAnchors = 128;
constexpr std::size_t kMaxMarks = 256;
constexpr std::size_t kMaxMarkPoints = 512;
constexpr std::size_t kMaxDecorations = 8;
constexpr std::size_t kMaxStickerBytes = 1048576;
constexpr std::size_t kMaxPreviewBytes = 524288;
constexpr std::int32_t kMaxStickerSide = 1024;
constexpr int kOutlinePointsPerAnchor = 16;
constexpr double kCoordinateLimit = 400.0;
constexpr std::size_t kColorQuoteBytes = 16;
constexpr std::size_t kSpaceQuoteBytes = 24;

struct NumberRange {
    double min;
    double max;
};

struct ShapeFactor {
    std::string_view key;
    float CatShape::*member;
    NumberRange range;
};

constexpr std::array<ShapeFactor, 8> kShapeFactors{{
    {"bodyWidth", &CatShape::bodyWidth, {0.85, 1.35}},
    {"headScale", &CatShape::headScale, {0.9, 1.15}},
    {"earSize", &CatShape::earSize, {0.8, 1.25}},
    {"earPointiness", &CatShape::earPointiness, {0.5, 1.5}},
    {"tailLength", &CatShape::tailLength, {0.7, 1.3}},
    {"tailThickness", &CatShape::tailThickness, {0.7, 1.5}},
    {"cheekFullness", &CatShape::cheekFullness, {0.85, 1.25}},
    {"pawStagger", &CatShape::pawStagger, {0.0, 1.0}},
}};

template <typename E>
struct NamedValue {
    std::string_view name;
    E value;
};

constexpr std::array<NamedValue<RegionSpace>, 6> kRegionSpaces{{
    {"head", RegionSpace::Head},
    {"skull", RegionSpace::Skull},
    {"body", RegionSpace::Body},
    {"tail", RegionSpace::Tail},
    {"leftEar", RegionSpace::LeftEar},
    {"rightEar", RegionSpace::RightEar},
}};

constexpr std::array<NamedValue<StickerAnchor>, 4> kStickerAnchors{{
    {"headTop", StickerAnchor::HeadTop},
    {"face", StickerAnchor::Face},
    {"neck", StickerAnchor::Neck},
    {"tailTip", StickerAnchor::TailTip},
}};

constexpr std::array<NamedValue<CatBuild>, 2> kBuilds{{
    {"standard", CatBuild::Standard},
    {"sleek", CatBuild::Sleek},
}};

constexpr std::array<NamedValue<HeadSurface>, 2> kHeadSurfaces{{
    {"dome", HeadSurface::Dome},
    {"plane", HeadSurface::Plane},
}};

constexpr std::array<NamedValue<bool>, 2> kIdleLegs{{
    {"legs", true},
    {"chest", false},
}};

// Derived whisker and crease colours, for light and for dark coats.
constexpr double kLightCoatBrightness = 0.45;
constexpr SkinColor kLightWhiskers{141 / 255.0, 129 / 255.0, 112 / 255.0, 0.68, true};
constexpr SkinColor kDarkWhiskers{0.88, 0.90, 0.92, 0.68, true};
constexpr SkinColor kLightCrease{139 / 255.0, 129 / 255.0, 113 / 255.0, 0.60, true};
constexpr SkinColor kDarkCrease{0.82, 0.92, 0.89, 0.76, true};

// The value when the node is a string equal to one of the names.
template <typename E, std::size_t N>
const E* FindNamed(const std::array<NamedValue<E>, N>& table, const JsonValue* node) {
    if (node == nullptr || node->kind != JsonKind::String) return nullptr;
    for (const auto& entry : table) {
        if (entry.name == node->text) return &entry.value;
    }
    return nullptr;
}

bool Fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
}

bool IsAbsentOrNull(const JsonValue* node) {
    return node == nullptr || node->kind == JsonKind::Null;
}

// Absent or null keeps the default; a number is clamped into the range.
bool ReadRangedNumber(const JsonValue& object, std::string_view key, NumberRange range,
                      const std::string& path, float& out, std::string& error) {
    const JsonValue* node = LookupJson(object, key);
    if (IsAbsentOrNull(node)) return true;
    if (node->kind != JsonKind::Number) return Fail(error, path + " 必须是数字");
    out = static_cast<float>(std::clamp(node->number, range.min, range.max));
    return true;
}

// Absent or null leaves the colour unset.
bool ReadColor(const JsonValue* node, const std::string& path, SkinColor& out, std::string& error) {
    if (IsAbsentOrNull(node)) return true;
    if (node->kind != JsonKind::String) {
        return Fail(error, path + " 必须是 \"#RRGGBB\" 或 \"#RRGGBBAA\" 颜色字符串");
    }
    const std::string& text = node->text;
    if ((text.size() != 7 && text.size() != 9) || text[0] != '#') {
        return Fail(error, path + " 颜色格式应为 #RRGGBB 或 #RRGGBBAA，现在是 \"" +
                               Utf8Prefix(text, kColorQuoteBytes) + "\"");
    }
    std::array<double, 4> channels = {0.0, 0.0, 0.0, 1.0};
    for (std::size_t i = 1, c = 0; i < text.size(); i += 2, ++c) {
        const int high = HexDigitValue(text[i]);
        const int low = HexDigitValue(text[i + 1]);
        if (high < 0 || low < 0)
            return Fail(error, path + " 颜色里有非十六进制字符：\"" + text + "\"");
        channels[c] = (high * 16 + low) / 255.0;
    }
    out = SkinColor{channels[0], channels[1], channels[2], channels[3], true};
    return true;
}

std::size_t Utf8CharacterLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return 4;
}

// Trims surrounding whitespace, drops control bytes and keeps at most 40
// characters.
std::string CleanText(std::string_view text) {
    constexpr std::string_view kTrimmed = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kTrimmed);
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(kTrimmed) - first + 1);
    std::string out;
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < text.size() && characters < kMaxTextCharacters) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x20) {
            ++i;
            continue;
        }
        const std::size_t length = std::min(Utf8CharacterLength(lead), text.size() - i);
        out.append(text.substr(i, length));
        i += length;
        ++characters;
    }
    return out;
}

std::string Indexed(const std::string& path, std::string_view member, std::size_t index) {
    return path + std::string(member) + "[" + std::to_string(index) + "]";
}

bool ReadFormatVersion(const JsonValue& root, std::string& error) {
    const JsonValue* node = LookupJson(root, "formatVersion");
    if (node == nullptr) return Fail(error, "缺少 formatVersion，这不是 Mewlark 皮肤文件");
    if (node->kind != JsonKind::Number || std::floor(node->number) != node->number) {
        return Fail(error, "formatVersion 必须是整数");
    }
    if (node->number > 1.0) {
        return Fail(error, "这个皮肤使用了更新的格式（formatVersion " +
                               FormatWholeNumber(node->number) + "），请先升级 Mewlark");
    }
    if (node->number < 1.0) return Fail(error, "formatVersion 无效");
    return true;
}

void DerivePalette(CoatPalette& palette) {
    if (!palette.legs.set) palette.legs = palette.body;
    const SkinColor& source = palette.points.set ? palette.points : palette.legs;
    if (!palette.paws.set) palette.paws = source;
    if (!palette.earOuter.set) palette.earOuter = source;
    if (!palette.tail.set) palette.tail = palette.earOuter;
    if (palette.points.set && !palette.pointsMid.set) {
        const SkinColor& p = palette.points;
        const SkinColor& b = palette.body;
        palette.pointsMid = SkinColor{(p.r + b.r) / 2, (p.g + b.g) / 2, (p.b + b.b) / 2, 1.0, true};
    }
    const SkinColor& body = palette.body;
    const double brightness = 0.2126 * body.r + 0.7152 * body.g + 0.0722 * body.b;
    const bool light = brightness >= kLightCoatBrightness;
    if (!palette.whiskers.set) palette.whiskers = light ? kLightWhiskers : kDarkWhiskers;
    if (!palette.crease.set) palette.crease = light ? kLightCrease : kDarkCrease;
}

bool ReadPalette(const JsonValue& root, CoatPalette& palette, std::string& error) {
    const JsonValue* node = LookupJson(root, "palette");
    if (node == nullptr || node->kind != JsonKind::Object) return Fail(error, "缺少调色板 palette");
    for (const CoatPaletteSlot& slot : kCoatPaletteSlots) {
        const std::string path = "palette." + std::string(slot.name);
        if (!ReadColor(LookupJson(*node, slot.name), path, palette.*slot.member, error))
            return false;
    }
    if (!palette.body.set) return Fail(error, "调色板缺少主体颜色 palette.body");
    DerivePalette(palette);
    return true;
}

bool ReadShape(const JsonValue& root, CatShape& shape, std::string& error) {
    const JsonValue* node = LookupJson(root, "shape");
    if (node == nullptr) return true;
    if (node->kind != JsonKind::Object) return Fail(error, "shape 必须是对象");
    if (const JsonValue* build = LookupJson(*node, "build"); build != nullptr) {
        const CatBuild* value = FindNamed(kBuilds, build);
        if (value == nullptr) return Fail(error, "shape.build 必须是 \"standard\" 或 \"sleek\"");
        shape.build = *value;
    }
    for (const ShapeFactor& factor : kShapeFactors) {
        const std::string path = "shape." + std::string(factor.key);
        if (!ReadRangedNumber(*node, factor.key, factor.range, path, shape.*factor.member, error))
            return false;
    }
    return true;
}

bool ReadSpace(const JsonValue& object, const std::string& path, RegionSpace& space,
               std::string& error) {
    const std::string spacePath = path + ".space";
    const JsonValue* node = LookupJson(object, "space");
    if (node == nullptr || node->kind != JsonKind::String) {
        return Fail(
            error,
            spacePath + " 缺失：必须是 head / skull / body / tail / leftEar / rightEar 之一");
    }
    const RegionSpace* value = FindNamed(kRegionSpaces, node);
    if (value == nullptr) {
        return Fail(error,
                    spacePath +
                        " 必须是 head / skull / body / tail / leftEar / rightEar 之一，现在是 \"" +
                        Utf8Prefix(node->text, kSpaceQuoteBytes) + "\"");
    }
    space = *value;
    return true;
}

bool ReadAlpha(const JsonValue& object, const std::string& path, SkinColor& color,
               std::string& error) {
    float alpha = 1.0f;
    if (!ReadRangedNumber(object, "alpha", {0.0, 1.0}, path + ".alpha", alpha, error)) return false;
    color.a *= alpha;
    return true;
}

bool ReadAnchor(const JsonValue& node, const std::string& path, SkinAnchor& anchor,
                std::string& error) {
    if (node.kind != JsonKind::Object)
        return Fail(error, path + " 必须是 {x, y, inX, inY, outX, outY} 对象");
    if (LookupJson(node, "x") == nullptr || LookupJson(node, "y") == nullptr)
        return Fail(error, path + " 缺少 x / y");
    constexpr NumberRange range{-kCoordinateLimit, kCoordinateLimit};
    if (!ReadRangedNumber(node, "x", range, path + ".x", anchor.x, error)) return false;
    if (!ReadRangedNumber(node, "y", range, path + ".y", anchor.y, error)) return false;
    anchor.inX = anchor.outX = anchor.x;
    anchor.inY = anchor.outY = anchor.y;
    return ReadRangedNumber(node, "inX", range, path + ".inX", anchor.inX, error) &&
           ReadRangedNumber(node, "inY", range, path + ".inY", anchor.inY, error) &&
           ReadRangedNumber(node, "outX", range, path + ".outX", anchor.outX, error) &&
           ReadRangedNumber(node, "outY", range, path + ".outY", anchor.outY, error);
}

// Each segment runs from anchor j over its out-control and the next
// anchor's in-control to the next anchor; its end point opens the next one.
std::vector<SkinPoint> FlattenOutline(const std::vector<SkinAnchor>& anchors) {
    std::vector<SkinPoint> points;
    points.reserve(anchors.size() * kOutlinePointsPerAnchor);
    for (std::size_t j = 0; j < anchors.size(); ++j) {
        const SkinAnchor& a = anchors[j];
        const SkinAnchor& b = anchors[(j + 1) % anchors.size()];
        for (int step = 0; step < kOutlinePointsPerAnchor; ++step) {
            const double t = static_cast<double>(step) / kOutlinePointsPerAnchor;
            const double u = 1.0 - t;
            const double w0 = u * u * u;
            const double w1 = 3.0 * u * u * t;
            const double w2 = 3.0 * u * t * t;
            const double w3 = t * t * t;
            points.push_back(
                SkinPoint{static_cast<float>(w0 * a.x + w1 * a.outX + w2 * b.inX + w3 * b.x),
                          static_cast<float>(w0 * a.y + w1 * a.outY + w2 * b.inY + w3 * b.y)});
        }
    }
    return points;
}

bool ReadRegion(const JsonValue& node, const std::string& path, SkinRegion& region,
                std::string& error) {
    if (node.kind != JsonKind::Object) return Fail(error, path + " 必须是对象");
    if (!ReadSpace(node, path, region.space, error)) return false;
    const JsonValue* fill = LookupJson(node, "fill");
    if (IsAbsentOrNull(fill)) return Fail(error, path + ".fill 缺失");
    if (!ReadColor(fill, path + ".fill", region.fill, error)) return false;
    if (!ReadAlpha(node, path, region.fill, error)) return false;
    const JsonValue* anchors = LookupJson(node, "anchors");
    if (anchors == nullptr || anchors->kind != JsonKind::Array)
        return Fail(error, path + ".anchors 必须是锚点数组");
    if (anchors->items.size() < kMinAnchors || anchors->items.size() > kMaxAnchors) {
        return Fail(error, path + ".anchors 需要 2–128 个锚点");
    }
    region.anchors.resize(anchors->items.size());
    for (std::size_t j = 0; j < anchors->items.size(); ++j) {
        if (!ReadAnchor(anchors->items[j], Indexed(path, ".anchors", j), region.anchors[j], error))
            return false;
    }
    region.outlinePoints = FlattenOutline(region.anchors);
    return true;
}

bool ReadRegions(const JsonValue& root, std::vector<SkinRegion>& regions, std::string& error) {
    const JsonValue* node = LookupJson(root, "regions");
    if (node == nullptr) return true;
    if (node->kind != JsonKind::Array) return Fail(error, "regions 必须是数组");
    if (node->items.size() > kMaxRegions) return Fail(error, "regions 最多 64 个分区");
    regions.resize(node->items.size());
    for (std::size_t i = 0; i < node->items.size(); ++i) {
        if (!ReadRegion(node->items[i], Indexed("", "regions", i), regions[i], error)) return false;
    }
    return true;
}

bool ReadMarkPoints(const JsonValue& node, const std::string& path, bool isStroke,
                    std::vector<SkinPoint>& points, std::string& error) {
    const JsonValue* list = LookupJson(node, "points");
    if (list == nullptr || list->kind != JsonKind::Array)
        return Fail(error, path + ".points 必须是 [[x, y], …] 数组");
    const std::size_t minimum = isStroke ? 2 : 3;
    if (list->items.size() < minimum || list->items.size() > kMaxMarkPoints) {
        return Fail(error, path + ".points 需要 " + std::to_string(minimum) + "–512 个点");
    }
    points.reserve(list->items.size());
    for (std::size_t j = 0; j < list->items.size(); ++j) {
        const JsonValue& pair = list->items[j];
        if (pair.kind != JsonKind::Array || pair.items.size() != 2 ||
            pair.items[0].kind != JsonKind::Number || pair.items[1].kind != JsonKind::Number) {
            return Fail(error, Indexed(path, ".points", j) + " 必须是 [x, y]");
        }
        points.push_back(
            SkinPoint{static_cast<float>(
                          std::clamp(pair.items[0].number, -kCoordinateLimit, kCoordinateLimit)),
                      static_cast<float>(
                          std::clamp(pair.items[1].number, -kCoordinateLimit, kCoordinateLimit))});
    }
    return true;
}

bool ReadMark(const JsonValue& node, const std::string& path, const CoatPalette& palette,
              SkinMark& mark, std::string& error) {
    if (node.kind != JsonKind::Object) return Fail(error, path + " 必须是对象");
    if (!ReadSpace(node, path, mark.space, error)) return false;
    const JsonValue* kind = LookupJson(node, "kind");
    if (kind == nullptr || kind->kind != JsonKind::String ||
        (kind->text != "polygon" && kind->text != "stroke")) {
        return Fail(error, path + ".kind 必须是 \"polygon\" 或 \"stroke\"");
    }
    mark.isStroke = kind->text == "stroke";
    if (!ReadColor(LookupJson(node, "color"), path + ".color", mark.color, error)) return false;
    if (!mark.color.set) {
        if (!palette.stripes.set)
            return Fail(error, path + ".color 缺失，且调色板没有 stripes 可作默认色");
        mark.color = palette.stripes;
    }
    if (!ReadAlpha(node, path, mark.color, error)) return false;
    if (mark.isStroke) {
        mark.width = 2.0f;
        if (!ReadRangedNumber(node, "width", {0.2, 24.0}, path + ".width", mark.width, error))
            return false;
    } else {
        mark.width = 0.0f;
    }
    if (!ReadMarkPoints(node, path, mark.isStroke, mark.points, error)) return false;
    const JsonValue* clip = LookupJson(node, "clipToBib");
    mark.clipToBib = clip != nullptr && clip->kind == JsonKind::Boolean && clip->boolean;
    return true;
}

bool ReadMarks(const JsonValue& root, const CoatPalette& palette, std::vector<SkinMark>& marks,
               std::string& error) {
    const JsonValue* node = LookupJson(root, "marks");
    if (node == nullptr) return true;
    if (node->kind != JsonKind::Array) return Fail(error, "marks 必须是数组");
    if (node->items.size() > kMaxMarks) return Fail(error, "marks 最多 256 条");
    marks.resize(node->items.size());
    for (std::size_t i = 0; i < node->items.size(); ++i) {
        if (!ReadMark(node->items[i], Indexed("", "marks", i), palette, marks[i], error))
            return false;
    }
    return true;
}

bool ReadDecoration(const JsonValue& node, const std::string& path, SkinDecoration& sticker,
                    std::string& error) {
    if (node.kind != JsonKind::Object) return Fail(error, path + " 必须是对象");
    const JsonValue* png = LookupJson(node, "png");
    if (png == nullptr || png->kind != JsonKind::String || !DecodeBase64(png->text, sticker.png)) {
        return Fail(error, path + ".png 必须是 base64 编码的 PNG");
    }
    if (sticker.png.size() > kMaxStickerBytes) return Fail(error, path + ".png 超过 1 MB");
    PngSize size;
    if (!ReadPngHeader(sticker.png, size) || size.width > kMaxStickerSide ||
        size.height > kMaxStickerSide) {
        return Fail(error, path + ".png 不是有效的 PNG（或尺寸超过 1024×1024）");
    }
    sticker.pixelWidth = size.width;
    sticker.pixelHeight = size.height;
    const StickerAnchor* anchor = FindNamed(kStickerAnchors, LookupJson(node, "anchor"));
    if (anchor == nullptr)
        return Fail(error, path + ".anchor 必须是 headTop / face / neck / tailTip 之一");
    sticker.anchor = *anchor;
    return ReadRangedNumber(node, "offsetX", {-120.0, 120.0}, path + ".offsetX", sticker.offsetX,
                            error) &&
           ReadRangedNumber(node, "offsetY", {-120.0, 120.0}, path + ".offsetY", sticker.offsetY,
                            error) &&
           ReadRangedNumber(node, "scale", {0.05, 4.0}, path + ".scale", sticker.scale, error) &&
           ReadRangedNumber(node, "rotation", {-180.0, 180.0}, path + ".rotation", sticker.rotation,
                            error);
}

bool ReadDecorations(const JsonValue& root, std::vector<SkinDecoration>& decorations,
                     std::string& error) {
    const JsonValue* node = LookupJson(root, "decorations");
    if (node == nullptr) return true;
    if (node->kind != JsonKind::Array) return Fail(error, "decorations 必须是数组");
    if (node->items.size() > kMaxDecorations) return Fail(error, "decorations 最多 8 个贴纸");
    decorations.resize(node->items.size());
    for (std::size_t i = 0; i < node->items.size(); ++i) {
        if (!ReadDecoration(node->items[i], Indexed("", "decorations", i), decorations[i], error))
            return false;
    }
    return true;
}

bool ReadPreview(const JsonValue& root, std::vector<std::uint8_t>& preview, std::string& error) {
    const JsonValue* node = LookupJson(root, "preview");
    if (IsAbsentOrNull(node)) return true;
    if (node->kind != JsonKind::String) return Fail(error, "preview 必须是 base64 PNG 字符串");
    PngSize size;
    if (!DecodeBase64(node->text, preview) || !ReadPngHeader(preview, size) ||
        preview.size() > kMaxPreviewBytes) {
        preview.clear();
        return Fail(error, "preview 必须是不超过 512 KB 的 base64 PNG");
    }
    return true;
}

bool ReadStyleFlag(const JsonValue& root, std::string_view key) {
    const JsonValue* node = LookupJson(root, key);
    return node != nullptr && node->kind == JsonKind::String && node->text == "douni";
}

}  // namespace

bool ReadCatSkin(std::string_view bytes, CatSkin& skin, std::string& error) {
    skin = CatSkin{};
    if (bytes.size() > kCatSkinFileLimit) return Fail(error, "皮肤文件超过 2 MB 上限");
    if (bytes.empty()) return Fail(error, "皮肤文件是空的");

    JsonValue root;
    if (!ParseJson(bytes, root, error)) return false;
    if (root.kind != JsonKind::Object) return Fail(error, "皮肤文件最外层必须是 JSON 对象 { … }");
    if (!ReadFormatVersion(root, error)) return false;

    const JsonValue* name = LookupJson(root, "name");
    if (name == nullptr || name->kind != JsonKind::String) return Fail(error, "缺少皮肤名称 name");
    skin.name = CleanText(name->text);
    if (skin.name.empty()) return Fail(error, "皮肤名称 name 不能为空");

    if (const JsonValue* author = LookupJson(root, "author"); !IsAbsentOrNull(author)) {
        if (author->kind != JsonKind::String) return Fail(error, "author 必须是字符串");
        skin.author = CleanText(author->text);
    }

    if (!ReadPalette(root, skin.palette, error)) return false;
    if (!ReadShape(root, skin.shape, error)) return false;

    if (const JsonValue* surface = LookupJson(root, "headSurface"); surface != nullptr) {
        const HeadSurface* value = FindNamed(kHeadSurfaces, surface);
        if (value == nullptr) return Fail(error, "headSurface 必须是 \"dome\" 或 \"plane\"");
        skin.headSurface = *value;
    }
    if (const JsonValue* legs = LookupJson(root, "idleLegs"); legs != nullptr) {
        const bool* value = FindNamed(kIdleLegs, legs);
        if (value == nullptr) return Fail(error, "idleLegs 必须是 \"legs\" 或 \"chest\"");
        skin.idleLegs = *value;
    }
    if (ReadStyleFlag(root, "renderStyle")) skin.renderStyle = RenderStyle::Douni;
    if (ReadStyleFlag(root, "typingStyle")) skin.typingStyle = TypingStyle::Douni;

    if (!ReadRegions(root, skin.regions, error)) return false;
    if (!ReadMarks(root, skin.palette, skin.marks, error)) return false;
    if (!ReadDecorations(root, skin.decorations, error)) return false;
    if (!ReadPreview(root, skin.previewPng, error)) return false;

    skin.id = SkinIdOf(bytes);
    skin.isBuiltin = false;
    return true;
}
