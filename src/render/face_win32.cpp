#include "render/face_win32.h"

#include <algorithm>
#include <cmath>

#include "base/small_math.h"
#include "pet/pet_state.h"
#include "render/builtin_coat.h"
#include "render/coat_themes.h"
#include "render/dazed_coat_win32.h"
#include "render/part_paint.h"
#include "skins/cat_skin.h"

namespace {

constexpr Argb kEyeRim = 0xFF40362Bu;
constexpr Argb kPupil = 0xFF161618u;
constexpr Argb kSpiralBall = 0xF2FAFAF5u;
constexpr Argb kSpiralLine = 0xF224242Eu;
constexpr Argb kDefaultLid = 0xE03C322Cu;
constexpr Argb kLightFaceNose = 0xFFD98F9Bu;
constexpr Argb kLightFaceMouth = 0xC78B8C86u;
constexpr int kSpiralPoints = 43;
constexpr int kPupilShadowSteps = 24;

// Gaze reduced to the head's own turn.
struct HeadTurn {
    float yaw = 0.0f;
    float pitch = 0.0f;
};

Vec2 OnHead(const HeadTurn& turn, float x, float y, float z) {
    return ProjectOnHead(x, y, z, turn.yaw, turn.pitch);
}

bool DarkEyedCoat(const CatSkin& skin) {
    if (!skin.palette.body.set || Luma601(skin.palette.body) < 0.28) return true;
    return skin.palette.points.set && Luma601(skin.palette.points) < 0.38;
}

Argb LidColour(const CatSkin& skin, Argb iris) {
    if (IsBuiltinCoat(skin, BuiltinCoat::Tabby)) return kEyeRim;
    if (DarkEyedCoat(skin)) return iris;
    if (skin.palette.outline.set && Luma601(skin.palette.outline) < 0.42)
        return ColorToArgbAlpha(skin.palette.outline, 230);
    return kDefaultLid;
}

// Theme 1's pale blue eyes have their own gradient and a fixed highlight.
bool PaleBlueEyes(std::int32_t eyeTheme, const CatSkin& skin) {
    return eyeTheme == 1 && !skin.palette.iris.set;
}

void StrokeQuad(Canvas& canvas, const Gdiplus::Pen& pen, Vec2 a, Vec2 c, Vec2 b) {
    PathBuilder path(canvas);
    AddQuadCurve(path, a, c, b);
    StrokePath(canvas, pen, path);
}

void DrawSpiralEye(Canvas& canvas, float side, float spin) {
    FillEllipseSolid(canvas, kSpiralBall, -11.5f, -11.0f, 23.0f, 22.0f);
    Vec2 points[kSpiralPoints];
    for (int i = 0; i < kSpiralPoints; ++i) {
        const float k = static_cast<float>(i) / (kSpiralPoints - 1);
        const float angle = k * kPi * 5.2f + side * spin;
        const float radius = 1.0f + 8.6f * k;
        points[i] = {std::cos(angle) * radius, std::sin(angle) * radius};
    }
    PathBuilder path(canvas);
    path.Lines(points, kSpiralPoints);
    auto pen = MakeRoundPen(canvas, kSpiralLine, 1.3f);
    StrokePath(canvas, *pen, path);
}

struct EyeLook {
    std::int32_t eyeTheme = 0;
    Argb iris = 0;
    Argb lid = 0;
    float squeeze = 0.0f;
    float stare = 0.0f;
};

void DrawOpenEye(Canvas& canvas, float side, const PetState& pet, const CatSkin& skin,
                 const EyeLook& look) {
    const float u = Clamp01(std::max(0.94f * look.stare, pet.alert.value));
    Rotate(canvas, (1.0f - 0.6f * u) * 0.06f * side * kDegreesPerRadian);
    const bool pale = PaleBlueEyes(look.eyeTheme, skin);
    const bool sleekPale = pale && skin.shape.build == CatBuild::Sleek;
    const float w = sleekPale ? 11.4f + 1.3f * u : 12.0f + 1.1f * u;
    const float h = sleekPale ? 9.8f + 2.0f * u : 10.8f + 1.8f * u;
    const float c = Clamp01(std::max(0.44f * look.squeeze, EyeClosure(pet)));
    const float anger = Clamp01(pet.anger.value);
    const bool angry = anger > 0.08f;
    const float yOut = 1.0f - h;
    const float yIn = 8.2f * anger - h;

    PathBuilder eye(canvas);
    eye.Ellipse(-w, -h, 2.0f * w, 2.0f * h);
    if (c < 1.0f) {
        const SavedState clip(canvas);
        ClipToPath(canvas, eye);
        if (c > 0.0f) {
            Note(canvas,
                 canvas.graphics->SetClip(Gdiplus::RectF(-w - 2.0f, -h + 2.0f * h * c,
                                                         2.0f * w + 4.0f, 2.0f * h * (1.0f - c)),
                                          Gdiplus::CombineModeIntersect));
        }
        if (angry) {
            // The lid slants down toward the nose.
            const bool left = side < 0.0f;
            const Vec2 lid[4] = {{-w - 2.0f, left ? yOut : yIn},
                                 {w + 2.0f, left ? yIn : yOut},
                                 {w + 2.0f, h + 2.0f},
                                 {-w - 2.0f, h + 2.0f}};
            PathBuilder slant(canvas);
            slant.Polygon(lid, 4);
            ClipToPath(canvas, slant);
        }
        if (pale) {
            const Argb colours[3] = {0xFF8FC4E6u, 0xFFB5DEF5u, 0xFFDBF1FCu};
            const float positions[3] = {0.0f, 0.55f, 1.0f};
            FillLinearGradientStops(canvas, nullptr, -w, -h, 2.0f * w, 2.0f * h, {0.0f, -h},
                                    {0.0f, h}, colours, positions, 3);
        } else {
            const Argb colours[2] = {LerpArgb(look.iris, 0xFF675642u, 0.39),
                                     LerpArgb(look.iris, 0xFFFAEDBDu, 0.31)};
            const float positions[2] = {0.0f, 1.0f};
            FillLinearGradientStops(canvas, nullptr, -w, -h, 2.0f * w, 2.0f * h, {0.0f, -h},
                                    {0.0f, h}, colours, positions, 2);
        }
        const float scale = pet.eyeScale.value;
        const float pw = 5.0f * scale + (18.8f - 5.0f * scale) * u;
        const float ph = 13.5f * std::min(scale, 1.12f);
        const float pupilH = ph + (18.8f - ph) * u;
        const Vec2 pupil{pet.pupilX.value * (4.2f - 1.2f * u), pet.pupilY.value * (3.6f - u)};
        // Soft shadow ring, outermost first.
        for (int i = 0; i < kPupilShadowSteps; ++i) {
            const float k = static_cast<float>(i + 1) / kPupilShadowSteps;
            const float grow = 3.4f * (1.0f - k);
            const auto alpha = static_cast<std::uint32_t>(14.0f * Smooth(k));
            FillEllipseSolid(canvas, (alpha << 24) | 0x161618u, pupil.x - pw / 2.0f - grow,
                             pupil.y - pupilH / 2.0f - grow, pw + 2.0f * grow,
                             pupilH + 2.0f * grow);
        }
        FillEllipseSolid(canvas, kPupil, pupil.x - pw / 2.0f, pupil.y - pupilH / 2.0f, pw, pupilH);
        if (u > 0.25f) {
            const float r = 2.1f + 0.9f * u;
            const auto alpha =
                static_cast<std::uint32_t>(235.0f * std::min(1.0f, (u - 0.25f) / 0.55f));
            FillEllipseSolid(canvas, (alpha << 24) | 0xFFFFFFu, pupil.x - 2.9f - r,
                             pupil.y - 3.6f - r, 2.0f * r, 2.0f * r);
        } else if (pale) {
            FillEllipseSolid(canvas, 0xDCFFFFFFu, pupil.x - 2.9f - 1.65f, pupil.y - 3.6f - 1.65f,
                             3.3f, 3.3f);
        }
        auto rim = MakeRoundPen(canvas, kEyeRim, 1.0f);
        StrokePath(canvas, *rim, eye);
    }
    // The upper lid: the top of the eye, and the edge of a closing lid.
    auto lidPen = MakeRoundPen(canvas, look.lid, 1.8f);
    Note(canvas,
         canvas.graphics->DrawArc(lidPen.get(), -w, -h, 2.0f * w, 2.0f * h, 200.0f, 140.0f));
    if (c > 0.02f) {
        const float y = -h + 2.0f * h * c;
        const float half =
            std::max(w * std::sqrt(std::max(0.0f, 1.0f - (y / h) * (y / h))), 0.8f * w);
        StrokeQuad(canvas, *lidPen, {-half, y}, {0.0f, y + 1.2f * (1.0f - c) + 0.8f}, {half, y});
    }
    if (angry && c < 1.0f) {
        const bool left = side < 0.0f;
        const Vec2 a{-w, left ? yOut : yIn};
        const Vec2 b{w, left ? yIn : yOut};
        auto slantPen = MakeRoundPen(canvas, look.lid, 2.2f);
        Note(canvas, canvas.graphics->DrawLine(slantPen.get(), ToPointF(a), ToPointF(b)));
    }
}

void DrawEye(Canvas& canvas, int side, const HeadTurn& turn, const PetState& pet,
             const CatSkin& skin, const EyeLook& look) {
    const float s = static_cast<float>(side);
    const Vec2 centre = OnHead(turn, 17.2f * s, -2.0f, 27.5f);
    const float sx = std::clamp(std::cos(turn.yaw + 0.34f * s) / std::cos(0.34f), 0.64f, 1.06f);
    const float sy = std::clamp(std::cos(turn.pitch * 0.85f), 0.78f, 1.03f);
    const SavedState saved(canvas);
    Translate(canvas, centre.x, centre.y);
    Scale(canvas, sx, sy);
    if (pet.dizzy.value > 0.28f) {
        DrawSpiralEye(canvas, s, pet.dizzySpin);
        return;
    }
    if (pet.purr > 0.45f) {
        auto pen = MakeRoundPen(canvas, look.lid, 2.6f);
        StrokeQuad(canvas, *pen, {-11.5f, 1.0f}, {1.5f * s, 3.4f}, {11.5f, 1.0f});
        return;
    }
    if (!DarkEyedCoat(skin) && pet.drowsiness > 0.62f) {
        auto pen = MakeRoundPen(canvas, look.lid, 2.5f);
        StrokeQuad(canvas, *pen, {-10.5f, 0.4f}, {0.0f, 5.2f}, {10.5f, 0.4f});
        return;
    }
    if (pet.contentment > 0.35f) {
        PathBuilder lens(canvas);
        AddQuadCurve(lens, {-11.5f, -0.5f}, {0.0f, 0.6f}, {11.5f, -0.5f});
        AddQuadCurve(lens, {11.5f, -0.5f}, {0.0f, 4.8f}, {-11.5f, -0.5f});
        lens.CloseFigure();
        FillPathSolid(canvas, IsBuiltinCoat(skin, BuiltinCoat::Tabby) ? kEyeRim : look.iris, lens);
        auto pen = MakeRoundPen(canvas, look.lid, 2.2f);
        StrokeQuad(canvas, *pen, {-11.5f, -0.5f}, {0.0f, 0.6f}, {11.5f, -0.5f});
        return;
    }
    DrawOpenEye(canvas, s, pet, skin, look);
}

void DrawNose(Canvas& canvas, Vec2 p, Argb colour) {
    PathBuilder path(canvas);
    AddQuadCurve(path, {p.x - 2.3f, p.y - 1.1f}, {p.x, p.y - 1.6f}, {p.x + 2.3f, p.y - 1.1f});
    path.Line({p.x + 2.3f, p.y - 1.1f}, {p.x, p.y + 1.5f});
    path.CloseFigure();
    FillPathSolid(canvas, colour, path);
}

void DrawClosedMouth(Canvas& canvas, const HeadTurn& turn, const Gdiplus::Pen& pen) {
    const Vec2 left = OnHead(turn, -4.2f, 12.2f, 28.4f);
    const Vec2 mid = OnHead(turn, 0.0f, 11.2f, 28.8f);
    const Vec2 right = OnHead(turn, 4.2f, 12.2f, 28.4f);
    PathBuilder path(canvas);
    AddQuadCurve(path, left, {(left.x + mid.x) / 2.0f, (left.y + mid.y) / 2.0f + 1.6f}, mid);
    path.StartFigure();
    AddQuadCurve(path, mid, {(mid.x + right.x) / 2.0f, (mid.y + right.y) / 2.0f + 1.6f}, right);
    StrokePath(canvas, pen, path);
}

void DrawWhiskers(Canvas& canvas, const HeadTurn& turn, const PetState& pet, const CatSkin& skin) {
    const float w =
        static_cast<float>(std::sin(pet.clock * 4.5)) * std::max(pet.purr, pet.contentment) * 1.2f;
    auto pen = MakeRoundPen(canvas, SlotOr(skin.palette.whiskers, 0xAE8D8170u), 1.05f);
    PathBuilder path(canvas);
    for (float s : {-1.0f, 1.0f}) {
        const Vec2 roots[3] = {{24.0f * s, 10.5f}, {24.0f * s, 14.2f}, {24.0f * s, 18.0f}};
        const Vec2 tips[3] = {
            {36.5f * s, 8.8f + w}, {37.8f * s, 14.2f + 0.5f * w}, {35.5f * s, 19.6f - 0.4f * w}};
        for (int i = 0; i < 3; ++i) {
            const Vec2 a = OnHead(turn, roots[i].x, roots[i].y, 23.0f);
            const Vec2 b = OnHead(turn, tips[i].x, tips[i].y, 14.0f);
            path.StartFigure();
            AddQuadCurve(path, a, {(a.x + b.x) / 2.0f, (a.y + b.y) / 2.0f - 0.8f}, b);
        }
    }
    StrokePath(canvas, *pen, path);
}

void DrawAngerMark(Canvas& canvas, const HeadTurn& turn, const PetState& pet) {
    const float w = Clamp01(pet.anger.value);
    if (w <= 0.25f) return;
    const float q = std::min(1.0f, (w - 0.25f) / 0.35f);
    const SavedState saved(canvas);
    const Vec2 at = OnHead(turn, 28.0f, -22.0f, 24.0f);
    Translate(canvas, at.x, at.y);
    const float pulse = 1.0f + 0.1f * static_cast<float>(std::sin(14.0 * pet.clock));
    Scale(canvas, pulse, pulse);
    const auto alpha = static_cast<std::uint32_t>(242.0f * q);
    auto pen = MakeRoundPen(canvas, (alpha << 24) | 0xF53848u, 2.0f);
    for (auto [dx, dy] : {std::pair{-1.0f, -1.0f}, {1.0f, -1.0f}, {-1.0f, 1.0f}, {1.0f, 1.0f}}) {
        StrokeQuad(canvas, *pen, {6.2f * dx, 2.4f * dy}, {2.4f * dx, 2.4f * dy},
                   {2.4f * dx, 6.2f * dy});
    }
}

}  // namespace

float EyeClosure(const PetState& pet) {
    return std::min(1.0f, std::max({pet.blink, pet.yawn * 0.96f, pet.drowsiness * 0.92f,
                                    pet.contentment * 0.62f, pet.purr}));
}

void DrawOpenMouth(Canvas& canvas, float v, const CatSkin& skin) {
    const float W = 5.8f * v + 3.2f;
    const float H = 7.4f * v + 1.6f;
    PathBuilder mouth(canvas);
    mouth.Bezier({0.0f, -0.92f * H}, {0.68f * W, -0.92f * H}, {1.05f * W, -0.42f * H},
                 {W, 0.08f * H});
    mouth.Bezier({W, 0.08f * H}, {0.95f * W, 0.72f * H}, {0.5f * W, H}, {0.0f, H});
    mouth.Bezier({0.0f, H}, {-0.5f * W, H}, {-0.95f * W, 0.72f * H}, {-W, 0.08f * H});
    mouth.Bezier({-W, 0.08f * H}, {-1.05f * W, -0.42f * H}, {-0.68f * W, -0.92f * H},
                 {0.0f, -0.92f * H});
    mouth.CloseFigure();
    FillPathSolid(canvas, 0xFAC73040u, mouth);
    {
        const SavedState clip(canvas);
        ClipToPath(canvas, mouth);
        FillEllipseSolid(canvas, 0x8C8C1A29u, -0.65f * W, -0.72f * H, 1.3f * W, 0.92f * H);
        if (v > 0.22f) {
            const auto alpha =
                static_cast<std::uint32_t>(235.0f * std::min(1.0f, (v - 0.22f) / 0.35f));
            PathBuilder tongue(canvas);
            AddQuadCurve(tongue, {-0.62f * W, 0.55f * H}, {-0.32f * W, 0.16f * H},
                         {0.0f, 0.36f * H});
            AddQuadCurve(tongue, {0.0f, 0.36f * H}, {0.32f * W, 0.16f * H}, {0.62f * W, 0.55f * H});
            AddQuadCurve(tongue, {0.62f * W, 0.55f * H}, {0.0f, 1.25f * H},
                         {-0.62f * W, 0.55f * H});
            tongue.CloseFigure();
            FillPathSolid(canvas, (alpha << 24) | 0xF27A8Cu, tongue);
        }
        if (v > 0.28f) {
            const float k = std::min(1.0f, (v - 0.28f) / 0.32f);
            PathBuilder teeth(canvas);
            for (float s : {-1.0f, 1.0f}) {
                const float c = 0.46f * s * W;
                const float n = (0.55f * v + 1.15f) * k;
                const Vec2 fang[3] = {{c - n, -0.8f * H - 0.8f},
                                      {c + n, -0.8f * H - 0.8f},
                                      {c - 0.25f * s, -0.8f * H + (2.2f * v + 2.6f) * k}};
                teeth.Polygon(fang, 3);
            }
            for (float s : {-1.0f, 1.0f}) {
                const float c = 0.36f * s * W;
                const float n = (0.35f * v + 0.85f) * k;
                const Vec2 fang[3] = {{c - n, 0.84f * H + 0.8f},
                                      {c + n, 0.84f * H + 0.8f},
                                      {c - 0.15f * s, 0.84f * H - (1.3f * v + 1.6f) * k}};
                teeth.Polygon(fang, 3);
            }
            FillPathSolid(canvas, 0xFAFFFCF5u, teeth);
        }
    }
    const bool darkLip =
        skin.palette.points.set || (!IsBuiltinCoat(skin, BuiltinCoat::Dazed) &&
                                    (!skin.palette.body.set || Luma709(skin.palette.body) < 0.25));
    auto pen = MakeRoundPen(canvas, darkLip ? 0xD86B141Fu : 0xB88F3842u, 1.0f);
    StrokePath(canvas, *pen, mouth);
}

void DrawFace(Canvas& canvas, Vec2 headCentre, const PetState& pet, std::int32_t eyeTheme,
              const CatSkin& skin, float squeeze, float stare) {
    const SavedState saved(canvas);
    Translate(canvas, headCentre.x, headCentre.y);
    Rotate(canvas, pet.headRoll.value * kDegreesPerRadian);
    const float headScale = skin.shape.headScale;
    if (headScale != 1.0f) Scale(canvas, headScale, headScale);
    const HeadTurn turn{pet.gazeX.value * 0.5f, pet.gazeY.value * 0.36f};
    if (IsBuiltinCoat(skin, BuiltinCoat::Dazed)) {
        DrawDazedFace(canvas, pet, eyeTheme, turn.yaw, turn.pitch, skin, squeeze, stare);
        return;
    }
    EyeLook look;
    look.eyeTheme = eyeTheme;
    look.iris = IrisColor(skin, eyeTheme);
    look.lid = LidColour(skin, look.iris);
    look.squeeze = squeeze;
    look.stare = stare;
    DrawEye(canvas, -1, turn, pet, skin, look);
    DrawEye(canvas, 1, turn, pet, skin, look);

    if (skin.palette.nose.set)
        DrawNose(canvas, OnHead(turn, 0.0f, 8.2f, 29.0f), ColorToArgb(skin.palette.nose));
    if (skin.palette.mouth.set && pet.yawn < 0.15f) {
        auto pen = MakeRoundPen(canvas, ColorToArgb(skin.palette.mouth), 1.05f);
        DrawClosedMouth(canvas, turn, *pen);
    }
    if (IsBuiltinCoat(skin, BuiltinCoat::SilverTabby) ||
        IsBuiltinCoat(skin, BuiltinCoat::OrangeWhite)) {
        DrawNose(canvas, OnHead(turn, 0.0f, 8.2f, 29.0f), kLightFaceNose);
        if (pet.yawn < 0.15f) {
            auto pen = MakeRoundPen(canvas, kLightFaceMouth, 1.05f);
            DrawClosedMouth(canvas, turn, *pen);
        }
    }
    if (pet.yawn > 0.03f) {
        const float v = Clamp01(pet.yawn);
        const SavedState mouth(canvas);
        const Vec2 at = OnHead(turn, 0.0f, 16.2f + 2.2f * v, 30.2f);
        Translate(canvas, at.x, at.y);
        DrawOpenMouth(canvas, v, skin);
    }
    DrawWhiskers(canvas, turn, pet, skin);
    DrawAngerMark(canvas, turn, pet);
}
