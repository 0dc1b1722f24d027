#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/geometry.h"
#include "keys/key_layout.h"

// Corners of a quadrilateral: far left, far right, near right, near left.
using Quad = std::array<Vec2, 4>;

// The keyboard's slab, seen from the cat's side.
inline constexpr Quad kKeyboardShadow{{{107.18127f, 242.63248f},
                                       {282.8587f, 251.80753f},
                                       {289.13504f, 301.46063f},
                                       {99.82496f, 291.09937f}}};
inline constexpr Quad kKeyboardBody{{{107.18127f, 240.63248f},
                                     {282.8587f, 249.80753f},
                                     {289.13504f, 298.46063f},
                                     {99.82496f, 288.09937f}}};
inline constexpr Quad kKeyboardPlate{{{107.18127f, 236.13248f},
                                      {282.8587f, 245.30753f},
                                      {289.13504f, 293.96063f},
                                      {99.82496f, 283.59937f}}};
// The plate's diagonal, along which the marquee light travels.
inline constexpr Vec2 kPlateDiagonalStart{107.18127f, 236.13248f};
inline constexpr Vec2 kPlateDiagonal{181.95377f, 57.828156f};
inline constexpr float kPlateDiagonalLengthSquared = 36451.266f;

// A keycap on the plate, pushed down by its press level.
struct KeycapShape {
    Quad corners;
    Vec2 centre;
    Vec2 legendAt;
};
KeycapShape KeycapShapeOf(const KeySlot& slot, float pressLevel);

// Strength H (0..1] of the marquee light on a point of the plate for the
// marquee phase; the light is brightest at the phase's point of the diagonal
// and decays behind it.
float MarqueeStrength(Vec2 point, float phase);
// Alpha byte of stop i (of n) of the plate's light band.
std::uint32_t MarqueeBandAlpha(int stop, int stopCount, float phase);

// Legend of a keycap: "space" on the space bar, else the key's cap legend.
std::wstring_view KeycapText(PhysicalKey key);
// Legend size in pixel units: one character is set larger.
float LegendFontSize(std::wstring_view text);

// The tablet's top face, addressed bilinearly: u along the far edge, v toward
// the viewer.
Vec2 TabletPoint(float u, float v);

// Key and click badges: width, pop-in scale and fade.
float BadgeWidth(std::wstring_view text);
float BadgeFontSize(std::wstring_view text);
float BadgePopScale(float age);
struct BadgeFade {
    float g = 1.0f;             // fade of the dark lip
    std::uint32_t alpha = 255;  // face, outline and text
    bool visible = true;
};
BadgeFade BadgeFadeOf(float age, float life);

// The readout of the resize-and-direction mode, such as "125% · 30° · ⇄".
std::wstring TransformReadout(float scale, float rotationDegrees, bool flipped);
