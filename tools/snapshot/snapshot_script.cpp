#include "snapshot/snapshot_script.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "base/small_math.h"
#include "base/text.h"
#include "draw/draw_geometry.h"
#include "keys/key_names.h"
#include "pet/pet_input_hookup.h"
#include "render/pointer_step.h"
#include "render/scene_frame.h"
#include "skins/cat_skin.h"

namespace {

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        const std::size_t start = i;
        while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

// Raw mouse button flags (RI_MOUSE_*_BUTTON_DOWN; UP is the next bit).
constexpr std::uint16_t kButtonDownFlags[3] = {0x0001, 0x0004, 0x0010};

// Frames of a wait, so "wait 1" is exactly 60 steps.
int FramesFor(float seconds) {
    return static_cast<int>(std::lround(std::max(0.0f, seconds) * 60.0f));
}

}  // namespace

bool ParseSnapshotScript(std::string_view text, std::vector<ScriptStep>& steps,
                         std::string& error) {
    steps.clear();
    std::size_t start = 0;
    int number = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(";\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        const std::vector<std::string_view> words = Words(line);
        if (words.empty()) continue;
        ++number;
        const std::string where =
            "script step " + std::to_string(number) + " \"" + std::string(line) + "\": ";
        ScriptStep step;
        const std::string_view verb = words[0];
        const bool bare = EqualsIgnoringCase(verb, "grab") || EqualsIgnoringCase(verb, "drop");
        const std::size_t want =
            EqualsIgnoringCase(verb, "move") || EqualsIgnoringCase(verb, "drag") ? 3
            : bare                                                               ? 1
                                                                                 : 2;
        if (words.size() != want) {
            error = where + "expected " + std::to_string(want - 1) + " argument(s)";
            return false;
        }
        if (EqualsIgnoringCase(verb, "press") || EqualsIgnoringCase(verb, "release")) {
            step.op = EqualsIgnoringCase(verb, "press") ? ScriptOp::Press : ScriptOp::Release;
            step.key = PhysicalKeyFromName(words[1]);
            if (step.key == PhysicalKey::None || step.key == PhysicalKey::Fn) {
                error = where + "unknown key";
                return false;
            }
        } else if (EqualsIgnoringCase(verb, "click")) {
            step.op = ScriptOp::Click;
            const std::string_view b = words[1];
            if (EqualsIgnoringCase(b, "left") || b == "0") {
                step.button = 0;
            } else if (EqualsIgnoringCase(b, "right") || b == "1") {
                step.button = 1;
            } else if (EqualsIgnoringCase(b, "middle") || b == "2") {
                step.button = 2;
            } else {
                error = where + "button is left, right or middle";
                return false;
            }
        } else if (EqualsIgnoringCase(verb, "move")) {
            step.op = ScriptOp::Move;
            if (!ParseFloat(words[1], step.x) || !ParseFloat(words[2], step.y)) {
                error = where + "coordinates must be numbers";
                return false;
            }
        } else if (bare) {
            step.op = EqualsIgnoringCase(verb, "grab") ? ScriptOp::Grab : ScriptOp::Drop;
        } else if (EqualsIgnoringCase(verb, "drag")) {
            step.op = ScriptOp::Drag;
            if (!ParseFloat(words[1], step.x) || !ParseFloat(words[2], step.y) ||
                std::fabs(step.x) > 10000.0f || std::fabs(step.y) > 10000.0f) {
                error = where + "the window step must be numbers of pixels";
                return false;
            }
        } else if (EqualsIgnoringCase(verb, "wait")) {
            step.op = ScriptOp::Wait;
            if (!ParseFloat(words[1], step.seconds) || step.seconds < 0.0f ||
                step.seconds > 3600.0f) {
                error = where + "seconds must be 0..3600";
                return false;
            }
        } else if (EqualsIgnoringCase(verb, "shot")) {
            step.op = ScriptOp::Shot;
            step.file = std::string(words[1]);
        } else {
            error = where + "unknown command";
            return false;
        }
        steps.push_back(step);
    }
    return true;
}

ScreenPoint StageToScreen(float x, float y, const ScreenRect& window, const Settings& settings) {
    Vec2 p{x, y};
    if (settings.FlipHorizontal) p.x = kStageWidth - p.x;
    if (RotationApplies(settings.RotationDegrees)) {
        const float s = RotationShrink(settings.RotationDegrees);
        const Vec2 shrunk{kStageCentreX + (p.x - kStageCentreX) * s,
                          kStageCentreY + (p.y - kStageCentreY) * s};
        p = RotateAround(shrunk, {kStageCentreX, kStageCentreY},
                         settings.RotationDegrees * kRadiansPerDegree);
    }
    const float w = static_cast<float>(window.right - window.left);
    const float h = static_cast<float>(window.bottom - window.top);
    return {window.left + static_cast<std::int32_t>(std::lround(p.x * w / kStageWidth)),
            window.top + static_cast<std::int32_t>(std::lround(p.y * h / kStageHeight))};
}

void StartSimulation(SnapshotSimulation& sim, const Settings& settings, const CatSkin& skin) {
    sim.settings = settings;
    sim.skin = &skin;
    const std::int32_t w = static_cast<std::int32_t>(std::lround(settings.Scale * kStageWidth));
    const std::int32_t h = static_cast<std::int32_t>(std::lround(settings.Scale * kStageHeight));
    sim.window = {0, 0, std::max(w, 1), std::max(h, 1)};
    sim.system.now = 1000.0;
    sim.system.cursor = {-10000, -10000};
    ConnectScriptedInput(sim.input, sim.system);
    SnapshotSimulation* s = &sim;
    ConnectPetToInput(sim.input, sim.pet, sim.settings, [s] { return SkinStyleOf(s->skin); });
}

void StepSimulation(SnapshotSimulation& sim) {
    sim.system.now += kSnapshotStep;
    PetFrameContext frame;
    frame.frameDelta = kSnapshotStep;
    frame.now = sim.system.now;
    frame.window = sim.window;
    frame.cursorScreen = {0, 0, 1920, 1080};
    const PetSkinStyle style = SkinStyleOf(sim.skin);
    frame.douniTyping = style.douniTyping;
    frame.douniRender = style.douniRender;
    UpdatePetState(sim.pet, frame, sim.input, sim.settings);
    ResetPetStateIfInsane(sim.pet);

    // The pointer over the pet, as the overlay decides it each frame.
    PointerFrame pointer;
    pointer.cursor = sim.system.cursor;
    pointer.window = sim.window;
    pointer.douniRender = style.douniRender;
    pointer.now = sim.system.now;
    StepPointer(pointer, sim.settings, sim.pet, *sim.skin, sim.hover);
    if (sim.afterFrame) sim.afterFrame(sim);
}

bool RunSnapshotScript(
    SnapshotSimulation& sim, const std::vector<ScriptStep>& steps,
    const std::function<bool(const std::string& file, const SnapshotSimulation& sim)>& shoot,
    std::string& error) {
    for (const ScriptStep& step : steps) {
        switch (step.op) {
            case ScriptOp::Press:
            case ScriptOp::Release: {
                SendKey(sim.system, sim.input, step.key, step.op == ScriptOp::Press);
                StepSimulation(sim);
                break;
            }
            case ScriptOp::Click: {
                const std::uint16_t flag = kButtonDownFlags[step.button];
                HandleRawMouse(sim.input, 0, flag, 0, 0);
                for (int i = 0; i < 6; ++i) StepSimulation(sim);
                HandleRawMouse(sim.input, 0, static_cast<std::uint16_t>(flag << 1), 0, 0);
                StepSimulation(sim);
                break;
            }
            case ScriptOp::Move: {
                // Glide over a few frames, as a hand would, so strokes register.
                const ScreenPoint target = StageToScreen(step.x, step.y, sim.window, sim.settings);
                const ScreenPoint from = sim.system.cursor;
                const bool glide = from.x > -10000;
                const int frames = glide ? 8 : 1;
                for (int i = 1; i <= frames; ++i) {
                    const float t = static_cast<float>(i) / static_cast<float>(frames);
                    sim.system.cursor = {
                        from.x + static_cast<std::int32_t>(std::lround((target.x - from.x) * t)),
                        from.y + static_cast<std::int32_t>(std::lround((target.y - from.y) * t))};
                    if (!glide) sim.system.cursor = target;
                    StepSimulation(sim);
                }
                break;
            }
            case ScriptOp::Grab:
            case ScriptOp::Drop:
                // As the overlay's window drag does: held from the press, let go at the release.
                SetHeld(sim.pet, step.op == ScriptOp::Grab, 0.0f, 0.0f,
                        PixelsPerStageUnit(sim.window.right - sim.window.left));
                StepSimulation(sim);
                break;
            case ScriptOp::Drag: {
                if (!sim.pet.isHeld) {
                    error = "drag without grab";
                    return false;
                }
                const auto dx = static_cast<std::int32_t>(std::lround(step.x));
                const auto dy = static_cast<std::int32_t>(std::lround(step.y));
                const Vec2 turned =
                    DragStepInPetFrame(static_cast<float>(dx), static_cast<float>(dy),
                                       sim.settings.RotationDegrees, sim.settings.FlipHorizontal);
                SetHeld(sim.pet, true, turned.x, turned.y,
                        PixelsPerStageUnit(sim.window.right - sim.window.left));
                sim.window = {sim.window.left + dx, sim.window.top + dy, sim.window.right + dx,
                              sim.window.bottom + dy};
                StepSimulation(sim);
                break;
            }
            case ScriptOp::Wait:
                for (int i = FramesFor(step.seconds); i > 0; --i) StepSimulation(sim);
                break;
            case ScriptOp::Shot:
                if (!shoot(step.file, sim)) {
                    error = "cannot write " + step.file;
                    return false;
                }
                break;
        }
    }
    return true;
}
