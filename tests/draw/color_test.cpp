#include "draw/color.h"

#include <gtest/gtest.h>

namespace {

SkinColor Rgba(double r, double g, double b, double a) {
    SkinColor c;
    c.r = r;
    c.g = g;
    c.b = b;
    c.a = a;
    c.set = true;
    return c;
}

TEST(ColorToArgbTest, ClampsAndRoundsHalvesAway) {
    struct Case {
        SkinColor colour;
        Argb expected;
    };
    const Case cases[] = {
        {Rgba(1.2, -0.1, 0.5, 1.0), 0xFFFF0080u},
        {Rgba(0.0, 0.0, 0.0, 0.0), 0x00000000u},
        {Rgba(1.0, 1.0, 1.0, 1.0), 0xFFFFFFFFu},
        {Rgba(0.5 / 255.0, 1.5 / 255.0, 254.5 / 255.0, 0.5), 0x800102FFu},
        {Rgba(0x16 / 255.0, 0x16 / 255.0, 0x18 / 255.0, 1.0), 0xFF161618u},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorToArgb(c.colour), c.expected) << std::hex << c.expected;
}

TEST(ColorToArgbTest, AlphaVariantIgnoresTheColoursAlpha) {
    EXPECT_EQ(ColorToArgbAlpha(Rgba(1.0, 0.0, 0.5, 0.1), 0x40), 0x40FF0080u);
}

TEST(ColorToArgbTest, RgbBytesSurviveTheRoundTrip) {
    for (std::uint32_t v = 0; v < 256; ++v) {
        const SkinColor c =
            SkinColorFromRgb((v << 16) | ((255 - v) << 8) | v, static_cast<std::uint8_t>(v));
        EXPECT_EQ(ColorToArgb(c), MakeArgb(v, v, 255 - v, v));
    }
}

TEST(AlphaTest, ScaleAndReplace) {
    struct Case {
        Argb in;
        double k;
        Argb scaled;
        Argb replaced;
    };
    const Case cases[] = {
        {0xFF123456u, 0.5, 0x80123456u, 0x80123456u},
        {0x80123456u, 0.5, 0x40123456u, 0x80123456u},
        {0xFF123456u, 2.0, 0xFF123456u, 0xFF123456u},
        {0xFF123456u, -1.0, 0x00123456u, 0x00123456u},
        {0x10ABCDEFu, 1.0, 0x10ABCDEFu, 0xFFABCDEFu},
        {0x03000000u, 0.5, 0x02000000u, 0x80000000u},  // 1.5 rounds up
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScaleAlpha(c.in, c.k), c.scaled) << std::hex << c.in << " k " << c.k;
        EXPECT_EQ(WithAlpha(c.in, c.k), c.replaced) << std::hex << c.in << " k " << c.k;
    }
}

TEST(LerpArgbTest, BlendsEveryChannel) {
    struct Case {
        Argb a;
        Argb b;
        double t;
        Argb expected;
    };
    const Case cases[] = {
        {0x00000000u, 0xFFFFFFFFu, 0.5, 0x80808080u},
        {0xFF000000u, 0x00FF0000u, 0.25, 0xBF400000u},
        {0x11223344u, 0x55667788u, 0.0, 0x11223344u},
        {0x11223344u, 0x55667788u, 1.0, 0x55667788u},
        {0x11223344u, 0x55667788u, -3.0, 0x11223344u},
        {0x11223344u, 0x55667788u, 7.0, 0x55667788u},
        {0xFFFFF8E5u, 0xFFC9F240u, 0.2, 0xFFF4F7C4u},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LerpArgb(c.a, c.b, c.t), c.expected) << std::hex << c.expected;
}

TEST(LumaTest, WeightsOfBothStandards) {
    const SkinColor green = Rgba(0.0, 1.0, 0.0, 1.0);
    EXPECT_NEAR(Luma709(green), 0.7152, 1e-12);
    EXPECT_NEAR(Luma601(green), 0.587, 1e-12);
    const SkinColor white = Rgba(1.0, 1.0, 1.0, 1.0);
    EXPECT_NEAR(Luma709(white), 1.0, 1e-12);
    EXPECT_NEAR(Luma601(white), 1.0, 1e-12);
}

}  // namespace
