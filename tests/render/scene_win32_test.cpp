#include <cmath>

#include "desk/keyboard_themes.h"
#include "draw/color.h"
#include "pet/tail_curve.h"
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
    // The dazed coat wears a blue shirt and has a round blue head (beside
    // its cream muzzle).
    const Frame dazed = RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::Dazed));
    for (auto [x, y] : {std::pair{142.0f, 126.0f}, {184.0f, 195.0f}}) {
        const std::uint32_t p = dazed.AtStage(x, y);
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
    // A row through the shoulders: 1.3 times as wide as the plain coat. The
    // tail leaves on the right, so the left half is measured.
    auto rowWidth = [](const Frame& f, int y) {
        for (int x = 0; x < f.width; ++x) {
            if ((f.At(x, y) >> 24) >= 128) return 184 - x;
        }
        return 0;
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

namespace {

// Pixels of a frame inside a Stage box (whole frame by default) that pass a test.
template <typename Test>
int CountPixels(const Frame& frame, Test test, float x0 = 0.0f, float y0 = 0.0f, float x1 = 360.0f,
                float y1 = 320.0f) {
    int n = 0;
    const int px0 = static_cast<int>(x0 * frame.width / 360.0f);
    const int px1 = static_cast<int>(x1 * frame.width / 360.0f);
    const int py0 = static_cast<int>(y0 * frame.height / 320.0f);
    const int py1 = static_cast<int>(y1 * frame.height / 320.0f);
    for (int y = std::max(0, py0); y < std::min(frame.height, py1); ++y) {
        for (int x = std::max(0, px0); x < std::min(frame.width, px1); ++x) {
            if (test(frame.At(x, y))) ++n;
        }
    }
    return n;
}

// The chartreuse of eye theme 0, in any shade of its gradient.
bool IrisLike(std::uint32_t p) {
    return (p >> 24) > 200 && Channel(p, 8) > 140 && Channel(p, 8) - Channel(p, 0) > 70 &&
           Channel(p, 16) <= Channel(p, 8);
}
bool SpiralWhite(std::uint32_t p) {
    return (p >> 24) > 230 && Channel(p, 16) > 225 && Channel(p, 8) > 225 && Channel(p, 0) > 220;
}
bool StarYellow(std::uint32_t p) {
    return (p >> 24) > 200 && Channel(p, 16) > 230 && Channel(p, 8) > 190 && Channel(p, 0) < 110;
}
bool MouthRed(std::uint32_t p) {
    return (p >> 24) > 200 && Channel(p, 16) > 170 && Channel(p, 8) < 90 && Channel(p, 0) < 100;
}
bool AngerRed(std::uint32_t p) {
    return (p >> 24) > 150 && Channel(p, 16) > 200 && Channel(p, 8) < 110 && Channel(p, 0) < 120;
}

// Opaque near-white pixels on the edge of the figure: the sticker rim.
int RimPixels(const Frame& f) {
    int n = 0;
    for (int y = 1; y + 1 < f.height; ++y) {
        for (int x = 1; x + 1 < f.width; ++x) {
            const std::uint32_t p = f.At(x, y);
            if ((p >> 24) < 200 || Channel(p, 16) < 235 || Channel(p, 8) < 235 ||
                Channel(p, 0) < 235)
                continue;
            const bool edge = (f.At(x - 1, y) >> 24) < 10 || (f.At(x + 1, y) >> 24) < 10 ||
                              (f.At(x, y - 1) >> 24) < 10 || (f.At(x, y + 1) >> 24) < 10;
            if (edge) ++n;
        }
    }
    return n;
}

PetState Reaching() {
    PetState pet;
    pet.rightPawX = SpringAt(150.0f);
    pet.rightPawY = SpringAt(250.0f);
    pet.rightPawOnKey = true;
    pet.leftPawX = SpringAt(222.0f);
    pet.leftPawY = SpringAt(248.0f);
    pet.leftPawOnKey = true;
    return pet;
}

PetState Carried(float heldTime) {
    PetState pet;
    pet.held = SpringAt(1.0f);
    pet.isHeld = true;
    pet.heldTime = heldTime;
    return pet;
}

}  // namespace

TEST_F(SceneTest, EyesShowTheMood) {
    const CatSkin& skin = BuiltinCoatSkin(BuiltinCoat::SilverTabby);
    Settings settings;
    const Frame awake = RenderFrameOf(PetState{}, settings, skin);
    EXPECT_GT(CountPixels(awake, IrisLike), 150) << "awake, the irises show";

    PetState asleep;
    asleep.sleep = SpringAt(1.0f);
    asleep.drowsiness = 1.0f;
    EXPECT_EQ(CountPixels(RenderFrameOf(asleep, settings, skin), IrisLike), 0) << "asleep";

    PetState purring;
    purring.purr = 1.0f;
    const Frame happy = RenderFrameOf(purring, settings, skin);
    EXPECT_EQ(CountPixels(happy, IrisLike), 0) << "purring, the eyes are happy arcs";
    // The arcs are dark lines where the open eyes were.
    const auto dark = [](std::uint32_t p) { return (p >> 24) > 200 && Channel(p, 8) < 110; };
    EXPECT_GT(CountPixels(happy, dark, 155.0f, 115.0f, 215.0f, 135.0f), 20);
}

TEST_F(SceneTest, DizzyCatHasSpiralEyesAndStarsAboveItsHead) {
    const CatSkin& skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    Settings settings;
    PetState pet;
    pet.dizzy = SpringAt(0.4f);
    pet.dizzySpin = 1.0f;
    const Frame frame = RenderFrameOf(pet, settings, skin);
    EXPECT_EQ(CountPixels(frame, IrisLike), 0);
    const Vec2 head = DrawnHeadCentre(ComputeSceneFrame(pet, skin));
    EXPECT_GT(CountPixels(frame, SpiralWhite, head.x - 35, head.y - 20, head.x + 35, head.y + 20),
              300);
    EXPECT_GT(CountPixels(frame, StarYellow, head.x - 45, head.y - 70, head.x + 45, head.y - 20),
              20);
    EXPECT_EQ(CountPixels(RenderFrameOf(PetState{}, settings, skin), StarYellow), 0);
}

TEST_F(SceneTest, AngerMarkAndOpenMouthShowWhenTheyShould) {
    const CatSkin& skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    Settings settings;
    const Frame calm = RenderFrameOf(PetState{}, settings, skin);
    PetState angry;
    angry.anger = SpringAt(1.0f);
    EXPECT_GT(CountPixels(RenderFrameOf(angry, settings, skin), AngerRed), 15);
    EXPECT_EQ(CountPixels(calm, AngerRed), 0);
    PetState yawning;
    yawning.yawn = 1.0f;
    EXPECT_GT(CountPixels(RenderFrameOf(yawning, settings, skin), MouthRed), 40);
    EXPECT_EQ(CountPixels(calm, MouthRed), 0);
}

TEST_F(SceneTest, CarriedCatHangsWiderThanTall) {
    Settings settings;
    for (int coat = 0; coat < 6; ++coat) {
        const Frame frame = RenderFrameOf(Carried(1.0f), settings, BuiltinCoatSkin(coat));
        const Coverage c = CoverageOf(frame);
        EXPECT_GT(c.maxX - c.minX, c.maxY - c.minY) << "coat " << coat;
        EXPECT_EQ(frame.status, 0) << "coat " << coat;
    }
}

TEST_F(SceneTest, NoWhiteRimWithTheOutlineOff) {
    struct Case {
        const char* pose;
        PetState pet;
        BuiltinCoat coat;
    };
    PetState asleep;
    asleep.sleep = SpringAt(1.0f);
    const Case cases[] = {{"reaching paws", Reaching(), BuiltinCoat::ClassicBlack},
                          {"carried", Carried(1.0f), BuiltinCoat::ClassicBlack},
                          {"resting paws", PetState{}, BuiltinCoat::Tabby},
                          {"dazed reaching", Reaching(), BuiltinCoat::Dazed},
                          {"asleep", asleep, BuiltinCoat::Siamese}};
    Settings settings;
    for (const Case& c : cases) {
        // With the outline on the rim shows; the desk in front hides its lower part.
        settings.WhiteOutline = true;
        EXPECT_GT(RimPixels(RenderFrameOf(c.pet, settings, BuiltinCoatSkin(c.coat))), 100)
            << c.pose;
        settings.WhiteOutline = false;
        EXPECT_EQ(RimPixels(RenderFrameOf(c.pet, settings, BuiltinCoatSkin(c.coat))), 0) << c.pose;
    }
}

TEST_F(SceneTest, DazedCatHasABlueHeadAndTheTailShowsBesideTheBody) {
    Settings settings;
    PetState pet;
    const SceneFrame f = ComputeSceneFrame(pet, BuiltinCoatSkin(BuiltinCoat::Dazed));
    const std::uint32_t side = RenderFrameOf(pet, settings, BuiltinCoatSkin(BuiltinCoat::Dazed))
                                   .AtStage(f.head.x - 42.0f, f.head.y);
    EXPECT_GT(Channel(side, 0) - Channel(side, 16), 50);
    const CatSkin& black = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    const Frame frame = RenderFrameOf(pet, settings, black);
    const TailCurve tail = ComputeTailCurve(f.bodyX, f.bodyY, pet, black);
    for (float t : {0.5f, 0.8f, 1.0f}) {
        const Vec2 p = TailCurveAt(tail, t);
        EXPECT_TRUE(ColourNear(frame.AtStage(p.x, p.y), 0xFF161618u, 2)) << "tail at " << t;
    }
    // Beside the body: right of the flank, where the seated body never reaches.
    EXPECT_GT(TailCurveAt(tail, 1.0f).x, f.bodyX + 70.0f);
}

TEST_F(SceneTest, EveryPoseDrawsWithoutAGdiplusError) {
    PetState asleep;
    asleep.sleep = SpringAt(1.0f);
    asleep.drowsiness = 1.0f;
    Particle z;
    z.kind = ParticleKind::SleepZ;
    z.x = 230.0f;
    z.y = 90.0f;
    z.age = 0.5f;
    z.life = 1.1f;
    asleep.particles.push_back(z);
    PetState purring;
    purring.purr = 1.0f;
    z.kind = ParticleKind::PurrSparkle;
    purring.particles.push_back(z);
    PetState dizzy;
    dizzy.dizzy = SpringAt(1.0f);
    PetState yawning;
    yawning.yawn = 1.0f;
    PetState angry = Reaching();
    angry.anger = SpringAt(1.0f);
    PetState foot;
    foot.footOut = SpringAt(1.0f);
    foot.footX = SpringAt(236.0f);
    foot.footY = SpringAt(250.0f);
    PetState tail;
    tail.tailOnKey = SpringAt(1.0f);
    PetState alert;
    alert.alert = SpringAt(1.0f);
    const PetState poses[] = {PetState{}, Reaching(), asleep, purring, dizzy,        yawning,
                              angry,      foot,       tail,   alert,   Carried(0.0f)};
    Settings settings;
    for (int coat = 0; coat < 6; ++coat) {
        int i = 0;
        for (const PetState& pet : poses) {
            EXPECT_EQ(RenderFrameOf(pet, settings, BuiltinCoatSkin(coat)).status, 0)
                << "coat " << coat << " pose " << i;
            ++i;
        }
    }
}

TEST_F(SceneTest, SleepLettersAndSparklesShowInTheEyeColourAtMidLife) {
    const CatSkin& skin = BuiltinCoatSkin(BuiltinCoat::SilverTabby);
    Settings settings;
    for (const ParticleKind kind : {ParticleKind::SleepZ, ParticleKind::PurrSparkle}) {
        PetState pet;
        pet.sleep = SpringAt(1.0f);
        pet.drowsiness = 1.0f;
        Particle p;
        p.kind = kind;
        p.x = 260.0f;
        p.y = 60.0f;
        p.life = 1.0f;
        p.age = 0.5f;
        pet.particles.push_back(p);
        const auto shown = [&] {
            return CountPixels(RenderFrameOf(pet, settings, skin), IrisLike, 245.0f, 40.0f, 285.0f,
                               85.0f);
        };
        EXPECT_GT(shown(), 8) << static_cast<int>(kind);
        pet.particles.front().age = 0.0f;  // just born: not yet visible
        EXPECT_EQ(shown(), 0) << static_cast<int>(kind);
    }
}
