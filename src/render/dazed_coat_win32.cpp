#include "render/dazed_coat_win32.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/small_math.h"
#include "pet/pet_state.h"
#include "render/coat_themes.h"
#include "render/face_win32.h"

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

void DrawDazedFace(Canvas& canvas, const PetState& pet, std::int32_t eyeTheme, float yaw,
                   float pitch, const CatSkin& skin, float squeeze, float stare) {
    const SavedState saved(canvas);
    const Vec2 at = ProjectOnHead(0.0f, 4.0f, 22.0f, 0.72f * yaw, 0.78f * pitch);
    Translate(canvas, at.x, at.y);
    Scale(canvas, std::cos(yaw), std::cos(pitch));

    PathBuilder muzzle(canvas);
    muzzle.Bezier({0.0f, -22.0f}, {17.0f, -23.0f}, {32.0f, -9.0f}, {32.0f, 8.0f});
    muzzle.Bezier({32.0f, 8.0f}, {32.0f, 22.0f}, {17.0f, 27.5f}, {0.0f, 27.5f});
    muzzle.Bezier({0.0f, 27.5f}, {-17.0f, 27.5f}, {-32.0f, 22.0f}, {-32.0f, 8.0f});
    muzzle.Bezier({-32.0f, 8.0f}, {-32.0f, -9.0f}, {-17.0f, -23.0f}, {0.0f, -22.0f});
    muzzle.CloseFigure();
    FillTwoColour(canvas, muzzle, {-7.0f, -23.0f}, 0xFFFFF4D4u, {8.0f, 29.0f}, 0xFFDDBF91u);
    auto rim = MakeRoundPen(canvas, 0xFF34355Du, 1.9f);
    StrokePath(canvas, *rim, muzzle);

    {
        PathBuilder shadow(canvas);
        shadow.Ellipse(-21.0f, -8.0f, 42.0f, 34.0f);
        Gdiplus::PathGradientBrush brush(&shadow.path());
        Note(canvas, brush.GetLastStatus());
        Note(canvas, brush.SetCenterPoint(Gdiplus::PointF(0.0f, 11.0f)));
        Note(canvas, brush.SetCenterColor(ToColor(0xDC8D5B44u)));
        Gdiplus::Color rimColour = ToColor(0x008D5B44u);
        INT rimCount = 1;
        Note(canvas, brush.SetSurroundColors(&rimColour, &rimCount));
        const Gdiplus::Color colours[4] = {ToColor(0x008D5B44u), ToColor(0x058D5B44u),
                                           ToColor(0x9B8D5B44u), ToColor(0xDC8D5B44u)};
        Gdiplus::REAL positions[4] = {0.0f, 0.17f, 0.38f, 1.0f};
        const Gdiplus::Status blend = brush.SetInterpolationColors(colours, positions, 4);
        if (blend != Gdiplus::NotImplemented) Note(canvas, blend);
        FillPath(canvas, brush, shadow);
    }
    FillEllipseSolid(canvas, 0x5ECF8173u, -23.0f, 10.0f, 9.0f, 4.0f);
    FillEllipseSolid(canvas, 0x5ECF8173u, 14.0f, 10.0f, 9.0f, 4.0f);

    auto line = MakeRoundPen(canvas, 0xFF282333u, 1.7f);
    if (pet.yawn <= 0.03f) {
        PathBuilder mouth(canvas);
        mouth.Bezier({-6.5f, 12.0f}, {-5.9f, 17.0f}, {-1.8f, 17.5f}, {0.0f, 13.4f});
        mouth.Bezier({0.0f, 13.4f}, {1.8f, 17.5f}, {5.9f, 17.0f}, {6.5f, 12.0f});
        StrokePath(canvas, *line, mouth);
    } else {
        const float v = Clamp01(pet.yawn);
        const SavedState open(canvas);
        Translate(canvas, 0.0f, 17.5f + 2.0f * v);
        Scale(canvas, 1.0f, 0.75f);
        DrawOpenMouth(canvas, v, skin);
    }
    FillEllipseSolid(canvas, 0xFF282333u, -1.9f, 10.1f, 3.8f, 2.8f);

    for (float x : {-11.8f, 11.8f}) {
        if (pet.purr > 0.45f || pet.contentment > 0.35f) {
            const float bow = pet.purr > 0.45f ? 7.0f : 4.0f;
            PathBuilder arc(canvas);
            AddQuadCurve(arc, {x - 7.2f, 2.0f}, {x, bow}, {x + 7.2f, 2.0f});
            StrokePath(canvas, *line, arc);
            continue;
        }
        const float c = Clamp01(std::max(0.44f * squeeze, EyeClosure(pet)));
        const float o = 1.0f - c;
        if (o <= 0.025f) continue;
        const float e = Clamp01(std::max(0.94f * stare, pet.alert.value));
        const float px = std::clamp(pet.pupilX.value, -1.0f, 1.0f) * (1.35f - 0.65f * e);
        const float py = std::clamp(pet.pupilY.value, -1.0f, 1.0f) * (1.1f - 0.55f * e);
        const float r = 8.5f + e;
        const float iris = r - 1.25f;
        const float pupil = 6.25f + 1.35f * e;
        const SavedState eye(canvas);
        Translate(canvas, x, 1.0f);
        Scale(canvas, 1.0f, o);
        FillEllipseSolid(canvas, 0xFF282333u, -r, -r, 2.0f * r, 2.0f * r);
        FillEllipseSolid(canvas, LerpArgb(0xFFFFF8E5u, EyeThemeColor(eyeTheme, 255), 0.2), -iris,
                         -iris, 2.0f * iris, 2.0f * iris);
        FillEllipseSolid(canvas, 0xFF191825u, px - pupil, py - pupil, 2.0f * pupil, 2.0f * pupil);
        if (e > 0.25f) {
            const float d = 2.0f * (1.1f + 0.6f * e);
            FillEllipseSolid(canvas, 0xFFFFF9EAu, px - 3.4f, py - 4.2f, d, d);
            if (stare > 0.25f)
                FillEllipseSolid(canvas, 0xFFFFF9EAu, px + 1.1f, py + 1.4f, 2.2f, 2.2f);
        }
    }
}

void DrawDazedArm(Canvas& canvas, PathBuilder& band, const Vec2* left, const Vec2* right, int count,
                  float pawX, float pawY, float pawW, float pawH) {
    constexpr Argb kSleeve = 0xFF465189u;
    constexpr float kSleeveLength = 15.0f;
    FillPathSolid(canvas, kSleeve, band);
    auto mid = [&](int i) {
        return Vec2{(left[i].x + right[i].x) / 2.0f, (left[i].y + right[i].y) / 2.0f};
    };
    float walked = 0.0f;
    int i = 1;
    Vec2 step{0.0f, 1.0f};
    float length = 0.0f;
    for (; i < count; ++i) {
        const Vec2 a = mid(i - 1);
        const Vec2 b = mid(i);
        step = {b.x - a.x, b.y - a.y};
        length = std::hypot(step.x, step.y);
        if (walked + length >= kSleeveLength || i == count - 1) break;
        walked += length;
    }
    i = std::min(i, count - 1);
    const float t = Clamp01((kSleeveLength - walked) / std::max(length, 0.001f));
    auto lerp = [](Vec2 p, Vec2 q, float k) {
        return Vec2{p.x + (q.x - p.x) * k, p.y + (q.y - p.y) * k};
    };
    const Vec2 a = lerp(left[i - 1], left[i], t);
    const Vec2 b = lerp(right[i - 1], right[i], t);
    const float inv = 1.0f / std::max(length, 0.001f);
    const Vec2 u{step.x * inv, step.y * inv};
    const Vec2 a2 = lerp(b, a, 1.23f);
    const Vec2 b2 = lerp(a, b, 1.23f);
    auto along = [&](Vec2 p, float k) { return Vec2{p.x + u.x * k, p.y + u.y * k}; };

    PathBuilder flare(canvas);
    flare.Line(along(a, -8.0f), a2);
    flare.Bezier(a2, along(a2, 4.0f), along(b2, 4.0f), b2);
    flare.Line(b2, along(b, -8.0f));
    flare.CloseFigure();
    FillPathSolid(canvas, kSleeve, flare);

    PathBuilder cuff(canvas);
    cuff.Bezier(a2, along(a2, 4.0f), along(b2, 4.0f), b2);
    cuff.Bezier(b2, along(b2, -3.5f), along(a2, -3.5f), a2);
    cuff.CloseFigure();
    FillPathSolid(canvas, 0xFF252D54u, cuff);

    std::vector<Vec2> hand;
    hand.push_back(a);
    for (int k = i; k < count; ++k) hand.push_back(left[k]);
    for (int k = count - 1; k >= i; --k) hand.push_back(right[k]);
    hand.push_back(b);
    PathBuilder handPath(canvas);
    handPath.Polygon(hand.data(), static_cast<int>(hand.size()));
    FillPathSolid(canvas, 0xFFE3C99Fu, handPath);
    DrawDazedFoot(canvas, pawX, pawY, pawW, pawH);

    PathBuilder seam(canvas);
    seam.Bezier(a2, along(a2, 4.0f), along(b2, 4.0f), b2);
    auto pen = MakeRoundPen(canvas, 0xFF8790C8u, 1.25f);
    StrokePath(canvas, *pen, seam);
}
