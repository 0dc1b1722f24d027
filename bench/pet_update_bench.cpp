// One frame update of a busy pet: four keys held (paws, foot and tail on
// keys), sixteen badges and a dozen particles alive, the pointer moving.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "input/input_monitor.h"
#include "pet/pet_input_hookup.h"
#include "pet/pet_reactions.h"
#include "pet/pet_state.h"
#include "pet/pet_update.h"
#include "settings/settings.h"

namespace {

void BM_UpdatePetState(benchmark::State& state) {
    PetState pet;
    InputMonitor input;
    Settings settings;
    double now = 1000.0;
    ScreenPoint cursor{400, 300};
    std::array<bool, 256> down{};  // asynchronous key state by virtual key
    input.system.now = [&now] { return now; };
    input.system.keyDown = [&down](uint16_t virtualKey) {
        return virtualKey < down.size() && down[virtualKey];
    };
    input.system.readCursor = [&cursor](ScreenPoint& out) {
        out = cursor;
        return true;
    };
    ConnectPetToInput(input, pet, settings, [] { return PetSkinStyle{}; });

    for (const char letter : {'Q', 'A', 'J', 'L'}) {
        down[static_cast<std::size_t>(letter)] = true;
        const PhysicalKey key =
            KeyPollTable[static_cast<std::size_t>(letter - 'A')].key;  // letters come first
        OnKeyEvent(input, key, true, static_cast<uint16_t>(letter));
    }
    // A busy second: sixteen fresh badges and a dozen particles, renewed
    // every 60 frames so they stay alive at realistic ages.
    const auto refill = [&pet, &now] {
        for (int i = 0; i < 16; ++i) SpawnBadge(pet, L"W", {180.0f, 260.0f}, now);
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
        now += 1.0 / 60.0;
        cursor.x += (++step % 2 == 0) ? 7 : -5;
        frame.now = now;
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
