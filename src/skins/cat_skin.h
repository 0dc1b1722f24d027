#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skins/skin_color.h"

// The 19 named colours of a coat, in file and slot order.
struct CoatPalette {
    SkinColor body;
    SkinColor bodyShade;
    SkinColor belly;
    SkinColor legs;
    SkinColor paws;
    SkinColor pawPads;
    SkinColor earOuter;
    SkinColor earInner;
    SkinColor nose;
    SkinColor mouth;
    SkinColor iris;
    SkinColor tail;
    SkinColor tailTip;
    SkinColor stripes;
    SkinColor whiskers;
    SkinColor crease;
    SkinColor outline;
    SkinColor points;
    SkinColor pointsMid;
};

struct CoatPaletteSlot {
    std::string_view name;  // also the key in the file's "palette" object
    SkinColor CoatPalette::*member;
};

inline constexpr std::size_t kCoatPaletteSlotCount = 19;

// clang-format off
inline constexpr std::array<CoatPaletteSlot, kCoatPaletteSlotCount> kCoatPaletteSlots{{
    {"body", &CoatPalette::body},
    {"bodyShade", &CoatPalette::bodyShade},
    {"belly", &CoatPalette::belly},
    {"legs", &CoatPalette::legs},
    {"paws", &CoatPalette::paws},
    {"pawPads", &CoatPalette::pawPads},
    {"earOuter", &CoatPalette::earOuter},
    {"earInner", &CoatPalette::earInner},
    {"nose", &CoatPalette::nose},
    {"mouth", &CoatPalette::mouth},
    {"iris", &CoatPalette::iris},
    {"tail", &CoatPalette::tail},
    {"tailTip", &CoatPalette::tailTip},
    {"stripes", &CoatPalette::stripes},
    {"whiskers", &CoatPalette::whiskers},
    {"crease", &CoatPalette::crease},
    {"outline", &CoatPalette::outline},
    {"points", &CoatPalette::points},
    {"pointsMid", &CoatPalette::pointsMid},
}};
// clang-format on

enum class CatBuild : std::int32_t { Standard = 0, Sleek = 1 };

struct CatShape {
    CatBuild build = CatBuild::Standard;
    float bodyWidth = 1.0f;      // 0.85..1.35
    float headScale = 1.0f;      // 0.9..1.15
    float earSize = 1.0f;        // 0.8..1.25
    float earPointiness = 1.0f;  // 0.5..1.5
    float tailLength = 1.0f;     // 0.7..1.3
    float tailThickness = 1.0f;  // 0.7..1.5
    float cheekFullness = 1.0f;  // 0.85..1.25
    float pawStagger = 1.0f;     // 0..1
};

// The part of the cat a region or mark is painted on, which is also the
// coordinate space of its points.
enum class RegionSpace : std::int32_t {
    Head = 0,
    Skull = 1,
    Body = 2,
    Tail = 3,
    LeftEar = 4,
    RightEar = 5
};

enum class StickerAnchor : std::int32_t { HeadTop = 0, Face = 1, Neck = 2, TailTip = 3 };

enum class HeadSurface : std::int32_t { Dome = 0, Plane = 1 };

// How the whole scene is drawn; "douni" is the alternative drawing.
enum class RenderStyle : std::int32_t { Default = 0, Douni = 1 };

// How the cat types; "douni" is the alternative typing motion.
enum class TypingStyle : std::int32_t { Default = 0, Douni = 1 };

struct SkinPoint {
    float x = 0.0f;
    float y = 0.0f;
};

// One outline point in Stage units (each value within -400..400) with its
// two Bezier control points; equal control and anchor points give a corner.
struct SkinAnchor {
    float x = 0.0f;
    float y = 0.0f;
    float inX = 0.0f;
    float inY = 0.0f;
    float outX = 0.0f;
    float outY = 0.0f;
};

struct SkinRegion {
    RegionSpace space = RegionSpace::Head;
    SkinColor fill;  // a already multiplied by the region's alpha
    std::vector<SkinAnchor> anchors;
    // The closed outline flattened once at reading: 16 points per anchor,
    // so drawing needs no curve arithmetic.
    std::vector<SkinPoint> outlinePoints;
};

struct SkinMark {
    RegionSpace space = RegionSpace::Head;
    bool isStroke = false;
    float width = 0.0f;  // 0.2..24 for strokes, 0 for polygons
    SkinColor color;     // a already multiplied by the mark's alpha
    std::vector<SkinPoint> points;
    bool clipToBib = false;
};

// Decoded sticker bitmap; defined by the renderer, which decodes the PNG
// on first use.
struct SkinBitmap;

struct SkinDecoration {
    std::vector<std::uint8_t> png;  // at most 1 MB
    std::int32_t pixelWidth = 0;    // from the PNG header, 1..1024
    std::int32_t pixelHeight = 0;
    StickerAnchor anchor = StickerAnchor::HeadTop;
    float offsetX = 0.0f;  // -120..120
    float offsetY = 0.0f;
    float scale = 1.0f;     // 0.05..4
    float rotation = 0.0f;  // degrees, -180..180
    // Empty after reading; a cache the renderer fills even through a const
    // skin, hence mutable.
    mutable std::shared_ptr<SkinBitmap> image;
};

struct CatSkin {
    std::string id;      // 16 hex digits, or "builtin:N"
    std::string name;    // UTF-8, 1..40 characters
    std::string author;  // UTF-8, 0..40 characters
    bool isBuiltin = false;
    CoatPalette palette;
    std::vector<SkinRegion> regions;  // at most 64
    std::vector<SkinMark> marks;      // at most 256
    CatShape shape;
    HeadSurface headSurface = HeadSurface::Dome;
    RenderStyle renderStyle = RenderStyle::Default;
    TypingStyle typingStyle = TypingStyle::Default;
    bool idleLegs = true;                     // "legs" true, "chest" false
    std::vector<SkinDecoration> decorations;  // at most 8
    std::vector<std::uint8_t> previewPng;     // at most 512 KB, or empty
};
