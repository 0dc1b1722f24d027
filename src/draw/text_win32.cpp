#include "draw/text_win32.h"

TextStyle::TextStyle(Canvas& canvas, const wchar_t* familyName) : family(familyName) {
    Note(canvas, family.GetLastStatus());
    Note(canvas, centred.SetAlignment(Gdiplus::StringAlignmentCenter));
    Note(canvas, centred.SetLineAlignment(Gdiplus::StringAlignmentCenter));
}

std::unique_ptr<Gdiplus::Font> MakeBoldFont(Canvas& canvas, const TextStyle& style, float size) {
    auto font = std::make_unique<Gdiplus::Font>(&style.family, size, Gdiplus::FontStyleBold,
                                                Gdiplus::UnitPixel);
    Note(canvas, font->GetLastStatus());
    return font;
}

void DrawTextCentred(Canvas& canvas, const TextStyle& style, const Gdiplus::Font& font,
                     std::wstring_view text, Argb colour, float x, float y, float w, float h) {
    const Gdiplus::SolidBrush brush(ToColor(colour));
    Note(canvas, brush.GetLastStatus());
    const Gdiplus::RectF box(x, y, w, h);
    Note(canvas, canvas.graphics->DrawString(text.data(), static_cast<INT>(text.size()), &font, box,
                                             &style.centred, &brush));
}

float MeasureTextWidth(Canvas& canvas, const Gdiplus::Font& font, std::wstring_view text) {
    Gdiplus::RectF bounds;
    Note(canvas, canvas.graphics->MeasureString(text.data(), static_cast<INT>(text.size()), &font,
                                                Gdiplus::PointF(0.0f, 0.0f), &bounds));
    return bounds.Width;
}

void FillEllipseGlow(Canvas& canvas, float cx, float cy, float rx, float ry, Argb centre,
                     Argb rim) {
    PathBuilder path(canvas);
    path.Ellipse(cx - rx, cy - ry, 2.0f * rx, 2.0f * ry);
    Gdiplus::PathGradientBrush brush(&path.path());
    Note(canvas, brush.GetLastStatus());
    Note(canvas, brush.SetCenterPoint(Gdiplus::PointF(cx, cy)));
    Note(canvas, brush.SetCenterColor(ToColor(centre)));
    Gdiplus::Color surround = ToColor(rim);
    INT count = 1;
    Note(canvas, brush.SetSurroundColors(&surround, &count));
    FillPath(canvas, brush, path);
}
