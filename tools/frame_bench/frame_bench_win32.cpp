// Times UpdatePetState + DrawScene per frame at two window scales, next to a
// reference scene drawn on the same surface in the same run, so the figures
// compare across machines (and under Wine, whose GDI+ is much slower).

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "base/handles_win32.h"
#include "desk/desk_win32.h"
#include "desk/keyboard_themes.h"
#include "draw/group_opacity_win32.h"
#include "draw/dib_surface_win32.h"
#include "render/coat_themes.h"
#include "render/compose_frame_win32.h"
#include "skins/keyboard_skin.h"
#include "snapshot/snapshot_script.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double median = 0;
    double p95 = 0;
};

Figures Summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    Figures f;
    f.median = ms[ms.size() / 2];
    f.p95 = ms[std::min(
        ms.size() - 1,
        static_cast<std::size_t>(std::ceil(static_cast<double>(ms.size()) * 0.95)) - 1)];
    return f;
}

double Since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// 40 closed antialiased Bezier blobs over the Stage: every third filled
// with a path gradient, the rest solid, all stroked 1.5 wide.
// A DIB surface with a GDI+ bitmap sharing its memory, as the overlay draws into.
struct FrameTarget {
    DibSurface surface;
    std::unique_ptr<Gdiplus::Bitmap> bitmap;
    std::unique_ptr<Gdiplus::Graphics> graphics;

    bool Create(int width, int height) {
        if (!surface.Create(width, height)) return false;
        bitmap = std::make_unique<Gdiplus::Bitmap>(width, height, width * 4, PixelFormat32bppPARGB,
                                                   static_cast<BYTE*>(surface.bits));
        graphics = std::make_unique<Gdiplus::Graphics>(bitmap.get());
        return true;
    }
};

void DrawReferenceScene(Gdiplus::Graphics& g, int width, int height) {
    g.Clear(Gdiplus::Color(0, 0, 0, 0));
    g.ResetTransform();
    g.ScaleTransform(width / 360.0f, height / 320.0f);
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
    Gdiplus::Pen pen(Gdiplus::Color(255, 40, 40, 48), 1.5f);
    for (int i = 0; i < 40; ++i) {
        const float cx = 40.0f + static_cast<float>((i * 37) % 280);
        const float cy = 40.0f + static_cast<float>((i * 53) % 240);
        const float r = 14.0f + static_cast<float>(i % 7) * 4.0f;
        Gdiplus::GraphicsPath path;
        const Gdiplus::PointF pts[13] = {
            {cx, cy - r}, {cx + r * 0.8f, cy - r}, {cx + r, cy - r * 0.6f},
            {cx + r, cy}, {cx + r, cy + r * 0.7f}, {cx + r * 0.5f, cy + r},
            {cx, cy + r}, {cx - r * 0.6f, cy + r}, {cx - r, cy + r * 0.5f},
            {cx - r, cy}, {cx - r, cy - r * 0.6f}, {cx - r * 0.7f, cy - r},
            {cx, cy - r}};
        path.AddBeziers(pts, 13);
        path.CloseFigure();
        if (i % 3 == 0) {
            Gdiplus::PathGradientBrush brush(&path);
            brush.SetCenterColor(Gdiplus::Color(255, 250, 240, 220));
            Gdiplus::Color rim(255, 90, 70, 60);
            INT count = 1;
            brush.SetSurroundColors(&rim, &count);
            g.FillPath(&brush, &path);
        } else {
            Gdiplus::SolidBrush brush(Gdiplus::Color(255, static_cast<BYTE>(60 + i * 4), 120, 180));
            g.FillPath(&brush, &path);
        }
        g.DrawPath(&pen, &path);
    }
}

// The pet's frame (a simulation step and ComposeFrame) against the reference scene on the same
// surface, `frames` times; `repeat` runs again every 20 frames to keep the pose going.
struct PetAgainstReference {
    Figures pet;
    Figures reference;
};
PetAgainstReference TimeAgainstReference(SnapshotSimulation& sim, Gdiplus::Graphics& graphics,
                                         int width, int height,
                                         const std::vector<ScriptStep>& repeat, const CatSkin& skin,
                                         const KeyboardSkin& keyboard, int frames,
                                         CanvasStats* stats) {
    std::string error;
    std::vector<double> pet;
    std::vector<double> reference;
    for (int i = 0; i < frames; ++i) {
        if (i % 20 == 0) RunSnapshotScript(sim, repeat, nullptr, error);
        const Clock::time_point start = Clock::now();
        StepSimulation(sim);
        ComposeFrame(graphics, width, height, false, sim.pet, sim.settings, skin, keyboard, stats);
        pet.push_back(Since(start));
        const Clock::time_point refStart = Clock::now();
        DrawReferenceScene(graphics, width, height);
        reference.push_back(Since(refStart));
    }
    return {Summarise(pet), Summarise(reference)};
}

void BenchScale(float scale, int frames) {
    Settings settings;
    settings.Scale = scale;
    const int width = static_cast<int>(std::lround(scale * 360.0f));
    const int height = static_cast<int>(std::lround(scale * 320.0f));
    FrameTarget target;
    if (!target.Create(width, height)) {
        std::printf("scale %.1f: no surface\n", scale);
        return;
    }
    Gdiplus::Graphics& graphics = *target.graphics;
    const KeyboardSkin& keyboard = BuiltinKeyboardSkin(0);
    const CatSkin& skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    SnapshotSimulation sim;
    StartSimulation(sim, settings, skin);
    std::vector<ScriptStep> typing;
    std::string error;
    ParseSnapshotScript("press F; wait 0.05; release F; press J; wait 0.05; release J", typing,
                        error);

    const PetAgainstReference t =
        TimeAgainstReference(sim, graphics, width, height, typing, skin, keyboard, frames, nullptr);
    const Figures& p = t.pet;
    const Figures& r = t.reference;
    std::printf(
        "scale %.1f (%dx%d), %d frames: pet median %.3f ms, p95 %.3f ms; reference median %.3f ms, "
        "p95 %.3f ms; pet/reference %.2f\n",
        scale, width, height, frames, p.median, p.p95, r.median, r.p95, p.median / r.median);
}

void CountPerCoat() {
    Settings settings;
    FrameTarget target;
    if (!target.Create(360, 320)) return;
    Gdiplus::Graphics& graphics = *target.graphics;
    const KeyboardSkin& keyboard = BuiltinKeyboardSkin(0);
    for (int coat = 0; coat < 6; ++coat) {
        const CatSkin& skin = BuiltinCoatSkin(coat);
        SnapshotSimulation sim;
        StartSimulation(sim, settings, skin);
        CanvasStats first;
        StepSimulation(sim);
        ComposeFrame(graphics, 360, 320, false, sim.pet, sim.settings, skin, keyboard, &first);
        CanvasStats later;
        constexpr int kFrames = 60;
        for (int i = 0; i < kFrames; ++i) {
            StepSimulation(sim);
            ComposeFrame(graphics, 360, 320, false, sim.pet, sim.settings, skin, keyboard, &later);
        }
        std::printf(
            "coat %d: first frame %llu GDI+ calls, %llu bitmaps; later frames %.1f GDI+ calls, "
            "%.2f "
            "bitmaps per frame\n",
            coat, static_cast<unsigned long long>(first.gdiplusCalls),
            static_cast<unsigned long long>(first.offscreenBitmaps),
            static_cast<double>(later.gdiplusCalls) / kFrames,
            static_cast<double>(later.offscreenBitmaps) / kFrames);
    }
}

// One pose held over many frames: a setup script, then a script repeated
// every 20 frames to keep the pose going.
struct PoseBench {
    const char* name;
    BuiltinCoat coat;
    const char* setup;
    const char* repeat;
};

// clang-format off
constexpr PoseBench kPoses[] = {
    {"typing", BuiltinCoat::ClassicBlack, "press F; press J; wait 0.1",
     "release F; press D; wait 0.05; release J; press K; wait 0.05; release D; release K; "
     "press F; press J"},
    {"purring", BuiltinCoat::ClassicBlack,
     "move 160 120; move 205 120; move 160 122; move 205 124; move 160 120",
     "move 205 122; move 160 120"},
    {"carried", BuiltinCoat::ClassicBlack, "grab; drag 10 -3; drag 10 -3; wait 0.4",
     "drag 4 0; wait 0.1; drag -4 0"},
    {"Dazed Cat typing", BuiltinCoat::Dazed, "press F; press J; wait 0.1",
     "release F; press D; wait 0.05; release J; press K; wait 0.05; release D; release K; "
     "press F; press J"},
};
// clang-format on

void BenchPoses(int frames) {
    Settings settings;
    FrameTarget target;
    if (!target.Create(360, 320)) return;
    Gdiplus::Graphics& graphics = *target.graphics;
    const KeyboardSkin& keyboard = BuiltinKeyboardSkin(0);
    for (const PoseBench& pose : kPoses) {
        const CatSkin& skin = BuiltinCoatSkin(pose.coat);
        SnapshotSimulation sim;
        StartSimulation(sim, settings, skin);
        std::vector<ScriptStep> setup;
        std::vector<ScriptStep> repeat;
        std::string error;
        ParseSnapshotScript(pose.setup, setup, error);
        ParseSnapshotScript(pose.repeat, repeat, error);
        RunSnapshotScript(sim, setup, nullptr, error);
        CanvasStats stats;
        const PetAgainstReference t =
            TimeAgainstReference(sim, graphics, 360, 320, repeat, skin, keyboard, frames, &stats);
        const Figures& p = t.pet;
        const Figures& r = t.reference;
        std::printf(
            "pose %s: %.1f GDI+ calls, %.2f bitmaps per frame; median %.3f ms against reference "
            "%.3f ms; pet/reference %.2f\n",
            pose.name, static_cast<double>(stats.gdiplusCalls) / frames,
            static_cast<double>(stats.offscreenBitmaps) / frames, p.median, r.median,
            p.median / r.median);
    }
}

// One seated frame and the desk alone, timed and counted in the same run: the frame without
// the desk is the frame less the desk, since the desk is drawn first and alone.
void BenchDesk(const char* label, const char* script, bool marquee, int frames) {
    Settings settings;
    settings.KeyboardMarquee = marquee;
    FrameTarget target;
    if (!target.Create(360, 320)) return;
    Gdiplus::Graphics& graphics = *target.graphics;
    const KeyboardSkin& keyboard = BuiltinKeyboardSkin(0);
    const CatSkin& skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    SnapshotSimulation sim;
    StartSimulation(sim, settings, skin);
    std::vector<ScriptStep> steps;
    std::string error;
    ParseSnapshotScript(script, steps, error);
    RunSnapshotScript(sim, steps, nullptr, error);

    std::vector<double> frame;
    std::vector<double> desk;
    CanvasStats frameCalls;
    CanvasStats deskCalls;
    for (int i = 0; i < frames; ++i) {
        if (sim.pet.badges.size() < 3) RunSnapshotScript(sim, steps, nullptr, error);
        Clock::time_point start = Clock::now();
        ComposeFrame(graphics, 360, 320, false, sim.pet, sim.settings, skin, keyboard, &frameCalls);
        frame.push_back(Since(start));
        graphics.ResetTransform();
        graphics.ScaleTransform(1.0f, 1.0f);
        Canvas setup{&graphics, 0, nullptr};
        ApplyPetRenderingHints(setup);
        Canvas canvas{&graphics, 0, &deskCalls};
        start = Clock::now();
        DrawDesk(canvas, sim.pet, sim.settings, keyboard);
        desk.push_back(Since(start));
    }
    const Figures f = Summarise(frame);
    const Figures d = Summarise(desk);
    std::printf(
        "%s: frame median %.3f ms, desk alone %.3f ms, frame/(frame - desk) %.2f; "
        "GDI+ calls per frame %.1f, of them the desk %.1f\n",
        label, f.median, d.median, f.median / (f.median - d.median),
        static_cast<double>(frameCalls.gdiplusCalls) / frames,
        static_cast<double>(deskCalls.gdiplusCalls) / frames);
}

}  // namespace

int main() {
    GdiplusSession gdiplus;
    if (!gdiplus.Started()) {
        std::printf("GDI+ did not start\n");
        return 1;
    }
    BenchDesk("idle, marquee off", "wait 1", false, 200);
    BenchDesk("busy, marquee off", "press A; press S; press J; press K; wait 0.2", false, 200);
    BenchDesk("busy: four keys held, marquee on, badges",
              "press A; press S; press J; press K; wait 0.2", true, 200);
    BenchScale(1.0f, 300);
    BenchScale(2.5f, 200);
    CountPerCoat();
    BenchPoses(200);
    ReleaseRenderCaches();
    return 0;
}
