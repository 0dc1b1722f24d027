#include "render/ears_win32.h"

#include "base/small_math.h"
#include "pet/pet_state.h"
#include "render/body_geometry.h"
#include "render/coat_themes.h"
#include "render/dazed_coat_win32.h"
#include "render/part_paint.h"
#include "render/pending_parts_win32.h"
#include "skins/cat_skin.h"

namespace {

void DrawEar(Canvas& canvas, int side, const PetState& pet, const CatSkin& skin, bool outlinePass) {
    const float s = static_cast<float>(side);
    const EarShape ear = ComputeEar(side, pet, skin);
    const float p = skin.shape.earPointiness;
    PathBuilder path(canvas);
    AddQuadCurve(path, ear.a,
                 {(ear.a.x + ear.t1.x) / 2.0f - 1.5f * s, (ear.a.y + ear.t1.y) / 2.0f - 2.0f},
                 ear.t1);
    AddQuadCurve(path, ear.t1, {ear.t.x, ear.t.y - 2.2f * p}, ear.t2);
    AddQuadCurve(path, ear.t2,
                 {(ear.t2.x + ear.b.x) / 2.0f + 2.5f * s, (ear.t2.y + ear.b.y) / 2.0f - 2.0f},
                 ear.b);
    path.CloseFigure();

    if (outlinePass) {
        auto pen = MakeRoundPen(canvas, kOutlineWhite, kOutlineWidth);
        StrokePath(canvas, *pen, path);
        return;
    }
    const bool tabby = IsBuiltinCoat(skin, BuiltinCoat::Tabby);
    if (tabby) {
        const Argb colours[2] = {0xFF40362Bu, 0xFFCAB495u};
        const float positions[2] = {0.0f, 1.0f};
        FillLinearGradientStops(canvas, &path, 0, 0, 0, 0, {ear.t.x, ear.t.y - 2.0f},
                                {ear.b.x, ear.b.y + 2.0f}, colours, positions, 2);
    } else {
        FillPathSolid(canvas,
                      SlotOr(skin.palette.earOuter, SlotOr(skin.palette.body, kDefaultBody)), path);
    }
    if (tabby || skin.palette.earInner.set) {
        PathBuilder inner(canvas);
        const Vec2 p1 = ear.inner1;
        const Vec2 p2 = ear.inner2;
        const Vec2 p3 = ear.inner3;
        AddQuadCurve(inner, p1, {(p1.x + p2.x) / 2.0f - 0.8f * s, (p1.y + p2.y) / 2.0f}, p2);
        AddQuadCurve(inner, p2, {(p2.x + p3.x) / 2.0f + 1.2f * s, (p2.y + p3.y) / 2.0f}, p3);
        inner.CloseFigure();
        FillPathSolid(canvas, tabby ? 0xFFB99780u : ColorToArgb(skin.palette.earInner), inner);
    }
    const RegionSpace space = side < 0 ? RegionSpace::LeftEar : RegionSpace::RightEar;
    if (HasLayerIn(skin, {space})) {
        const SavedState clip(canvas);
        ClipToPath(canvas, path);
        DrawSkinRegionsPending(canvas, space, pet, skin);
        DrawSkinMarksPending(canvas, space, pet, skin);
    }
}

}  // namespace

void DrawEars(Canvas& canvas, Vec2 headCentre, const PetState& pet, const CatSkin& skin,
              bool outlinePass) {
    const SavedState saved(canvas);
    Translate(canvas, headCentre.x, headCentre.y);
    Rotate(canvas, pet.headRoll.value * kDegreesPerRadian);
    if (skin.shape.headScale != 1.0f) Scale(canvas, skin.shape.headScale, skin.shape.headScale);
    const bool dazed = IsBuiltinCoat(skin, BuiltinCoat::Dazed);
    for (int side : {-1, 1}) {
        if (dazed) {
            if (!outlinePass) {
                const float flick = (side < 0 ? 0.045f : -0.045f) * pet.earFlick.value;
                DrawDazedEar(canvas, side, pet.gazeX.value * 0.5f, pet.gazeY.value * 0.36f,
                             pet.earDroop.value, flick);
            }
            continue;
        }
        DrawEar(canvas, side, pet, skin, outlinePass);
    }
}
