#include "pet/spring.h"

#include <algorithm>

void StepSpring(Spring& spring, float dt, float k, float d) {
    spring.velocity += ((spring.target - spring.value) * k - spring.velocity * d) * dt;
    spring.value += spring.velocity * dt;
}

float SpringLevel(const Spring& spring) {
    return std::clamp(spring.value, 0.0f, 1.0f);
}
