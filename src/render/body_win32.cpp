#include "render/body_win32.h"

#include "base/small_math.h"
#include "pet/pet_state.h"
#include "render/body_geometry.h"
#include "render/coat_themes.h"
#include "render/dazed_coat_win32.h"
#include "render/part_paint.h"
#include "render/pending_parts_win32.h"
#include "render/tabby_texture_win32.h"
#include "render/template_marks_win32.h"
#include "skins/cat_skin.h"

namespace {

void AddSilhouette(PathBuilder& path, const Silhouette& s) {
    Vec2 at = s.start;
    for (const Cubic& c : s.right) {
        path.Bezier(at, c.c1, c.c2, c.end);
        at = c.end;
    }
    path.Line(at, s.baseLeft);
    at = s.baseLeft;
    for (const Cubic& c : s.left) {
        path.Bezier(at, c.c1, c.c2, c.end);
        at = c.end;
    }
    path.CloseFigure();
}

// Enters the frame of the hind feet: anchor, lean, widen and crouch.
void EnterFeetFrame(Canvas& canvas, const BodyFrame& f) {
    Translate(canvas, f.body.x, f.body.y);
    Rotate(canvas, f.lean * kDegreesPerRadian);
    Scale(canvas, f.widen, f.crouch);
}

void DrawFeet(Canvas& canvas, const BodyFrame& f, const HindFeet& feet, const CatSkin& skin) {
    const SavedState saved(canvas);
    EnterFeetFrame(canvas, f);
    const Argb paws = SlotOr(skin.palette.paws,
                             SlotOr(skin.palette.legs, SlotOr(skin.palette.body, kDefaultBody)));
    // The crease fades as the cat squashes down.
    const float pose = Clamp01(f.crouch / 0.75f);
    const Argb creaseBase = SlotOr(skin.palette.crease, 0xFF8B8171u);
    const Argb crease = (creaseBase & 0x00FFFFFFu) | (static_cast<Argb>(148.0f * pose) << 24);
    auto pen = MakeRoundPen(canvas, crease, 1.2f);
    const bool pads = skin.palette.pawPads.set;
    const Argb padColour = pads ? ColorToArgb(skin.palette.pawPads) : 0;
    for (int i = 0; i < 2; ++i) {
        if (i == 1 && !feet.secondShown) break;
        const Box& b = i == 0 ? feet.first : feet.second;
        FillEllipseSolid(canvas, paws, b.x, b.y, b.w, b.h);
        Note(canvas, canvas.graphics->DrawArc(pen.get(), b.x + b.w * 0.28f, b.y + b.h * 0.25f,
                                              b.w * 0.44f, b.h * 0.55f, 20.0f, 140.0f));
        if (pads) {
            FillEllipseSolid(canvas, padColour, b.x + b.w * 0.36f, b.y + b.h * 0.52f, b.w * 0.28f,
                             b.h * 0.3f);
        }
    }
}

void StrokeFeetOutline(Canvas& canvas, const BodyFrame& f, const HindFeet& feet) {
    const SavedState saved(canvas);
    EnterFeetFrame(canvas, f);
    auto pen = MakeRoundPen(canvas, kOutlineWhite, kOutlineWidth);
    Note(canvas, canvas.graphics->DrawEllipse(pen.get(), feet.first.x, feet.first.y, feet.first.w,
                                              feet.first.h));
    if (feet.secondShown) {
        Note(canvas, canvas.graphics->DrawEllipse(pen.get(), feet.second.x, feet.second.y,
                                                  feet.second.w, feet.second.h));
    }
}

// Colour-point face mask: a radial fill dark at the muzzle, fading out.
void DrawPointsMask(Canvas& canvas, const BodyFrame& f, const PetState& pet, const CatSkin& skin) {
    const Argb points = ColorToArgb(skin.palette.points);
    const Argb mid = SlotOr(skin.palette.pointsMid, points);
    HeadPose pose;
    pose.centre = f.head;
    pose.yaw = pet.gazeX.value;
    pose.pitch = pet.gazeY.value;
    pose.roll = f.roll;
    pose.scale = f.headScale;
    pose.planeSurface = skin.headSurface == HeadSurface::Plane;
    const Vec2 muzzle =
        HeadToStage(f, ProjectOnHead(0.0f, 7.5f, 28.0f, pose.yaw * 0.5f, pose.pitch * 0.36f));
    const struct { float sx, sy; } masks[2] = {{1.24f, 0.88f}, {1.04f, 0.76f}};
    constexpr float kRadius = 30.0f;
    for (const auto& m : masks) {
        const float rx = kRadius * m.sx * f.headScale;
        const float ry = kRadius * m.sy * f.headScale;
        PathBuilder path(canvas);
        path.Ellipse(muzzle.x - rx, muzzle.y - ry, 2.0f * rx, 2.0f * ry);
        Gdiplus::PathGradientBrush brush(&path.path());
        Note(canvas, brush.GetLastStatus());
        Note(canvas, brush.SetCenterPoint(ToPointF(muzzle)));
        // Centre and rim colours first: the preset blend below refines them
        // where the platform supports it.
        Note(canvas, brush.SetCenterColor(ToColor(points)));
        Gdiplus::Color rim = ToColor(mid & 0x00FFFFFFu);
        INT rimCount = 1;
        Note(canvas, brush.SetSurroundColors(&rim, &rimCount));
        const Gdiplus::Color colours[4] = {ToColor(mid & 0x00FFFFFFu),
                                           ToColor((mid & 0x00FFFFFFu) | (158u << 24)),
                                           ToColor((points & 0x00FFFFFFu) | (235u << 24)),
                                           ToColor((points & 0x00FFFFFFu) | (255u << 24))};
        Gdiplus::REAL positions[4] = {0.0f, 0.35f, 0.75f, 1.0f};
        const Gdiplus::Status blend = brush.SetInterpolationColors(colours, positions, 4);
        if (blend != Gdiplus::NotImplemented) Note(canvas, blend);
        FillPath(canvas, brush, path);
    }
}

// Orange along the back of the orange-and-white coat: the upper edge of the
// right shoulder and flank, seen past the cheek.
void DrawBackStroke(Canvas& canvas, const Silhouette& s, const CatSkin& skin) {
    PathBuilder path(canvas);
    path.Bezier(s.right[0].end, s.right[1].c1, s.right[1].c2, s.right[1].end);
    path.Bezier(s.right[1].end, s.right[2].c1, s.right[2].c2, s.right[2].end);
    auto pen = MakeRoundPen(canvas, SlotOr(skin.palette.earOuter, 0xFFD8AA73u), 1.0f);
    StrokePath(canvas, *pen, path);
}

}  // namespace

void DrawBody(Canvas& canvas, float bodyX, float bodyY, Vec2 headCentre, float breath,
              const PetState& pet, const CatSkin& skin, bool outlinePass) {
    if (IsBuiltinCoat(skin, BuiltinCoat::Dazed)) {
        if (!outlinePass) DrawDazedBody(canvas, bodyX, bodyY, headCentre, pet);
        return;
    }
    const BodyFrame frame = MakeBodyFrame({bodyX, bodyY}, headCentre, pet, skin);
    const Silhouette silhouette = ComputeSilhouette(frame, breath, pet, skin);
    const HindFeet feet = ComputeHindFeet(pet, skin);
    PathBuilder path(canvas);
    AddSilhouette(path, silhouette);

    if (outlinePass) {
        auto pen = MakeRoundPen(canvas, kOutlineWhite, kOutlineWidth);
        StrokePath(canvas, *pen, path);
        StrokeFeetOutline(canvas, frame, feet);
        return;
    }

    const Argb body = SlotOr(skin.palette.body, kDefaultBody);
    const bool templateCoat = IsBuiltinCoat(skin, BuiltinCoat::SilverTabby) ||
                              IsBuiltinCoat(skin, BuiltinCoat::OrangeWhite);
    if (IsBuiltinCoat(skin, BuiltinCoat::Tabby)) {
        const Gdiplus::TextureBrush* fur = TabbyFurBrush(canvas, skin);
        if (fur != nullptr) {
            FillPath(canvas, *fur, path);
        } else {
            FillPathSolid(canvas, body, path);
        }
    } else {
        FillPathSolid(canvas, body, path);
    }

    if (templateCoat) {
        if (IsBuiltinCoat(skin, BuiltinCoat::OrangeWhite)) DrawBackStroke(canvas, silhouette, skin);
        const SavedState clip(canvas);
        ClipToPath(canvas, path);
        DrawTemplateMarks(canvas, bodyX, bodyY, headCentre, pet, skin);
    } else {
        const bool shade = skin.palette.bodyShade.set;
        const bool layers =
            HasLayerIn(skin, {RegionSpace::Head, RegionSpace::Skull, RegionSpace::Body}) ||
            skin.palette.points.set;
        if (shade || layers) {
            const SavedState clip(canvas);
            ClipToPath(canvas, path);
            if (shade) {
                const Argb bodyShade = ColorToArgb(skin.palette.bodyShade);
                const Argb colours[4] = {body, body, LerpArgb(body, bodyShade, 0.6), bodyShade};
                const float positions[4] = {0.0f, 0.3f, 0.7f, 1.0f};
                FillLinearGradientStops(canvas, &path, 0, 0, 0, 0, {bodyX, bodyY + 38.0f},
                                        {bodyX, headCentre.y - 54.0f}, colours, positions, 4);
            }
            for (RegionSpace space : {RegionSpace::Head, RegionSpace::Skull, RegionSpace::Body}) {
                DrawSkinRegionsPending(canvas, space, pet, skin);
            }
            if (skin.palette.points.set) DrawPointsMask(canvas, frame, pet, skin);
            for (RegionSpace space : {RegionSpace::Head, RegionSpace::Skull, RegionSpace::Body}) {
                DrawSkinMarksPending(canvas, space, pet, skin);
            }
        }
    }

    if (skin.palette.outline.set) {
        auto pen = MakeRoundPen(canvas, ColorToArgb(skin.palette.outline), 1.6f);
        StrokePath(canvas, *pen, path);
    }
    DrawFeet(canvas, frame, feet, skin);
}
