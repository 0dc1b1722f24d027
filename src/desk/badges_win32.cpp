#include "desk/badges_win32.h"

#include <algorithm>

#include "base/small_math.h"
#include "desk/desk_geometry.h"
#include "desk/keyboard_themes.h"
#include "draw/text_win32.h"
#include "pet/pet_state.h"

namespace {

constexpr std::uint32_t kBadgeLipRgb = 0x26262Bu;
constexpr std::uint32_t kBadgeFaceRgb = 0xF9F8F3u;
constexpr std::uint32_t kBadgeOutlineRgb = 0x29292Eu;
constexpr std::uint32_t kBadgeTextRgb = 0x1F1F24u;
constexpr float kBadgeHeight = 22.0f;

constexpr Argb kFrameBlue = 0xEB339EFFu;
constexpr Argb kHandleBlue = 0xFF2485F5u;
constexpr Argb kHandleFill = 0xFFFFFFFFu;
constexpr Argb kPillFill = 0xD21E2129u;
constexpr Argb kReadoutText = 0xFFFFFFFFu;

// Rounded rectangle by its corner diameter, as the badges are shaped.
void AddBadgeShape(PathBuilder& path, float x, float y, float w, float h, float diameter) {
    AddRoundedRect(path, x, y, w, h, diameter / 2.0f);
}

void DrawBadge(Canvas& canvas, const KeyBadge& badge, const TextStyle& text,
               const Gdiplus::Font& big, const Gdiplus::Font& small) {
    const BadgeFade fade = BadgeFadeOf(badge.age, badge.life);
    if (!fade.visible) return;
    const float s = BadgePopScale(badge.age);
    const float w = BadgeWidth(badge.text);
    const SavedState save(canvas);
    Translate(canvas, badge.x, badge.y);
    Rotate(canvas, badge.rotation * kDegreesPerRadian);
    Scale(canvas, s, s);
    {
        PathBuilder lip(canvas);
        AddBadgeShape(lip, -w / 2.0f, -8.5f, w, kBadgeHeight, std::min({w, kBadgeHeight, 11.0f}));
        FillPathSolid(
            canvas, WithAlphaByte(kBadgeLipRgb, static_cast<std::uint32_t>(242.0f * fade.g)), lip);
    }
    PathBuilder face(canvas);
    AddBadgeShape(face, -w / 2.0f, -11.0f, w, kBadgeHeight, std::min({w, kBadgeHeight, 10.4f}));
    FillPathSolid(canvas, WithAlphaByte(kBadgeFaceRgb, fade.alpha), face);
    StrokePath(canvas, *MakeRoundPen(canvas, WithAlphaByte(kBadgeOutlineRgb, fade.alpha), 1.45f),
               face);
    DrawTextCentred(canvas, text, badge.text.size() == 1 ? big : small, badge.text,
                    WithAlphaByte(kBadgeTextRgb, fade.alpha), -w / 2.0f, -11.0f, w, kBadgeHeight);
}

void DrawHandle(Canvas& canvas, float cx, float cy, float diameter) {
    PathBuilder circle(canvas);
    circle.Ellipse(cx - diameter / 2.0f, cy - diameter / 2.0f, diameter, diameter);
    FillPathSolid(canvas, kHandleFill, circle);
    StrokePath(canvas, *MakeRoundPen(canvas, kHandleBlue, 2.0f), circle);
}

}  // namespace

void DrawBadges(Canvas& canvas, const PetState& pet) {
    const TextStyle text(canvas, kUiFontFamily);
    const auto big = MakeBoldFont(canvas, text, BadgeFontSize(L"Q"));
    const auto small = MakeBoldFont(canvas, text, BadgeFontSize(L"F5"));
    for (const KeyBadge& badge : pet.badges) DrawBadge(canvas, badge, text, *big, *small);
}

void DrawTransformOverlay(Canvas& canvas, float scale, float rotationDegrees, bool flipped) {
    {
        PathBuilder frame(canvas);
        AddRoundedRect(frame, 10.0f, 26.0f, 340.0f, 284.0f, 12.0f);
        Gdiplus::Pen dashed(ToColor(kFrameBlue), 1.6f);
        Note(canvas, dashed.GetLastStatus());
        const Gdiplus::REAL pattern[2] = {4.5f, 3.0f};
        Note(canvas, dashed.SetDashPattern(pattern, 2));
        StrokePath(canvas, dashed, frame);
        const auto stem = MakeRoundPen(canvas, kFrameBlue, 1.6f);
        Note(canvas, canvas.graphics->DrawLine(stem.get(), 180.0f, 26.0f, 180.0f, 20.0f));
    }
    for (auto [x, y] : {Vec2{10, 26}, Vec2{350, 26}, Vec2{10, 310}, Vec2{350, 310}})
        DrawHandle(canvas, x, y, 12.0f);
    DrawHandle(canvas, 180.0f, 12.0f, 17.0f);
    {
        const auto arrow = MakeRoundPen(canvas, kHandleBlue, 1.45f);
        Note(canvas,
             canvas.graphics->DrawArc(arrow.get(), 175.8f, 7.8f, 8.4f, 8.4f, -35.0f, 275.0f));
        const Gdiplus::PointF head[3] = {{182.0f, 6.8f}, {184.4f, 9.7f}, {181.0f, 10.1f}};
        Note(canvas, canvas.graphics->DrawLines(arrow.get(), head, 3));
    }

    const std::wstring readout = TransformReadout(scale, rotationDegrees, flipped);
    const TextStyle text(canvas, kUiFontFamily);
    const auto font = MakeBoldFont(canvas, text, 9.5f);
    const float w = std::max(MeasureTextWidth(canvas, *font, readout) + 14.0f, 44.0f);
    PathBuilder pill(canvas);
    AddRoundedRect(pill, 180.0f - w / 2.0f, 290.0f, w, 16.0f, 6.0f);
    FillPathSolid(canvas, kPillFill, pill);
    DrawTextCentred(canvas, text, *font, readout, kReadoutText, 180.0f - w / 2.0f, 290.0f, w,
                    16.0f);
}
