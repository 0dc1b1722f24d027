#include "render/coat_themes.h"

#include <algorithm>
#include <string>

#include "render/coat_marks.h"

namespace {

struct SlotColour {
    SkinColor CoatPalette::*slot;
    std::uint32_t rgb;
    std::uint8_t alpha;
};

struct CoatRecipe {
    std::string_view name;
    CatBuild build;
    HeadSurface headSurface;
    float pawStagger;
    std::array<SlotColour, 16> colours;
    std::size_t colourCount;
};

using P = CoatPalette;

constexpr std::array<CoatRecipe, kBuiltinCoatCount> kCoatRecipes{{
    {.name = "经典小黑猫",
     .build = CatBuild::Standard,
     .headSurface = HeadSurface::Dome,
     .pawStagger = 1.0f,
     .colours = {{{.slot = &P::body, .rgb = 0x161618, .alpha = 255},
                  {.slot = &P::legs, .rgb = 0x161618, .alpha = 255},
                  {.slot = &P::paws, .rgb = 0x161618, .alpha = 255},
                  {.slot = &P::earOuter, .rgb = 0x161618, .alpha = 255},
                  {.slot = &P::tail, .rgb = 0x161618, .alpha = 255},
                  {.slot = &P::whiskers, .rgb = 0xE0E6EB, .alpha = 174},
                  {.slot = &P::crease, .rgb = 0xD1EBE3, .alpha = 194}}},
     .colourCount = 7},
    {.name = "挖煤暹罗猫",
     .build = CatBuild::Sleek,
     .headSurface = HeadSurface::Dome,
     .pawStagger = 1.0f,
     .colours = {{{.slot = &P::body, .rgb = 0xF6EFE4, .alpha = 255},
                  {.slot = &P::bodyShade, .rgb = 0xEADBC8, .alpha = 255},
                  {.slot = &P::legs, .rgb = 0x35261F, .alpha = 255},
                  {.slot = &P::paws, .rgb = 0x35261F, .alpha = 255},
                  {.slot = &P::earOuter, .rgb = 0x35261F, .alpha = 255},
                  {.slot = &P::earInner, .rgb = 0x5D463A, .alpha = 255},
                  {.slot = &P::nose, .rgb = 0x241714, .alpha = 242},
                  {.slot = &P::mouth, .rgb = 0xC7A88F, .alpha = 140},
                  {.slot = &P::tail, .rgb = 0x35261F, .alpha = 255},
                  {.slot = &P::whiskers, .rgb = 0x7A6353, .alpha = 158},
                  {.slot = &P::crease, .rgb = 0x8D7867, .alpha = 138},
                  {.slot = &P::outline, .rgb = 0xAD9680, .alpha = 107},
                  {.slot = &P::points, .rgb = 0x35261F, .alpha = 255},
                  {.slot = &P::pointsMid, .rgb = 0x6A5041, .alpha = 255}}},
     .colourCount = 14},
    {.name = "美短（银虎斑加白）",
     .build = CatBuild::Standard,
     .headSurface = HeadSurface::Plane,
     .pawStagger = 0.0f,
     .colours = {{{.slot = &P::body, .rgb = 0xC2C5C1, .alpha = 255},
                  {.slot = &P::belly, .rgb = 0xF2EEE4, .alpha = 255},
                  {.slot = &P::legs, .rgb = 0xF2EEE4, .alpha = 255},
                  {.slot = &P::paws, .rgb = 0xF2EEE4, .alpha = 255},
                  {.slot = &P::earOuter, .rgb = 0xC2C5C1, .alpha = 255},
                  {.slot = &P::tail, .rgb = 0xC2C5C1, .alpha = 255},
                  {.slot = &P::stripes, .rgb = 0x55595A, .alpha = 255},
                  {.slot = &P::whiskers, .rgb = 0x8D8170, .alpha = 174},
                  {.slot = &P::crease, .rgb = 0x8B8171, .alpha = 153}}},
     .colourCount = 9},
    {.name = "橘白猫",
     .build = CatBuild::Standard,
     .headSurface = HeadSurface::Dome,
     .pawStagger = 0.0f,
     .colours = {{{.slot = &P::body, .rgb = 0xF2EEE4, .alpha = 255},
                  {.slot = &P::belly, .rgb = 0xF2EEE4, .alpha = 255},
                  {.slot = &P::legs, .rgb = 0xF2EEE4, .alpha = 255},
                  {.slot = &P::paws, .rgb = 0xF2EEE4, .alpha = 255},
                  {.slot = &P::earOuter, .rgb = 0xD8AA73, .alpha = 255},
                  {.slot = &P::tail, .rgb = 0xD8AA73, .alpha = 255},
                  {.slot = &P::stripes, .rgb = 0xA57543, .alpha = 255},
                  {.slot = &P::whiskers, .rgb = 0x8D8170, .alpha = 174},
                  {.slot = &P::crease, .rgb = 0x8B8171, .alpha = 153}}},
     .colourCount = 9},
    {.name = "呆猫",
     .build = CatBuild::Standard,
     .headSurface = HeadSurface::Dome,
     .pawStagger = 1.0f,
     .colours = {{{.slot = &P::body, .rgb = 0x4E5792, .alpha = 255},
                  {.slot = &P::legs, .rgb = 0xE3C99F, .alpha = 255},
                  {.slot = &P::paws, .rgb = 0xFFF1CD, .alpha = 255},
                  {.slot = &P::earOuter, .rgb = 0x555F9B, .alpha = 255},
                  {.slot = &P::tail, .rgb = 0x283157, .alpha = 255},
                  {.slot = &P::whiskers, .rgb = 0x8D8170, .alpha = 174},
                  {.slot = &P::crease, .rgb = 0x7C86BC, .alpha = 155}}},
     .colourCount = 7},
    {.name = "狸花猫",
     .build = CatBuild::Standard,
     .headSurface = HeadSurface::Dome,
     .pawStagger = 1.0f,
     .colours = {{{.slot = &P::body, .rgb = 0xCAB495, .alpha = 255},
                  {.slot = &P::legs, .rgb = 0xAE987B, .alpha = 255},
                  {.slot = &P::paws, .rgb = 0xEFE7D5, .alpha = 255},
                  {.slot = &P::earOuter, .rgb = 0x675642, .alpha = 255},
                  {.slot = &P::tail, .rgb = 0xA38F75, .alpha = 255},
                  {.slot = &P::whiskers, .rgb = 0x685541, .alpha = 174},
                  {.slot = &P::crease, .rgb = 0x685541, .alpha = 255}}},
     .colourCount = 7},
}};

CatSkin BuildCoat(std::size_t index) {
    const CoatRecipe& recipe = kCoatRecipes[index];
    CatSkin skin;
    skin.id = "builtin:" + std::to_string(index);
    skin.name = std::string(recipe.name);
    skin.isBuiltin = true;
    skin.shape.build = recipe.build;
    skin.shape.pawStagger = recipe.pawStagger;
    skin.headSurface = recipe.headSurface;
    skin.idleLegs = false;
    for (std::size_t i = 0; i < recipe.colourCount; ++i) {
        const SlotColour& c = recipe.colours[i];
        skin.palette.*(c.slot) = SkinColorFromRgb(c.rgb, c.alpha);
    }
    skin.marks = BuiltinCoatMarks(static_cast<BuiltinCoat>(index));
    return skin;
}

}  // namespace

const std::array<CatSkin, kBuiltinCoatCount>& BuiltinCoats() {
    static const std::array<CatSkin, kBuiltinCoatCount> coats{
        BuildCoat(0), BuildCoat(1), BuildCoat(2), BuildCoat(3), BuildCoat(4), BuildCoat(5)};
    return coats;
}

const CatSkin& BuiltinCoatSkin(std::int32_t coatTheme) {
    const std::int32_t index =
        std::clamp<std::int32_t>(coatTheme, 0, static_cast<std::int32_t>(kBuiltinCoatCount) - 1);
    return BuiltinCoats()[static_cast<std::size_t>(index)];
}

const CatSkin& BuiltinCoatSkin(BuiltinCoat coat) {
    return BuiltinCoatSkin(static_cast<std::int32_t>(coat));
}

const CatSkin& WornCatSkin(const Settings& settings, const CatSkin* imported) {
    if (!settings.CustomSkin.empty() && imported != nullptr && imported->id == settings.CustomSkin)
        return *imported;
    return BuiltinCoatSkin(settings.CoatTheme);
}

Argb IrisColor(const CatSkin& skin, std::int32_t eyeTheme) {
    if (skin.palette.iris.set) return ColorToArgb(skin.palette.iris);
    return EyeThemeColor(eyeTheme, 255);
}

bool IsBuiltinCoat(const CatSkin& skin, BuiltinCoat coat) {
    const int index = static_cast<int>(coat);
    if (!skin.isBuiltin || index < 0 || index > 9) return false;
    const char expected[] = {
        'b', 'u', 'i', 'l', 't', 'i', 'n', ':', static_cast<char>('0' + index)};
    return skin.id == std::string_view(expected, sizeof expected);
}

bool IsPlainDarkCoat(const CatSkin& skin) {
    if (IsBuiltinCoat(skin, BuiltinCoat::ClassicBlack)) return true;
    const CoatPalette& p = skin.palette;
    return !p.points.set && !p.outline.set && !skin.idleLegs && skin.marks.empty() &&
           skin.regions.empty() && Luma709(p.body) < 0.12;
}
