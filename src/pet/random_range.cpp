#include "pet/random_range.h"

#include <random>

namespace {

std::mt19937& ThreadGenerator() {
    thread_local std::mt19937 generator{std::random_device{}()};
    return generator;
}

}  // namespace

float RandomRange(float a, float b) {
    const float u = static_cast<float>(ThreadGenerator()() >> 8) * (1.0f / 16777216.0f);
    return a + (b - a) * u;
}

void SeedRandomRange(std::uint32_t seed) {
    ThreadGenerator().seed(seed);
}
