#include "render/coat_themes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

TEST(BuiltinCoatsTest, SelectionClampsTheIndexAndPrefersTheWornImport) {
    struct Case {
        std::int32_t theme;
        const char* id;
    };
    const Case cases[] = {
        {0, "builtin:0"}, {3, "builtin:3"}, {5, "builtin:5"}, {9, "builtin:5"}, {-1, "builtin:0"}};
    for (const Case& c : cases) EXPECT_EQ(BuiltinCoatSkin(c.theme).id, c.id);

    CatSkin imported;
    imported.id = "0123456789abcdef";
    Settings settings;
    settings.CoatTheme = 2;
    EXPECT_EQ(WornCatSkin(settings, &imported).id, "builtin:2");  // not worn
    settings.CustomSkin = imported.id;
    EXPECT_EQ(&WornCatSkin(settings, &imported), &imported);
    EXPECT_EQ(WornCatSkin(settings, nullptr).id, "builtin:2");  // not in the library
    settings.CustomSkin = "fedcba9876543210";
    EXPECT_EQ(WornCatSkin(settings, &imported).id, "builtin:2");  // another skin
}

TEST(BuiltinCoatsTest, RecordsCarryTheirPaletteAndShape) {
    struct Case {
        int index;
        Argb body;
        Argb whiskers;
        CatBuild build;
        HeadSurface surface;
        float pawStagger;
        bool hasPoints;
    };
    const Case cases[] = {
        {0, 0xFF161618u, 0xAEE0E6EBu, CatBuild::Standard, HeadSurface::Dome, 1.0f, false},
        {1, 0xFFF6EFE4u, 0x9E7A6353u, CatBuild::Sleek, HeadSurface::Dome, 1.0f, true},
        {2, 0xFFC2C5C1u, 0xAE8D8170u, CatBuild::Standard, HeadSurface::Plane, 0.0f, false},
        {3, 0xFFF2EEE4u, 0xAE8D8170u, CatBuild::Standard, HeadSurface::Dome, 0.0f, false},
        {4, 0xFF4E5792u, 0xAE8D8170u, CatBuild::Standard, HeadSurface::Dome, 1.0f, false},
        {5, 0xFFCAB495u, 0xAE685541u, CatBuild::Standard, HeadSurface::Dome, 1.0f, false},
    };
    for (const Case& c : cases) {
        const CatSkin& coat = BuiltinCoatSkin(c.index);
        EXPECT_TRUE(coat.isBuiltin);
        EXPECT_FALSE(coat.idleLegs);
        EXPECT_FALSE(coat.name.empty());
        EXPECT_EQ(ColorToArgb(coat.palette.body), c.body) << c.index;
        EXPECT_EQ(ColorToArgb(coat.palette.whiskers), c.whiskers) << c.index;
        EXPECT_EQ(coat.shape.build, c.build) << c.index;
        EXPECT_EQ(coat.headSurface, c.surface) << c.index;
        EXPECT_EQ(coat.shape.pawStagger, c.pawStagger) << c.index;
        EXPECT_EQ(coat.palette.points.set, c.hasPoints) << c.index;
        EXPECT_FALSE(coat.palette.iris.set);
        EXPECT_FALSE(coat.palette.tailTip.set);
        EXPECT_FALSE(coat.palette.pawPads.set);
    }
    EXPECT_EQ(ColorToArgb(BuiltinCoatSkin(BuiltinCoat::Siamese).palette.nose), 0xF2241714u);
    EXPECT_EQ(ColorToArgb(BuiltinCoatSkin(BuiltinCoat::Tabby).palette.crease), 0xFF685541u);
}

TEST(BuiltinCoatsTest, MarksHaveTheirCountsSpacesAndTailRings) {
    // Point counts of the template lists, in list order.
    const std::size_t silver[] = {64, 17, 17, 17, 17, 37, 49, 25, 25, 17, 17, 25, 17, 17, 73};
    const std::size_t orange[] = {49, 133, 61, 64, 37, 49, 25, 25, 17, 17, 25, 17, 17, 73, 97};
    for (int index : {2, 3}) {
        const std::vector<SkinMark>& marks = BuiltinCoatSkin(index).marks;
        ASSERT_EQ(marks.size(), 17u) << index;
        for (std::size_t i = 0; i < 15; ++i) {
            EXPECT_EQ(marks[i].points.size(), (index == 2 ? silver : orange)[i])
                << index << " #" << i;
            EXPECT_EQ(marks[i].isStroke, marks[i].width != 0.0f);
        }
        for (std::size_t i = 15; i < 17; ++i) {
            EXPECT_EQ(marks[i].space, RegionSpace::Tail);
            EXPECT_EQ(marks[i].width, 3.5f);
            EXPECT_EQ(ColorToArgb(marks[i].color) >> 24, 128u);
        }
        for (const SkinMark& m : marks)
            for (const SkinPoint& p : m.points)
                ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }
    // The white face of the orange coat reaches past the cheeks, which is
    // how the bib clip finds it.
    const SkinMark& face = BuiltinCoatSkin(BuiltinCoat::OrangeWhite).marks[1];
    bool wide = false;
    for (const SkinPoint& p : face.points) wide = wide || std::fabs(p.x) > 46.0f;
    EXPECT_TRUE(wide);
    EXPECT_EQ(BuiltinCoatSkin(BuiltinCoat::OrangeWhite).marks[0].space, RegionSpace::Skull);
    EXPECT_TRUE(BuiltinCoatSkin(BuiltinCoat::OrangeWhite).marks[14].clipToBib);
    for (int index : {0, 1, 4, 5}) EXPECT_TRUE(BuiltinCoatSkin(index).marks.empty());
}

TEST(EyeThemeTest, ColoursAndFallback) {
    struct Case {
        std::int32_t theme;
        std::uint8_t alpha;
        Argb expected;
    };
    const Case cases[] = {{0, 255, 0xFFC9F240u}, {1, 255, 0xFFB0DAF2u}, {3, 0x40, 0x4073EBF5u},
                          {6, 255, 0xFFBFB366u}, {7, 255, 0xFFC9F240u}, {-2, 10, 0x0AC9F240u}};
    for (const Case& c : cases) EXPECT_EQ(EyeThemeColor(c.theme, c.alpha), c.expected) << c.theme;

    CatSkin skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    EXPECT_EQ(IrisColor(skin, 3), 0xFF73EBF5u);
    skin.palette.iris = SkinColorFromRgb(0x123456);
    EXPECT_EQ(IrisColor(skin, 3), 0xFF123456u);
}

TEST(SkinPredicateTest, BuiltinIdsNeedTheBuiltinFlag) {
    CatSkin impostor;
    impostor.id = "builtin:4";
    EXPECT_FALSE(IsBuiltinCoat(impostor, BuiltinCoat::Dazed));
    EXPECT_TRUE(IsBuiltinCoat(BuiltinCoatSkin(BuiltinCoat::Dazed), BuiltinCoat::Dazed));
    EXPECT_FALSE(IsBuiltinCoat(BuiltinCoatSkin(BuiltinCoat::Dazed), BuiltinCoat::SilverTabby));
    CatSkin longer = BuiltinCoatSkin(BuiltinCoat::Dazed);
    longer.id = "builtin:44";
    EXPECT_FALSE(IsBuiltinCoat(longer, BuiltinCoat::Dazed));
}

TEST(SkinPredicateTest, EachNamedCoatIsItsOwnRecordOnly) {
    struct Case {
        BuiltinCoat coat;
        const char* id;
        const char* name;
    };
    const Case cases[] = {
        {BuiltinCoat::ClassicBlack, "builtin:0", "经典小黑猫"},
        {BuiltinCoat::Siamese, "builtin:1", "挖煤暹罗猫"},
        {BuiltinCoat::SilverTabby, "builtin:2", "美短（银虎斑加白）"},
        {BuiltinCoat::OrangeWhite, "builtin:3", "橘白猫"},
        {BuiltinCoat::Dazed, "builtin:4", "呆猫"},
        {BuiltinCoat::Tabby, "builtin:5", "狸花猫"},
    };
    for (const Case& c : cases) {
        const CatSkin& skin = BuiltinCoatSkin(c.coat);
        EXPECT_EQ(skin.id, c.id);
        EXPECT_EQ(skin.name, c.name) << c.id;
        for (const Case& other : cases)
            EXPECT_EQ(IsBuiltinCoat(skin, other.coat), other.coat == c.coat) << c.id << other.id;
    }
}

TEST(SkinPredicateTest, PlainDarkCoat) {
    EXPECT_TRUE(IsPlainDarkCoat(BuiltinCoatSkin(BuiltinCoat::ClassicBlack)));
    for (int index : {1, 2, 3, 4, 5}) EXPECT_FALSE(IsPlainDarkCoat(BuiltinCoatSkin(index)));

    CatSkin dark;
    dark.idleLegs = false;
    dark.palette.body = SkinColorFromRgb(0x181818);
    EXPECT_TRUE(IsPlainDarkCoat(dark));
    struct Spoiler {
        const char* why;
        void (*apply)(CatSkin&);
    };
    const Spoiler spoilers[] = {
        {"light body", [](CatSkin& s) { s.palette.body = SkinColorFromRgb(0x808080); }},
        {"points", [](CatSkin& s) { s.palette.points = SkinColorFromRgb(0); }},
        {"outline", [](CatSkin& s) { s.palette.outline = SkinColorFromRgb(0); }},
        {"legs form", [](CatSkin& s) { s.idleLegs = true; }},
        {"a mark", [](CatSkin& s) { s.marks.emplace_back(); }},
        {"a region", [](CatSkin& s) { s.regions.emplace_back(); }},
    };
    for (const Spoiler& s : spoilers) {
        CatSkin skin = dark;
        s.apply(skin);
        EXPECT_FALSE(IsPlainDarkCoat(skin)) << s.why;
    }
}

}  // namespace
