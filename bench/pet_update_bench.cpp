// One frame update of a busy pet: four keys held (paws, foot and tail on
// keys), sixteen badges and a dozen particles alive, the pointer moving.
#include <benchmark/benchmark.h>

#include "input/input_monitor.h"
#include "input/scripted_input.h"
#include "pet/pet_input_hookup.h"
#include "pet/pet_reactions.h"
#include "pet/pet_state.h"
#include "pet/pet_update.h"
#include "settings/settings.h"

namespace {

void BM_UpdatePetState(benchmark::State& state) {
    ScriptedInput system;
    system.now = 1000.0;
    system.cursor = ScreenPoint{400, 300};
    PetState pet;
    InputMonitor input;
    Settings settings;
    ConnectScriptedInput(input, system);
    ConnectPetToInput(input, pet, settings, [] { return PetSkinStyle{}; });

    for (const PhysicalKey key : {PhysicalKey::Q, PhysicalKey::A, PhysicalKey::J, PhysicalKey::L}) {
        SendKey(system, input, key, true);
    }
    // A busy second: sixteen fresh badges and a dozen particles, renewed
    // every 60 frames so they stay alive at realistic ages.
    const auto refill = [&pet, &system] {
        for (int i = 0; i < 16; ++i) SpawnBadge(pet, L"W", {180.0f, 260.0f}, system.now);
        pet.particles.clear();
        for (int i = 0; i < 12; ++i) {
            pet.particles.push_back(
                Particle{184.0f, 90.0f, 3.0f, -20.0f, 0.0f, 1.1f, ParticleKind::PurrSparkle});
        }
    };
    refill();

    PetFrameContext frame;
    frame.window = ScreenRect{1500, 700, 1860, 1020};
    frame.cursorScreen = ScreenRect{0, 0, 1920, 1080};
    int step = 0;
    for (auto _ : state) {
        if (step % 60 == 59) refill();
        system.now += 1.0 / 60.0;
        system.cursor.x += (++step % 2 == 0) ? 7 : -5;
        frame.now = system.now;
        UpdatePetState(pet, frame, input, settings);
        // A copy: handing the member itself to DoNotOptimize let GCC clobber it.
        const float paw = pet.rightPawX.value;
        benchmark::DoNotOptimize(paw);
    }
    state.counters["badges"] = static_cast<double>(pet.badges.size());
    state.counters["held"] = static_cast<double>(input.heldKeys.size());
}
BENCHMARK(BM_UpdatePetState);

}  // namespace
