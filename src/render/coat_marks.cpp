#include "render/coat_marks.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "base/small_math.h"
#include "draw/color.h"

namespace {

// The outlines are generated from a few numbers each rather than typed out
// point by point; the point counts are part of the coats' look (smoothness)
// and are kept fixed.
enum class Figure : std::uint8_t {
    Ellipse,  // a = centre, b = radii, k = lobe depth, m = lobe count
    Lens,     // a -> b, k = half-width at the middle
    Curve,    // quadratic stroke a -> c -> b
    Crescent  // arch from a to b bowing by c.y, k = thickness
};

struct Template {
    RegionSpace space = RegionSpace::Head;
    float width = 0.0f;  // 0: filled polygon
    std::uint32_t rgb = 0;
    float opacity = 1.0f;
    int count = 0;
    Figure figure = Figure::Ellipse;
    SkinPoint a;
    SkinPoint b;
    SkinPoint c{};
    float k = 0.0f;
    int m = 0;
    bool clipToBib = false;
};

std::vector<SkinPoint> Ellipse(const Template& t) {
    std::vector<SkinPoint> out;
    for (int i = 0; i < t.count; ++i) {
        const float th = 2.0f * kPi * static_cast<float>(i) / static_cast<float>(t.count);
        const float lobe = 1.0f + t.k * std::cos(static_cast<float>(t.m) * th);
        out.push_back({t.a.x + t.b.x * lobe * std::sin(th), t.a.y - t.b.y * lobe * std::cos(th)});
    }
    return out;
}

std::vector<SkinPoint> Lens(const Template& t) {
    // Down one side from a to b, then back along the other.
    std::vector<SkinPoint> out;
    const float dx = t.b.x - t.a.x;
    const float dy = t.b.y - t.a.y;
    const float len = std::max(std::hypot(dx, dy), 0.001f);
    const float nx = -dy / len;
    const float ny = dx / len;
    const int half = t.count / 2;
    for (int i = 0; i <= half; ++i) {
        const float u = static_cast<float>(i) / static_cast<float>(half);
        const float w = t.k * std::sin(kPi * u);
        out.push_back({t.a.x + dx * u + nx * w, t.a.y + dy * u + ny * w});
    }
    const int back = t.count - half - 1;
    for (int i = 1; i <= back; ++i) {
        const float u = 1.0f - static_cast<float>(i) / static_cast<float>(back + 1);
        const float w = t.k * std::sin(kPi * u);
        out.push_back({t.a.x + dx * u - nx * w, t.a.y + dy * u - ny * w});
    }
    return out;
}

SkinPoint Quad(SkinPoint a, SkinPoint c, SkinPoint b, float u) {
    const float v = 1.0f - u;
    return {v * v * a.x + 2.0f * v * u * c.x + u * u * b.x,
            v * v * a.y + 2.0f * v * u * c.y + u * u * b.y};
}

std::vector<SkinPoint> Curve(const Template& t) {
    std::vector<SkinPoint> out;
    for (int i = 0; i < t.count; ++i) {
        out.push_back(Quad(t.a, t.c, t.b, static_cast<float>(i) / static_cast<float>(t.count - 1)));
    }
    return out;
}

std::vector<SkinPoint> Crescent(const Template& t) {
    // The outer arch a -> b, then the inner arch back, thinner at the ends.
    std::vector<SkinPoint> out;
    const SkinPoint mid{(t.a.x + t.b.x) / 2.0f, (t.a.y + t.b.y) / 2.0f + t.c.y};
    const int half = t.count / 2;
    for (int i = 0; i <= half; ++i)
        out.push_back(Quad(t.a, mid, t.b, static_cast<float>(i) / static_cast<float>(half)));
    const int back = t.count - half - 1;
    for (int i = 1; i <= back; ++i) {
        const float u = 1.0f - static_cast<float>(i) / static_cast<float>(back + 1);
        SkinPoint p = Quad(t.a, mid, t.b, u);
        p.y += t.k * std::sin(kPi * u);
        out.push_back(p);
    }
    return out;
}

std::vector<SkinPoint> PointsOf(const Template& t) {
    switch (t.figure) {
        case Figure::Ellipse:
            return Ellipse(t);
        case Figure::Lens:
            return Lens(t);
        case Figure::Curve:
            return Curve(t);
        case Figure::Crescent:
            return Crescent(t);
    }
    return {};
}

constexpr RegionSpace H = RegionSpace::Head;
constexpr RegionSpace S = RegionSpace::Skull;
constexpr RegionSpace B = RegionSpace::Body;

constexpr std::uint32_t kWhite = 0xF2EEE4;
constexpr std::uint32_t kSilverDark = 0x363536;
constexpr std::uint32_t kOrange = 0xD8AA73;
constexpr std::uint32_t kOrangeDark = 0xA57543;

// The tabby head pattern: a stripe down the forehead, the brow arch, two
// side stripes, a spot between the brows and two cheek stripes a side.
constexpr std::array<Template, 9> TabbyHead(std::uint32_t rgb, float opacity, float thick,
                                            float thin) {
    return {{
        {.space = H,
         .width = 0.0f,
         .rgb = rgb,
         .opacity = opacity,
         .count = 37,
         .figure = Figure::Lens,
         .a = {0.0f, -33.0f},
         .b = {0.0f, -13.0f},
         .k = 3.6f},
        {.space = H,
         .width = 0.0f,
         .rgb = rgb,
         .opacity = opacity,
         .count = 49,
         .figure = Figure::Crescent,
         .a = {-19.0f, -17.0f},
         .b = {19.0f, -17.0f},
         .c = {0.0f, -9.0f},
         .k = 3.4f},
        {.space = H,
         .width = 0.0f,
         .rgb = rgb,
         .opacity = opacity,
         .count = 25,
         .figure = Figure::Lens,
         .a = {-14.0f, -32.0f},
         .b = {-9.0f, -19.0f},
         .k = 2.6f},
        {.space = H,
         .width = 0.0f,
         .rgb = rgb,
         .opacity = opacity,
         .count = 25,
         .figure = Figure::Lens,
         .a = {14.0f, -32.0f},
         .b = {9.0f, -19.0f},
         .k = 2.6f},
        {.space = H,
         .width = thick,
         .rgb = rgb,
         .opacity = opacity,
         .count = 17,
         .figure = Figure::Curve,
         .a = {-45.0f, 3.0f},
         .b = {-31.0f, 8.0f},
         .c = {-37.0f, 3.0f}},
        {.space = H,
         .width = thin,
         .rgb = rgb,
         .opacity = opacity,
         .count = 17,
         .figure = Figure::Curve,
         .a = {-44.0f, 12.0f},
         .b = {-32.0f, 14.0f},
         .c = {-38.0f, 11.0f}},
        {.space = H,
         .width = 0.0f,
         .rgb = rgb,
         .opacity = opacity,
         .count = 25,
         .figure = Figure::Lens,
         .a = {0.0f, -12.0f},
         .b = {0.0f, -6.0f},
         .k = 2.0f},
        {.space = H,
         .width = thick,
         .rgb = rgb,
         .opacity = opacity,
         .count = 17,
         .figure = Figure::Curve,
         .a = {45.0f, 3.0f},
         .b = {31.0f, 8.0f},
         .c = {37.0f, 3.0f}},
        {.space = H,
         .width = thin,
         .rgb = rgb,
         .opacity = opacity,
         .count = 17,
         .figure = Figure::Curve,
         .a = {44.0f, 12.0f},
         .b = {32.0f, 14.0f},
         .c = {38.0f, 11.0f}},
    }};
}

// White muzzle: two puffs around the mouth.
constexpr Template kMuzzle{.space = H,
                           .width = 0.0f,
                           .rgb = kWhite,
                           .opacity = 1.0f,
                           .count = 73,
                           .figure = Figure::Ellipse,
                           .a = {0.0f, 15.0f},
                           .b = {17.0f, 11.0f},
                           .k = 0.12f,
                           .m = 2};

std::vector<Template> SilverTabby() {
    std::vector<Template> t = {
        {.space = B,
         .width = 0.0f,
         .rgb = kWhite,
         .opacity = 1.0f,
         .count = 64,
         .figure = Figure::Ellipse,
         .a = {0.0f, -40.0f},
         .b = {23.0f, 46.0f},
         .k = 0.06f,
         .m = 3},
        {.space = B,
         .width = 3.5f,
         .rgb = kSilverDark,
         .opacity = 0.75f,
         .count = 17,
         .figure = Figure::Curve,
         .a = {-47.0f, -30.0f},
         .b = {-31.0f, -12.0f},
         .c = {-36.0f, -25.0f}},
        {.space = B,
         .width = 3.2f,
         .rgb = kSilverDark,
         .opacity = 0.75f,
         .count = 17,
         .figure = Figure::Curve,
         .a = {-44.0f, -8.0f},
         .b = {-30.0f, 6.0f},
         .c = {-34.0f, -4.0f}},
        {.space = B,
         .width = 3.5f,
         .rgb = kSilverDark,
         .opacity = 0.75f,
         .count = 17,
         .figure = Figure::Curve,
         .a = {47.0f, -30.0f},
         .b = {31.0f, -12.0f},
         .c = {36.0f, -25.0f}},
        {.space = B,
         .width = 3.2f,
         .rgb = kSilverDark,
         .opacity = 0.75f,
         .count = 17,
         .figure = Figure::Curve,
         .a = {44.0f, -8.0f},
         .b = {30.0f, 6.0f},
         .c = {34.0f, -4.0f}},
    };
    for (const Template& h : TabbyHead(kSilverDark, 0.86f, 3.2f, 2.8f)) t.push_back(h);
    t.push_back(kMuzzle);
    return t;
}

std::vector<Template> OrangeWhite() {
    std::vector<Template> t = {
        // Orange cap over the crown, down to the eyes.
        {.space = S,
         .width = 0.0f,
         .rgb = kOrange,
         .opacity = 1.0f,
         .count = 49,
         .figure = Figure::Ellipse,
         .a = {0.0f, -14.0f},
         .b = {50.0f, 26.0f}},
        // White face with a blaze between the eyes, reaching past the cheeks.
        {.space = H,
         .width = 0.0f,
         .rgb = kWhite,
         .opacity = 1.0f,
         .count = 133,
         .figure = Figure::Ellipse,
         .a = {0.0f, 16.0f},
         .b = {40.0f, 26.0f},
         .k = -0.2f,
         .m = 2},
        // Orange patches on the shoulders and back.
        {.space = B,
         .width = 0.0f,
         .rgb = kOrange,
         .opacity = 1.0f,
         .count = 61,
         .figure = Figure::Ellipse,
         .a = {-36.0f, -34.0f},
         .b = {20.0f, 24.0f},
         .k = 0.08f,
         .m = 3},
        {.space = B,
         .width = 0.0f,
         .rgb = kOrange,
         .opacity = 1.0f,
         .count = 64,
         .figure = Figure::Ellipse,
         .a = {38.0f, -16.0f},
         .b = {18.0f, 30.0f},
         .k = 0.08f,
         .m = 4},
    };
    for (const Template& h : TabbyHead(kOrangeDark, 0.48f, 2.1f, 1.8f)) t.push_back(h);
    t.push_back(kMuzzle);
    // White chin shown only while the head is turned and lowered.
    t.push_back({.space = H,
                 .width = 0.0f,
                 .rgb = kWhite,
                 .opacity = 1.0f,
                 .count = 97,
                 .figure = Figure::Ellipse,
                 .a = {0.0f, 27.0f},
                 .b = {26.0f, 12.0f},
                 .clipToBib = true});
    return t;
}

SkinMark ToMark(const Template& t) {
    SkinMark m;
    m.space = t.space;
    m.isStroke = t.width != 0.0f;
    m.width = t.width;
    m.color = SkinColorFromRgb(t.rgb);
    m.color.a = t.opacity;
    m.points = PointsOf(t);
    m.clipToBib = t.clipToBib;
    return m;
}

SkinMark TailRing(float x, std::uint32_t rgb) {
    SkinMark m;
    m.space = RegionSpace::Tail;
    m.isStroke = true;
    m.width = 3.5f;
    m.color = SkinColorFromRgb(rgb, 128);
    m.points = {{x, 8.0f}, {x, -8.0f}};
    return m;
}

}  // namespace

std::vector<SkinMark> BuiltinCoatMarks(BuiltinCoat coat) {
    if (coat != BuiltinCoat::SilverTabby && coat != BuiltinCoat::OrangeWhite) return {};
    const bool silver = coat == BuiltinCoat::SilverTabby;
    const std::uint32_t ring = silver ? 0x55595A : kOrangeDark;
    std::vector<SkinMark> marks;
    for (const Template& t : silver ? SilverTabby() : OrangeWhite()) marks.push_back(ToMark(t));
    marks.push_back(TailRing(50.0f, ring));
    marks.push_back(TailRing(78.0f, ring));
    return marks;
}
