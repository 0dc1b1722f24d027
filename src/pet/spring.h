#pragma once

// A damped spring: most animated values of the pet are one of these. Other
// code kicks `velocity` and moves `target`; StepSpring follows.
struct Spring {
    float value = 0.0f;
    float velocity = 0.0f;
    float target = 0.0f;
};

// A spring at rest at v (value and target v, no velocity).
constexpr Spring SpringAt(float v) {
    return Spring{v, 0.0f, v};
}

// One semi-implicit Euler step with stiffness k and damping d.
void StepSpring(Spring& spring, float dt, float k, float d);

// The value clamped to 0..1, used wherever a spring acts as a mood level.
float SpringLevel(const Spring& spring);
