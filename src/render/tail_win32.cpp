#include "render/tail_win32.h"

#include <algorithm>

#include "base/small_math.h"
#include "pet/pet_state.h"
#include "render/build_geometry.h"
#include "render/coat_themes.h"
#include "render/part_paint.h"
#include "render/pending_parts_win32.h"
#include "skins/cat_skin.h"

namespace {

constexpr float kDazedTailWidth = 13.0f;
constexpr Argb kTabbyTailBase = 0xFFA38F75u;
constexpr Argb kTabbyBand = 0xFF40362Bu;
// Stretches of the tail parameter under the dark bands; the last runs past
// the tip so the tip itself is dark.
constexpr float kTabbyBands[4][2] = {{0.18f, 0.25f}, {0.40f, 0.48f}, {0.61f, 0.71f}, {0.84f, 1.0f}};

// The curve split at t by de Casteljau: the part before t and the part after it.
struct SplitTail {
    TailCurve before;
    TailCurve after;
};
SplitTail SplitAt(const TailCurve& c, float t) {
    const Vec2 a = Lerp(c.p[0], c.p[1], t);
    const Vec2 b = Lerp(c.p[1], c.p[2], t);
    const Vec2 d = Lerp(c.p[2], c.p[3], t);
    const Vec2 ab = Lerp(a, b, t);
    const Vec2 bd = Lerp(b, d, t);
    const Vec2 at = Lerp(ab, bd, t);
    SplitTail out{c, c};
    out.before.p[1] = a;
    out.before.p[2] = ab;
    out.before.p[3] = at;
    out.after.p[0] = at;
    out.after.p[1] = bd;
    out.after.p[2] = d;
    return out;
}

float TailWidth(const CatSkin& skin, const TailCurve& curve) {
    if (IsBuiltinCoat(skin, BuiltinCoat::Dazed)) return kDazedTailWidth;
    return BuildGeometryFor(skin.shape.build).tailWidth * curve.thickness;
}

}  // namespace

TailCurve SubCurve(const TailCurve& curve, float t0, float t1) {
    const TailCurve tail = SplitAt(curve, t0).after;
    if (t1 >= 1.0f || t0 >= 1.0f) return tail;
    return SplitAt(tail, (t1 - t0) / (1.0f - t0)).before;
}

void AddTailCurve(PathBuilder& path, const TailCurve& c) {
    path.Bezier(c.p[0], c.p[1], c.p[2], c.p[3]);
}

void DrawTabbyTail(Canvas& canvas, const TailCurve& curve, float width) {
    PathBuilder path(canvas);
    AddTailCurve(path, curve);
    auto pen = MakeRoundPen(canvas, kTabbyTailBase, width);
    StrokePath(canvas, *pen, path);
    // Bands are strokes of the stretches, clipped to the tail so their ends
    // stay inside its outline.
    PathBuilder outline(canvas);
    AddTailCurve(outline, curve);
    Note(canvas, outline.path().Widen(pen.get()));
    const SavedState clip(canvas);
    ClipToPath(canvas, outline);
    auto band = MakeRoundPen(canvas, kTabbyBand, width + 2.0f);
    Note(canvas,
         band->SetLineCap(Gdiplus::LineCapFlat, Gdiplus::LineCapFlat, Gdiplus::DashCapFlat));
    PathBuilder bands(canvas);
    for (const auto& stretch : kTabbyBands) {
        bands.StartFigure();
        AddTailCurve(bands, SubCurve(curve, stretch[0], stretch[1]));
    }
    // The last band covers the round tip cap as well.
    StrokePath(canvas, *band, bands);
    const Vec2 tip = curve.p[3];
    FillEllipseSolid(canvas, kTabbyBand, tip.x - width, tip.y - width, 2.0f * width, 2.0f * width);
}

void DrawTail(Canvas& canvas, float bodyX, float bodyY, const PetState& pet, const CatSkin& skin,
              bool outlinePass) {
    const TailCurve curve = ComputeTailCurve(bodyX, bodyY, pet, skin);
    const float width = TailWidth(skin, curve);
    PathBuilder path(canvas);
    AddTailCurve(path, curve);
    if (outlinePass) {
        auto pen = MakeRoundPen(canvas, kOutlineWhite, width + kOutlineWidth);
        StrokePath(canvas, *pen, path);
        return;
    }
    const Argb tailColour = SlotOr(skin.palette.tail, SlotOr(skin.palette.body, kDefaultBody));
    if (IsBuiltinCoat(skin, BuiltinCoat::Tabby)) {
        DrawTabbyTail(canvas, curve, width);
    } else {
        auto pen = MakeRoundPen(canvas, tailColour, width);
        StrokePath(canvas, *pen, path);
    }

    const float droop = Smooth(Clamp01(pet.sleep.value));
    if (droop > 0.35f) {
        const Argb crease = SlotOr(skin.palette.crease, 0xFF8B8171u);
        const Argb fold = ScaleAlpha(crease, 0.72 * std::min(1.0f, (droop - 0.35f) / 0.45f));
        const Vec2 p0{curve.p[0].x - 4.0f, curve.p[0].y - 3.0f};
        const Vec2 p1{curve.p[1].x - 6.0f, curve.p[1].y - 5.5f};
        const Vec2 p2{curve.p[2].x, curve.p[2].y - 5.5f};
        const Vec2 p3{curve.p[3].x + 2.0f, curve.p[3].y - 4.5f};
        PathBuilder line(canvas);
        line.Bezier(p0, p1, p2, p3);
        auto pen = MakeRoundPen(canvas, fold, 1.45f);
        StrokePath(canvas, *pen, line);
    }

    const bool layers = HasLayerIn(skin, {RegionSpace::Tail});
    if (!layers && !skin.palette.tailTip.set) return;
    auto widthPen = MakeRoundPen(canvas, tailColour, width);
    PathBuilder outline(canvas);
    AddTailCurve(outline, curve);
    Note(canvas, outline.path().Widen(widthPen.get()));
    const SavedState clip(canvas);
    ClipToPath(canvas, outline);
    DrawSkinRegionsPending(canvas, RegionSpace::Tail, pet, skin);
    if (skin.palette.tailTip.set) {
        PathBuilder tip(canvas);
        AddTailCurve(tip, SubCurve(curve, 0.78f, 1.0f));
        auto pen = MakeRoundPen(canvas, ColorToArgb(skin.palette.tailTip), width + 2.0f);
        StrokePath(canvas, *pen, tip);
    }
    DrawSkinMarksPending(canvas, RegionSpace::Tail, pet, skin);
}
