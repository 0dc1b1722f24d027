#include "render/body_win32.h"

#include <cmath>

#include "base/small_math.h"
#include "pet/pet_state.h"
#include "render/body_geometry.h"
#include "render/build_geometry.h"
#include "render/coat_themes.h"
#include "render/dazed_coat_win32.h"
#include "render/pending_parts_win32.h"
#include "render/tabby_texture_win32.h"
#include "skins/cat_skin.h"

namespace {

constexpr Argb kDefaultBody = 0xFF161618u;

Argb SlotOr(const SkinColor& slot, Argb fallback) {
    return slot.set ? ColorToArgb(slot) : fallback;
}

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

bool HasLayerIn(const CatSkin& skin, std::initializer_list<RegionSpace> spaces) {
    auto inSpaces = [&](RegionSpace s) {
        for (RegionSpace t : spaces)
            if (s == t) return true;
        return false;
    };
    for (const SkinRegion& r : skin.regions)
        if (inSpaces(r.space)) return true;
    for (const SkinMark& m : skin.marks)
        if (inSpaces(m.space)) return true;
    return false;
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

namespace {

constexpr std::uint32_t kWhiteRgb = 0xF2EEE4u;

std::uint32_t RgbOf(const SkinColor& c) {
    return ColorToArgb(c) & 0x00FFFFFFu;
}

bool IsFaceTemplate(const SkinMark& m) {
    if (m.space != RegionSpace::Head || RgbOf(m.color) != kWhiteRgb) return false;
    for (const SkinPoint& p : m.points)
        if (std::fabs(p.x) > 46.0f) return true;
    return false;
}

struct TemplateMapper {
    float bodyX, bodyY;
    Vec2 head;
    float yaw, pitch, roll, lean, widen, crouch, bibTurn;
    bool silver;

    Vec2 Map(const SkinMark& m, SkinPoint point, bool squeeze) const {
        float x = point.x;
        float y = point.y;
        if (squeeze) {
            const float w = Clamp01((y - 20.0f) / 6.0f);
            x *= 1.0f - 0.5f * w * (1.0f - bibTurn);
            if (y > 20.0f) y = 20.0f + (0.75f + 0.25f * bibTurn) * (y - 20.0f);
        }
        if (m.space == RegionSpace::Body) {
            return RotateAround({bodyX + widen * x, bodyY + crouch * y}, {bodyX, bodyY}, lean);
        }
        Vec2 q{x, y};
        if (m.space == RegionSpace::Head) {
            float z = 27.5f;
            if (!silver) {
                const float d = std::max(0.0f, 1.0f - x * x / 2116.0f - y * y / 1600.0f);
                z = RgbOf(m.color) == kWhiteRgb ? 29.6f * Smooth(d) : 29.6f * std::sqrt(d);
            }
            q = ProjectOnHead(x, y, z, yaw * 0.5f, pitch * 0.36f);
        }
        const Vec2 turned = RotateAround(q, {0.0f, 0.0f}, roll);
        return {turned.x + head.x, turned.y + head.y};
    }
};

}  // namespace

void DrawTemplateMarks(Canvas& canvas, float bodyX, float bodyY, Vec2 headCentre,
                       const PetState& pet, const CatSkin& coat) {
    const bool silver = IsBuiltinCoat(coat, BuiltinCoat::SilverTabby);
    if (!silver && !IsBuiltinCoat(coat, BuiltinCoat::OrangeWhite)) return;
    const SkinMark* face = nullptr;
    for (const SkinMark& m : coat.marks) {
        if (IsFaceTemplate(m)) {
            face = &m;
            break;
        }
    }
    const float turn = std::min(1.0f, std::fabs(pet.gazeX.value) * std::max(pet.gazeY.value, 0.0f));
    const float droop = Smooth(Clamp01(pet.sleep.value));
    const float stretch = pet.bodyStretch.value;
    const TemplateMapper mapper{bodyX,
                                bodyY,
                                headCentre,
                                pet.gazeX.value,
                                pet.gazeY.value,
                                pet.headRoll.value,
                                pet.bodyLean.value,
                                ((1.0f - stretch) * 0.55f + 1.0f) * (0.03f * droop + 1.0f),
                                (1.0f - 0.42f * droop) * stretch,
                                Smooth(turn),
                                silver};
    std::vector<Vec2> points;
    for (const SkinMark& m : coat.marks) {
        if (m.space == RegionSpace::Tail || m.space == RegionSpace::LeftEar ||
            m.space == RegionSpace::RightEar) {
            continue;
        }
        if (m.clipToBib && mapper.bibTurn == 0.0f) continue;
        if (m.points.empty()) continue;
        const SavedState saved(canvas);
        if (m.clipToBib && face != nullptr) {
            points.clear();
            for (const SkinPoint& p : face->points) points.push_back(mapper.Map(*face, p, false));
            PathBuilder clip(canvas);
            clip.Polygon(points.data(), static_cast<int>(points.size()));
            ClipToPath(canvas, clip);
        }
        points.clear();
        for (const SkinPoint& p : m.points) points.push_back(mapper.Map(m, p, m.clipToBib));
        const Argb colour =
            (RgbOf(m.color)) |
            (static_cast<Argb>(Clamp01(static_cast<float>(m.color.a)) * 255.0f) << 24);
        PathBuilder path(canvas);
        if (m.isStroke) {
            path.Lines(points.data(), static_cast<int>(points.size()));
            auto pen = MakeRoundPen(canvas, colour, m.width);
            StrokePath(canvas, *pen, path);
        } else {
            path.Polygon(points.data(), static_cast<int>(points.size()));
            FillPathSolid(canvas, colour, path);
        }
    }
}
