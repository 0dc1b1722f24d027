#include "render/tabby_texture_win32.h"

#include <array>
#include <cmath>
#include <string>

#include "skins/cat_skin.h"

namespace {

constexpr Argb kTabbyBase = 0xFFCAB495u;
constexpr Argb kTabbyDark = 0xFF40362Bu;

// The Stage area the seated cat's silhouette can reach (before the dizzy
// sway, which moves the brush with the cat).
constexpr float kAreaX = 60.0f;
constexpr float kAreaY = 30.0f;
constexpr float kAreaW = 260.0f;
constexpr float kAreaH = 280.0f;

struct CachedTexture {
    std::string skinId;
    const CatSkin* skin = nullptr;
    float pixelsPerUnit = 0.0f;
    std::unique_ptr<Gdiplus::Bitmap> bitmap;
    std::unique_ptr<Gdiplus::TextureBrush> brush;
};

// A few entries: the overlay and the dressing-room preview draw at different
// densities and must not evict each other every frame.
// Never destroyed at exit: GDI+ may be shut down by then. ClearTabbyTextures
// frees the entries while it still runs.
std::array<CachedTexture, 4>& Cache() {
    static auto* cache = new std::array<CachedTexture, 4>();
    return *cache;
}
std::size_t& NextSlot() {
    static std::size_t next = 0;
    return next;
}

void Stroke(Gdiplus::Graphics& g, const Gdiplus::Pen& pen, Vec2 a, Vec2 c, Vec2 b) {
    constexpr float k = 0.6666667f;
    g.DrawBezier(&pen, a.x, a.y, a.x + (c.x - a.x) * k, a.y + (c.y - a.y) * k,
                 b.x + (c.x - b.x) * k, b.y + (c.y - b.y) * k, b.x, b.y);
}

// Mackerel stripes down the flanks, bars on the forehead and cheeks, a dark
// line down the spine of the chest, all in Stage coordinates.
void PaintTabbyFur(Gdiplus::Graphics& g) {
    Gdiplus::Pen wide(
        Gdiplus::Color(static_cast<Gdiplus::ARGB>(0xB0000000u | (kTabbyDark & 0xFFFFFFu))), 5.0f);
    Gdiplus::Pen thin(
        Gdiplus::Color(static_cast<Gdiplus::ARGB>(0xA0000000u | (kTabbyDark & 0xFFFFFFu))), 2.6f);
    for (Gdiplus::Pen* pen : {&wide, &thin}) {
        pen->SetLineCap(Gdiplus::LineCapRound, Gdiplus::LineCapRound, Gdiplus::DashCapRound);
        pen->SetLineJoin(Gdiplus::LineJoinRound);
    }
    const float cx = 184.0f;
    // Flank stripes, bending down toward the belly.
    for (int row = 0; row < 7; ++row) {
        const float y = 150.0f + 15.0f * static_cast<float>(row);
        for (float s : {-1.0f, 1.0f}) {
            const float inner = 20.0f + 2.0f * static_cast<float>(row % 2);
            Stroke(g, row % 2 == 0 ? wide : thin, {cx + s * inner, y + 6.0f},
                   {cx + s * 40.0f, y - 8.0f}, {cx + s * 70.0f, y + 2.0f});
        }
    }
    // Forehead bars: the "M" of a tabby.
    for (int i = -2; i <= 2; ++i) {
        const float x = cx + 7.0f * static_cast<float>(i);
        const float top = 90.0f + 2.5f * static_cast<float>(i * i);
        Stroke(g, i == 0 ? wide : thin, {x, top}, {x + 0.6f * static_cast<float>(i), top + 8.0f},
               {x + 1.6f * static_cast<float>(i), top + 17.0f - static_cast<float>(i * i)});
    }
    // Cheek bars, reaching in from the outside of the face.
    for (float s : {-1.0f, 1.0f}) {
        for (int i = 0; i < 2; ++i) {
            const float y = 126.0f + 8.0f * static_cast<float>(i);
            Stroke(g, thin, {cx + s * 58.0f, y}, {cx + s * 48.0f, y + 4.0f},
                   {cx + s * 38.0f, y + 1.0f});
        }
    }
    // Back of the neck, seen over the shoulders.
    for (float s : {-1.0f, 1.0f}) {
        Stroke(g, wide, {cx + s * 50.0f, 150.0f}, {cx + s * 56.0f, 162.0f},
               {cx + s * 60.0f, 178.0f});
    }
}

float DensityFor(Canvas& canvas) {
    Gdiplus::Matrix world;
    Note(canvas, canvas.graphics->GetTransform(&world));
    Gdiplus::REAL m[6] = {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    Note(canvas, world.GetElements(m));
    const float s = std::max(std::hypot(m[0], m[1]), std::hypot(m[2], m[3]));
    // Steps of half a pixel, so slow resizing does not rebuild every frame.
    return std::clamp(std::ceil(s * 2.0f) / 2.0f, 2.0f, 6.0f);
}

}  // namespace

const Gdiplus::TextureBrush* TabbyFurBrush(Canvas& canvas, const CatSkin& skin) {
    const float density = DensityFor(canvas);
    for (CachedTexture& entry : Cache()) {
        if (entry.brush != nullptr && entry.skin == &skin && entry.skinId == skin.id &&
            entry.pixelsPerUnit == density) {
            return entry.brush.get();
        }
    }
    const INT width = static_cast<INT>(std::ceil(kAreaW * density));
    const INT height = static_cast<INT>(std::ceil(kAreaH * density));
    auto bitmap = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
    Note(canvas, bitmap->GetLastStatus());
    if (bitmap->GetLastStatus() != Gdiplus::Ok) return nullptr;
    if (canvas.stats != nullptr) ++canvas.stats->offscreenBitmaps;
    {
        Gdiplus::Graphics g(bitmap.get());
        g.Clear(ToColor(kTabbyBase));
        g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
        g.ScaleTransform(density, density);
        g.TranslateTransform(-kAreaX, -kAreaY);
        PaintTabbyFur(g);
    }
    auto brush = std::make_unique<Gdiplus::TextureBrush>(bitmap.get(), Gdiplus::WrapModeClamp);
    Note(canvas, brush->GetLastStatus());
    if (brush->GetLastStatus() != Gdiplus::Ok) return nullptr;
    brush->TranslateTransform(kAreaX, kAreaY);
    brush->ScaleTransform(1.0f / density, 1.0f / density);

    CachedTexture& slot = Cache()[NextSlot()];
    NextSlot() = (NextSlot() + 1) % Cache().size();
    slot.brush.reset();  // the brush refers to the bitmap; drop it first
    slot.skin = &skin;
    slot.skinId = skin.id;
    slot.pixelsPerUnit = density;
    slot.bitmap = std::move(bitmap);
    slot.brush = std::move(brush);
    return slot.brush.get();
}

void ClearTabbyTextures() {
    for (CachedTexture& entry : Cache()) {
        entry.brush.reset();
        entry.bitmap.reset();
        entry.skin = nullptr;
        entry.skinId.clear();
    }
}
