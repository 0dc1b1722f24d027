#pragma once

#include <memory>
#include <string_view>

#include "draw/canvas_win32.h"

// Bold text of one font family, sized in world units and centred in a box:
// the family and the centring format are made once per drawer call.
struct TextStyle {
    TextStyle(Canvas& canvas, const wchar_t* familyName);
    Gdiplus::FontFamily family;
    Gdiplus::StringFormat centred;
};

inline constexpr const wchar_t* kUiFontFamily = L"Segoe UI";

std::unique_ptr<Gdiplus::Font> MakeBoldFont(Canvas& canvas, const TextStyle& style, float size);

// Draws text centred both ways in the box (x, y, w, h).
void DrawTextCentred(Canvas& canvas, const TextStyle& style, const Gdiplus::Font& font,
                     std::wstring_view text, Argb colour, float x, float y, float w, float h);

// Width of the text set in the font with no layout box and no format.
float MeasureTextWidth(Canvas& canvas, const Gdiplus::Font& font, std::wstring_view text);

// Fills an ellipse with a radial gradient from its centre colour to its rim colour.
void FillEllipseGlow(Canvas& canvas, float cx, float cy, float rx, float ry, Argb centre, Argb rim);
