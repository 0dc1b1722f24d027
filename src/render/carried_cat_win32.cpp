#include "render/carried_cat_win32.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/small_math.h"
#include "draw/group_opacity_win32.h"
#include "pet/pet_state.h"
#include "pet/tail_curve.h"
#include "render/build_geometry.h"
#include "render/carried_pose.h"
#include "render/coat_themes.h"
#include "render/ears_win32.h"
#include "render/face_win32.h"
#include "render/part_paint.h"
#include "render/pending_parts_win32.h"
#include "render/tabby_texture_win32.h"
#include "render/tail_win32.h"
#include "skins/cat_skin.h"

namespace {

constexpr Argb kSoftLine = 0xFF2E261Fu;
constexpr Argb kTabbyDark = 0xFF675642u;
constexpr Argb kTabbyLight = 0xFFCAB495u;
constexpr Argb kTabbyStripe = 0xFF40362Bu;

struct LegRecord {
    Vec2 relaxedTop, relaxedPaw, flinchedTop, flinchedPaw;
    float topWidth, pawWidth, bend, swing, liftTurn;
};

// clang-format off
constexpr std::array<LegRecord, 4> kLegs{{
    {{220, 174}, {216, 218}, {204, 194}, {196, 222}, 15.5f, 12.5f, -2.0f, 0.66f, -0.25f},
    {{248, 166}, {247, 224}, {252, 188}, {262, 226}, 20.5f, 15.5f, 4.0f, 0.78f, 1.0f},
    {{112, 168}, {105, 226}, {112, 188}, {98, 224}, 19.5f, 15.0f, -3.5f, 0.72f, -1.0f},
    {{144, 170}, {142, 228}, {150, 190}, {162, 226}, 20.0f, 15.5f, 3.0f, 0.76f, 0.35f},
}};
// clang-format on

Vec2 Add(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
Vec2 Sub(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
Vec2 Mul(Vec2 a, float k) {
    return {a.x * k, a.y * k};
}
Vec2 QuadAt(Vec2 a, Vec2 c, Vec2 b, float t) {
    return Lerp(Lerp(a, c, t), Lerp(c, b, t), t);
}

float RgbDistance(const SkinColor& a, const SkinColor& b) {
    return static_cast<float>(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b));
}

struct Coat {
    bool sideColoured = false;
    bool plainDark = false;
    Argb back = 0;
    bool patch = false;
    Argb patchColour = 0;
    Argb legRim = 0;
};

Coat CoatOf(const CatSkin& skin) {
    const CoatPalette& p = skin.palette;
    Coat c;
    c.sideColoured = !p.points.set && RgbDistance(p.body, p.earOuter) > 0.14f &&
                     RgbDistance(p.earOuter, p.tail) < 0.05f &&
                     (!p.belly.set || RgbDistance(p.belly, p.body) < 0.04f);
    c.plainDark = IsPlainDarkCoat(skin);
    const Argb body = SlotOr(p.body, kDefaultBody);
    c.back = c.sideColoured ? SlotOr(p.earOuter, body) : body;
    const bool bellyDiffers = p.belly.set && !SameColor(p.belly, p.body);
    c.patch = c.sideColoured || bellyDiffers;
    c.patchColour = c.sideColoured ? body : SlotOr(p.belly, body);
    c.legRim = c.plainDark ? 0x57F0F0F0u : p.outline.set ? ColorToArgb(p.outline) : 0x472E261Fu;
    return c;
}

struct LegPaths {
    Vec2 top, paw;
    float pawWidth = 0.0f;
    // Corners and side controls: side 0 is T+ to P+, side 1 is T- to P-.
    Vec2 topCorner[2], pawCorner[2], sideControl[2];
    Vec2 pawEnd[2], topEnd[2];
};

LegPaths PlaceLeg(const LegRecord& leg, const CarriedPose& pose) {
    const float r = pose.pulse;
    const Vec2 origin{pose.originX, pose.originY};
    const Vec2 top = Add(origin, Lerp(leg.relaxedTop, leg.flinchedTop, r));
    const Vec2 rawPaw = Add(origin, Lerp(leg.relaxedPaw, leg.flinchedPaw, r));
    const float s = 1.0f + 0.17f * pose.swingY;
    const Vec2 v{(rawPaw.x - top.x) * s, (rawPaw.y - top.y) * s - 7.0f * pose.lift};
    const Vec2 turned =
        RotateAround(v, {0.0f, 0.0f}, 0.24f * pose.lift * leg.liftTurn + pose.sway * leg.swing);
    LegPaths l;
    l.top = top;
    l.paw = Add(top, turned);
    l.pawWidth = leg.pawWidth;
    const float bend = 14.0f * pose.sway * leg.swing + leg.bend;
    const Vec2 along = Sub(l.paw, top);
    const float len = std::max(std::hypot(along.x, along.y), 1.0f);
    const Vec2 d = Mul(along, 1.0f / len);
    const Vec2 n{-d.y, d.x};
    for (int i = 0; i < 2; ++i) {
        const float sign = i == 0 ? 1.0f : -1.0f;
        l.topCorner[i] = Add(top, Mul(n, sign * leg.topWidth / 2.0f));
        l.pawCorner[i] = Add(l.paw, Mul(n, sign * leg.pawWidth / 2.0f));
        const Vec2 mid = Lerp(l.topCorner[i], l.pawCorner[i], 0.5f);
        l.sideControl[i] = Add(Add(mid, {bend / 2.0f, 0.0f}), Mul(n, sign * 1.4f));
        l.pawEnd[i] = Add(l.pawCorner[i], Mul(d, 1.25f * leg.pawWidth / 2.0f));
        l.topEnd[i] = Sub(l.topCorner[i], Mul(d, 0.85f * leg.topWidth / 2.0f));
    }
    return l;
}

void AddLegSides(PathBuilder& path, const LegPaths& l) {
    AddQuadCurve(path, l.topCorner[0], l.sideControl[0], l.pawCorner[0]);
    path.Bezier(l.pawCorner[0], l.pawEnd[0], l.pawEnd[1], l.pawCorner[1]);
    AddQuadCurve(path, l.pawCorner[1], l.sideControl[1], l.topCorner[1]);
}

void AddLegBand(PathBuilder& path, const LegPaths& l) {
    AddLegSides(path, l);
    path.Bezier(l.topCorner[1], l.topEnd[1], l.topEnd[0], l.topCorner[0]);
    path.CloseFigure();
}

void AddLegRim(PathBuilder& path, const LegPaths& l) {
    constexpr float kRimFrom = 0.26f;
    const Vec2 start = QuadAt(l.topCorner[0], l.sideControl[0], l.pawCorner[0], kRimFrom);
    AddQuadCurve(path, start, Lerp(l.sideControl[0], l.pawCorner[0], kRimFrom), l.pawCorner[0]);
    path.Bezier(l.pawCorner[0], l.pawEnd[0], l.pawEnd[1], l.pawCorner[1]);
    const Vec2 end = QuadAt(l.topCorner[1], l.sideControl[1], l.pawCorner[1], kRimFrom);
    AddQuadCurve(path, l.pawCorner[1], Lerp(l.pawCorner[1], l.sideControl[1], 1.0f - kRimFrom),
                 end);
}

void DrawDanglingLeg(Canvas& canvas, const LegPaths& l, int index, const CatSkin& skin,
                     const Coat& coat) {
    const CoatPalette& p = skin.palette;
    PathBuilder band(canvas);
    AddLegBand(band, l);
    const Argb body = SlotOr(p.body, kDefaultBody);
    const Argb legs = SlotOr(p.legs, body);
    const Argb paws = SlotOr(p.paws, legs);
    if (p.points.set) {
        const Argb colours[4] = {body, body, SlotOr(p.pointsMid, legs), paws};
        const float positions[4] = {0.0f, 0.22f, 0.54f, 0.88f};
        FillLinearGradientStops(canvas, &band, 0, 0, 0, 0, l.top, l.paw, colours, positions, 4);
    } else if (index > 0 && coat.back != legs) {
        const Argb colours[4] = {coat.back, coat.back, legs, paws};
        const float positions[4] = {0.0f, 0.12f, 0.38f, 0.8f};
        FillLinearGradientStops(canvas, &band, 0, 0, 0, 0, l.top, l.paw, colours, positions, 4);
    } else {
        const Argb colours[2] = {legs, paws};
        const float positions[2] = {0.22f, 0.72f};
        FillLinearGradientStops(canvas, &band, 0, 0, 0, 0, l.top, l.paw, colours, positions, 2);
    }
    auto pen = MakeRoundPen(canvas, coat.legRim, coat.plainDark ? 1.15f : 1.2f);
    PathBuilder rim(canvas);
    AddLegRim(rim, l);
    const Vec2 along = Sub(l.paw, l.top);
    const float len = std::max(std::hypot(along.x, along.y), 1.0f);
    const Vec2 d = Mul(along, 1.0f / len);
    const Vec2 n{-d.y, d.x};
    for (float sigma : {-1.0f, 1.0f}) {
        const Vec2 base = Add(l.paw, Mul(n, 2.5f * sigma));
        rim.StartFigure();
        rim.Line(Add(base, Mul(d, 1.6f)), Add(base, Mul(d, 0.44f * l.pawWidth)));
    }
    StrokePath(canvas, *pen, rim);
}

// Outlines of the hanging head and body, in Stage units.
void AddHeadOutline(PathBuilder& path, const CarriedPose& pose, const BuildGeometry& e) {
    const float cx = pose.head.x;
    const float cy = pose.head.y;
    const float u = pose.headScale;
    const float g = pose.cheek;
    const Vec2 crown{cx, cy + u * e.crownY};
    const Vec2 right{cx + g, cy + u * e.cheekY};
    const Vec2 chin{cx, cy + 33.0f * u};
    const Vec2 left{cx - g, cy + u * e.cheekY};
    path.Bezier(crown, {cx + u * e.crownControlX, cy + u * e.crownY},
                {cx + g + 1.5f * u, cy + u * e.aboveCheekControlY}, right);
    path.Bezier(right, {cx + 0.96f * g, cy + 28.38f * u}, {cx + 0.56f * g, cy + 33.0f * u}, chin);
    path.Bezier(chin, {cx - 0.56f * g, cy + 33.0f * u}, {cx - 0.96f * g, cy + 28.38f * u}, left);
    path.Bezier(left, {cx - g - 1.5f * u, cy + u * e.aboveCheekControlY},
                {cx - u * e.crownControlX, cy + u * e.crownY}, crown);
    path.CloseFigure();
}

struct BodyPoints {
    Vec2 neck;
    Vec2 rump;
};

BodyPoints BodyPointsOf(const CarriedPose& pose, const CatSkin& skin) {
    const float a = pose.originX;
    const float b = pose.originY;
    const float r = pose.pulse;
    return {{a + 184.0f, b + 108.0f + 26.0f * r},
            {a + 270.0f + 10.0f * (skin.shape.bodyWidth - 1.0f), b + 154.0f + 32.0f * r}};
}

void AddBodyOutline(PathBuilder& path, const CarriedPose& pose, const CatSkin& skin) {
    const float a = pose.originX;
    const float b = pose.originY;
    const float r = pose.pulse;
    const float cx = pose.head.x;
    const float cy = pose.head.y;
    const float u = pose.headScale;
    const float g = pose.cheek;
    const BodyPoints bp = BodyPointsOf(pose, skin);
    const Vec2 n = bp.neck;
    const Vec2 rr = bp.rump;
    const Vec2 start{cx + 0.36f * g, cy - 18.0f * u};
    path.Bezier(start, {cx + 0.86f * g, b + 116.0f + 24.0f * r},
                {a + 162.0f, b + 107.0f + 26.0f * r}, n);
    path.Bezier(n, {a + 226.0f, b + 110.0f + 26.0f * r}, {rr.x + 2.0f, b + 118.0f + 34.0f * r}, rr);
    const Vec2 p3{a + 242.0f, b + 188.0f + 24.0f * r};
    path.Bezier(rr, {rr.x - 2.0f, b + 178.0f + 30.0f * r}, {a + 264.0f, b + 188.0f + 24.0f * r},
                p3);
    const Vec2 p4{a + 124.0f, b + 186.0f + 20.0f * r};
    path.Bezier(p3, {a + 208.0f, b + 184.0f + 24.0f * r}, {a + 162.0f, b + 184.0f + 24.0f * r}, p4);
    const Vec2 p5{a + 100.0f, b + 166.0f + 22.0f * r};
    path.Bezier(p4, {a + 108.0f, b + 182.0f + 22.0f * r}, {a + 98.0f, b + 176.0f + 22.0f * r}, p5);
    path.Bezier(p5, {a + 100.0f, b + 156.0f + 22.0f * r},
                {cx - 0.56f * g - 2.0f, cy + 10.0f * u + 10.0f}, {cx - 0.56f * g, cy + 10.0f * u});
    path.CloseFigure();
}

TailCurve CarriedTail(const CarriedPose& pose, const CatSkin& skin) {
    const float r = pose.pulse;
    const float f = pose.lift;
    const BodyPoints bp = BodyPointsOf(pose, skin);
    const Vec2 root{bp.rump.x - 10.0f, pose.originY + 152.0f + 30.0f * r};
    const float length = 84.0f * skin.shape.tailLength * (1.0f + 0.15f * pose.swingY);
    const float angle =
        std::clamp(((1.0f - 0.25f * r) * pose.twist + 1.4f * pose.idleSway) * 0.88f, -1.12f, 0.56f);
    auto turned = [&](Vec2 offset, float k) {
        return RotateAround(Add(root, offset), root, k * angle);
    };
    TailCurve t;
    t.p[0] = root;
    t.p[1] = turned({10.0f * f + 20.0f, 0.22f * length - 12.0f * f}, 0.45f);
    t.p[2] = turned({22.0f * f + 23.0f, 0.66f * length - 34.0f * f}, 0.9f);
    t.p[3] = turned({26.0f * f + 16.0f, length - 52.0f * f}, 1.24f);
    t.thickness = skin.shape.tailThickness;
    return t;
}

void DrawTailStroke(Canvas& canvas, const TailCurve& tail, float width, const CatSkin& skin,
                    const Coat& coat) {
    const CoatPalette& p = skin.palette;
    if (IsBuiltinCoat(skin, BuiltinCoat::Tabby)) {
        DrawTabbyTail(canvas, tail, width);
        return;
    }
    PathBuilder path(canvas);
    AddTailCurve(path, tail);
    auto pen = MakeRoundPen(canvas, SlotOr(p.tail, SlotOr(p.body, kDefaultBody)), width);
    StrokePath(canvas, *pen, path);
    if (p.stripes.set && !coat.plainDark && !p.points.set) {
        auto ring = MakeRoundPen(canvas, ColorToArgbAlpha(p.stripes, 107), 0.88f * width);
        Note(canvas,
             ring->SetLineCap(Gdiplus::LineCapFlat, Gdiplus::LineCapFlat, Gdiplus::DashCapFlat));
        for (float e : {0.24f, 0.5f, 0.74f}) {
            Note(canvas, canvas.graphics->DrawLine(ring.get(), ToPointF(TailCurveAt(tail, e)),
                                                   ToPointF(TailCurveAt(tail, e + 0.09f))));
        }
    }
    if (p.tailTip.set) {
        auto tip = MakeRoundPen(canvas, ColorToArgb(p.tailTip), 0.92f * width);
        Note(canvas,
             canvas.graphics->DrawLine(tip.get(), ToPointF(Lerp(tail.p[2], tail.p[3], 0.35f)),
                                       ToPointF(tail.p[3])));
    }
    if (!coat.plainDark && !p.outline.set) {
        PathBuilder edge(canvas);
        AddTailCurve(edge, tail);
        Note(canvas, edge.path().Widen(pen.get(), nullptr, 0.25f));
        auto line = MakeRoundPen(canvas, 0x29000000u, 1.0f);
        StrokePath(canvas, *line, edge);
    }
}

void DrawCarriedBody(Canvas& canvas, PathBuilder& body, const CarriedPose& pose,
                     const PetState& pet, const CatSkin& skin, const Coat& coat) {
    const CoatPalette& p = skin.palette;
    const float a = pose.originX;
    const float b = pose.originY;
    const float r = pose.pulse;
    const BodyPoints bp = BodyPointsOf(pose, skin);
    const Vec2 n = bp.neck;
    FillPathSolid(canvas, coat.back, body);
    {
        const SavedState clip(canvas);
        ClipToPath(canvas, body);
        const Vec2 from{a + 200.0f, n.y};
        const Vec2 to{a + 200.0f, b + 188.0f + 24.0f * r};
        if (IsBuiltinCoat(skin, BuiltinCoat::Tabby)) {
            const Argb colours[3] = {kTabbyDark, kTabbyLight, kTabbyDark};
            const float positions[3] = {0.0f, 0.45f, 1.0f};
            FillLinearGradientStops(canvas, &body, 0, 0, 0, 0, from, to, colours, positions, 3);
            auto stripe = MakeRoundPen(canvas, kTabbyStripe, 5.5f);
            PathBuilder stripes(canvas);
            for (int i = 0; i < 3; ++i) {
                const float dx = 22.0f * static_cast<float>(i);
                const float dy = 6.0f * static_cast<float>(i);
                stripes.StartFigure();
                stripes.Bezier(
                    {n.x - 10.0f + dx, n.y + 4.0f + dy}, {n.x - 2.0f + dx, n.y + 24.0f + dy},
                    {n.x - 8.0f + dx, n.y + 42.0f + dy}, {n.x - 16.0f + dx, n.y + 58.0f + dy});
            }
            StrokePath(canvas, *stripe, stripes);
        } else if (p.bodyShade.set && !coat.sideColoured) {
            const Argb colours[3] = {coat.back, coat.back, ColorToArgb(p.bodyShade)};
            const float positions[3] = {0.0f, 0.15f, 1.0f};
            FillLinearGradientStops(canvas, &body, 0, 0, 0, 0, from, to, colours, positions, 3);
        }
        // Painted layers of the body space; their carried mapping belongs to
        // the layer drawer.
        DrawSkinRegionsPending(canvas, RegionSpace::Body, pet, skin);
        DrawSkinMarksPending(canvas, RegionSpace::Body, pet, skin);
        if (coat.sideColoured && p.stripes.set) {
            auto pen = MakeRoundPen(canvas, ColorToArgbAlpha(p.stripes, 87), 4.6f);
            PathBuilder stripes(canvas);
            for (int i = 0; i < 3; ++i) {
                const float dx = 24.0f * static_cast<float>(i);
                const float dy = 7.0f * static_cast<float>(i);
                stripes.StartFigure();
                AddQuadCurve(stripes, {n.x + 8.0f + dx, n.y + dy},
                             {n.x + 14.0f + dx, n.y + 20.0f + dy},
                             {n.x + 6.0f + dx, n.y + 36.0f + dy});
            }
            StrokePath(canvas, *pen, stripes);
        }
        if (coat.patch) {
            const float q = coat.sideColoured ? -5.0f : 0.0f;
            PathBuilder patch(canvas);
            patch.Bezier(
                {a + 102.0f, b + 170.0f + 22.0f * r + q}, {a + 150.0f, b + 166.0f + 24.0f * r + q},
                {a + 208.0f, b + 166.0f + 24.0f * r + q}, {a + 254.0f, b + 178.0f + 22.0f * r + q});
            patch.Line({a + 254.0f, b + 178.0f + 22.0f * r + q},
                       {bp.rump.x + 4.0f, b + 206.0f + 24.0f * r});
            patch.Line({bp.rump.x + 4.0f, b + 206.0f + 24.0f * r},
                       {a + 90.0f, b + 204.0f + 20.0f * r});
            patch.CloseFigure();
            FillPathSolid(canvas, (coat.patchColour & 0x00FFFFFFu) | (245u << 24), patch);
        }
    }
    if (!coat.plainDark) {
        auto pen = p.outline.set ? MakeRoundPen(canvas, ColorToArgb(p.outline), 1.5f)
                                 : MakeRoundPen(canvas, 0x382E261Fu, 1.05f);
        StrokePath(canvas, *pen, body);
    }
}

void DrawCarriedHead(Canvas& canvas, PathBuilder& head, const CarriedPose& pose,
                     const PetState& pet, const CatSkin& skin, const Coat& coat,
                     const BuildGeometry& e) {
    const CoatPalette& p = skin.palette;
    const float cx = pose.head.x;
    const float cy = pose.head.y;
    const float u = pose.headScale;
    const float g = pose.cheek;
    const Argb body = SlotOr(p.body, kDefaultBody);
    const Gdiplus::TextureBrush* fur =
        IsBuiltinCoat(skin, BuiltinCoat::Tabby) ? TabbyFurBrush(canvas, skin) : nullptr;
    if (fur != nullptr) {
        FillPathSolid(canvas, kTabbyLight, head);
        FillPath(canvas, *fur, head);
    } else {
        FillPathSolid(canvas, body, head);
    }
    {
        const SavedState clip(canvas);
        ClipToPath(canvas, head);
        if (p.bodyShade.set) {
            const Argb colours[3] = {body, body, ColorToArgb(p.bodyShade)};
            const float positions[3] = {0.0f, 0.2f, 1.0f};
            FillLinearGradientStops(canvas, &head, 0, 0, 0, 0, {cx, cy - 32.0f}, {cx, cy + 34.0f},
                                    colours, positions, 3);
        }
        DrawSkinRegionsPending(canvas, RegionSpace::Head, pet, skin);
        DrawSkinRegionsPending(canvas, RegionSpace::Skull, pet, skin);
        if (p.points.set) {
            const Argb points = ColorToArgb(p.points);
            const Argb mid = SlotOr(p.pointsMid, points);
            const SavedState mask(canvas);
            Translate(canvas, cx, cy + 3.0f);
            Scale(canvas, 1.22f * u, 0.88f * u);
            PathBuilder circle(canvas);
            circle.Ellipse(-31.0f, -31.0f, 62.0f, 62.0f);
            Gdiplus::PathGradientBrush brush(&circle.path());
            Note(canvas, brush.GetLastStatus());
            Note(canvas, brush.SetCenterColor(ToColor(points)));
            Gdiplus::Color rim = ToColor(mid & 0x00FFFFFFu);
            INT rimCount = 1;
            Note(canvas, brush.SetSurroundColors(&rim, &rimCount));
            const Gdiplus::Color colours[4] = {
                ToColor(mid & 0x00FFFFFFu), ToColor((mid & 0x00FFFFFFu) | (158u << 24)),
                ToColor((points & 0x00FFFFFFu) | (235u << 24)), ToColor(points | 0xFF000000u)};
            Gdiplus::REAL positions[4] = {0.0f, 0.26f, 0.58f, 1.0f};
            const Gdiplus::Status blend = brush.SetInterpolationColors(colours, positions, 4);
            if (blend != Gdiplus::NotImplemented) Note(canvas, blend);
            FillPath(canvas, brush, circle);
        }
        DrawSkinMarksPending(canvas, RegionSpace::Skull, pet, skin);
        DrawSkinMarksPending(canvas, RegionSpace::Head, pet, skin);
    }
    auto chinPen = coat.plainDark  ? MakeRoundPen(canvas, 0x38FFFFFFu, 1.15f)
                   : p.outline.set ? MakeRoundPen(canvas, ColorToArgb(p.outline), 1.5f)
                                   : MakeRoundPen(canvas, 0x332E261Fu, 1.0f);
    const float k = u * e.cheekY;
    PathBuilder chin(canvas);
    chin.Bezier({cx - 0.82f * g, cy + k + 12.0f * u}, {cx - 0.45f * g, cy + 35.0f * u},
                {cx + 0.45f * g, cy + 35.0f * u}, {cx + 0.82f * g, cy + k + 12.0f * u});
    StrokePath(canvas, *chinPen, chin);
}

void DrawCarriedGroup(Canvas& canvas, const PetState& pet, const CatSkin& skin,
                      std::int32_t eyeTheme, const CarriedPose& pose, bool outline) {
    const CoatPalette& p = skin.palette;
    const BuildGeometry& e = BuildGeometryFor(skin.shape.build);
    const Coat coat = CoatOf(skin);
    const SavedState saved(canvas);
    const BodyPoints bp = BodyPointsOf(pose, skin);
    const float turn = std::clamp(0.14f * pose.swingX, -0.14f, 0.14f);
    if (std::abs(turn) > 0.001f) {
        Translate(canvas, bp.neck.x, bp.neck.y);
        Rotate(canvas, turn * kDegreesPerRadian);
        Translate(canvas, -bp.neck.x, -bp.neck.y);
    }
    const TailCurve tail = CarriedTail(pose, skin);
    const float tailWidth = std::max(skin.shape.tailThickness * e.tailWidth * 1.12f, 8.5f);
    LegPaths legs[4];
    for (int i = 0; i < 4; ++i) legs[i] = PlaceLeg(kLegs[static_cast<std::size_t>(i)], pose);
    PathBuilder body(canvas);
    AddBodyOutline(body, pose, skin);
    PathBuilder head(canvas);
    AddHeadOutline(head, pose, e);
    PathBuilder tailPath(canvas);
    AddTailCurve(tailPath, tail);
    PathBuilder legSides(canvas);
    for (const LegPaths& l : legs) {
        legSides.StartFigure();
        AddLegSides(legSides, l);
    }

    if (outline) {
        const float w = kOutlineWidth + (p.outline.set ? 2.0f : 0.0f);
        auto tailPen = MakeRoundPen(canvas, kOutlineWhite, w + tailWidth);
        StrokePath(canvas, *tailPen, tailPath);
        auto pen = MakeRoundPen(canvas, kOutlineWhite, w);
        StrokePath(canvas, *pen, legSides);
        StrokePath(canvas, *pen, body);
        DrawEars(canvas, pose.head, pet, skin, true);
        StrokePath(canvas, *pen, head);
    }
    if (p.outline.set) {
        const Argb line = ColorToArgb(p.outline);
        auto tailPen = MakeRoundPen(canvas, line, tailWidth + 2.4f);
        StrokePath(canvas, *tailPen, tailPath);
        auto pen = MakeRoundPen(canvas, line, 2.4f);
        StrokePath(canvas, *pen, legSides);
        StrokePath(canvas, *pen, body);
        StrokePath(canvas, *pen, head);
    }
    DrawTailStroke(canvas, tail, tailWidth, skin, coat);
    DrawDanglingLeg(canvas, legs[0], 0, skin, coat);
    DrawCarriedBody(canvas, body, pose, pet, skin, coat);
    for (int i = 1; i < 4; ++i) DrawDanglingLeg(canvas, legs[i], i, skin, coat);
    DrawEars(canvas, pose.head, pet, skin, false);
    DrawCarriedHead(canvas, head, pose, pet, skin, coat, e);
    DrawFace(canvas, pose.head, pet, eyeTheme, skin, pose.pulse, 1.0f - pose.pulse);
    if (!skin.decorations.empty()) {
        DrawDecorationsPending(canvas, pose.head, pose.originX + 200.0f,
                               pose.originY + 182.0f + 24.0f * pose.pulse, pet, skin);
    }
}

}  // namespace

void DrawCarriedCat(Canvas& canvas, const PetState& pet, const CatSkin& skin, std::int32_t eyeTheme,
                    float carry, bool outline) {
    const CarriedPose pose = ComputeCarriedPose(pet, skin, carry);
    DrawWithOpacity(
        canvas, 0.0f, 0.0f, kStageWidth, kStageHeight, CarriedOpacity(carry),
        [&](Canvas& target) { DrawCarriedGroup(target, pet, skin, eyeTheme, pose, outline); });
}
