#include "render/limbs_win32.h"

#include <algorithm>
#include <cmath>

#include "base/small_math.h"
#include "pet/pet_state.h"
#include "render/body_geometry.h"
#include "render/build_geometry.h"
#include "render/coat_themes.h"
#include "render/dazed_coat_win32.h"
#include "render/part_paint.h"
#include "skins/cat_skin.h"

namespace {

constexpr int kLimbSamples = 15;
constexpr Vec2 kRightPawRest{164.0f, 235.0f};
constexpr Vec2 kLeftPawRest{204.0f, 235.0f};
constexpr float kPawLeftRest = 6.0f;  // units from rest at which a paw counts as reaching
constexpr float kFrontLimbOpacity = 0.78f;
constexpr Argb kTabbyLimb = 0xFFAE987Bu;
constexpr Argb kTabbyPaw = 0xFFEFE7D5u;

float Length(Vec2 v) {
    return std::hypot(v.x, v.y);
}

struct LimbBand {
    Vec2 left[kLimbSamples];
    Vec2 right[kLimbSamples];
};

LimbBand SampleLimb(const LimbSpec& l) {
    LimbBand band;
    const Vec2 s = l.shoulder;
    const Vec2 k = l.control;
    const Vec2 p = l.paw;
    for (int i = 0; i < kLimbSamples; ++i) {
        const float t = static_cast<float>(i) / (kLimbSamples - 1);
        const float a = (1 - t) * (1 - t);
        const float b = 2 * (1 - t) * t;
        const float c = t * t;
        const Vec2 q{a * s.x + b * k.x + c * p.x, a * s.y + b * k.y + c * p.y};
        const Vec2 d{2 * (1 - t) * (k.x - s.x) + 2 * t * (p.x - k.x),
                     2 * (1 - t) * (k.y - s.y) + 2 * t * (p.y - k.y)};
        const float w = (l.shoulderWidth + (l.pawWidth - l.shoulderWidth) * t) / 2.0f;
        const float len = std::max(Length(d), 0.001f);
        const Vec2 n{-d.y / len, d.x / len};
        band.left[i] = {q.x + w * n.x, q.y + w * n.y};
        band.right[i] = {q.x - w * n.x, q.y - w * n.y};
    }
    return band;
}

void AddBandPath(PathBuilder& path, const LimbBand& band, const LimbSpec& l) {
    Vec2 outline[2 * kLimbSamples];
    for (int i = 0; i < kLimbSamples; ++i) {
        outline[i] = band.left[i];
        outline[2 * kLimbSamples - 1 - i] = band.right[i];
    }
    path.Lines(outline, 2 * kLimbSamples);
    const Vec2 toward{l.control.x - l.shoulder.x, l.control.y - l.shoulder.y};
    const float len = std::max(Length(toward), 0.001f);
    const Vec2 cap{l.shoulder.x - toward.x / len * l.shoulderWidth / 2.0f,
                   l.shoulder.y - toward.y / len * l.shoulderWidth / 2.0f};
    AddQuadCurve(path, band.right[0], cap, band.left[0]);
    path.CloseFigure();
}

void StrokeEdgesFrom(Canvas& canvas, const Gdiplus::Pen& pen, const LimbBand& band, int from) {
    PathBuilder edges(canvas);
    edges.Lines(band.left + from, kLimbSamples - from);
    edges.StartFigure();
    edges.Lines(band.right + from, kLimbSamples - from);
    StrokePath(canvas, pen, edges);
}

void DrawDazedLimb(Canvas& canvas, const LimbSpec& l, const LimbBand& band, PathBuilder& path,
                   bool outline) {
    const float r = 0.58f * l.pawWidth;
    const float bx = l.paw.x - 1.28f * r;
    const float by = l.paw.y - 1.31f * r;
    const float bw = 2.56f * r;
    const float bh = 2.62f * r;
    if (outline) {
        auto pen = MakeRoundPen(canvas, kOutlineWhite, kOutlineWidth);
        StrokeEdgesFrom(canvas, *pen, band, 4);
        Note(canvas, canvas.graphics->DrawEllipse(pen.get(), bx, by, bw, bh));
    }
    if (l.frontLimb) {
        DrawDazedArm(canvas, path, band.left, band.right, kLimbSamples, bx, by, bw, bh);
    } else {
        FillPathSolid(canvas, 0xFFE3C99Fu, path);
        DrawDazedFoot(canvas, bx, by, bw, bh);
    }
}

void FillLimb(Canvas& canvas, const LimbSpec& l, const LimbBand& band, PathBuilder& path,
              const CatSkin& skin) {
    const CoatPalette& c = skin.palette;
    const float pawBoxX = l.paw.x - 0.58f * l.pawWidth;
    const float pawBoxY = l.paw.y - 0.493f * l.pawWidth;
    const float pawW = 1.16f * l.pawWidth;
    const float pawH = 0.986f * l.pawWidth;
    const Argb body = SlotOr(c.body, kDefaultBody);
    const Argb legs = SlotOr(c.legs, body);
    const Argb paws = SlotOr(c.paws, legs);
    if (IsBuiltinCoat(skin, BuiltinCoat::Tabby)) {
        FillPathSolid(canvas, kTabbyLimb, path);
        FillEllipseSolid(canvas, kTabbyPaw, pawBoxX, pawBoxY, pawW, pawH);
        return;
    }
    if (c.points.set) {
        const Argb points = ColorToArgb(c.points);
        const Argb mid = SlotOr(c.pointsMid, points);
        Vec2 dir{l.paw.x - l.shoulder.x, l.paw.y - l.shoulder.y};
        const float len = Length(dir);
        dir = len > 1.0f ? Vec2{dir.x / len, dir.y / len} : Vec2{0.0f, 1.0f};
        const float a = l.shoulderWidth + 18.0f;
        const float b = l.pawWidth + 18.0f;
        const float v = std::max(len, 1.0f);
        const float total = a + v + b;
        const Argb colours[6] = {
            body & 0x00FFFFFFu, body & 0x00FFFFFFu, body | 0xFF000000u, mid, points, points};
        const float positions[6] = {
            0.0f, a / total, (a + 0.16f * v) / total, (a + 0.48f * v) / total, (a + v) / total,
            1.0f};
        const Vec2 from{l.shoulder.x - a * dir.x, l.shoulder.y - a * dir.y};
        const Vec2 to{l.paw.x + b * dir.x, l.paw.y + b * dir.y};
        FillLinearGradientStops(canvas, &path, 0, 0, 0, 0, from, to, colours, positions, 6);
        FillEllipseSolid(canvas, paws, pawBoxX, pawBoxY, pawW, pawH);
        const Vec2* edge = l.side ? band.left : band.right;
        PathBuilder rim(canvas);
        rim.Lines(edge + 3, kLimbSamples - 4);
        auto pen = MakeRoundPen(canvas,
                                c.outline.set
                                    ? ColorToArgbAlpha(c.outline, 184)
                                    : (SlotOr(c.crease, 0xFF8B8171u) & 0x00FFFFFFu) | (184u << 24),
                                1.25f);
        StrokePath(canvas, *pen, rim);
        return;
    }
    if (c.belly.set && !SameColor(c.belly, c.legs)) {
        const Argb belly = ColorToArgb(c.belly);
        const Argb colours[3] = {belly, legs, legs};
        const float positions[3] = {0.0f, 0.3f, 1.0f};
        FillLinearGradientStops(canvas, &path, 0, 0, 0, 0, l.shoulder, l.paw, colours, positions,
                                3);
    } else {
        FillPathSolid(canvas, legs, path);
    }
    const bool sock = c.paws.set != c.legs.set || (c.paws.set && !SameColor(c.paws, c.legs));
    if (sock) {
        constexpr int kSockFrom = 10;
        Vec2 poly[2 * (kLimbSamples - kSockFrom)];
        int n = 0;
        for (int i = kSockFrom; i < kLimbSamples; ++i) poly[n++] = band.left[i];
        for (int i = kLimbSamples - 1; i >= kSockFrom; --i) poly[n++] = band.right[i];
        PathBuilder sockPath(canvas);
        sockPath.Polygon(poly, n);
        FillPathSolid(canvas, paws, sockPath);
        FillEllipseSolid(canvas, paws, pawBoxX, pawBoxY, pawW, pawH);
    } else {
        FillEllipseSolid(canvas, legs, pawBoxX, pawBoxY, pawW, pawH);
    }
}

void ShadeLimbSide(Canvas& canvas, const LimbSpec& l, const LimbBand& band, const CatSkin& skin) {
    if (IsBuiltinCoat(skin, BuiltinCoat::ClassicBlack)) return;
    const CoatPalette& c = skin.palette;
    Argb colour;
    if (c.points.set) {
        colour = ColorToArgbAlpha(c.outline.set ? c.outline : c.points,
                                  static_cast<std::uint8_t>(199.0f * Clamp01(l.opacity)));
    } else {
        const SkinColor crease = c.crease.set ? c.crease : SkinColorFromRgb(0x8B8171, 153);
        double alpha = 229.0 * Clamp01(l.opacity);
        if (crease.a < 0.75) alpha *= crease.a;
        colour = ColorToArgbAlpha(crease, static_cast<std::uint8_t>(alpha));
    }
    const Vec2* edge = l.side ? band.left : band.right;
    PathBuilder path(canvas);
    path.Lines(edge + 2, 9);
    auto pen = MakeRoundPen(canvas, colour, 1.35f);
    StrokePath(canvas, *pen, path);
}

void DrawIdlePaw(Canvas& canvas, Vec2 a, Vec2 b, bool c, const CatSkin& skin, bool outline) {
    const float s = c ? -1.0f : 1.0f;
    if (IsBuiltinCoat(skin, BuiltinCoat::Dazed)) {
        LimbSpec l;
        l.shoulder = {a.x + 4.0f * s, a.y - 10.0f};
        l.control = {a.x + 11.0f * s, a.y + 1.0f};
        l.paw = {a.x + 10.0f * s, a.y + 15.0f};
        l.shoulderWidth = 19.0f;
        l.pawWidth = 14.0f;
        l.side = !c;
        l.opacity = kFrontLimbOpacity;
        DrawLimb(canvas, l, skin, outline);
        return;
    }
    const CoatPalette& p = skin.palette;
    const float m = (a.y + b.y) / 2.0f;
    const float h = std::max(b.y + 5.0f - a.y, 1.0f);
    const float total = h + 20.0f;
    const Argb body = SlotOr(p.body, kDefaultBody);
    const Argb legs = SlotOr(p.legs, body);
    if (p.points.set) {
        const Argb points = ColorToArgb(p.points);
        const Argb mid = SlotOr(p.pointsMid, points);
        PathBuilder column(canvas);
        AddRoundedRect(column, b.x - 7.5f, a.y, 15.0f, b.y - a.y + 5.0f, 6.5f);
        const Argb colours[5] = {body & 0x00FFFFFFu, body & 0x00FFFFFFu,
                                 (mid & 0x00FFFFFFu) | (190u << 24), points, points};
        const float positions[5] = {0.0f, 10.0f / total, (0.5f * h + 10.0f) / total,
                                    (0.82f * h + 10.0f) / total, 1.0f};
        FillLinearGradientStops(canvas, &column, 0, 0, 0, 0, {b.x, a.y - 10.0f}, {b.x, b.y + 15.0f},
                                colours, positions, 5);
    } else {
        if (skin.idleLegs) {
            PathBuilder leg(canvas);
            AddQuadCurve(leg, {a.x + 8.5f * s, a.y}, {a.x + 9.5f * s, m},
                         {b.x + 7.5f * s, b.y - 1.0f});
            AddQuadCurve(leg, {b.x + 7.5f * s, b.y - 1.0f}, {b.x + 7.0f * s, b.y + 5.2f},
                         {b.x + 0.8f * s, b.y + 5.2f});
            AddQuadCurve(leg, {b.x + 0.8f * s, b.y + 5.2f}, {b.x - 6.2f * s, b.y + 5.2f},
                         {b.x - 6.0f * s, b.y - 1.0f});
            AddQuadCurve(leg, {b.x - 6.0f * s, b.y - 1.0f}, {a.x - 6.5f * s, m},
                         {a.x - 7.0f * s, a.y + 4.0f});
            leg.CloseFigure();
            const Argb colours[4] = {legs & 0x00FFFFFFu, legs & 0x00FFFFFFu, legs | 0xFF000000u,
                                     legs | 0xFF000000u};
            const float positions[4] = {0.0f, (0.04f * h + 10.0f) / total,
                                        (0.32f * h + 10.0f) / total, 1.0f};
            FillLinearGradientStops(canvas, &leg, 0, 0, 0, 0, {b.x, a.y - 10.0f},
                                    {b.x, b.y + 15.0f}, colours, positions, 4);
        }
        if (outline) {
            auto pen = MakeRoundPen(canvas, kOutlineWhite, 3.24f);
            Note(canvas, canvas.graphics->DrawArc(pen.get(), b.x - 7.2f, b.y - 8.7f, 14.4f, 14.4f,
                                                  10.0f, 160.0f));
        }
        const Argb paws = SlotOr(p.paws, legs);
        PathBuilder toe(canvas);
        toe.Rectangle(b.x - 7.5f, b.y - 13.0f, 15.0f, 13.0f);
        toe.Ellipse(b.x - 7.5f, b.y - 5.0f, 15.0f, 10.0f);
        Note(canvas, toe.path().SetFillMode(Gdiplus::FillModeWinding));
        FillPathSolid(canvas, paws, toe);
    }
    const Argb crease = IsBuiltinCoat(skin, BuiltinCoat::ClassicBlack)
                            ? 0xBEFFFFFFu
                            : SlotOr(p.crease, 0x998B8171u);
    auto pen = MakeRoundPen(canvas, crease, 1.45f);
    PathBuilder lines(canvas);
    AddQuadCurve(lines, {a.x + 8.5f * s, a.y}, {a.x + 9.5f * s, m}, {b.x + 7.5f * s, b.y - 1.0f});
    lines.StartFigure();
    AddQuadCurve(lines, {a.x - 7.0f * s, a.y + 4.0f}, {a.x - 6.5f * s, m},
                 {b.x - 6.0f * s, b.y - 1.0f});
    StrokePath(canvas, *pen, lines);
}

}  // namespace

void DrawLimb(Canvas& canvas, const LimbSpec& l, const CatSkin& skin, bool outline) {
    const LimbBand band = SampleLimb(l);
    PathBuilder path(canvas);
    AddBandPath(path, band, l);
    if (IsBuiltinCoat(skin, BuiltinCoat::Dazed)) {
        DrawDazedLimb(canvas, l, band, path, outline);
        return;
    }
    if (outline) {
        auto pen = MakeRoundPen(canvas, kOutlineWhite, kOutlineWidth);
        StrokeEdgesFrom(canvas, *pen, band, IsPlainDarkCoat(skin) ? 2 : 4);
        Note(canvas, canvas.graphics->DrawEllipse(pen.get(), l.paw.x - 0.58f * l.pawWidth,
                                                  l.paw.y - 0.493f * l.pawWidth, 1.16f * l.pawWidth,
                                                  0.986f * l.pawWidth));
    }
    FillLimb(canvas, l, band, path, skin);
    ShadeLimbSide(canvas, l, band, skin);
}

void DrawFrontPaws(Canvas& canvas, float bodyX, float bodyY, float breath, const PetState& pet,
                   const CatSkin& skin, bool outline) {
    const BuildGeometry& e = BuildGeometryFor(skin.shape.build);
    const BodyFrame frame = MakeBodyFrame({bodyX, bodyY}, {}, pet, skin);
    const float d = Smooth(Clamp01(pet.sleep.value));
    const CoatPalette& p = skin.palette;
    // A chest-marked coat whose belly runs into its legs carries its shoulders lower.
    const bool lowShoulders = !p.points.set && p.belly.set && SameColor(p.belly, p.legs) &&
                              !skin.idleLegs && !skin.marks.empty();
    const float h = lowShoulders ? 43.0f : 58.0f;
    const float g = lowShoulders ? 52.0f : 42.0f;
    const float lean = frame.lean;
    const float bw = skin.shape.bodyWidth;
    auto shoulder = [&](float x0) {
        const float f = frame.widen * x0;
        const float v = frame.crouch * h;
        const float headRest = e.headOffsetY + 126.0f + pet.headDrop.value +
                               4.8f * pet.gazeY.value + 1.1f * breath + g;
        return Vec2{bodyX + f * std::cos(lean) + v * std::sin(lean),
                    std::max(headRest, bodyY + f * std::sin(lean) - v * std::cos(lean))};
    };
    const float k = bw * e.restingPawTopX - 5.0f * d;
    const float i = bw * e.restingPawBottomX - 4.5f * d;
    const float j = bodyY + 12.0f - 4.0f * d;
    const float l = bodyY - e.restingPawTopHeight + 24.0f * d;

    auto away = [](Vec2 paw, Vec2 rest) {
        return Length({paw.x - rest.x, paw.y - rest.y}) >= kPawLeftRest;
    };
    // A reaching front leg from its shoulder to the paw, bowed sideways by `bow`.
    auto drawFrontLimb = [&](float shoulderX, Vec2 paw, float bow, bool side) {
        const Vec2 s = shoulder(shoulderX);
        LimbSpec limb;
        limb.shoulder = s;
        limb.control = {(s.x + paw.x) / 2.0f + bow, (s.y + paw.y) / 2.0f - 6.0f};
        limb.paw = paw;
        limb.shoulderWidth = e.limbShoulderWidth;
        limb.pawWidth = e.limbPawWidth;
        limb.side = side;
        limb.opacity = kFrontLimbOpacity;
        DrawLimb(canvas, limb, skin, outline);
    };
    const Vec2 right{pet.rightPawX.value, pet.rightPawY.value};
    if (away(right, kRightPawRest) || pet.rightPawOnMouse || pet.rightPawOnKey) {
        drawFrontLimb(-bw * e.frontShoulderX, right, pet.rightPawOnMouse ? -8.0f : -4.0f, false);
    } else if (d < 0.78f) {
        DrawIdlePaw(canvas, {bodyX - k, l}, {bodyX - i, j}, true, skin, outline);
    }
    const Vec2 left{pet.leftPawX.value, pet.leftPawY.value};
    if (away(left, kLeftPawRest) || pet.leftPawOnKey) {
        drawFrontLimb(bw * e.frontShoulderX, left, 4.0f, true);
    } else if (d < 0.78f) {
        DrawIdlePaw(canvas, {bodyX + k, l}, {bodyX + i, j}, false, skin, outline);
    }
}
