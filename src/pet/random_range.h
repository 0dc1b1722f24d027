#pragma once

#include <cstdint>

// a + (b - a) * u with u uniform in [0, 1) at 24-bit resolution, drawn from
// this thread's 32-bit Mersenne Twister (seeded from the random device on
// first use).
float RandomRange(float a, float b);

// Reseeds this thread's generator, so a test can replay the same draws.
void SeedRandomRange(std::uint32_t seed);
