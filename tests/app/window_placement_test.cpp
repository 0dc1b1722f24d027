#include "app/window_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <ostream>

void PrintTo(const WindowPlacement& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ") " << p.size.width << "x" << p.size.height << " z"
        << static_cast<int>(p.zOrder) << (p.store ? " store" : " no store");
}

namespace {

// One 1920 x 1080 monitor with a 40 px task bar at the bottom.
const DisplayLayout kSingle{{{0, 0, 1920, 1080}}, {0, 0, 1920, 1040}, {0, 0, 1920, 1080}};

// The primary monitor and a shorter one to its right: below the second
// monitor lies a 1280 x 360 gap inside the bounding box.
const DisplayLayout kUneven{
    {{0, 0, 1920, 1080}, {1920, 0, 3200, 720}}, {0, 0, 1920, 1040}, {0, 0, 3200, 1080}};

// A second monitor to the left of the primary one.
const DisplayLayout kLeftSecond{
    {{-1920, 0, 0, 1080}, {0, 0, 1920, 1080}}, {0, 0, 1920, 1040}, {-1920, 0, 1920, 1080}};

Settings At(std::int32_t x, std::int32_t y) {
    Settings s;
    s.PosX = x;
    s.PosY = y;
    return s;
}

Settings Scaled(Settings s, float scale) {
    s.Scale = scale;
    return s;
}

Settings Capture(Settings s, CaptureMode mode, bool hide) {
    s.OBSCaptureMode = mode;
    s.OBSHideDesktop = hide;
    return s;
}

Settings NotOnTop(Settings s) {
    s.AlwaysOnTop = false;
    return s;
}

constexpr WindowSize kUnit{360, 320};
// 1920 - 360 - 24, 1040 - 320 - 12
constexpr WindowPlacement kCorner{1536, 708, kUnit, WindowZOrder::Topmost, true};

struct PlacementCase {
    const char* what;
    Settings settings;
    bool keepCentreBottom;
    bool save;
    std::optional<ScreenRect> current;
    DisplayLayout displays;
    WindowPlacement expected;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.what;
}

class WindowPlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(WindowPlacementTest, DecidesPosition) {
    const PlacementCase& c = GetParam();
    EXPECT_EQ(DecideWindowPlacement(c.settings, c.keepCentreBottom, c.save, c.current, c.displays),
              c.expected)
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowPlacementTest,
    testing::Values(
        PlacementCase{"no stored position", Settings{}, false, true, std::nullopt, kSingle,
                      kCorner},
        PlacementCase{"only PosX stored", At(100, kUnsetPosition), false, true, std::nullopt,
                      kSingle, kCorner},
        PlacementCase{"stored position",
                      At(100, 200),
                      false,
                      false,
                      std::nullopt,
                      kSingle,
                      {100, 200, kUnit, WindowZOrder::Topmost, false}},
        PlacementCase{"not always on top",
                      NotOnTop(At(100, 200)),
                      false,
                      true,
                      std::nullopt,
                      kSingle,
                      {100, 200, kUnit, WindowZOrder::NotTopmost, true}},
        PlacementCase{"on the left monitor",
                      At(-1500, 300),
                      false,
                      true,
                      std::nullopt,
                      kLeftSecond,
                      {-1500, 300, kUnit, WindowZOrder::Topmost, true}},
        PlacementCase{"left monitor unplugged", At(-1500, 300), false, true, std::nullopt, kSingle,
                      kCorner},
        PlacementCase{"right monitor unplugged", At(2500, 300), false, true, std::nullopt, kSingle,
                      kCorner},
        PlacementCase{"40 px still on screen",
                      At(-320, 200),
                      false,
                      true,
                      std::nullopt,
                      kSingle,
                      {-320, 200, kUnit, WindowZOrder::Topmost, true}},
        PlacementCase{"39 px on screen", At(-321, 200), false, true, std::nullopt, kSingle,
                      kCorner},
        PlacementCase{"40 px above the bottom",
                      At(100, 1040),
                      false,
                      true,
                      std::nullopt,
                      kSingle,
                      {100, 1040, kUnit, WindowZOrder::Topmost, true}},
        PlacementCase{"39 px above the bottom", At(100, 1041), false, true, std::nullopt, kSingle,
                      kCorner},
        PlacementCase{"on the shorter monitor",
                      At(2400, 300),
                      false,
                      true,
                      std::nullopt,
                      kUneven,
                      {2400, 300, kUnit, WindowZOrder::Topmost, true}},
        PlacementCase{"in the gap below the shorter monitor", At(2400, 740), false, true,
                      std::nullopt, kUneven, kCorner},
        PlacementCase{"huge PosX", At(INT32_MAX, 300), false, true, std::nullopt, kSingle, kCorner},
        PlacementCase{"huge PosY", At(300, INT32_MAX - 100), false, true, std::nullopt, kSingle,
                      kCorner},
        PlacementCase{"most negative PosX", At(INT32_MIN, 300), false, true, std::nullopt, kSingle,
                      kCorner},
        PlacementCase{"rescale keeps bottom centre",
                      Scaled(At(1000, 500), 1.5f),
                      true,
                      true,
                      ScreenRect{1000, 500, 1360, 820},
                      kSingle,
                      {910, 340, {540, 480}, WindowZOrder::Topmost, true}},
        PlacementCase{"rescale without a window uses the stored position",
                      Scaled(At(100, 200), 0.5f),
                      true,
                      true,
                      std::nullopt,
                      kSingle,
                      {100, 200, {180, 160}, WindowZOrder::Topmost, true}},
        PlacementCase{"rescale pushing the window off screen",
                      Scaled(At(0, 0), 2.0f),
                      true,
                      true,
                      ScreenRect{0, -300, 360, 20},
                      kSingle,
                      {1920 - 720 - 24, 1040 - 640 - 12, {720, 640}, WindowZOrder::Topmost, true}},
        PlacementCase{"capture hidden keeps the capture spot",
                      Capture(At(100, 200), CaptureMode::TransparentWindow, true),
                      false,
                      true,
                      std::nullopt,
                      kUneven,
                      {3320, 40, kUnit, WindowZOrder::Unchanged, false}},
        PlacementCase{"capture hidden, rescaled",
                      Scaled(Capture(At(100, 200), CaptureMode::GreenScreen, true), 2.0f),
                      true,
                      true,
                      ScreenRect{3320, 40, 3680, 360},
                      kLeftSecond,
                      {2040, 40, {720, 640}, WindowZOrder::Unchanged, false}},
        PlacementCase{"hide desktop without capture mode",
                      Capture(At(100, 200), CaptureMode::Off, true),
                      false,
                      true,
                      std::nullopt,
                      kSingle,
                      {100, 200, kUnit, WindowZOrder::Topmost, true}},
        PlacementCase{"capture mode shown on the desktop",
                      Capture(At(100, 200), CaptureMode::TransparentWindow, false),
                      false,
                      true,
                      std::nullopt,
                      kSingle,
                      {100, 200, kUnit, WindowZOrder::Topmost, true}}));

struct SizeCase {
    float scale;
    WindowSize expected;
};

TEST(WindowSizeTest, RoundsHalvesAwayFromZero) {
    const SizeCase cases[] = {
        {1.0f, {360, 320}},      {0.5f, {180, 160}}, {2.0f, {720, 640}},    {1.25f, {450, 400}},
        {0.45f, {162, 144}},     {2.5f, {900, 800}}, {1.0625f, {383, 340}},  // 382.5
        {0.5625f, {203, 180}},                                               // 202.5
        {0.515625f, {186, 165}},
    };
    for (const SizeCase& c : cases) {
        EXPECT_EQ(WindowSizeForScale(c.scale), c.expected) << c.scale;
    }
}

TEST(WindowPlacementInitialTest, StoredPositionOrDefaultCorner) {
    const ScreenRect workArea{0, 0, 1920, 1040};
    EXPECT_EQ(InitialWindowRect(Settings{}, workArea), (ScreenRect{1536, 708, 1896, 1028}));
    EXPECT_EQ(InitialWindowRect(At(kUnsetPosition, 5), workArea),
              (ScreenRect{1536, 708, 1896, 1028}));
    EXPECT_EQ(InitialWindowRect(Scaled(At(-40, 50), 0.5f), workArea),
              (ScreenRect{-40, 50, 140, 210}));
}

}  // namespace
