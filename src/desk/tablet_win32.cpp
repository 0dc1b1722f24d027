#include "desk/tablet_win32.h"

#include <algorithm>
#include <cmath>

#include "base/small_math.h"
#include "desk/desk_geometry.h"
#include "desk/keyboard_themes.h"
#include "draw/eye_themes.h"
#include "draw/text_win32.h"
#include "pet/pet_state.h"

namespace {

constexpr Quad kTabletShadow{{{18.0f, 240.6f}, {94.0f, 245.6f}, {91.0f, 295.2f}, {13.0f, 290.2f}}};
constexpr Quad kTabletEdge{{{18.0f, 238.6f}, {94.0f, 243.6f}, {91.0f, 292.6f}, {13.0f, 287.6f}}};
constexpr Quad kTabletTop{{{18.0f, 235.0f}, {94.0f, 240.0f}, {91.0f, 289.0f}, {13.0f, 284.0f}}};
constexpr float kAreaULo = 0.21f, kAreaUHi = 0.94f, kAreaVLo = 0.11f, kAreaVHi = 0.89f;
constexpr float kLightU = 0.105f, kLightV = 0.14f;
constexpr float kLitFrom = 0.15f;
constexpr float kInkJump = 22.0f;
constexpr float kInkLife = 0.72f;
constexpr Vec2 kStylusRestNib{84.944794f, 238.42f};
constexpr Vec2 kStylusRestShadow{84.944794f, 240.62f};
constexpr Vec2 kStylusRestDirection{-53.171993f, -3.5f};

Quad ActiveArea() {
    return {TabletPoint(kAreaULo, kAreaVLo), TabletPoint(kAreaUHi, kAreaVLo),
            TabletPoint(kAreaUHi, kAreaVHi), TabletPoint(kAreaULo, kAreaVHi)};
}

void FillQuad(Canvas& canvas, const Quad& quad, Argb colour, float penWidth) {
    PathBuilder path(canvas);
    path.Polygon(quad.data(), 4);
    FillPathSolid(canvas, colour, path);
    if (penWidth > 0.0f) StrokePath(canvas, *MakeRoundPen(canvas, colour, penWidth), path);
}

void DrawCornerMarks(Canvas& canvas) {
    const auto pen = MakeRoundPen(canvas, kTabletCornerMarks, 0.95f);
    const struct {
        float u, v, du, dv;
    } marks[4] = {{0.24f, 0.15f, 0.07f, 0.11f},
                  {0.91f, 0.15f, -0.07f, 0.11f},
                  {0.24f, 0.85f, 0.07f, -0.11f},
                  {0.91f, 0.85f, -0.07f, -0.11f}};
    for (const auto& m : marks) {
        const Gdiplus::PointF points[3] = {ToPointF(TabletPoint(m.u + m.du, m.v)),
                                           ToPointF(TabletPoint(m.u, m.v)),
                                           ToPointF(TabletPoint(m.u, m.v + m.dv))};
        Note(canvas, canvas.graphics->DrawLines(pen.get(), points, 3));
    }
}

void DrawInkTrail(Canvas& canvas, const std::vector<InkPoint>& trail, Argb ink) {
    if (trail.size() < 2) return;
    PathBuilder area(canvas);
    const Quad active = ActiveArea();
    area.Polygon(active.data(), 4);
    const SavedState save(canvas);
    ClipToPath(canvas, area);
    for (std::size_t i = 1; i < trail.size(); ++i) {
        const InkPoint& a = trail[i - 1];
        const InkPoint& b = trail[i];
        if (std::hypot(b.x - a.x, b.y - a.y) > kInkJump) continue;
        const float k = std::max(0.0f, 1.0f - b.age / kInkLife);
        if (k <= 0.01f) continue;
        const auto pen = MakeRoundPen(
            canvas, WithAlphaByte(ink, static_cast<std::uint32_t>(224.0f * k)), 1.2f + 1.4f * k);
        Note(canvas, canvas.graphics->DrawLine(pen.get(), a.x, a.y, b.x, b.y));
    }
}

}  // namespace

void DrawTablet(Canvas& canvas, const PetState& pet, std::int32_t keyboardTheme,
                std::int32_t eyeTheme) {
    const TabletColours palette = TabletPalette(keyboardTheme);
    const Argb eye = EyeThemeColor(eyeTheme, 255);
    FillQuad(canvas, kTabletShadow, kDeskShadow, 3.0f);
    FillQuad(canvas, kTabletEdge, palette.edge, 2.5f);
    {
        PathBuilder top(canvas);
        top.Polygon(kTabletTop.data(), 4);
        FillPathSolid(canvas, palette.surface, top);
        StrokePath(canvas, *MakeRoundPen(canvas, palette.surface, 2.0f), top);
        StrokePath(canvas, *MakeRoundPen(canvas, kTabletHairline, 0.9f), top);
    }
    FillQuad(canvas, ActiveArea(), palette.activeArea, 0.0f);
    DrawCornerMarks(canvas);

    const float pen = pet.penDown.value;
    const Argb light = pen > kLitFrom ? eye : palette.idleLight;
    const Vec2 l = TabletPoint(kLightU, kLightV);
    FillEllipseSolid(canvas, WithAlphaByte(light, 0x5F), l.x - 3.6f, l.y - 3.6f, 7.2f, 7.2f);
    FillEllipseSolid(canvas, light, l.x - 1.35f, l.y - 1.35f, 2.7f, 2.7f);
    for (float c : {0.28f, 0.44f, 0.60f, 0.76f}) {
        const Quad key{TabletPoint(0.06f, c - 0.05f), TabletPoint(0.15f, c - 0.05f),
                       TabletPoint(0.15f, c + 0.05f), TabletPoint(0.06f, c + 0.05f)};
        FillQuad(canvas, key, palette.expressKeys, 0.0f);
    }

    DrawInkTrail(canvas, pet.inkTrail, eye);
    if (pet.rightPawOnMouse && pen > 0.08f) {
        const float r = 7.0f + 3.5f * pen;
        FillEllipseGlow(canvas, pet.penX.value, pet.penY.value, r, r,
                        WithAlphaByte(eye, static_cast<std::uint32_t>(115.0f * pen)),
                        WithAlphaByte(eye, 0));
    }
}

void DrawRestingStylus(Canvas& canvas, std::int32_t keyboardTheme, std::int32_t eyeTheme) {
    const float angle =
        std::atan2(kStylusRestDirection.y, kStylusRestDirection.x) * kDegreesPerRadian;
    const float length = std::hypot(kStylusRestDirection.x, kStylusRestDirection.y);
    {
        const SavedState save(canvas);
        Translate(canvas, kStylusRestShadow.x, kStylusRestShadow.y);
        Rotate(canvas, angle);
        const Gdiplus::SolidBrush shadow(ToColor(kDeskShadow));
        Note(canvas, shadow.GetLastStatus());
        Note(canvas, canvas.graphics->FillRectangle(&shadow, 2.0f, -2.0f, length - 4.0f, 4.5f));
    }
    const SavedState save(canvas);
    Translate(canvas, kStylusRestNib.x, kStylusRestNib.y);
    Rotate(canvas, angle);
    DrawStylus(canvas, length, keyboardTheme, eyeTheme, 0.0f);
}

void DrawStylus(Canvas& canvas, float length, std::int32_t keyboardTheme, std::int32_t eyeTheme,
                float pressure) {
    const StylusColours palette = StylusPalette(keyboardTheme);
    const float l = length;
    PathBuilder barrel(canvas);
    const Vec2 front[3] = {{0.0f, 0.0f}, {7.5f, -2.4f}, {l - 3.0f, -2.6f}};
    barrel.Lines(front, 3);
    AddQuadCurve(barrel, {l - 3.0f, -2.6f}, {l, -2.4f}, {l, 0.0f});
    AddQuadCurve(barrel, {l, 0.0f}, {l, 2.4f}, {l - 3.0f, 2.6f});
    barrel.Line({l - 3.0f, 2.6f}, {7.5f, 2.4f});
    barrel.CloseFigure();
    StrokePath(canvas, *MakeRoundPen(canvas, kStylusOutline, 1.6f), barrel);
    FillPathSolid(canvas, palette.barrel, barrel);
    {
        const SavedState save(canvas);
        Note(canvas, canvas.graphics->SetClip(&barrel.path(), Gdiplus::CombineModeReplace));
        auto fill = [&](Argb colour, float x, float y, float w, float h) {
            const Gdiplus::SolidBrush brush(ToColor(colour));
            Note(canvas, brush.GetLastStatus());
            Note(canvas, canvas.graphics->FillRectangle(&brush, x, y, w, h));
        };
        fill(palette.grip, 7.5f, -3.0f, 11.5f, 6.0f);
        fill(palette.ring, 19.0f, -3.0f, 2.4f, 6.0f);
        fill(pressure > kLitFrom ? EyeThemeColor(eyeTheme, 255) : kNibAtRest, -0.5f, -1.5f, 3.4f,
             3.0f);
        fill(kBarrelGloss, 8.0f, -1.9f, std::max(l - 12.0f, 1.0f), 1.1f);
    }
    PathBuilder button(canvas);
    AddRoundedRect(button, 11.0f, -3.1f, 6.0f, 1.4f, 0.7f);
    FillPathSolid(canvas, kSideButton, button);
}
