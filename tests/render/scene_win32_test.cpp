#include <cmath>

#include "desk/keyboard_themes.h"
#include "draw/color.h"
#include "render/coat_themes.h"
#include "render/hit_test.h"
#include "render/scene_frame.h"
#include "render/scene_win32.h"
#include "render_harness_win32.h"
#include "skins/cat_skin_reader.h"

#include <fstream>
#include <iterator>

namespace {

class SceneTest : public RenderSuite {};

int Channel(std::uint32_t argb, int shift) {
    return static_cast<int>((argb >> shift) & 0xFFu);
}

::testing::AssertionResult ColourNear(std::uint32_t actual, std::uint32_t expected, int tolerance) {
    for (int shift : {0, 8, 16, 24}) {
        if (std::abs(Channel(actual, shift) - Channel(expected, shift)) > tolerance) {
            return ::testing::AssertionFailure()
                   << std::hex << "pixel 0x" << actual << " expected 0x" << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST_F(SceneTest, DefaultFrameIsTransparentAroundAndOpaqueOnTheBody) {
    PetState pet;
    Settings settings;
    const Frame frame = RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::ClassicBlack));
    ASSERT_EQ(frame.width, 360);
    EXPECT_EQ(frame.status, 0);
    for (auto [x, y] : {std::pair{0, 0}, {359, 0}, {0, 319}, {359, 319}})
        EXPECT_EQ(frame.At(x, y), 0u);
    EXPECT_TRUE(ColourNear(frame.AtStage(184.0f, 200.0f), 0xFF161618u, 1));
    EXPECT_TRUE(ColourNear(frame.AtStage(184.0f, 130.0f), 0xFF161618u, 1));
}

TEST_F(SceneTest, GreenScreenIsOpaqueGreenAround) {
    PetState pet;
    Settings settings;
    settings.Scale = 0.5f;
    const Frame frame =
        RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::ClassicBlack), true);
    for (auto [x, y] : {std::pair{0, 0}, {179, 0}, {0, 159}, {179, 159}})
        EXPECT_EQ(frame.At(x, y), 0xFF00FF00u);
    EXPECT_TRUE(ColourNear(frame.AtStage(184.0f, 200.0f), 0xFF161618u, 1));
}

TEST_F(SceneTest, QuarterTurnShrinksTheCat) {
    PetState pet;
    Settings settings;
    const Coverage upright =
        CoverageOf(RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::ClassicBlack)));
    settings.RotationDegrees = 90.0f;
    const Coverage turned =
        CoverageOf(RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::ClassicBlack)));
    ASSERT_GT(upright.count, 1000);
    // The upright height lies across the window after a quarter turn.
    const double ratio = (turned.maxX - turned.minX + 1.0) / (upright.maxY - upright.minY + 1.0);
    EXPECT_NEAR(ratio, 0.86, 0.015);
    EXPECT_NEAR(turned.count / upright.count, 0.86 * 0.86, 0.03);
    settings.RotationDegrees = 180.0f;
    const Coverage upsideDown =
        CoverageOf(RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::ClassicBlack)));
    EXPECT_NEAR(upsideDown.count / upright.count, 1.0, 0.01);
    EXPECT_NEAR(upsideDown.meanY, 320.0 - upright.meanY, 1.0);
}

TEST_F(SceneTest, MirrorMovesTheBodyAcrossTheMiddle) {
    PetState pet;
    pet.bodyShiftX = SpringAt(12.0f);  // well off the axis
    Settings settings;
    const Coverage plain =
        CoverageOf(RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::ClassicBlack)));
    settings.FlipHorizontal = true;
    const Coverage mirrored =
        CoverageOf(RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::ClassicBlack)));
    EXPECT_GT(plain.meanX, 185.0);
    EXPECT_LT(mirrored.meanX, 175.0);
    // Pixel centres sit half a pixel right of their Stage position.
    EXPECT_NEAR(plain.meanX + mirrored.meanX, 359.0, 1.0);
}

TEST_F(SceneTest, EachCoatPaintsItsBody) {
    struct Case {
        int coat;
        float x, y;
        std::uint32_t colour;
    };
    const Case cases[] = {
        {0, 184.0f, 200.0f, 0xFF161618u},  // plain black
        {1, 184.0f, 225.0f, 0xFFF6EFE4u},  // below the shade
        {2, 144.0f, 170.0f, 0xFFC2C5C1u},  // flank above the stripes
        {2, 184.0f, 200.0f, 0xFFF2EEE4u},  // white bib
        {3, 184.0f, 200.0f, 0xFFF2EEE4u},  // white chest between the patches
        {3, 148.0f, 192.0f, 0xFFD8AA73u},  // orange patch
        {5, 184.0f, 200.0f, 0xFFCAB495u},  // tabby base between the stripes
    };
    PetState pet;
    Settings settings;
    for (const Case& c : cases) {
        const Frame frame = RenderFrameOf(pet, settings, BuiltinCoatSkin(c.coat));
        EXPECT_TRUE(ColourNear(frame.AtStage(c.x, c.y), c.colour, 2)) << "coat " << c.coat;
    }
    // The dazed coat wears a blue shirt and has a round blue head.
    const Frame dazed = RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::Dazed));
    for (float y : {126.0f, 195.0f}) {
        const std::uint32_t p = dazed.AtStage(184.0f, y);
        EXPECT_EQ(p >> 24, 255u);
        EXPECT_GT(Channel(p, 0), Channel(p, 16) + 40) << std::hex << p;
    }
}

TEST_F(SceneTest, TabbyFurIsPaintedOnceAndReused) {
    PetState pet;
    Settings settings;
    ClearTabbyTextures();
    const Frame first = RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::Tabby));
    EXPECT_EQ(first.stats.offscreenBitmaps, 1u);
    for (int i = 0; i < 3; ++i) {
        pet.clock += 0.25;
        pet.bodyShiftX = SpringAt(static_cast<float>(i) * 3.0f);
        const Frame later = RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::Tabby));
        EXPECT_EQ(later.stats.offscreenBitmaps, 0u) << "frame " << i;
    }
    // A larger window gets its own, sharper texture once.
    settings.Scale = 2.5f;
    EXPECT_EQ(
        RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::Tabby)).stats.offscreenBitmaps,
        1u);
    EXPECT_EQ(
        RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::Tabby)).stats.offscreenBitmaps,
        0u);
}

TEST_F(SceneTest, CommonFramesMakeNoBitmaps) {
    Settings settings;
    for (int coat = 0; coat < 6; ++coat) {
        PetState pet;
        RenderFrameOf(pet, settings, BuiltinCoatSkin(coat));  // warm any cache
        pet.clock = 1.3;
        EXPECT_EQ(RenderFrameOf(pet, settings, BuiltinCoatSkin(coat)).stats.offscreenBitmaps, 0u)
            << "coat " << coat;
    }
}

TEST_F(SceneTest, SleepingOrFallenHeadIsDrawnWherePettingFindsIt) {
    struct Case {
        const char* pose;
        float sleep;
        float dizzy;
    };
    const Case cases[] = {
        {"asleep", 1.0f, 0.0f}, {"fallen over", 0.0f, 1.0f}, {"half asleep", 0.6f, 0.0f}};
    const CatSkin& skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    Settings settings;
    const Frame awake = RenderFrameOf(PetState{}, settings, skin);
    for (const Case& c : cases) {
        PetState pet;
        pet.sleep = SpringAt(c.sleep);
        pet.dizzy = SpringAt(c.dizzy);
        const Frame frame = RenderFrameOf(pet, settings, skin);
        const Vec2 head = DrawnHeadCentre(ComputeSceneFrame(pet, skin));
        EXPECT_TRUE(ColourNear(frame.AtStage(head.x, head.y), 0xFF161618u, 1)) << c.pose;
        EXPECT_EQ(HitTestPet(head, pet, skin), PetHit::Head) << c.pose;
    }
    // Where the awake head was, a sleeping cat leaves only air: no petting.
    PetState asleep;
    asleep.sleep = SpringAt(1.0f);
    const Frame frame = RenderFrameOf(asleep, settings, skin);
    const Vec2 air{184.0f, 100.0f};
    EXPECT_NE(awake.AtStage(air.x, air.y) >> 24, 0u);
    EXPECT_EQ(frame.AtStage(air.x, air.y) >> 24, 0u);
    EXPECT_NE(HitTestPet(air, asleep, skin), PetHit::Head);
}

TEST_F(SceneTest, OutlineFollowsTheSettingOfEachCall) {
    PetState pet;
    Settings settings;
    auto frameWith = [&](bool outline) {
        settings.WhiteOutline = outline;
        return RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::ClassicBlack));
    };
    // The outermost opaque pixel of a row through the flanks: the white rim,
    // or the black coat itself.
    auto outermost = [](const Frame& frame) {
        for (int x = frame.width - 1; x >= 0; --x) {
            const std::uint32_t p = frame.At(x, 200);
            if ((p >> 24) > 200) return p;
        }
        return 0u;
    };
    const Frame plain = frameWith(false);
    const Frame rimmed = frameWith(true);
    const Frame plainAgain = frameWith(false);
    EXPECT_GT(Channel(outermost(rimmed), 8), 200);
    EXPECT_LT(Channel(outermost(plainAgain), 8), 60);
    EXPECT_GT(outermost(plainAgain) >> 24, 200u);
    // Nothing of the outlined call carries over into the next one.
    EXPECT_EQ(plainAgain.pixels, plain.pixels);
}

TEST_F(SceneTest, SceneLeavesTheTransformAsFound) {
    Gdiplus::Bitmap bitmap(36, 32, PixelFormat32bppPARGB);
    Gdiplus::Graphics graphics(&bitmap);
    graphics.ScaleTransform(0.1f, 0.1f);
    Canvas canvas{&graphics, 0, nullptr};
    PetState pet;
    pet.dizzy = SpringAt(0.7f);
    Settings settings;
    settings.RotationDegrees = 33.0f;
    settings.FlipHorizontal = true;
    DrawScene(canvas, pet, settings, BuiltinCoatSkin(BuiltinCoat::Dazed), BuiltinKeyboardSkin(0));
    Gdiplus::Matrix after;
    graphics.GetTransform(&after);
    Gdiplus::REAL m[6];
    after.GetElements(m);
    EXPECT_FLOAT_EQ(m[0], 0.1f);
    EXPECT_FLOAT_EQ(m[1], 0.0f);
    EXPECT_FLOAT_EQ(m[2], 0.0f);
    EXPECT_FLOAT_EQ(m[3], 0.1f);
    EXPECT_FLOAT_EQ(m[4], 0.0f);
    EXPECT_FLOAT_EQ(m[5], 0.0f);
    EXPECT_EQ(canvas.lastStatus, 0);
}

CatSkin ReadTestSkin(const char* name) {
    std::ifstream file(std::string(MEWLARK_TEST_DATA_DIR) + "/render/data/" + name,
                       std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    CatSkin skin;
    std::string error;
    EXPECT_TRUE(ReadCatSkin(bytes, skin, error)) << name << ": " << error;
    return skin;
}

TEST_F(SceneTest, ImportedSkinDrawsItsOwnShapeAndNoBuiltinSpecials) {
    PetState pet;
    Settings settings;
    const CatSkin skin = ReadTestSkin("wide_cream.mewlark");
    ASSERT_FALSE(skin.isBuiltin);
    const Frame plain = RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::ClassicBlack));
    const Frame wide = RenderFrameOf(pet, settings, skin);
    // Below the bodyShade gradient the fill is the body colour.
    EXPECT_TRUE(ColourNear(wide.AtStage(184.0f, 228.0f), 0xFFE9D3B0u, 2));
    // A row through the shoulders: 1.3 times as wide as the plain coat.
    auto rowWidth = [](const Frame& f, int y) {
        int first = -1;
        int last = -1;
        for (int x = 0; x < f.width; ++x) {
            if ((f.At(x, y) >> 24) < 128) continue;
            if (first < 0) first = x;
            last = x;
        }
        return last - first + 1;
    };
    EXPECT_NEAR(static_cast<double>(rowWidth(wide, 212)) / rowWidth(plain, 212), 1.3, 0.04);

    // Whatever its id says, an imported skin is drawn by the generic rules:
    // no dazed figure, no knife.
    CatSkin impostor = skin;
    impostor.id = "builtin:4";
    const Frame drawn = RenderFrameOf(pet, settings, impostor);
    EXPECT_EQ(drawn.pixels, wide.pixels);
}

}  // namespace
