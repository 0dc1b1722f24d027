#include "draw/group_opacity_win32.h"

#include <memory>

void ApplyPetRenderingHints(Canvas& canvas) {
    Note(canvas, canvas.graphics->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias));
    Note(canvas, canvas.graphics->SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality));
    Note(canvas, canvas.graphics->SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit));
}

void DrawWithOpacityCore(Canvas& canvas, float x, float y, float w, float h, float opacity,
                         void (*drawGroup)(void* context, Canvas& target), void* context) {
    if (!(opacity > 0.005f)) return;
    if (opacity >= 0.995f) {
        drawGroup(context, canvas);
        return;
    }
    Gdiplus::Matrix world;
    Note(canvas, canvas.graphics->GetTransform(&world));
    Gdiplus::REAL m[6] = {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    Note(canvas, world.GetElements(m));
    const OpacityBitmapSize size = OpacityBitmapSizeFor(w, h, m[0], m[1], m[2], m[3]);

    auto bitmap = std::make_unique<Gdiplus::Bitmap>(size.width, size.height, PixelFormat32bppPARGB);
    Note(canvas, bitmap->GetLastStatus());
    if (bitmap->GetLastStatus() != Gdiplus::Ok) {
        drawGroup(context, canvas);
        return;
    }
    if (canvas.stats != nullptr) ++canvas.stats->offscreenBitmaps;
    {
        Gdiplus::Graphics offscreen(bitmap.get());
        Canvas layer{&offscreen, 0, canvas.stats};
        Note(layer, offscreen.GetLastStatus());
        Note(layer, offscreen.Clear(Gdiplus::Color(0, 0, 0, 0)));
        ApplyPetRenderingHints(layer);
        Scale(layer, static_cast<float>(size.width) / w, static_cast<float>(size.height) / h);
        Translate(layer, -x, -y);
        drawGroup(context, layer);
        if (layer.lastStatus != 0) canvas.lastStatus = layer.lastStatus;
    }
    Gdiplus::ColorMatrix matrix = {
        {{1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1}}};
    matrix.m[3][3] = opacity;
    Gdiplus::ImageAttributes attributes;
    Note(canvas, attributes.SetColorMatrix(&matrix));
    const Gdiplus::PointF corners[3] = {{x, y}, {x + w, y}, {x, y + h}};
    Note(canvas, canvas.graphics->DrawImage(
                     bitmap.get(), corners, 3, 0.0f, 0.0f, static_cast<float>(size.width),
                     static_cast<float>(size.height), Gdiplus::UnitPixel, &attributes));
}
