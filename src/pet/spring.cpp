#include "pet/spring.h"
#include "base/small_math.h"

#include <algorithm>
#include <cmath>

namespace {

// Far below anything visible; a spring this close to rest is put at rest.
constexpr float kRestEpsilon = 1e-6f;

}  // namespace

void StepSpring(Spring& spring, float dt, float k, float d) {
    spring.velocity += ((spring.target - spring.value) * k - spring.velocity * d) * dt;
    spring.value += spring.velocity * dt;
    // Otherwise a resting spring decays into subnormal floats, which make
    // every later step many times slower on common CPUs.
    if (std::fabs(spring.velocity) < kRestEpsilon &&
        std::fabs(spring.target - spring.value) < kRestEpsilon) {
        spring.value = spring.target;
        spring.velocity = 0.0f;
    }
}

float SpringLevel(const Spring& spring) {
    return Clamp01(spring.value);
}
