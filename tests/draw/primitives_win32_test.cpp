#include <cstring>

#include "base/handles_win32.h"
#include "draw/canvas_win32.h"
#include "draw/group_opacity_win32.h"
#include "draw/memory_stream_win32.h"
#include "gdiplus_suite_win32.h"

namespace {

class PrimitivesTest : public GdiplusSuite {};

struct Target {
    Gdiplus::Bitmap bitmap{40, 40, PixelFormat32bppPARGB};
    Gdiplus::Graphics graphics{&bitmap};
    CanvasStats stats;
    Canvas canvas{&graphics, 0, &stats};
    Target() { graphics.Clear(Gdiplus::Color(0, 0, 0, 0)); }
    std::uint32_t Alpha(int x, int y) {
        Gdiplus::Color c;
        bitmap.GetPixel(x, y, &c);
        return c.GetA();
    }
};

// Two overlapping opaque squares: (5..25) and (15..35).
void DrawTwoSquares(Canvas& canvas) {
    FillEllipseSolid(canvas, 0xFFFF0000u, -100.0f, -100.0f, 0.0f,
                     0.0f);  // nothing, but a real call
    const Gdiplus::SolidBrush red(Gdiplus::Color(255, 255, 0, 0));
    Note(canvas, canvas.graphics->FillRectangle(&red, 5.0f, 5.0f, 20.0f, 20.0f));
    Note(canvas, canvas.graphics->FillRectangle(&red, 15.0f, 15.0f, 20.0f, 20.0f));
}

TEST_F(PrimitivesTest, GroupOpacityIsUniformAndFreeAtTheEnds) {
    struct Case {
        float opacity;
        std::uint32_t alpha;
        std::uint64_t bitmaps;
    };
    const Case cases[] = {
        {1.0f, 255, 0},
        {0.996f, 255, 0},
        {0.5f, 128, 1},
        {0.004f, 0, 0},
    };
    for (const Case& c : cases) {
        Target t;
        DrawWithOpacity(t.canvas, 0.0f, 0.0f, 40.0f, 40.0f, c.opacity,
                        [](Canvas& target) { DrawTwoSquares(target); });
        EXPECT_EQ(t.stats.offscreenBitmaps, c.bitmaps) << c.opacity;
        // One square alone, and the overlap: the same alpha, the group is
        // one layer.
        EXPECT_NEAR(static_cast<int>(t.Alpha(10, 10)), static_cast<int>(c.alpha), 1) << c.opacity;
        EXPECT_NEAR(static_cast<int>(t.Alpha(20, 20)), static_cast<int>(c.alpha), 1) << c.opacity;
        EXPECT_EQ(t.Alpha(38, 2), 0u);
        EXPECT_EQ(t.canvas.lastStatus, 0);
    }
}

TEST_F(PrimitivesTest, StatusOfAFailedCallIsKeptAndDrawingGoesOn) {
    Target t;
    const Gdiplus::SolidBrush red(Gdiplus::Color(255, 255, 0, 0));
    Note(t.canvas, t.graphics.FillRectangle(&red, 0.0f, 0.0f, 10.0f, 10.0f));
    EXPECT_EQ(t.canvas.lastStatus, 0);
    Note(t.canvas,
         t.graphics.FillRectangle(static_cast<Gdiplus::Brush*>(nullptr), 0.0f, 0.0f, 1.0f, 1.0f));
    EXPECT_EQ(t.canvas.lastStatus, static_cast<std::int32_t>(Gdiplus::InvalidParameter));
    Note(t.canvas, t.graphics.FillRectangle(&red, 20.0f, 20.0f, 10.0f, 10.0f));
    EXPECT_EQ(t.canvas.lastStatus, static_cast<std::int32_t>(Gdiplus::InvalidParameter));
    EXPECT_EQ(t.Alpha(25, 25), 255u);
    EXPECT_EQ(t.stats.gdiplusCalls, 3u);
}

TEST_F(PrimitivesTest, RoundedRectAndGradientFill) {
    Target t;
    PathBuilder path(t.canvas);
    AddRoundedRect(path, 0.0f, 0.0f, 40.0f, 40.0f, 12.0f);
    const Argb colours[2] = {0xFF0000FFu, 0xFFFF0000u};
    const float positions[2] = {0.25f, 0.75f};
    FillLinearGradientStops(t.canvas, &path, 0, 0, 0, 0, {0.0f, 0.0f}, {40.0f, 0.0f}, colours,
                            positions, 2);
    EXPECT_EQ(t.canvas.lastStatus, 0);
    EXPECT_EQ(path.lastStatus(), 0);
    Gdiplus::Color left;
    Gdiplus::Color right;
    t.bitmap.GetPixel(4, 20, &left);
    t.bitmap.GetPixel(36, 20, &right);
    // Flat beyond the first and last stop, no repetition.
    EXPECT_EQ(left.GetValue(), 0xFF0000FFu);
    EXPECT_EQ(right.GetValue(), 0xFFFF0000u);
    EXPECT_EQ(t.Alpha(0, 0), 0u);  // the corner is rounded off
}

TEST_F(PrimitivesTest, MemoryStreamReadsSeeksAndRefuses) {
    const std::vector<std::uint8_t> bytes = {1, 2, 3, 4, 5};
    const ComReference<IStream> stream(new CatRenderer::MemoryStream(bytes));
    std::uint8_t buffer[8] = {};
    ULONG read = 99;
    EXPECT_EQ(stream->Read(buffer, 3, &read), S_OK);
    EXPECT_EQ(read, 3u);
    EXPECT_EQ(stream->Read(buffer, 8, &read), S_FALSE);  // past the end
    EXPECT_EQ(read, 2u);
    EXPECT_EQ(buffer[0], 4);
    EXPECT_EQ(buffer[1], 5);
    EXPECT_EQ(stream->Read(buffer, 1, &read), S_FALSE);
    EXPECT_EQ(read, 0u);

    LARGE_INTEGER offset;
    ULARGE_INTEGER position;
    offset.QuadPart = -1;
    EXPECT_EQ(stream->Seek(offset, STREAM_SEEK_SET, &position), STG_E_INVALIDFUNCTION);
    offset.QuadPart = -2;
    EXPECT_EQ(stream->Seek(offset, STREAM_SEEK_END, &position), S_OK);
    EXPECT_EQ(position.QuadPart, 3u);
    offset.QuadPart = -4;
    EXPECT_EQ(stream->Seek(offset, STREAM_SEEK_CUR, &position), STG_E_INVALIDFUNCTION);
    EXPECT_EQ(stream->Read(buffer, 1, &read), S_OK);  // the failed seek kept the position
    EXPECT_EQ(buffer[0], 4);
    offset.QuadPart = 100;
    EXPECT_EQ(stream->Seek(offset, STREAM_SEEK_SET, nullptr), S_OK);  // no upper limit
    EXPECT_EQ(stream->Read(buffer, 1, &read), S_FALSE);

    ULONG written = 0;
    EXPECT_EQ(stream->Write(buffer, 1, &written), STG_E_ACCESSDENIED);
    STATSTG stat;
    EXPECT_EQ(stream->Stat(&stat, STATFLAG_NONAME), S_OK);
    EXPECT_EQ(stat.cbSize.QuadPart, 5u);
    EXPECT_EQ(stat.type, static_cast<DWORD>(STGTY_STREAM));
    EXPECT_EQ(stream->Stat(nullptr, 0), E_POINTER);
    ULARGE_INTEGER size{};
    EXPECT_EQ(stream->SetSize(size), E_NOTIMPL);
    EXPECT_EQ(stream->Commit(0), S_OK);

    IStream* again = nullptr;
    EXPECT_EQ(stream->QueryInterface(IID_IStream, reinterpret_cast<void**>(&again)), S_OK);
    EXPECT_EQ(again, stream.get());
    EXPECT_EQ(again->Release(), 1u);
    IUnknown* other = reinterpret_cast<IUnknown*>(&buffer);
    EXPECT_EQ(stream->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&other)),
              E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(stream->QueryInterface(IID_IStream, nullptr), E_POINTER);
}

// 2 x 1: opaque red, then blue at alpha 128.
const std::vector<std::uint8_t> kTinyPng = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0xF4,
    0x22, 0x7F, 0x8A, 0x00, 0x00, 0x00, 0x0E, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8,
    0xCF, 0xC0, 0x00, 0x42, 0x0D, 0x00, 0x0F, 0x7A, 0x03, 0x7E, 0x77, 0xE9, 0x7F, 0x97, 0x00,
    0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

TEST_F(PrimitivesTest, PngDecodesOrFallsBackToOneClearPixel) {
    const auto good = DecodePngBitmap(kTinyPng);
    ASSERT_NE(good, nullptr);
    EXPECT_EQ(good->GetWidth(), 2u);
    EXPECT_EQ(good->GetHeight(), 1u);
    EXPECT_EQ(good->GetPixelFormat(), static_cast<Gdiplus::PixelFormat>(PixelFormat32bppPARGB));
    Gdiplus::Color c;
    good->GetPixel(0, 0, &c);
    EXPECT_EQ(c.GetValue(), 0xFFFF0000u);
    good->GetPixel(1, 0, &c);
    EXPECT_NEAR(c.GetA(), 128, 1);
    EXPECT_NEAR(c.GetB(), 255, 2);

    const std::vector<std::uint8_t> truncated(kTinyPng.begin(), kTinyPng.begin() + 40);
    const std::vector<std::uint8_t> garbage(64, 0xAB);
    std::vector<std::uint8_t> badDepth = kTinyPng;
    badDepth[24] = 7;  // no such bit depth
    std::vector<std::uint8_t> badStream = kTinyPng;
    badStream[41] = 0;  // not a zlib stream
    const std::vector<std::uint8_t>& corruptHeader = badDepth;
    const std::vector<std::uint8_t>& corruptData = badStream;
    const std::vector<std::uint8_t> empty;
    for (const auto* bad : {&truncated, &garbage, &corruptHeader, &corruptData, &empty}) {
        const auto image = DecodePngBitmap(*bad);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->GetWidth(), 1u);
        EXPECT_EQ(image->GetHeight(), 1u);
        Gdiplus::Color pixel;
        image->GetPixel(0, 0, &pixel);
        EXPECT_EQ(pixel.GetA(), 0);
    }
}

}  // namespace
