#include "desk/keyboard_win32.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <utility>

#include "desk/desk_geometry.h"
#include "desk/keyboard_themes.h"
#include "desk/mouse_win32.h"
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

using SlotMask = std::uint64_t;  // bit i: slot i of the layout
constexpr SlotMask kAllSlots = (SlotMask{1} << kKeySlotCount) - 1;

// The slots of keys that are pressed or still fading: drawn every frame.
SlotMask PressedSlots(const PetState& pet) {
    SlotMask mask = 0;
    const auto& layout = KeyLayout();
    for (int i = 0; i < kKeySlotCount; ++i)
        if (pet.keyGlow.count(static_cast<std::int32_t>(layout[i].key)) != 0)
            mask |= SlotMask{1} << i;
    return mask;
}

struct KeyboardParts {
    bool slab = false;
    bool plateLight = false;
    SlotMask keycaps = 0;
    bool halos = false;
};

void DrawKeyboardParts(Canvas& canvas, const PetState& pet, const DeskColours& colours,
                       std::int32_t eyeTheme, bool showLegends, bool marquee,
                       const KeyboardParts& parts) {
    if (parts.slab) DrawSlab(canvas, colours);
    const Argb highlight = EyeThemeColor(eyeTheme, kPressAlpha);
    const Argb marqueeColour = MarqueeColour(pet.marqueePhase);
    if (marquee && parts.plateLight) DrawPlateLight(canvas, pet.marqueePhase, marqueeColour);

    if (parts.keycaps != 0) {
        const auto borderPen = MakeRoundPen(canvas, colours.keyBorder, 0.65f);
        const TextStyle text(canvas, kUiFontFamily);
        const auto bigFont = MakeBoldFont(canvas, text, LegendFontSize(L"Q"));
        const auto smallFont = MakeBoldFont(canvas, text, LegendFontSize(L"ESC"));
        const KeycapLook look{colours,         highlight,      marqueeColour, pet.marqueePhase,
                              marquee,         showLegends,    &text,         bigFont.get(),
                              smallFont.get(), borderPen.get()};
        const auto& layout = KeyLayout();
        for (int i = 0; i < kKeySlotCount; ++i) {
            if ((parts.keycaps >> i & 1u) == 0) continue;
            DrawKeycap(canvas, layout[i], PressOf(pet, layout[i].key), look);
        }
    }
    if (!parts.halos) return;
    for (const auto& [key, press] : pet.keyGlow) {
        if (!(press > 0.05f)) continue;
        const Vec2 c = KeyCenter(static_cast<PhysicalKey>(key));
        const float r = 17.0f + 6.0f * press;
        FillEllipseGlow(canvas, c.x, c.y, r, r,
                        WithAlphaByte(highlight, static_cast<std::uint32_t>(92.0f * press)),
                        WithAlphaByte(highlight, 0));
    }
}

// What the still part of the keyboard was drawn for: colours, legends, the world transform
// (scale, turn and mirror) and the keys left out because they move.
struct StillKey {
    DeskColours colours{};
    bool legends = false;
    std::array<float, 6> world{};
    SlotMask left = 0;
    bool mouse = false;  // the mouse at rest is kept with it

    bool operator==(const StillKey& o) const {
        return std::memcmp(&colours, &o.colours, sizeof colours) == 0 && legends == o.legends &&
               world == o.world && left == o.left && mouse == o.mouse;
    }
};

// Slab, plate and the keycaps that are not pressed, with their legends, in device pixels.
struct StillKeyboard {
    StillKey key;
    std::unique_ptr<Gdiplus::Bitmap> bitmap;
    int x = 0;
    int y = 0;
};

StillKeyboard& Still() {
    static StillKeyboard still;
    return still;
}

// The keyboard's Stage bounds with room for the outlines; further left for the mouse.
constexpr float kMouseBoundsLeft = 58.0f;
constexpr float kBoundsLeft = 96.0f, kBoundsTop = 232.0f, kBoundsRight = 293.0f,
                kBoundsBottom = 304.0f;

bool BuildStill(Canvas& canvas, const PetState& pet, const KeyboardSkin& skin, const StillKey& key,
                std::int32_t eyeTheme) {
    StillKeyboard& still = Still();
    still.bitmap.reset();
    const auto& m = key.world;
    float minX = 1e9f, minY = 1e9f, maxX = -1e9f, maxY = -1e9f;
    const float left = key.mouse ? kMouseBoundsLeft : kBoundsLeft;
    for (auto [sx, sy] : {std::pair{left, kBoundsTop},
                          {kBoundsRight, kBoundsTop},
                          {kBoundsRight, kBoundsBottom},
                          {left, kBoundsBottom}}) {
        const float dx = m[0] * sx + m[2] * sy + m[4];
        const float dy = m[1] * sx + m[3] * sy + m[5];
        minX = std::min(minX, dx), maxX = std::max(maxX, dx);
        minY = std::min(minY, dy), maxY = std::max(maxY, dy);
    }
    const int x = static_cast<int>(std::floor(minX)) - 1;
    const int y = static_cast<int>(std::floor(minY)) - 1;
    const int w = static_cast<int>(std::ceil(maxX)) + 1 - x;
    const int h = static_cast<int>(std::ceil(maxY)) + 1 - y;
    if (w <= 0 || h <= 0 || w > 8192 || h > 8192) return false;
    auto bitmap = std::make_unique<Gdiplus::Bitmap>(w, h, PixelFormat32bppPARGB);
    Note(canvas, bitmap->GetLastStatus());
    if (bitmap->GetLastStatus() != Gdiplus::Ok) return false;
    if (canvas.stats != nullptr) ++canvas.stats->offscreenBitmaps;
    {
        Gdiplus::Graphics graphics(bitmap.get());
        Canvas layer{&graphics, 0, canvas.stats};
        Note(layer, graphics.Clear(Gdiplus::Color(0, 0, 0, 0)));
        // The same rendering settings as the target, so the pixels come out alike.
        Note(layer, graphics.SetSmoothingMode(canvas.graphics->GetSmoothingMode()));
        Note(layer, graphics.SetPixelOffsetMode(canvas.graphics->GetPixelOffsetMode()));
        Note(layer, graphics.SetTextRenderingHint(canvas.graphics->GetTextRenderingHint()));
        const Gdiplus::Matrix world(m[0], m[1], m[2], m[3], m[4] - static_cast<float>(x),
                                    m[5] - static_cast<float>(y));
        Note(layer, graphics.SetTransform(&world));
        if (key.mouse) DrawMouse(layer, PetState{}, skin);
        KeyboardParts parts;
        parts.slab = true;
        parts.keycaps = kAllSlots & ~key.left;
        DrawKeyboardParts(layer, pet, key.colours, eyeTheme, key.legends, false, parts);
        // A failed call would fail the same way drawn directly: keep what was drawn.
        if (layer.lastStatus != 0) canvas.lastStatus = layer.lastStatus;
    }
    still.bitmap = std::move(bitmap);
    still.key = key;
    still.x = x;
    still.y = y;
    return true;
}

}  // namespace

void DrawKeyboardDirect(Canvas& canvas, const PetState& pet, const KeyboardSkin& skin,
                        std::int32_t eyeTheme, bool showLegends, bool marquee) {
    const KeyboardParts all{true, true, kAllSlots, true};
    DrawKeyboardParts(canvas, pet, DeskColoursOf(skin), eyeTheme, showLegends, marquee, all);
}

bool MouseAtRest(const PetState& pet) {
    constexpr float kStill = 0.004f;  // units: far below a pixel at any scale
    return std::fabs(pet.mouseShiftX.value) < kStill && std::fabs(pet.mouseShiftY.value) < kStill &&
           std::fabs(pet.leftButtonPress.value) < kStill / 2.0f &&
           std::fabs(pet.otherButtonPress.value) < kStill / 2.0f;
}

bool DrawKeyboardKept(Canvas& canvas, const PetState& pet, const KeyboardSkin& skin,
                      std::int32_t eyeTheme, bool showLegends, bool marquee, bool withMouse) {
    // The marquee light lies between the plate and the keycaps and moves every frame.
    if (marquee) return false;
    StillKey key;
    key.colours = DeskColoursOf(skin);
    key.legends = showLegends;
    key.left = PressedSlots(pet);
    key.mouse = withMouse;
    Gdiplus::Matrix world;
    Note(canvas, canvas.graphics->GetTransform(&world));
    Note(canvas, world.GetElements(key.world.data()));
    StillKeyboard& still = Still();
    if ((still.bitmap == nullptr || !(still.key == key)) &&
        !BuildStill(canvas, pet, skin, key, eyeTheme))
        return false;
    {
        const SavedState save(canvas);
        Note(canvas, canvas.graphics->ResetTransform());
        Note(canvas,
             canvas.graphics->SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor));
        Note(canvas, canvas.graphics->SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone));
        Note(canvas, canvas.graphics->DrawImage(still.bitmap.get(), still.x, still.y,
                                                static_cast<INT>(still.bitmap->GetWidth()),
                                                static_cast<INT>(still.bitmap->GetHeight())));
    }
    if (key.left == 0 && pet.keyGlow.empty()) return true;
    const KeyboardParts moving{false, false, key.left, true};
    DrawKeyboardParts(canvas, pet, key.colours, eyeTheme, showLegends, marquee, moving);
    return true;
}

void DrawKeyboard(Canvas& canvas, const PetState& pet, const KeyboardSkin& skin,
                  std::int32_t eyeTheme, bool showLegends, bool marquee) {
    if (!DrawKeyboardKept(canvas, pet, skin, eyeTheme, showLegends, marquee, false))
        DrawKeyboardDirect(canvas, pet, skin, eyeTheme, showLegends, marquee);
}

void DrawMouseAndKeyboard(Canvas& canvas, const PetState& pet, const KeyboardSkin& skin,
                          std::int32_t eyeTheme, bool showLegends, bool marquee) {
    const bool keepMouse = MouseAtRest(pet);
    if (DrawKeyboardKept(canvas, pet, skin, eyeTheme, showLegends, marquee, keepMouse)) {
        if (!keepMouse) DrawMouse(canvas, pet, skin);  // it never overlaps the keyboard
        return;
    }
    DrawMouse(canvas, pet, skin);
    DrawKeyboardDirect(canvas, pet, skin, eyeTheme, showLegends, marquee);
}

void ReleaseKeyboardCache() {
    Still().bitmap.reset();
}
