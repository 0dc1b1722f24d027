#pragma once

#include <cstdint>

#include "skins/skin_color.h"

// 32-bit ARGB, alpha in the top byte (the layout GDI+ uses).
using Argb = std::uint32_t;

constexpr Argb MakeArgb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}
constexpr std::uint32_t AlphaOf(Argb c) {
    return c >> 24;
}
constexpr std::uint32_t RedOf(Argb c) {
    return (c >> 16) & 0xFFu;
}
constexpr std::uint32_t GreenOf(Argb c) {
    return (c >> 8) & 0xFFu;
}
constexpr std::uint32_t BlueOf(Argb c) {
    return c & 0xFFu;
}

// Each channel clamped to 0..1 and rounded to a byte, halves away from zero.
Argb ColorToArgb(const SkinColor& c);
// As ColorToArgb, but with the caller's alpha byte instead of the colour's.
Argb ColorToArgbAlpha(const SkinColor& c, std::uint8_t alpha);
// Alpha multiplied by clamp01(k); rgb kept.
Argb ScaleAlpha(Argb argb, double k);
// Alpha replaced by 255 * clamp01(k); rgb kept.
Argb WithAlpha(Argb argb, double k);
// All four channels blended by t (clamped to 0..1).
Argb LerpArgb(Argb a, Argb b, double t);

// The skin colour of a 0xRRGGBB value with an alpha byte, marked set.
SkinColor SkinColorFromRgb(std::uint32_t rgb, std::uint8_t alpha = 255);

// Rec. 709 luma of the colour's rgb (0.2126 r + 0.7152 g + 0.0722 b).
double Luma709(const SkinColor& c);
// Rec. 601 luma (0.299 r + 0.587 g + 0.114 b).
double Luma601(const SkinColor& c);

// Same rgb, alpha and set flag.
bool SameColor(const SkinColor& a, const SkinColor& b);
