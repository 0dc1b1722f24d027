#include "skins/cat_skin_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "skins/skin_id.h"
#include "skin_test_util.h"

namespace {

// A valid skin with a white body plus extra top-level members.
std::string Skin(const std::string& extra = "") {
    return R"({"formatVersion": 1, "name": "T", "palette": {"body": "#FFFFFF"})" + extra + "}";
}

std::string WithRegion(const std::string& region) {
    return Skin(R"(, "regions": [)" + region + "]");
}
std::string WithMark(const std::string& mark) {
    return Skin(R"(, "marks": [)" + mark + "]");
}
std::string WithSticker(const std::string& sticker) {
    return Skin(R"(, "decorations": [)" + sticker + "]");
}

const std::string kTwoAnchors = R"("anchors": [{"x": 0, "y": 0}, {"x": 10, "y": 0}])";

std::string Repeat(const std::string& item, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        if (i > 0) out += ',';
        out += item;
    }
    return out;
}

std::string PngString(std::uint32_t w, std::uint32_t h, std::size_t size = 64) {
    return Base64(FakePng(w, h, size));
}

std::string ReadError(const std::string& bytes) {
    CatSkin skin;
    std::string error;
    if (ReadCatSkin(bytes, skin, error)) return "";
    return error;
}

CatSkin ReadOk(const std::string& bytes) {
    CatSkin skin;
    std::string error;
    EXPECT_TRUE(ReadCatSkin(bytes, skin, error)) << error << "\ninput: " << bytes;
    return skin;
}

TEST(CatSkinReaderTest, FixtureFiles) {
    const struct {
        const char* file;
        std::string expectedError;  // empty: reads
    } cases[] = {
        {"minimal.mewlark", ""},
        {"full.mewlark", ""},
        {"empty.mewlark", "皮肤文件是空的"},
        {"bad_json.mewlark", "不是有效的 JSON：对象缺少逗号或右花括号（第 41 字节附近）"},
        {"bad_palette.mewlark", "palette.legs 颜色里有非十六进制字符：\"#12345G\""},
        {"newer_format.mewlark", "这个皮肤使用了更新的格式（formatVersion 2），请先升级 Mewlark"},
        {"huge_format.mewlark",
         "这个皮肤使用了更新的格式（formatVersion 1e+300），请先升级 Mewlark"},
        {"one_anchor.mewlark", "regions[0].anchors 需要 2–128 个锚点"},
        {"polygon_two_points.mewlark", "marks[0].points 需要 3–512 个点"},
        {"mark_without_color.mewlark", "marks[0].color 缺失，且调色板没有 stripes 可作默认色"},
        {"sticker_too_wide.mewlark", "decorations[0].png 不是有效的 PNG（或尺寸超过 1024×1024）"},
        {"region_space_cut.mewlark",
         "regions[0].space 必须是 head / skull / body / tail / leftEar / rightEar 之一，现在是 "
         "\"x头部头部头部头\""},
    };
    for (const auto& c : cases) {
        const std::string bytes = ReadTestFile(c.file);
        EXPECT_EQ(ReadError(bytes), c.expectedError) << c.file;
    }
}

TEST(CatSkinReaderTest, FullFixtureFillsEveryPart) {
    const std::string bytes = ReadTestFile("full.mewlark");
    const CatSkin skin = ReadOk(bytes);
    EXPECT_EQ(skin.id, SkinIdOf(bytes));
    EXPECT_FALSE(skin.isBuiltin);
    EXPECT_EQ(skin.name, "Tabby Full");
    EXPECT_EQ(skin.author, "小橘工作室");

    EXPECT_EQ(skin.shape.build, CatBuild::Sleek);
    EXPECT_FLOAT_EQ(skin.shape.bodyWidth, 1.2f);
    EXPECT_FLOAT_EQ(skin.shape.headScale, 1.15f);
    EXPECT_FLOAT_EQ(skin.shape.earSize, 0.8f);
    EXPECT_FLOAT_EQ(skin.shape.tailThickness, 1.0f);
    EXPECT_EQ(skin.headSurface, HeadSurface::Plane);
    EXPECT_FALSE(skin.idleLegs);
    EXPECT_EQ(skin.renderStyle, RenderStyle::Douni);
    EXPECT_EQ(skin.typingStyle, TypingStyle::Default);  // "Douni" is not "douni"

    ASSERT_EQ(skin.regions.size(), 1u);
    const SkinRegion& region = skin.regions[0];
    EXPECT_EQ(region.space, RegionSpace::Body);
    EXPECT_DOUBLE_EQ(region.fill.a, 0.5);
    ASSERT_EQ(region.anchors.size(), 3u);
    EXPECT_FLOAT_EQ(region.anchors[0].inX, 0.0f);  // defaults to x
    EXPECT_FLOAT_EQ(region.anchors[0].outX, 10.0f);
    ASSERT_EQ(region.outlinePoints.size(), 48u);
    // Segment 0 runs (0,0) -> control (10,0), (10,0) -> (10,10).
    EXPECT_FLOAT_EQ(region.outlinePoints[0].x, 0.0f);
    EXPECT_FLOAT_EQ(region.outlinePoints[8].x, 8.75f);
    EXPECT_FLOAT_EQ(region.outlinePoints[8].y, 1.25f);
    EXPECT_FLOAT_EQ(region.outlinePoints[16].x, 10.0f);
    EXPECT_FLOAT_EQ(region.outlinePoints[16].y, 10.0f);
    // The last segment closes back towards the first anchor.
    EXPECT_FLOAT_EQ(region.outlinePoints[40].x, 0.0f);
    EXPECT_FLOAT_EQ(region.outlinePoints[40].y, 5.0f);

    ASSERT_EQ(skin.marks.size(), 2u);
    const SkinMark& polygon = skin.marks[0];
    EXPECT_FALSE(polygon.isStroke);
    EXPECT_EQ(polygon.width, 0.0f);
    EXPECT_DOUBLE_EQ(polygon.color.r, 0x8A / 255.0);  // the palette's stripes
    ASSERT_EQ(polygon.points.size(), 3u);
    EXPECT_FLOAT_EQ(polygon.points[2].y, 400.0f);
    const SkinMark& stroke = skin.marks[1];
    EXPECT_TRUE(stroke.isStroke);
    EXPECT_EQ(stroke.space, RegionSpace::Tail);
    EXPECT_FLOAT_EQ(stroke.width, 24.0f);
    EXPECT_DOUBLE_EQ(stroke.color.a, 128 / 255.0);
    EXPECT_TRUE(stroke.clipToBib);

    ASSERT_EQ(skin.decorations.size(), 1u);
    const SkinDecoration& sticker = skin.decorations[0];
    EXPECT_EQ(sticker.pixelWidth, 2);
    EXPECT_EQ(sticker.pixelHeight, 3);
    EXPECT_EQ(sticker.anchor, StickerAnchor::Face);
    EXPECT_FLOAT_EQ(sticker.offsetX, -120.0f);
    EXPECT_FLOAT_EQ(sticker.scale, 0.5f);
    EXPECT_FLOAT_EQ(sticker.rotation, 45.0f);
    ASSERT_GT(sticker.png.size(), 33u);
    EXPECT_EQ(sticker.png[1], 'P');
    EXPECT_FALSE(sticker.image);
    ASSERT_GT(skin.previewPng.size(), 33u);
    EXPECT_EQ(skin.previewPng[0], 0x89);
}

struct ColorExpect {
    const char* palette;  // members of "palette"
    const char* slot;
    SkinColor expected;
};

const SkinColor& Slot(const CoatPalette& palette, std::string_view name) {
    for (const CoatPaletteSlot& slot : kCoatPaletteSlots) {
        if (slot.name == name) return palette.*slot.member;
    }
    ADD_FAILURE() << "no slot " << name;
    return palette.body;
}

TEST(CatSkinReaderTest, PaletteDerivations) {
    constexpr double k33 = 0x33 / 255.0, k66 = 0x66 / 255.0, k99 = 0x99 / 255.0;
    const SkinColor darkWhiskers{0.88, 0.90, 0.92, 0.68, true};
    const SkinColor darkCrease{0.82, 0.92, 0.89, 0.76, true};
    const SkinColor lightWhiskers{141 / 255.0, 129 / 255.0, 112 / 255.0, 0.68, true};
    const SkinColor lightCrease{139 / 255.0, 129 / 255.0, 113 / 255.0, 0.60, true};
    const SkinColor body{k33, k66, k99, 1.0, true};
    const SkinColor black{0, 0, 0, 1.0, true};
    const SkinColor white{1, 1, 1, 1.0, true};
    const SkinColor red{1, 0, 0, 1.0, true};
    const SkinColor unset{};
    const ColorExpect cases[] = {
        // Body only: the limbs, ears and tail take the body colour.
        {R"("body": "#336699")", "legs", body},
        {R"("body": "#336699")", "paws", body},
        {R"("body": "#336699")", "earOuter", body},
        {R"("body": "#336699")", "tail", body},
        {R"("body": "#336699")", "pointsMid", unset},
        {R"("body": "#336699")", "belly", unset},
        {R"("body": "#336699")", "whiskers", darkWhiskers},
        {R"("body": "#336699")", "crease", darkCrease},
        {R"("body": "#000000")", "whiskers", darkWhiskers},
        {R"("body": "#FFFFFF")", "whiskers", lightWhiskers},
        {R"("body": "#FFFFFF")", "crease", lightCrease},
        // Brightness 115/255 is light, 114/255 dark.
        {R"("body": "#737373")", "crease", lightCrease},
        {R"("body": "#727272")", "crease", darkCrease},
        // Colour points go to paws and ears; pointsMid is halfway, opaque.
        {R"("body": "#FFFFFF", "points": "#00000080")", "paws", {0, 0, 0, 128 / 255.0, true}},
        {R"("body": "#FFFFFF", "points": "#000000")", "earOuter", black},
        {R"("body": "#FFFFFF", "points": "#000000")", "tail", black},
        {R"("body": "#FFFFFF", "points": "#000000")", "legs", white},
        {R"("body": "#FFFFFF", "points": "#00000080")", "pointsMid", {0.5, 0.5, 0.5, 1.0, true}},
        {R"("body": "#FFFFFF", "points": "#000000", "pointsMid": "#FF0000")", "pointsMid", red},
        // Without points, paws and ears follow the legs; the tail the ears.
        {R"("body": "#FFFFFF", "legs": "#FF0000")", "paws", red},
        {R"("body": "#FFFFFF", "legs": "#FF0000")", "earOuter", red},
        {R"("body": "#FFFFFF", "earOuter": "#FF0000")", "tail", red},
        {R"("body": "#FFFFFF", "earOuter": "#FF0000")", "paws", white},
        {R"("body": "#FFFFFF", "whiskers": "#FF0000", "crease": null)", "whiskers", red},
        {R"("body": "#FFFFFF", "whiskers": "#FF0000", "crease": null)", "crease", lightCrease},
        {R"("body": "#ff000080")", "legs", {1, 0, 0, 128 / 255.0, true}},
    };
    for (const ColorExpect& c : cases) {
        const std::string input =
            std::string(R"({"formatVersion": 1, "name": "P", "palette": {)") + c.palette + "}}";
        const CatSkin skin = ReadOk(input);
        const SkinColor& actual = Slot(skin.palette, c.slot);
        const std::string where = std::string(c.palette) + " -> " + c.slot;
        EXPECT_EQ(actual.set, c.expected.set) << where;
        EXPECT_DOUBLE_EQ(actual.r, c.expected.r) << where;
        EXPECT_DOUBLE_EQ(actual.g, c.expected.g) << where;
        EXPECT_DOUBLE_EQ(actual.b, c.expected.b) << where;
        EXPECT_DOUBLE_EQ(actual.a, c.expected.a) << where;
    }
}

TEST(CatSkinReaderTest, NumbersAreClampedNotRejected) {
    using Get = std::function<float(const CatSkin&)>;
    const Get bodyWidth = [](const CatSkin& s) { return s.shape.bodyWidth; };
    const Get headScale = [](const CatSkin& s) { return s.shape.headScale; };
    const Get pawStagger = [](const CatSkin& s) { return s.shape.pawStagger; };
    const Get fillAlpha = [](const CatSkin& s) {
        return static_cast<float>(s.regions.at(0).fill.a);
    };
    const Get anchorX = [](const CatSkin& s) { return s.regions.at(0).anchors.at(0).x; };
    const Get anchorInX = [](const CatSkin& s) { return s.regions.at(0).anchors.at(0).inX; };
    const Get anchorOutY = [](const CatSkin& s) { return s.regions.at(0).anchors.at(0).outY; };
    const Get markWidth = [](const CatSkin& s) { return s.marks.at(0).width; };
    const Get markAlpha = [](const CatSkin& s) {
        return static_cast<float>(s.marks.at(0).color.a);
    };
    const Get markPointX = [](const CatSkin& s) { return s.marks.at(0).points.at(0).x; };
    const Get offsetY = [](const CatSkin& s) { return s.decorations.at(0).offsetY; };
    const Get scale = [](const CatSkin& s) { return s.decorations.at(0).scale; };
    const Get rotation = [](const CatSkin& s) { return s.decorations.at(0).rotation; };
    const std::string stroke = R"({"space": "head", "kind": "stroke", "color": "#000000", )";
    const std::string sticker = R"({"anchor": "neck", "png": ")" + PngString(8, 8) + "\", ";
    const struct {
        std::string input;
        Get get;
        float expected;
    } cases[] = {
        {Skin(R"(, "shape": {"bodyWidth": 9})"), bodyWidth, 1.35f},
        {Skin(R"(, "shape": {"bodyWidth": -1})"), bodyWidth, 0.85f},
        {Skin(R"(, "shape": {"bodyWidth": null})"), bodyWidth, 1.0f},
        {Skin(R"(, "shape": {"bodyWidth": 1.1})"), bodyWidth, 1.1f},
        {Skin(R"(, "shape": {})"), headScale, 1.0f},
        {Skin(R"(, "shape": {"headScale": 0})"), headScale, 0.9f},
        {Skin(R"(, "shape": {"pawStagger": -3})"), pawStagger, 0.0f},
        {WithRegion(R"({"space": "head", "fill": "#000000", "alpha": 2, )" + kTwoAnchors + "}"),
         fillAlpha, 1.0f},
        {WithRegion(R"({"space": "head", "fill": "#00000080", "alpha": 0.5, )" + kTwoAnchors + "}"),
         fillAlpha, 64 / 255.0f},
        {WithRegion(R"({"space": "head", "fill": "#000000", "alpha": -1, )" + kTwoAnchors + "}"),
         fillAlpha, 0.0f},
        {WithRegion(
             R"({"space": "head", "fill": "#000000", "anchors": [{"x": 999, "y": 0}, {"x": 0, "y": 0}]})"),
         anchorX, 400.0f},
        {WithRegion(
             R"({"space": "head", "fill": "#000000", "anchors": [{"x": 5, "y": 0, "inX": -999}, {"x": 0, "y": 0}]})"),
         anchorInX, -400.0f},
        {WithRegion(
             R"({"space": "head", "fill": "#000000", "anchors": [{"x": 5, "y": 7}, {"x": 0, "y": 0}]})"),
         anchorOutY, 7.0f},
        {WithRegion(
             R"({"space": "head", "fill": "#000000", "anchors": [{"x": null, "y": 0}, {"x": 3, "y": 0}]})"),
         anchorX, 0.0f},
        {WithMark(stroke + R"("points": [[0, 0], [1, 1]]})"), markWidth, 2.0f},
        {WithMark(stroke + R"("width": 0, "points": [[0, 0], [1, 1]]})"), markWidth, 0.2f},
        {WithMark(stroke + R"("width": 100, "points": [[0, 0], [1, 1]]})"), markWidth, 24.0f},
        {WithMark(stroke + R"("alpha": 0.25, "points": [[0, 0], [1, 1]]})"), markAlpha, 0.25f},
        {WithMark(stroke + R"("points": [[-1000, 0], [1, 1]]})"), markPointX, -400.0f},
        {WithMark(R"({"space": "head", "kind": "polygon", "color": "#000000", "width": "wide",
                     "points": [[0, 0], [1, 1], [2, 0]]})"),
         markWidth, 0.0f},
        {WithSticker(sticker + R"("offsetY": 500})"), offsetY, 120.0f},
        {WithSticker(sticker + R"("scale": 0})"), scale, 0.05f},
        {WithSticker(sticker + R"("scale": null})"), scale, 1.0f},
        {WithSticker(sticker + R"("rotation": -720})"), rotation, -180.0f},
    };
    for (const auto& c : cases) {
        const CatSkin skin = ReadOk(c.input);
        EXPECT_FLOAT_EQ(c.get(skin), c.expected) << c.input;
    }
}

TEST(CatSkinReaderTest, FirstFaultGivesItsMessage) {
    const std::string space = R"("space": "head", )";
    const std::string fill = R"("fill": "#000000", )";
    const std::string polygon = R"({"space": "head", "kind": "polygon", "color": "#000000", )";
    const std::string stroke = R"({"space": "head", "kind": "stroke", "color": "#000000", )";
    const std::string pair = "[1, 2]";
    const std::string oneMegabytePlus = Base64(FakePng(8, 8, 1048577));
    const struct {
        std::string input;
        std::string expected;
    } cases[] = {
        {"[]", "皮肤文件最外层必须是 JSON 对象 { … }"},
        {"\"skin\"", "皮肤文件最外层必须是 JSON 对象 { … }"},
        {"{\"name\": \"x\"", "不是有效的 JSON：对象缺少逗号或右花括号（第 13 字节附近）"},
        // formatVersion
        {R"({"name": "T", "palette": {"body": "#FFFFFF"}})",
         "缺少 formatVersion，这不是 Mewlark 皮肤文件"},
        {R"({"formatVersion": 1.5})", "formatVersion 必须是整数"},
        {R"({"formatVersion": "1"})", "formatVersion 必须是整数"},
        {R"({"formatVersion": null})", "formatVersion 必须是整数"},
        {R"({"formatVersion": 2})",
         "这个皮肤使用了更新的格式（formatVersion 2），请先升级 Mewlark"},
        {R"({"formatVersion": 9007199254740992})",
         "这个皮肤使用了更新的格式（formatVersion 9007199254740992），请先升级 Mewlark"},
        {R"({"formatVersion": 2e20})",
         "这个皮肤使用了更新的格式（formatVersion 2e+20），请先升级 Mewlark"},
        {R"({"formatVersion": 0})", "formatVersion 无效"},
        {R"({"formatVersion": -1e300})", "formatVersion 无效"},
        {R"({"formatVersion": 1.0, "palette": {"body": "#FFFFFF"}})", "缺少皮肤名称 name"},
        // name and author
        {R"({"formatVersion": 1, "name": 5})", "缺少皮肤名称 name"},
        {R"({"formatVersion": 1, "name": " \t\r\n "})", "皮肤名称 name 不能为空"},
        {R"({"formatVersion": 1, "name": "\u0001\u0002"})", "皮肤名称 name 不能为空"},
        {R"({"formatVersion": 1, "name": "T", "author": 5})", "author 必须是字符串"},
        // palette
        {R"({"formatVersion": 1, "name": "T"})", "缺少调色板 palette"},
        {R"({"formatVersion": 1, "name": "T", "palette": []})", "缺少调色板 palette"},
        {R"({"formatVersion": 1, "name": "T", "palette": {}})", "调色板缺少主体颜色 palette.body"},
        {R"({"formatVersion": 1, "name": "T", "palette": {"body": null}})",
         "调色板缺少主体颜色 palette.body"},
        {R"({"formatVersion": 1, "name": "T", "palette": {"body": 255}})",
         "palette.body 必须是 \"#RRGGBB\" 或 \"#RRGGBBAA\" 颜色字符串"},
        {R"({"formatVersion": 1, "name": "T", "palette": {"body": "#abc"}})",
         "palette.body 颜色格式应为 #RRGGBB 或 #RRGGBBAA，现在是 \"#abc\""},
        {R"({"formatVersion": 1, "name": "T", "palette": {"body": "FFFFFFF"}})",
         "palette.body 颜色格式应为 #RRGGBB 或 #RRGGBBAA，现在是 \"FFFFFFF\""},
        {R"({"formatVersion": 1, "name": "T", "palette": {"body": "#12345678901234567890"}})",
         "palette.body 颜色格式应为 #RRGGBB 或 #RRGGBBAA，现在是 \"#123456789012345\""},
        {R"({"formatVersion": 1, "name": "T", "palette": {"body": "#12345G"}})",
         "palette.body 颜色里有非十六进制字符：\"#12345G\""},
        // Slots are read in order: an error in belly comes before one in legs.
        {R"({"formatVersion": 1, "name": "T", "palette": {"legs": "x", "belly": "y"}})",
         "palette.belly 颜色格式应为 #RRGGBB 或 #RRGGBBAA，现在是 \"y\""},
        // shape and the enumerations
        {Skin(R"(, "shape": [])"), "shape 必须是对象"},
        {Skin(R"(, "shape": {"build": "round"})"), "shape.build 必须是 \"standard\" 或 \"sleek\""},
        {Skin(R"(, "shape": {"build": null})"), "shape.build 必须是 \"standard\" 或 \"sleek\""},
        {Skin(R"(, "shape": {"bodyWidth": "wide"})"), "shape.bodyWidth 必须是数字"},
        {Skin(R"(, "shape": {"pawStagger": true})"), "shape.pawStagger 必须是数字"},
        {Skin(R"(, "headSurface": null)"), "headSurface 必须是 \"dome\" 或 \"plane\""},
        {Skin(R"(, "headSurface": "Dome")"), "headSurface 必须是 \"dome\" 或 \"plane\""},
        {Skin(R"(, "idleLegs": 1)"), "idleLegs 必须是 \"legs\" 或 \"chest\""},
        // regions
        {Skin(R"(, "regions": {})"), "regions 必须是数组"},
        {Skin(R"(, "regions": [)" + Repeat("1", 65) + "]"), "regions 最多 64 个分区"},
        {WithRegion("5"), "regions[0] 必须是对象"},
        {WithRegion("{" + fill + kTwoAnchors + "}"),
         "regions[0].space 缺失：必须是 head / skull / body / tail / leftEar / rightEar 之一"},
        {WithRegion(R"({"space": 3, )" + fill + kTwoAnchors + "}"),
         "regions[0].space 缺失：必须是 head / skull / body / tail / leftEar / rightEar 之一"},
        {WithRegion(R"({"space": "Head", )" + fill + kTwoAnchors + "}"),
         "regions[0].space 必须是 head / skull / body / tail / leftEar / rightEar 之一，现在是 "
         "\"Head\""},
        {WithRegion(R"({"space": "abcdefghijklmnopqrstuvwxyz", )" + fill + kTwoAnchors + "}"),
         "regions[0].space 必须是 head / skull / body / tail / leftEar / rightEar 之一，现在是 "
         "\"abcdefghijklmnopqrstuvwx\""},
        {WithRegion("{" + space + kTwoAnchors + "}"), "regions[0].fill 缺失"},
        {WithRegion("{" + space + R"("fill": null, )" + kTwoAnchors + "}"), "regions[0].fill 缺失"},
        {WithRegion("{" + space + R"("fill": "red", )" + kTwoAnchors + "}"),
         "regions[0].fill 颜色格式应为 #RRGGBB 或 #RRGGBBAA，现在是 \"red\""},
        {WithRegion("{" + space + fill + R"("alpha": "half", )" + kTwoAnchors + "}"),
         "regions[0].alpha 必须是数字"},
        {WithRegion("{" + space + fill + R"("anchors": {}})"), "regions[0].anchors 必须是锚点数组"},
        {WithRegion("{" + space + fill + R"("anchors": [{"x": 0, "y": 0}]})"),
         "regions[0].anchors 需要 2–128 个锚点"},
        {WithRegion("{" + space + fill + R"("anchors": [)" + Repeat(R"({"x": 0, "y": 0})", 129) +
                    "]}"),
         "regions[0].anchors 需要 2–128 个锚点"},
        {WithRegion("{" + space + fill + R"("anchors": [{"x": 0, "y": 0}, []]})"),
         "regions[0].anchors[1] 必须是 {x, y, inX, inY, outX, outY} 对象"},
        {WithRegion("{" + space + fill + R"("anchors": [{"x": 0}, {"x": 0, "y": 0}]})"),
         "regions[0].anchors[0] 缺少 x / y"},
        {WithRegion("{" + space + fill + R"("anchors": [{"x": "0", "y": 0}, {"x": 0, "y": 0}]})"),
         "regions[0].anchors[0].x 必须是数字"},
        {WithRegion("{" + space + fill +
                    R"("anchors": [{"x": 0, "y": 0, "outY": "1"}, {"x": 0, "y": 0}]})"),
         "regions[0].anchors[0].outY 必须是数字"},
        {WithRegion("{" + space + fill + kTwoAnchors + "}, 7"), "regions[1] 必须是对象"},
        // marks
        {Skin(R"(, "marks": "none")"), "marks 必须是数组"},
        {Skin(R"(, "marks": [)" + Repeat("1", 257) + "]"), "marks 最多 256 条"},
        {WithMark("[]"), "marks[0] 必须是对象"},
        {WithMark(R"({"kind": "stroke"})"),
         "marks[0].space 缺失：必须是 head / skull / body / tail / leftEar / rightEar 之一"},
        {WithMark(R"({"space": "tail"})"), "marks[0].kind 必须是 \"polygon\" 或 \"stroke\""},
        {WithMark(R"({"space": "tail", "kind": "Polygon"})"),
         "marks[0].kind 必须是 \"polygon\" 或 \"stroke\""},
        {WithMark(R"({"space": "tail", "kind": "stroke", "points": [[0, 0], [1, 1]]})"),
         "marks[0].color 缺失，且调色板没有 stripes 可作默认色"},
        {WithMark(R"({"space": "tail", "kind": "stroke", "color": 1})"),
         "marks[0].color 必须是 \"#RRGGBB\" 或 \"#RRGGBBAA\" 颜色字符串"},
        {WithMark(stroke + R"("alpha": [], "points": [[0, 0], [1, 1]]})"),
         "marks[0].alpha 必须是数字"},
        {WithMark(stroke + R"("width": "2", "points": [[0, 0], [1, 1]]})"),
         "marks[0].width 必须是数字"},
        {WithMark(R"({"space": "head", "kind": "stroke", "color": "#000000"})"),
         "marks[0].points 必须是 [[x, y], …] 数组"},
        {WithMark(stroke + R"("points": [0, 0]})"), "marks[0].points[0] 必须是 [x, y]"},
        {WithMark(stroke + R"("points": [[0, 0]]})"), "marks[0].points 需要 2–512 个点"},
        {WithMark(polygon + R"("points": [[0, 0], [1, 1]]})"), "marks[0].points 需要 3–512 个点"},
        {WithMark(polygon + R"("points": [)" + Repeat(pair, 513) + "]}"),
         "marks[0].points 需要 3–512 个点"},
        {WithMark(polygon + R"("points": [[0, 0], [1], [2, 2]]})"),
         "marks[0].points[1] 必须是 [x, y]"},
        {WithMark(polygon + R"("points": [[0, 0], [1, 1], [2, "2"]]})"),
         "marks[0].points[2] 必须是 [x, y]"},
        {WithMark(polygon + R"("points": [[0, 0, 0], [1, 1], [2, 2]]})"),
         "marks[0].points[0] 必须是 [x, y]"},
        {WithMark(polygon + R"("points": [{"x": 0, "y": 0}, [1, 1], [2, 2]]})"),
         "marks[0].points[0] 必须是 [x, y]"},
        // decorations
        {Skin(R"(, "decorations": 1)"), "decorations 必须是数组"},
        {Skin(R"(, "decorations": [)" + Repeat("1", 9) + "]"), "decorations 最多 8 个贴纸"},
        {WithSticker("null"), "decorations[0] 必须是对象"},
        {WithSticker(R"({"anchor": "face"})"), "decorations[0].png 必须是 base64 编码的 PNG"},
        {WithSticker(R"({"png": 12, "anchor": "face"})"),
         "decorations[0].png 必须是 base64 编码的 PNG"},
        {WithSticker(R"({"png": "iVBO*w0K", "anchor": "face"})"),
         "decorations[0].png 必须是 base64 编码的 PNG"},
        {WithSticker(R"({"png": "QQ==QQ", "anchor": "face"})"),
         "decorations[0].png 必须是 base64 编码的 PNG"},
        {WithSticker(R"({"png": ")" + oneMegabytePlus + R"(", "anchor": "face"})"),
         "decorations[0].png 超过 1 MB"},
        {WithSticker(R"({"png": "QUJD", "anchor": "face"})"),
         "decorations[0].png 不是有效的 PNG（或尺寸超过 1024×1024）"},
        {WithSticker(R"({"png": ")" + PngString(1025, 10) + R"(", "anchor": "face"})"),
         "decorations[0].png 不是有效的 PNG（或尺寸超过 1024×1024）"},
        {WithSticker(R"({"png": ")" + PngString(10, 1025) + R"(", "anchor": "face"})"),
         "decorations[0].png 不是有效的 PNG（或尺寸超过 1024×1024）"},
        {WithSticker(R"({"png": ")" + PngString(0, 10) + R"(", "anchor": "face"})"),
         "decorations[0].png 不是有效的 PNG（或尺寸超过 1024×1024）"},
        {WithSticker(R"({"png": ")" + PngString(1, 1) + R"("})"),
         "decorations[0].anchor 必须是 headTop / face / neck / tailTip 之一"},
        {WithSticker(R"({"png": ")" + PngString(1, 1) + R"(", "anchor": "Face"})"),
         "decorations[0].anchor 必须是 headTop / face / neck / tailTip 之一"},
        {WithSticker(R"({"png": ")" + PngString(1, 1) + R"(", "anchor": "face", "offsetX": "1"})"),
         "decorations[0].offsetX 必须是数字"},
        {WithSticker(R"({"png": ")" + PngString(1, 1) + R"(", "anchor": "face", "rotation": {}})"),
         "decorations[0].rotation 必须是数字"},
        // preview
        {Skin(R"(, "preview": 5)"), "preview 必须是 base64 PNG 字符串"},
        {Skin(R"(, "preview": "abc!")"), "preview 必须是不超过 512 KB 的 base64 PNG"},
        {Skin(R"(, "preview": "QUJD")"), "preview 必须是不超过 512 KB 的 base64 PNG"},
        {Skin(R"(, "preview": ")" + PngString(10, 10, 524289) + "\""),
         "preview 必须是不超过 512 KB 的 base64 PNG"},
        {Skin(R"(, "preview": ")" + PngString(4097, 10) + "\""),
         "preview 必须是不超过 512 KB 的 base64 PNG"},
        // Accepted
        {Skin(R"(, "preview": ")" + PngString(2000, 2000, 300 * 1024) + "\""), ""},
        {Skin(R"(, "preview": null, "author": null, "unknownKey": [1, {"x": null}])"), ""},
        {WithSticker(R"({"png": "data:image/png;base64,)" + PngString(1024, 1024) +
                     R"(", "anchor": "tailTip"})"),
         ""},
        {WithMark(stroke + R"("points": [[0, 0], [1, 1]]})"), ""},
        {WithMark(polygon + R"("points": [)" + Repeat(pair, 512) + "]}"), ""},
        {WithRegion("{" + space + fill + R"("anchors": [)" + Repeat(R"({"x": 0, "y": 0})", 128) +
                    "]}"),
         ""},
        {Skin(R"(, "regions": [)" + Repeat("{" + space + fill + kTwoAnchors + "}", 64) + "]"), ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadError(c.input), c.expected) << c.input.substr(0, 300);
    }
}

TEST(CatSkinReaderTest, QuotedValuesAreCutAtWholeCharacters) {
    // "#x" and then five three-byte characters: 16 bytes would end inside
    // the fifth one, so the quote stops after the fourth.
    const std::string colour = "#x红红红红红红";
    EXPECT_EQ(
        ReadError(R"({"formatVersion": 1, "name": "T", "palette": {"body": ")" + colour + "\"}}"),
        "palette.body 颜色格式应为 #RRGGBB 或 #RRGGBBAA，现在是 \"#x红红红红\"");
    const std::string space = "x头部头部头部头部头部";  // 24 bytes end inside the eighth character
    EXPECT_EQ(
        ReadError(
            WithRegion(R"({"space": ")" + space + R"(", "fill": "#000000", )" + kTwoAnchors + "}")),
        "regions[0].space 必须是 head / skull / body / tail / leftEar / rightEar 之一，现在是 "
        "\"x头部头部头部头\"");
    // A four-byte character right at the end of the 16 bytes is kept whole.
    EXPECT_EQ(
        ReadError(R"({"formatVersion": 1, "name": "T", "palette": {"body": "#12345678901😀!"}})"),
        "palette.body 颜色格式应为 #RRGGBB 或 #RRGGBBAA，现在是 \"#12345678901😀\"");
}

TEST(CatSkinReaderTest, FileSizeLimit) {
    std::string exact = Skin();
    exact.resize(kCatSkinFileLimit, ' ');
    EXPECT_EQ(ReadError(exact), "");
    EXPECT_EQ(ReadError(exact + " "), "皮肤文件超过 2 MB 上限");
    EXPECT_EQ(ReadError(""), "皮肤文件是空的");
}

TEST(CatSkinReaderTest, NamesAreCleaned) {
    const std::string fifty(50, 'n');
    std::string fiftyHan;
    for (int i = 0; i < 50; ++i) fiftyHan += "猫";
    const struct {
        std::string json;  // the "name" member as written in the file
        std::string expected;
    } cases[] = {
        {R"("  Tabby\t\r\n")", "Tabby"},
        {R"("a\tb\nc")", "abc"},
        {R"("\u0001 x ")", " x"},
        {"\"" + fifty + "\"", std::string(40, 'n')},
        {"\"" + fiftyHan + "\"", fiftyHan.substr(0, 40 * 3)},
        {R"("喵\u0007喵")", "喵喵"},
    };
    for (const auto& c : cases) {
        const CatSkin skin = ReadOk(
            R"({"formatVersion": 1, "palette": {"body": "#FFFFFF"}, "name": )" + c.json + "}");
        EXPECT_EQ(skin.name, c.expected) << c.json;
    }
    const CatSkin withAuthor = ReadOk(
        R"({"formatVersion": 1, "palette": {"body": "#FFFFFF"}, "name": "N", "author": "\tAnn "})");
    EXPECT_EQ(withAuthor.author, "Ann");
}

TEST(CatSkinReaderTest, FlagsAndEnumerations) {
    const struct {
        std::string extra;
        RenderStyle renderStyle;
        TypingStyle typingStyle;
        bool clipToBib;
    } cases[] = {
        {R"(, "renderStyle": "douni", "typingStyle": "douni")", RenderStyle::Douni,
         TypingStyle::Douni, false},
        {R"(, "renderStyle": "Douni", "typingStyle": "douni ")", RenderStyle::Default,
         TypingStyle::Default, false},
        {R"(, "renderStyle": 1, "typingStyle": null)", RenderStyle::Default, TypingStyle::Default,
         false},
        {R"(, "marks": [{"space": "skull", "kind": "stroke", "color": "#000000", "points": [[0, 0], [1, 1]],
             "clipToBib": true}])",
         RenderStyle::Default, TypingStyle::Default, true},
        {R"(, "marks": [{"space": "skull", "kind": "stroke", "color": "#000000", "points": [[0, 0], [1, 1]],
             "clipToBib": "true"}])",
         RenderStyle::Default, TypingStyle::Default, false},
    };
    for (const auto& c : cases) {
        const CatSkin skin = ReadOk(Skin(c.extra));
        EXPECT_EQ(skin.renderStyle, c.renderStyle) << c.extra;
        EXPECT_EQ(skin.typingStyle, c.typingStyle) << c.extra;
        EXPECT_EQ(!skin.marks.empty() && skin.marks[0].clipToBib, c.clipToBib) << c.extra;
    }
    const CatSkin defaults = ReadOk(Skin());
    EXPECT_EQ(defaults.headSurface, HeadSurface::Dome);
    EXPECT_TRUE(defaults.idleLegs);
    EXPECT_EQ(defaults.shape.build, CatBuild::Standard);
    EXPECT_TRUE(defaults.regions.empty());
    EXPECT_TRUE(defaults.previewPng.empty());

    const char* spaces[] = {"head", "skull", "body", "tail", "leftEar", "rightEar"};
    for (int i = 0; i < 6; ++i) {
        const CatSkin skin = ReadOk(WithRegion(R"({"space": ")" + std::string(spaces[i]) +
                                               R"(", "fill": "#000000", )" + kTwoAnchors + "}"));
        EXPECT_EQ(static_cast<int>(skin.regions.at(0).space), i) << spaces[i];
    }
    const char* anchors[] = {"headTop", "face", "neck", "tailTip"};
    for (int i = 0; i < 4; ++i) {
        const CatSkin skin = ReadOk(WithSticker(R"({"png": ")" + PngString(3, 4) +
                                                R"(", "anchor": ")" + anchors[i] + "\"}"));
        EXPECT_EQ(static_cast<int>(skin.decorations.at(0).anchor), i) << anchors[i];
    }
}

TEST(CatSkinReaderTest, IdentifierIsTheHashOfTheBytes) {
    EXPECT_EQ(SkinIdOf(""), "14650fb0739d0383");
    EXPECT_EQ(SkinIdOf("a"), "44bd8ad473cd9906");
    const std::string bytes = ReadTestFile("minimal.mewlark");
    EXPECT_EQ(ReadOk(bytes).id, "13662b809b88585f");
    EXPECT_EQ(ReadOk(bytes).id, ReadOk(bytes).id);
    std::string changed = bytes;
    changed[changed.find("Minimal")] = 'm';
    EXPECT_NE(ReadOk(changed).id, ReadOk(bytes).id);
    // The byte-order mark is part of the file and of its identifier.
    EXPECT_NE(ReadOk("\xEF\xBB\xBF" + bytes).id, ReadOk(bytes).id);
}

}  // namespace
