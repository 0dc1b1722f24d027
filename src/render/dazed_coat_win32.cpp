#include "render/dazed_coat_win32.h"

#include <cmath>

#include "base/small_math.h"
#include "pet/pet_state.h"

namespace {

// Linear gradient fill of a path between two colours, TileFlipXY.
void FillTwoColour(Canvas& canvas, PathBuilder& path, Vec2 from, Argb a, Vec2 to, Argb b) {
    Gdiplus::LinearGradientBrush brush(ToPointF(from), ToPointF(to), ToColor(a), ToColor(b));
    Note(canvas, brush.GetLastStatus());
    Note(canvas, brush.SetWrapMode(Gdiplus::WrapModeTileFlipXY));
    FillPath(canvas, brush, path);
}

}  // namespace

void DrawDazedFoot(Canvas& canvas, float x, float y, float w, float h) {
    PathBuilder path(canvas);
    path.Ellipse(x, y, w, h);
    FillTwoColour(canvas, path, {x, y}, 0xFFFFF1CDu, {x, y + h}, 0xFFCCAC7Fu);
    auto pen = MakeRoundPen(canvas, 0xAA7E634Au, 0.9f);
    StrokePath(canvas, *pen, path);
}

void DrawDazedBody(Canvas& canvas, float bodyX, float bodyY, Vec2 headCentre, const PetState& pet) {
    {
        const SavedState saved(canvas);
        Translate(canvas, bodyX, bodyY);
        Rotate(canvas, pet.bodyLean.value * kDegreesPerRadian);
        const float stretch = pet.bodyStretch.value;
        Scale(canvas, (1.0f - stretch) * 0.55f + 1.0f, stretch);

        DrawDazedFoot(canvas, -34.0f, -2.0f, 19.0f, 18.0f);
        if (pet.footOut.value < 0.35f) DrawDazedFoot(canvas, 15.0f, -2.0f, 19.0f, 18.0f);

        PathBuilder lap(canvas);
        lap.Bezier({-42.0f, -19.0f}, {-46.0f, -5.0f}, {-41.0f, 11.5f}, {0.0f, 11.5f});
        lap.Bezier({0.0f, 11.5f}, {41.0f, 11.5f}, {46.0f, -5.0f}, {42.0f, -19.0f});
        lap.CloseFigure();
        FillTwoColour(canvas, lap, {0.0f, -16.0f}, 0xFFF4DFB8u, {0.0f, 12.0f}, 0xFFC8A77Au);

        PathBuilder shirt(canvas);
        shirt.Bezier({-21.0f, -65.0f}, {-34.0f, -56.0f}, {-44.0f, -35.0f}, {-44.0f, -17.0f});
        shirt.Bezier({-44.0f, -17.0f}, {-37.0f, -2.0f}, {37.0f, -2.0f}, {44.0f, -17.0f});
        shirt.Bezier({44.0f, -17.0f}, {44.0f, -35.0f}, {34.0f, -56.0f}, {21.0f, -65.0f});
        shirt.CloseFigure();
        FillTwoColour(canvas, shirt, {-16.0f, -65.0f}, 0xFF555F9Bu, {12.0f, -5.0f}, 0xFF252E58u);

        PathBuilder hem(canvas);
        hem.Bezier({-39.0f, -15.0f}, {-28.0f, -6.0f}, {28.0f, -6.0f}, {39.0f, -15.0f});
        auto pen = MakeRoundPen(canvas, 0x9B7C86BCu, 1.1f);
        StrokePath(canvas, *pen, hem);
    }
    const SavedState saved(canvas);
    Translate(canvas, headCentre.x, headCentre.y);
    Rotate(canvas, pet.headRoll.value * kDegreesPerRadian);
    PathBuilder head(canvas);
    head.Bezier({0.0f, -33.0f}, {28.0f, -35.0f}, {48.0f, -16.0f}, {48.0f, 9.0f});
    head.Bezier({48.0f, 9.0f}, {48.0f, 32.0f}, {25.0f, 41.0f}, {0.0f, 41.0f});
    head.Bezier({0.0f, 41.0f}, {-25.0f, 41.0f}, {-48.0f, 32.0f}, {-48.0f, 9.0f});
    head.Bezier({-48.0f, 9.0f}, {-48.0f, -16.0f}, {-28.0f, -35.0f}, {0.0f, -33.0f});
    head.CloseFigure();
    FillTwoColour(canvas, head, {-16.0f, -35.0f}, 0xFF6871B4u, {15.0f, 42.0f}, 0xFF2F386Du);
}

void DrawDazedEar(Canvas& canvas, int side, float yaw, float pitch, float droop, float flick) {
    const float s = static_cast<float>(side);
    const float tilt = 0.34f * s * droop + flick;
    auto point = [&](float x, float y, float k) {
        return ProjectOnHead(s * x + 37.0f * k * std::sin(tilt),
                             y + 37.0f * k * (1.0f - std::cos(tilt)), -3.0f * k, yaw, pitch);
    };
    const Vec2 a = point(5.0f, -25.0f, 0.0f);
    const Vec2 e = point(13.0f, -46.0f, 0.3f);
    const Vec2 d = point(31.0f, -62.0f, 0.9f);
    const Vec2 b = point(40.0f, -63.0f, 1.0f);
    const Vec2 g = point(54.0f, -66.0f, 0.95f);
    const Vec2 f = point(57.0f, -34.0f, 0.4f);
    const Vec2 c = point(42.5f, -5.0f, 0.0f);
    PathBuilder path(canvas);
    path.Bezier(a, e, d, b);
    path.Bezier(b, g, f, c);
    path.CloseFigure();
    FillTwoColour(canvas, path, b, 0xFF777FBDu, c, 0xFF4D5892u);
}

void DrawKnifeProp(Canvas& canvas, float bodyX, float bodyY, const PetState& pet) {
    const SavedState saved(canvas);
    Translate(canvas, bodyX, bodyY + 36.0f * (1.0f - pet.bodyStretch.value));
    Rotate(canvas, pet.bodyLean.value * kDegreesPerRadian);

    PathBuilder blade(canvas);
    blade.Bezier({38.0f, -96.0f}, {7.0f, -61.0f}, {-31.0f, -33.0f}, {-65.0f, -38.0f});
    blade.Bezier({-65.0f, -38.0f}, {-62.0f, -24.0f}, {-51.0f, -21.0f}, {-37.0f, -25.0f});
    blade.Bezier({-37.0f, -25.0f}, {-5.0f, -33.0f}, {27.0f, -60.0f}, {50.0f, -84.0f});
    blade.CloseFigure();
    FillTwoColour(canvas, blade, {-46.0f, -51.0f}, 0xFF8395B0u, {-29.0f, -22.0f}, 0xFFDDE7F2u);
    auto edge = MakeRoundPen(canvas, 0xFF232638u, 3.6f);
    StrokePath(canvas, *edge, blade);

    PathBuilder shine(canvas);
    shine.Bezier({-59.0f, -33.5f}, {-34.0f, -24.0f}, {12.0f, -53.0f}, {43.0f, -87.0f});
    auto shinePen = MakeRoundPen(canvas, 0xFFF3F7FBu, 2.1f);
    StrokePath(canvas, *shinePen, shine);

    Translate(canvas, 44.0f, -90.0f);
    Rotate(canvas, 44.0f);
    auto rim = MakeRoundPen(canvas, 0xFF232638u, 1.4f);
    PathBuilder handle(canvas);
    AddRoundedRect(handle, -7.5f, -32.0f, 15.0f, 32.0f, 3.6f);
    FillPathSolid(canvas, 0xFF58617Du, handle);
    StrokePath(canvas, *rim, handle);
    for (float y : {-27.0f, -19.0f, -11.0f}) {
        const Vec2 band[4] = {
            {-7.5f, y - 2.0f}, {7.5f, y + 1.0f}, {7.5f, y + 4.3f}, {-7.5f, y + 1.3f}};
        PathBuilder path(canvas);
        path.Polygon(band, 4);
        FillPathSolid(canvas, 0xFFB5BED0u, path);
    }
    PathBuilder bolster(canvas);
    AddRoundedRect(bolster, -13.5f, -3.8f, 27.0f, 7.6f, 2.5f);
    FillPathSolid(canvas, 0xFFE2C58Bu, bolster);
    StrokePath(canvas, *rim, bolster);
}
