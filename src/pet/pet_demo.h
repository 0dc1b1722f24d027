#pragma once

#include <array>
#include <cstdint>

#include "keys/physical_key.h"

struct PetState;
struct Settings;

// The keys the demo strikes, 0.13 s apart.
inline constexpr std::array<PhysicalKey, 10> kDemoKeys{
    PhysicalKey::W, PhysicalKey::A, PhysicalKey::S, PhysicalKey::D,     PhysicalKey::F,
    PhysicalKey::J, PhysicalKey::O, PhysicalKey::E, PhysicalKey::Space, PhysicalKey::LeftShift,
};
inline constexpr double kDemoInterval = 0.13;

struct DemoSequence {
    bool active = false;
    double start = 0.0;  // monotonic seconds
    std::int32_t index = 0;
};

void StartDemo(DemoSequence& demo, double now);

// Strikes every demo key that is due by now (only strikes: no key is ever
// held) and ends the demo after the last one. Returns the number struck.
int StepDemo(DemoSequence& demo, PetState& pet, const Settings& settings, bool douniTyping,
             double now);
