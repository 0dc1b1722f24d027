#include "desk/desk_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwchar>

#include "base/small_math.h"

namespace {

// Keycaps sit slightly inside their slots.
constexpr float kKeycapInsetU = 0.0028f;
constexpr float kKeycapInsetV = 0.014f;
constexpr float kPressPush = 1.9f;
constexpr float kSpaceLegendAlong = 0.82f;
constexpr float kMarqueeDecay = 8.0f;

Vec2 Down(Vec2 p, float t) {
    return {p.x, p.y + t};
}

}  // namespace

KeycapShape KeycapShapeOf(const KeySlot& slot, float pressLevel) {
    const float t = kPressPush * pressLevel;
    const float uLo = 1.0f - (slot.x + slot.width) + kKeycapInsetU;
    const float uHi = 1.0f - slot.x - kKeycapInsetU;
    const float vFar = 1.0f - static_cast<float>(slot.row + 1) / 5.0f + kKeycapInsetV;
    const float vNear = 1.0f - static_cast<float>(slot.row) / 5.0f - kKeycapInsetV;
    KeycapShape shape;
    shape.corners = {Down(KeyboardPoint(uLo, vFar), t), Down(KeyboardPoint(uHi, vFar), t),
                     Down(KeyboardPoint(uHi, vNear), t), Down(KeyboardPoint(uLo, vNear), t)};
    for (const Vec2& c : shape.corners) {
        shape.centre.x += c.x / 4.0f;
        shape.centre.y += c.y / 4.0f;
    }
    shape.legendAt = shape.centre;
    if (slot.key == PhysicalKey::Space)
        shape.legendAt =
            Down(KeyboardPoint(uLo + kSpaceLegendAlong * (uHi - uLo), (vFar + vNear) / 2.0f), t);
    return shape;
}

float MarqueeStrength(Vec2 point, float phase) {
    const float e = phase - std::floor(phase);
    const float along = (point.x - kPlateDiagonalStart.x) * kPlateDiagonal.x +
                        (point.y - kPlateDiagonalStart.y) * kPlateDiagonal.y;
    const float q = Clamp01(along / kPlateDiagonalLengthSquared);
    float d = e - q;
    if (d < 0.0f) d += 1.0f;
    return std::exp(-kMarqueeDecay * d);
}

std::uint32_t MarqueeBandAlpha(int stop, int stopCount, float phase) {
    const double e = static_cast<double>(phase) - std::floor(static_cast<double>(phase));
    double d = e - static_cast<double>(stop) / static_cast<double>(stopCount - 1);
    if (d < 0.0) d += 1.0;
    const double alpha = std::clamp(200.0 * std::exp(-8.0 * d), 0.0, 255.0);
    return static_cast<std::uint32_t>(alpha);
}

std::wstring_view KeycapText(PhysicalKey key) {
    if (key == PhysicalKey::Space) return L"space";
    return KeyCapLegend(key);
}

float LegendFontSize(std::wstring_view text) {
    return text.size() == 1 ? 5.2f : 3.9f;
}

Vec2 TabletPoint(float u, float v) {
    const float farX = 18.0f + 76.0f * u;
    const float nearX = 13.0f + 78.0f * u;
    const float farY = 235.0f + 5.0f * u;
    const float nearY = 284.0f + 5.0f * u;
    return {farX + (nearX - farX) * v, farY + (nearY - farY) * v};
}

float BadgeWidth(std::wstring_view text) {
    if (text.size() <= 1) return 23.0f;
    if (text.size() == 2) return text[0] < 0x80 ? 30.0f : 34.0f;
    return 38.0f;
}

float BadgeFontSize(std::wstring_view text) {
    return text.size() == 1 ? 11.0f : 9.2f;
}

float BadgePopScale(float t) {
    constexpr float kGrow = 0.09f;
    if (t < kGrow) return 0.72f + 0.38f * std::sin((t / kGrow) * 3.14159f * 0.65f);
    if (t < 2.0f * kGrow) return 1.1f - ((t - kGrow) / kGrow) * 0.1f;
    return 1.0f;
}

BadgeFade BadgeFadeOf(float age, float life) {
    constexpr float kFadeFrom = 0.62f;
    BadgeFade fade;
    const float r = life > 0.0f ? age / life : 1.0f;
    if (r < kFadeFrom) return fade;
    fade.g = std::max(0.0f, 1.0f - (r - kFadeFrom) / (1.0f - kFadeFrom));
    fade.alpha = static_cast<std::uint32_t>(255.0f * fade.g) & 0xFFu;
    fade.visible = fade.alpha >= 4;
    return fade;
}

std::wstring TransformReadout(float scale, float rotationDegrees, bool flipped) {
    int d = static_cast<int>(std::lround(rotationDegrees));
    if (d == -180) d = 180;
    const double p = static_cast<double>(scale) * 100.0;
    wchar_t buffer[48];
    if (d != 0 && flipped) {
        std::swprintf(buffer, 48, L"%.0f%% \u00B7 %d\u00B0 \u00B7 \u21C4", p, d);
    } else if (d != 0) {
        std::swprintf(buffer, 48, L"%.0f%% \u00B7 %d\u00B0", p, d);
    } else if (flipped) {
        std::swprintf(buffer, 48, L"%.0f%% \u00B7 \u21C4", p);
    } else {
        std::swprintf(buffer, 48, L"%.0f%%", p);
    }
    return buffer;
}
