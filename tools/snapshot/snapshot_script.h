#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "input/input_monitor.h"
#include "input/scripted_input.h"
#include "keys/physical_key.h"
#include "pet/pet_state.h"
#include "pet/pet_touch.h"
#include "pet/pet_update.h"
#include "settings/settings.h"

struct CatSkin;

// One step of a snapshot script.
enum class ScriptOp : std::int32_t { Press, Release, Click, Move, Wait, Shot, Grab, Drag, Drop };

struct ScriptStep {
    ScriptOp op = ScriptOp::Wait;
    PhysicalKey key = PhysicalKey::None;
    std::int32_t button = 0;  // 0 left, 1 right, 2 middle
    float x = 0.0f;           // Stage units; for drag the window step in pixels
    float y = 0.0f;
    float seconds = 0.0f;
    std::string file;
};

// Steps separated by ';' or new lines: "press KEY", "release KEY",
// "click left|right|middle", "move X Y", "wait SECONDS", "shot FILE.png",
// and the window drag: "grab", "drag DX DY" (the window moves by DX, DY
// pixels during the next frame), "drop".
// On failure returns false and names the bad step in error.
bool ParseSnapshotScript(std::string_view text, std::vector<ScriptStep>& steps, std::string& error);

// The pet driven through the real input monitor, frame update and reactions
// on a simulated clock with a fixed 1/60 s step.
struct SnapshotSimulation {
    ScriptedInput system;  // the clock, keys and cursor
    Settings settings;
    const CatSkin* skin = nullptr;
    ScreenRect window;
    InputMonitor input;
    PetState pet;
    HeadHover hover;
    // Called after every simulated frame when set (the frame writer).
    std::function<void(const SnapshotSimulation&)> afterFrame;
};

inline constexpr double kSnapshotStep = 1.0 / 60.0;

// Sets up the monitor's system functions on the simulated state and hooks
// the pet's reactions to it. The clock starts at 1000 s and the cursor off the
// window until the script moves it. The window is the Stage at the settings' scale
// with its corner at the screen origin.
void StartSimulation(SnapshotSimulation& sim, const Settings& settings, const CatSkin& skin);
// One frame: pet update, sanity reset, pointer over the pet.
void StepSimulation(SnapshotSimulation& sim);

// Runs the steps; `shot` calls shoot with the file name and the simulation.
// Returns false with error set when shoot fails.
bool RunSnapshotScript(
    SnapshotSimulation& sim, const std::vector<ScriptStep>& steps,
    const std::function<bool(const std::string& file, const SnapshotSimulation& sim)>& shoot,
    std::string& error);

// The screen pixel where the renderer draws a Stage point (rotation with
// shrink and the mirror applied), for a window at `window`.
ScreenPoint StageToScreen(float x, float y, const ScreenRect& window, const Settings& settings);
