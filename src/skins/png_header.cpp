#include "skins/png_header.h"

#include <array>

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::uint32_t kMaxSide = 4096;

std::uint32_t BigEndian32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
           (std::uint32_t{bytes[at + 2]} << 8) | std::uint32_t{bytes[at + 3]};
}

}  // namespace

bool ReadPngHeader(const std::vector<std::uint8_t>& png, PngSize& size) {
    if (png.size() <= 32) return false;
    for (std::size_t i = 0; i < kSignature.size(); ++i) {
        if (png[i] != kSignature[i]) return false;
    }
    if (png[12] != 'I' || png[13] != 'H' || png[14] != 'D' || png[15] != 'R') return false;
    const std::uint32_t width = BigEndian32(png, 16);
    const std::uint32_t height = BigEndian32(png, 20);
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) return false;
    size.width = static_cast<std::int32_t>(width);
    size.height = static_cast<std::int32_t>(height);
    return true;
}
