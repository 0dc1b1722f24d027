#include "desk/keyboard_win32.h"

#include <cmath>
#include <memory>

#include "desk/desk_geometry.h"
#include "desk/keyboard_themes.h"
#include "draw/eye_themes.h"
#include "draw/text_win32.h"
#include "pet/pet_state.h"
#include "skins/keyboard_skin.h"

namespace {

constexpr int kBandStops = 24;
constexpr float kShimmerRadius = 44.0f;
constexpr float kKeyGlowWidth = 30.0f;
constexpr float kKeyGlowHeight = 21.0f;
constexpr float kLegendTurn = 183.0f;

void AddQuad(PathBuilder& path, const Quad& q) {
    path.Polygon(q.data(), 4);
}

void FillAndStrokeQuad(Canvas& canvas, const Quad& quad, Argb colour, float penWidth) {
    PathBuilder path(canvas);
    AddQuad(path, quad);
    FillPathSolid(canvas, colour, path);
    if (penWidth > 0.0f) StrokePath(canvas, *MakeRoundPen(canvas, colour, penWidth), path);
}

void DrawSlab(Canvas& canvas, const DeskColours& colours) {
    FillAndStrokeQuad(canvas, kKeyboardShadow, kDeskShadow, 0.0f);
    FillAndStrokeQuad(canvas, kKeyboardBody, colours.base, 2.5f);
    FillAndStrokeQuad(canvas, kKeyboardPlate, colours.deck, 2.0f);
}

void DrawPlateLight(Canvas& canvas, float phase, Argb marquee) {
    PathBuilder plate(canvas);
    AddQuad(plate, kKeyboardPlate);
    const SavedState save(canvas);
    ClipToPath(canvas, plate);

    const Vec2 p0 = kPlateDiagonalStart;
    const Vec2 p1{p0.x + kPlateDiagonal.x, p0.y + kPlateDiagonal.y};
    Gdiplus::Color colours[kBandStops];
    Gdiplus::REAL positions[kBandStops];
    for (int i = 0; i < kBandStops; ++i) {
        colours[i] = ToColor(WithAlphaByte(marquee, MarqueeBandAlpha(i, kBandStops, phase)));
        positions[i] = static_cast<float>(i) / static_cast<float>(kBandStops - 1);
    }
    Gdiplus::LinearGradientBrush band(ToPointF(p0), ToPointF(p1), colours[0],
                                      colours[kBandStops - 1]);
    Note(canvas, band.GetLastStatus());
    Note(canvas, band.SetWrapMode(Gdiplus::WrapModeTile));
    Note(canvas, band.SetInterpolationColors(colours, positions, kBandStops));
    FillPath(canvas, band, plate);

    const float e = phase - std::floor(phase);
    const Vec2 s{p0.x + kPlateDiagonal.x * e, p0.y + kPlateDiagonal.y * e};
    FillEllipseGlow(canvas, s.x, s.y, kShimmerRadius, kShimmerRadius, kShimmerCentre,
                    WithAlphaByte(marquee, 0));
}

struct KeycapLook {
    const DeskColours& colours;
    Argb highlight;
    Argb marquee;
    float phase;
    bool marqueeOn;
    bool legends;
    const TextStyle* text;
    const Gdiplus::Font* bigFont;
    const Gdiplus::Font* smallFont;
    const Gdiplus::Pen* borderPen;
};

void DrawKeycap(Canvas& canvas, const KeySlot& slot, float press, const KeycapLook& look) {
    const KeycapShape shape = KeycapShapeOf(slot, press);
    const float h = look.marqueeOn ? MarqueeStrength(shape.centre, look.phase) : 0.0f;
    const Argb plain = slot.accent ? look.colours.accent : look.colours.key;
    PathBuilder path(canvas);
    AddQuad(path, shape.corners);
    FillPathSolid(canvas, KeycapFill(plain, look.marquee, h, look.highlight, press), path);
    const KeycapOutline outline = KeycapOutlineOf(look.colours.keyBorder, look.marquee, h);
    if (h > 0.1f) {
        StrokePath(canvas, *MakeRoundPen(canvas, outline.colour, outline.width), path);
    } else {
        StrokePath(canvas, *look.borderPen, path);
    }
    if (h > 0.45f) {
        const float k = (h - 0.45f) / 0.55f;
        const auto alpha = static_cast<std::uint32_t>(std::fmin(135.0f * k, 135.0f));
        FillEllipseGlow(canvas, shape.centre.x, shape.centre.y, kKeyGlowWidth / 2.0f,
                        kKeyGlowHeight / 2.0f, WithAlphaByte(look.marquee, alpha),
                        WithAlphaByte(look.marquee, 0));
    }
    if (!look.legends) return;
    const std::wstring_view text = KeycapText(slot.key);
    if (text.empty()) return;
    const SavedState save(canvas);
    Translate(canvas, shape.legendAt.x, shape.legendAt.y);
    Rotate(canvas, kLegendTurn);
    DrawTextCentred(canvas, *look.text, text.size() == 1 ? *look.bigFont : *look.smallFont, text,
                    slot.accent ? look.colours.accentLegend : look.colours.legend, -14.0f, -7.0f,
                    28.0f, 14.0f);
}

float PressOf(const PetState& pet, PhysicalKey key) {
    const auto it = pet.keyGlow.find(static_cast<std::int32_t>(key));
    return it == pet.keyGlow.end() ? 0.0f : it->second;
}

}  // namespace

void DrawKeyboard(Canvas& canvas, const PetState& pet, const KeyboardSkin& skin,
                  std::int32_t eyeTheme, bool showLegends, bool marquee) {
    const DeskColours colours = DeskColoursOf(skin);
    DrawSlab(canvas, colours);
    const Argb highlight = EyeThemeColor(eyeTheme, kPressAlpha);
    const Argb marqueeColour = MarqueeColour(pet.marqueePhase);
    if (marquee) DrawPlateLight(canvas, pet.marqueePhase, marqueeColour);

    const auto borderPen = MakeRoundPen(canvas, colours.keyBorder, 0.65f);
    const TextStyle text(canvas, kUiFontFamily);
    const auto bigFont = MakeBoldFont(canvas, text, LegendFontSize(L"Q"));
    const auto smallFont = MakeBoldFont(canvas, text, LegendFontSize(L"ESC"));
    const KeycapLook look{colours,     highlight, marqueeColour, pet.marqueePhase, marquee,
                          showLegends, &text,     bigFont.get(), smallFont.get(),  borderPen.get()};
    for (const KeySlot& slot : KeyLayout()) DrawKeycap(canvas, slot, PressOf(pet, slot.key), look);

    for (const auto& [key, press] : pet.keyGlow) {
        if (!(press > 0.05f)) continue;
        const Vec2 c = KeyCenter(static_cast<PhysicalKey>(key));
        const float r = 17.0f + 6.0f * press;
        FillEllipseGlow(canvas, c.x, c.y, r, r,
                        WithAlphaByte(highlight, static_cast<std::uint32_t>(92.0f * press)),
                        WithAlphaByte(highlight, 0));
    }
}
