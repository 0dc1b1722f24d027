#pragma once

#include <cstdint>
#include <vector>

struct PngSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// Checks the PNG signature and IHDR chunk and reads the picture size, which
// must be 1..4096 each way. The picture itself is decoded only when drawn.
bool ReadPngHeader(const std::vector<std::uint8_t>& png, PngSize& size);
