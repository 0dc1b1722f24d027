#include "render/effects_win32.h"

#include <algorithm>
#include <cmath>

#include "pet/pet_state.h"
#include "render/coat_themes.h"

namespace {

constexpr Argb kStarColour = 0x00FFDC38u;
constexpr float kStarsShown = 0.1f;
constexpr int kStarCount = 3;
constexpr float kStarSpacing = 2.094395f;  // a third of a turn
constexpr int kStarVertices = 8;
constexpr float kSparkleBow = 0.5333f;  // control points toward the centre line

void DrawSparkle(Canvas& canvas, float r, Argb colour) {
    const Vec2 top{0.0f, -r};
    const Vec2 right{r, 0.0f};
    const Vec2 bottom{0.0f, r};
    const Vec2 left{-r, 0.0f};
    // Each side bows inward: its controls sit near the centre lines.
    auto in = [](Vec2 p) { return Vec2{p.x * (1.0f - kSparkleBow), p.y * (1.0f - kSparkleBow)}; };
    PathBuilder path(canvas);
    path.Bezier(top, in(top), in(right), right);
    path.Bezier(right, in(right), in(bottom), bottom);
    path.Bezier(bottom, in(bottom), in(left), left);
    path.Bezier(left, in(left), in(top), top);
    path.CloseFigure();
    FillPathSolid(canvas, colour, path);
}

}  // namespace

void DrawDizzyStars(Canvas& canvas, Vec2 centre, float dizzy, float starPhase) {
    if (dizzy <= kStarsShown) return;
    const auto alpha =
        static_cast<std::uint32_t>(std::min(1.0f, (dizzy - kStarsShown) / 0.22f) * 245.0f);
    const Gdiplus::SolidBrush brush(ToColor((alpha << 24) | kStarColour));
    Note(canvas, brush.GetLastStatus());
    const SavedState saved(canvas);
    Translate(canvas, centre.x, centre.y);
    for (int i = 0; i < kStarCount; ++i) {
        const float theta = static_cast<float>(i) * kStarSpacing + starPhase * 0.85f;
        const Vec2 at{std::cos(theta) * 26.0f, std::sin(theta) * 6.5f};
        const float outer = (0.75f + 0.25f * std::sin(theta)) * 4.4f;
        const float spin = starPhase + static_cast<float>(i);
        Gdiplus::PointF points[kStarVertices];
        for (int j = 0; j < kStarVertices; ++j) {
            const float angle = static_cast<float>(j) * 0.785398f + spin;
            const float r = j % 2 == 0 ? outer : 0.42f * outer;
            points[j] = {at.x + std::cos(angle) * r, at.y + std::sin(angle) * r};
        }
        Note(canvas, canvas.graphics->FillPolygon(&brush, points, kStarVertices,
                                                  Gdiplus::FillModeAlternate));
    }
}

void DrawParticles(Canvas& canvas, const PetState& pet, std::int32_t eyeTheme) {
    if (pet.particles.empty()) return;
    const Gdiplus::FontFamily family(L"Segoe UI");
    for (const Particle& p : pet.particles) {
        const float k = p.life > 0.0f ? std::min(1.0f, p.age / p.life) : 1.0f;
        const int a = static_cast<int>(std::sin(k * 3.14159f) * 215.0f);
        if (a <= 3) continue;
        const Argb colour = EyeThemeColor(eyeTheme, static_cast<std::uint8_t>(a));
        if (p.kind == ParticleKind::SleepZ) {
            const Gdiplus::Font font(&family, 11.0f + 3.0f * k, Gdiplus::FontStyleBold,
                                     Gdiplus::UnitPixel);
            const Gdiplus::SolidBrush brush(ToColor(colour));
            Note(canvas,
                 canvas.graphics->DrawString(L"z", 1, &font, Gdiplus::PointF(p.x, p.y), &brush));
        } else {
            const SavedState saved(canvas);
            Translate(canvas, p.x, p.y);
            DrawSparkle(canvas, 3.5f + 1.5f * k, colour);
        }
    }
}
