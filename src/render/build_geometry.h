#pragma once

#include <array>
#include <cstddef>

#include "skins/cat_skin.h"

// Per-build measurements of the seated cat: silhouette, ears, tail width,
// hind feet and front paws. Row 0 is the standard build, row 1 the sleek one.
inline constexpr std::size_t kBuildGeometryCount = 37;
using BuildGeometryRow = std::array<float, kBuildGeometryCount>;

inline constexpr std::array<BuildGeometryRow, 2> kBuildGeometry{{
    {{0.0f,   42.5f,  26.0f, -30.0f, 5.0f,   -14.0f, 2.5f,  24.0f,  49.0f, 51.5f,
      -48.0f, 47.0f,  36.0f, 24.0f,  0.06f,  32.0f,  9.0f,  -16.0f, 35.0f, -5.0f,
      24.5f,  -20.0f, 3.8f,  11.0f,  -35.0f, 17.0f,  18.0f, 3.0f,   11.0f, 4.5f,
      12.5f,  30.0f,  18.0f, 16.0f,  20.0f,  19.0f,  13.5f}},
    {{-3.0f,  42.5f,  25.0f, -29.5f, 6.5f,   -13.0f, 6.5f,  27.5f,  44.5f, 41.0f,
      -50.0f, 42.0f,  32.0f, 22.0f,  0.14f,  29.5f,  10.0f, -16.5f, 35.5f, -4.5f,
      25.0f,  -18.5f, 4.2f,  9.5f,   -31.0f, 15.5f,  15.5f, 3.5f,   12.0f, 4.5f,
      12.5f,  31.0f,  16.5f, 15.0f,  18.5f,  17.0f,  12.5f}},
}};

inline const BuildGeometryRow& BuildGeometryFor(CatBuild build) {
    return kBuildGeometry[build == CatBuild::Sleek ? 1 : 0];
}
