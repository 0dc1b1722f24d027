#include "draw/color.h"
#include "base/small_math.h"

#include <algorithm>
#include <cmath>

namespace {

std::uint32_t ByteOf(double v01) {
    return static_cast<std::uint32_t>(std::lround(Clamp01(v01) * 255.0));
}

std::uint32_t ClampByte(double v) {
    if (!(v > 0.0)) return 0;
    return v >= 255.0 ? 255u : static_cast<std::uint32_t>(v);
}

}  // namespace

Argb ColorToArgb(const SkinColor& c) {
    return MakeArgb(ByteOf(c.a), ByteOf(c.r), ByteOf(c.g), ByteOf(c.b));
}

Argb ColorToArgbAlpha(const SkinColor& c, std::uint8_t alpha) {
    return MakeArgb(alpha, ByteOf(c.r), ByteOf(c.g), ByteOf(c.b));
}

Argb ScaleAlpha(Argb argb, double k) {
    const double a = std::round(static_cast<double>(AlphaOf(argb)) * Clamp01(k));
    return (argb & 0x00FFFFFFu) | (ClampByte(a) << 24);
}

Argb WithAlpha(Argb argb, double k) {
    const double a = std::round(255.0 * Clamp01(k));
    return (argb & 0x00FFFFFFu) | (ClampByte(a) << 24);
}

Argb LerpArgb(Argb a, Argb b, double t) {
    const double k = Clamp01(t);
    Argb out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const double ca = static_cast<double>((a >> shift) & 0xFFu);
        const double cb = static_cast<double>((b >> shift) & 0xFFu);
        const double v = std::trunc(ca + (cb - ca) * k + 0.5);
        out |= ClampByte(v) << shift;
    }
    return out;
}

SkinColor SkinColorFromRgb(std::uint32_t rgb, std::uint8_t alpha) {
    SkinColor c;
    c.r = static_cast<double>((rgb >> 16) & 0xFFu) / 255.0;
    c.g = static_cast<double>((rgb >> 8) & 0xFFu) / 255.0;
    c.b = static_cast<double>(rgb & 0xFFu) / 255.0;
    c.a = static_cast<double>(alpha) / 255.0;
    c.set = true;
    return c;
}

double Luma709(const SkinColor& c) {
    return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b;
}

double Luma601(const SkinColor& c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

bool SameColor(const SkinColor& a, const SkinColor& b) {
    return a.set == b.set && a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}
