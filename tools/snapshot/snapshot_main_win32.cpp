// mewlark-snapshot: draws the pet exactly as one overlay frame would (DIB
// section, 32-bit premultiplied, ComposeFrame) and writes it as an ordinary
// RGBA PNG.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/handles_win32.h"
#include "draw/dib_surface_win32.h"
#include "desk/keyboard_themes.h"
#include "render/coat_themes.h"
#include "render/compose_frame_win32.h"
#include "settings/settings.h"
#include "settings/settings_rules.h"
#include "skins/cat_skin_reader.h"
#include "skins/keyboard_skin.h"
#include "skins/keyboard_skin_reader.h"
#include "skins/skin_file.h"
#include "snapshot/snapshot_options.h"
#include "snapshot/snapshot_script.h"

namespace {

bool PngEncoder(CLSID& clsid) {
    UINT count = 0;
    UINT size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
    std::vector<unsigned char> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(codecs[i].MimeType) == L"image/png") {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// Writes premultiplied pixels as straight-alpha RGBA.
bool SavePng(const std::uint32_t* pixels, int width, int height, const std::wstring& path) {
    Gdiplus::Bitmap out(width, height, PixelFormat32bppARGB);
    if (out.GetLastStatus() != Gdiplus::Ok) return false;
    Gdiplus::Rect all(0, 0, width, height);
    Gdiplus::BitmapData data{};
    if (out.LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &data) != Gdiplus::Ok)
        return false;
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(data.Scan0) +
                                                     y * data.Stride);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[y * width + x];
            const std::uint32_t a = p >> 24;
            if (a == 0) {
                row[x] = 0;
                continue;
            }
            auto straight = [a](std::uint32_t c) {
                return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a);
            };
            row[x] = (a << 24) | (straight((p >> 16) & 0xFF) << 16) |
                     (straight((p >> 8) & 0xFF) << 8) | straight(p & 0xFF);
        }
    }
    out.UnlockBits(&data);
    CLSID png{};
    if (!PngEncoder(png)) return false;
    return out.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
}

bool Shoot(const std::string& file, const SnapshotSimulation& sim, const CatSkin& skin,
           const KeyboardSkin& keyboard, bool green) {
    const int width = sim.window.right - sim.window.left;
    const int height = sim.window.bottom - sim.window.top;
    DibSurface surface;
    if (!surface.Create(width, height)) return false;
    {
        Gdiplus::Bitmap target(width, height, width * 4, PixelFormat32bppPARGB,
                               static_cast<BYTE*>(surface.bits));
        Gdiplus::Graphics graphics(&target);
        const std::int32_t status =
            ComposeFrame(graphics, width, height, green, sim.pet, sim.settings, skin, keyboard);
        if (status != 0)
            std::fprintf(stderr, "note: a drawing call failed with GDI+ status %d\n", status);
    }
    GdiFlush();
    return SavePng(static_cast<const std::uint32_t*>(surface.bits), width, height,
                   std::filesystem::path(file).wstring());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(std::filesystem::path(argv[i]).string());
    SnapshotOptions options;
    std::string error;
    if (!ParseSnapshotArgs(args, options, error)) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), kSnapshotUsage);
        return 2;
    }
    std::vector<ScriptStep> steps;
    if (!ParseSnapshotScript(options.script, steps, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    GdiplusSession gdiplus;
    struct RenderCaches {
        ~RenderCaches() { ReleaseRenderCaches(); }
    } renderCaches;
    if (!gdiplus.Started()) {
        std::fprintf(stderr, "GDI+ did not start\n");
        return 1;
    }

    Settings settings;
    settings.Scale = options.scale;
    settings.RotationDegrees = options.rotation;
    settings.FlipHorizontal = options.flip;
    settings.CoatTheme = options.coat;
    settings.EyeTheme = options.eyes;
    settings.KeyboardTheme = options.keyboard;
    settings.OBSCaptureMode = options.green ? CaptureMode::GreenScreen : CaptureMode::Off;
    settings.editMode = options.edit;
    for (const auto& [name, text] : options.settingTexts)
        ApplySettingText(settings, name, text, error);

    CatSkin imported;
    const CatSkin* skin = &BuiltinCoatSkin(options.coat);
    if (!options.skinPath.empty()) {
        std::string bytes;
        if (!ReadSkinFileBytes(std::filesystem::path(options.skinPath), kCatSkinFileLimit,
                               "skin file too big", bytes, error) ||
            !ReadCatSkin(bytes, imported, error)) {
            std::fprintf(stderr, "%s: %s\n", options.skinPath.c_str(), error.c_str());
            return 1;
        }
        settings.CustomSkin = imported.id;
        skin = &WornCatSkin(settings, &imported);
    }
    KeyboardSkin importedKeyboard;
    if (!options.keyboardSkinPath.empty()) {
        std::string bytes;
        if (!ReadSkinFileBytes(std::filesystem::path(options.keyboardSkinPath),
                               kKeyboardSkinFileLimit, "keyboard skin file too big", bytes,
                               error) ||
            !ReadKeyboardSkin(bytes, importedKeyboard, error)) {
            std::fprintf(stderr, "%s: %s\n", options.keyboardSkinPath.c_str(), error.c_str());
            return 1;
        }
        settings.CustomKeyboard = importedKeyboard.id;
    }
    const KeyboardSkin& keyboard = WornKeyboardSkin(settings, &importedKeyboard);

    SnapshotSimulation sim;
    StartSimulation(sim, settings, *skin);
    const bool green = settings.OBSCaptureMode == CaptureMode::GreenScreen;
    auto shoot = [&](const std::string& file, const SnapshotSimulation& s) {
        return Shoot(file, s, *skin, keyboard, green);
    };
    // Every (60 / fps)-th simulated frame becomes frame_00000.png, frame_00001.png, ...
    int frameCount = 0;
    int written = 0;
    bool framesOk = true;
    if (!options.framesDir.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(options.framesDir), ignored);
        const int every = std::max(1, 60 / options.fps);
        sim.afterFrame = [&](const SnapshotSimulation& s) {
            if (frameCount++ % every != 0 || !framesOk) return;
            char name[32];
            std::snprintf(name, sizeof name, "frame_%05d.png", written++);
            framesOk = shoot((std::filesystem::path(options.framesDir) / name).string(), s);
        };
    }
    if (!RunSnapshotScript(sim, steps, shoot, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    if (!framesOk) {
        std::fprintf(stderr, "cannot write the frames into %s\n", options.framesDir.c_str());
        return 1;
    }
    if (!options.out.empty() && !shoot(options.out, sim)) {
        std::fprintf(stderr, "cannot write %s\n", options.out.c_str());
        return 1;
    }
    return 0;
}
