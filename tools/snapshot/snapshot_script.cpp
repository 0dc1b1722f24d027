#include "snapshot/snapshot_script.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "base/small_math.h"
#include "draw/draw_geometry.h"
#include "pet/pet_input_hookup.h"
#include "render/hit_test.h"
#include "render/scene_frame.h"
#include "skins/cat_skin.h"

namespace {

constexpr std::array<std::string_view, kPhysicalKeyCount> kKeyNames = {
    "Escape",    "Digit1",      "Digit2",
    "Digit3",    "Digit4",      "Digit5",
    "Digit6",    "Digit7",      "Digit8",
    "Digit9",    "Digit0",      "Minus",
    "Equals",    "Backspace",   "Tab",
    "Q",         "W",           "E",
    "R",         "T",           "Y",
    "U",         "I",           "O",
    "P",         "LeftBracket", "RightBracket",
    "Backslash", "CapsLock",    "A",
    "S",         "D",           "F",
    "G",         "H",           "J",
    "K",         "L",           "Semicolon",
    "Quote",     "Enter",       "LeftShift",
    "Z",         "X",           "C",
    "V",         "B",           "N",
    "M",         "Comma",       "Period",
    "Slash",     "RightShift",  "Up",
    "LeftCtrl",  "LeftAlt",     "LeftWin",
    "Space",     "RightWin",    "RightAlt",
    "Fn",        "Left",        "Down",
    "Right",     "Backquote",   "RightCtrl",
    "Delete",    "F1",          "F2",
    "F3",        "F4",          "F5",
    "F6",        "F7",          "F8",
    "F9",        "F10",         "F11",
    "F12",       "None",
};

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

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

bool ToFloat(std::string_view text, float& out) {
    const std::string copy(text);
    char* end = nullptr;
    const float v = std::strtof(copy.c_str(), &end);
    if (copy.empty() || end != copy.c_str() + copy.size() || !std::isfinite(v)) return false;
    out = v;
    return true;
}

std::uint16_t VirtualKeyOf(PhysicalKey key) {
    for (const KeyPollEntry& e : KeyPollTable)
        if (e.key == key) return e.virtualKey;
    return 0;
}

// Raw mouse button flags (RI_MOUSE_*_BUTTON_DOWN; UP is the next bit).
constexpr std::uint16_t kButtonDownFlags[3] = {0x0001, 0x0004, 0x0010};

// Frames of a wait, so "wait 1" is exactly 60 steps.
int FramesFor(float seconds) {
    return static_cast<int>(std::lround(std::max(0.0f, seconds) * 60.0f));
}

}  // namespace

PhysicalKey PhysicalKeyFromName(std::string_view name) {
    for (std::size_t i = 0; i < kKeyNames.size(); ++i) {
        if (SameText(kKeyNames[i], name)) return static_cast<PhysicalKey>(i);
    }
    return PhysicalKey::None;
}

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
        const std::size_t want = SameText(verb, "move") ? 3 : 2;
        if (words.size() != want) {
            error = where + "expected " + std::to_string(want - 1) + " argument(s)";
            return false;
        }
        if (SameText(verb, "press") || SameText(verb, "release")) {
            step.op = SameText(verb, "press") ? ScriptOp::press : ScriptOp::release;
            step.key = PhysicalKeyFromName(words[1]);
            if (step.key == PhysicalKey::None || step.key == PhysicalKey::Fn) {
                error = where + "unknown key";
                return false;
            }
        } else if (SameText(verb, "click")) {
            step.op = ScriptOp::click;
            const std::string_view b = words[1];
            if (SameText(b, "left") || b == "0") {
                step.button = 0;
            } else if (SameText(b, "right") || b == "1") {
                step.button = 1;
            } else if (SameText(b, "middle") || b == "2") {
                step.button = 2;
            } else {
                error = where + "button is left, right or middle";
                return false;
            }
        } else if (SameText(verb, "move")) {
            step.op = ScriptOp::move;
            if (!ToFloat(words[1], step.x) || !ToFloat(words[2], step.y)) {
                error = where + "coordinates must be numbers";
                return false;
            }
        } else if (SameText(verb, "wait")) {
            step.op = ScriptOp::wait;
            if (!ToFloat(words[1], step.seconds) || step.seconds < 0.0f || step.seconds > 3600.0f) {
                error = where + "seconds must be 0..3600";
                return false;
            }
        } else if (SameText(verb, "shot")) {
            step.op = ScriptOp::shot;
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
    SnapshotSimulation* s = &sim;
    sim.input.system.now = [s] { return s->now; };
    sim.input.system.keyDown = [s](std::uint16_t vk) {
        return std::find(s->downVirtualKeys.begin(), s->downVirtualKeys.end(), vk) !=
               s->downVirtualKeys.end();
    };
    sim.input.system.readCursor = [s](ScreenPoint& cursor) {
        cursor = s->cursor;
        return true;
    };
    ConnectPetToInput(sim.input, sim.pet, sim.settings, [s] { return SkinStyleOf(s->skin); });
}

void StepSimulation(SnapshotSimulation& sim) {
    sim.now += kSnapshotStep;
    PetFrameContext frame;
    frame.frameDelta = kSnapshotStep;
    frame.now = sim.now;
    frame.window = sim.window;
    frame.cursorScreen = {0, 0, 1920, 1080};
    const PetSkinStyle style = SkinStyleOf(sim.skin);
    frame.douniTyping = style.douniTyping;
    frame.douniRender = style.douniRender;
    UpdatePetState(sim.pet, frame, sim.input, sim.settings);
    ResetPetStateIfInsane(sim.pet);

    // The pointer over the pet, as the overlay decides it each frame.
    const ScreenPoint c = sim.cursor;
    const ScreenRect& r = sim.window;
    const bool inside = c.x >= r.left && c.x < r.right && c.y >= r.top && c.y < r.bottom;
    if (!inside) {
        sim.hover.hovering = false;
        return;
    }
    const Vec2 p = ScreenToStage(c.x, c.y, r, sim.settings);
    const Vec2 point{p.x, p.y};
    const PetHit hit = HitTestPet(p, sim.pet, *sim.skin);
    TouchTail(sim.pet, point, *sim.skin);
    if (hit == PetHit::Head) {
        StrokeHead(sim.pet, point, sim.hover, sim.settings, style.douniRender, sim.now);
    } else {
        sim.hover.hovering = false;
    }
}

bool RunSnapshotScript(
    SnapshotSimulation& sim, const std::vector<ScriptStep>& steps,
    const std::function<bool(const std::string& file, const SnapshotSimulation& sim)>& shoot,
    std::string& error) {
    for (const ScriptStep& step : steps) {
        switch (step.op) {
            case ScriptOp::press:
            case ScriptOp::release: {
                const bool down = step.op == ScriptOp::press;
                const std::uint16_t vk = VirtualKeyOf(step.key);
                auto& keys = sim.downVirtualKeys;
                keys.erase(std::remove(keys.begin(), keys.end(), vk), keys.end());
                if (down) keys.push_back(vk);
                OnKeyEvent(sim.input, step.key, down, vk);
                StepSimulation(sim);
                break;
            }
            case ScriptOp::click: {
                const std::uint16_t flag = kButtonDownFlags[step.button];
                HandleRawMouse(sim.input, 0, flag, 0, 0);
                for (int i = 0; i < 6; ++i) StepSimulation(sim);
                HandleRawMouse(sim.input, 0, static_cast<std::uint16_t>(flag << 1), 0, 0);
                StepSimulation(sim);
                break;
            }
            case ScriptOp::move: {
                // Glide over a few frames, as a hand would, so strokes register.
                const ScreenPoint target = StageToScreen(step.x, step.y, sim.window, sim.settings);
                const ScreenPoint from = sim.cursor;
                const bool glide = from.x > -10000;
                const int frames = glide ? 8 : 1;
                for (int i = 1; i <= frames; ++i) {
                    const float t = static_cast<float>(i) / static_cast<float>(frames);
                    sim.cursor = {
                        from.x + static_cast<std::int32_t>(std::lround((target.x - from.x) * t)),
                        from.y + static_cast<std::int32_t>(std::lround((target.y - from.y) * t))};
                    if (!glide) sim.cursor = target;
                    StepSimulation(sim);
                }
                break;
            }
            case ScriptOp::wait:
                for (int i = FramesFor(step.seconds); i > 0; --i) StepSimulation(sim);
                break;
            case ScriptOp::shot:
                if (!shoot(step.file, sim)) {
                    error = "cannot write " + step.file;
                    return false;
                }
                break;
        }
    }
    return true;
}
