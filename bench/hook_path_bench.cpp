// The keyboard hook runs inside every key event of the whole system, so its
// path (convert, update the key sets, return) must stay in the nanoseconds.
#include <benchmark/benchmark.h>

#include "input/input_monitor.h"
#include "input/scripted_input.h"

namespace {

constexpr uint32_t kWmKeyDown = 0x0100;
constexpr uint32_t kWmKeyUp = 0x0101;

struct BenchMonitor {
    BenchMonitor() {
        system.now = 1.0;
        system.cursor = ScreenPoint{100, 100};
        ConnectScriptedInput(monitor, system);
        monitor.onKeyDown = [this](PhysicalKey key) { strikes += static_cast<int>(key); };
    }
    ScriptedInput system;
    InputMonitor monitor;
    int strikes = 0;
};

void HookEvent(InputMonitor& monitor, uint32_t message, uint32_t scan, uint32_t vk) {
    if (const auto event = KeyEventFromHook(message, scan, 0, vk)) {
        OnKeyEvent(monitor, event->key, event->down, event->virtualKey);
    }
}

// One event per iteration, alternating press and release of a letter.
void BM_HookPressRelease(benchmark::State& state) {
    BenchMonitor b;
    bool press = true;
    for (auto _ : state) {
        b.system.now += 0.01;
        HookEvent(b.monitor, press ? kWmKeyDown : kWmKeyUp, 0x1E, 'A');
        press = !press;
    }
    benchmark::DoNotOptimize(b.strikes);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HookPressRelease);

// Auto-repeat of a held key: the most frequent event, which must change nothing.
void BM_HookAutoRepeat(benchmark::State& state) {
    BenchMonitor b;
    HookEvent(b.monitor, kWmKeyDown, 0x1E, 'A');
    for (auto _ : state) {
        b.system.now += 0.03;
        HookEvent(b.monitor, kWmKeyDown, 0x1E, 'A');
    }
    benchmark::DoNotOptimize(b.monitor.keyPressCount);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HookAutoRepeat);

// A key the pet does not know (Home): converted and dropped.
void BM_HookIgnoredKey(benchmark::State& state) {
    BenchMonitor b;
    for (auto _ : state) HookEvent(b.monitor, kWmKeyDown, 0x47, 0x24);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HookIgnoredKey);

// The same press through the raw-input path.
void BM_RawKeyboardPressRelease(benchmark::State& state) {
    BenchMonitor b;
    bool press = true;
    for (auto _ : state) {
        b.system.now += 0.01;
        HandleRawKeyboard(b.monitor, 0x1E, press ? 0 : kRawKeyBreak, 'A');
        press = !press;
    }
    benchmark::DoNotOptimize(b.strikes);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RawKeyboardPressRelease);

// The per-frame work: cursor, 78 polled keys and 3 buttons, with three keys held.
void BM_FrameStepWithHeldKeys(benchmark::State& state) {
    BenchMonitor b;
    for (uint16_t vk : {uint16_t{'A'}, uint16_t{'S'}, uint16_t{'D'}})
        SetKeyDown(b.system, vk, true);
    HandleRawKeyboard(b.monitor, 0x1E, 0, 'A');
    HandleRawKeyboard(b.monitor, 0x1F, 0, 'S');
    for (auto _ : state) {
        b.system.now += 1.0 / 60.0;
        HandleRawKeyboard(b.monitor, 0x1E, 0, 'A');  // keeps the events fresh
        FrameStep(b.monitor, 1.0f / 60.0f);
    }
    benchmark::DoNotOptimize(b.monitor.heldKeys.size());
}
BENCHMARK(BM_FrameStepWithHeldKeys);

}  // namespace
