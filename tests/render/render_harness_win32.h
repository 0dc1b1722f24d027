#pragma once

// Shared by the pixel tests: a GDI+ session per test suite and frames
// rendered through the real frame composition into a premultiplied DIB.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "../draw/gdiplus_suite_win32.h"
#include "desk/keyboard_themes.h"
#include "desk/keyboard_win32.h"
#include "draw/dib_surface_win32.h"
#include "pet/pet_state.h"
#include "render/compose_frame_win32.h"
#include "render/tabby_texture_win32.h"
#include "settings/settings.h"
#include "skins/cat_skin.h"
#include "skins/keyboard_skin.h"

// The tabby textures hold GDI+ bitmaps, so they go before the session does.
class RenderSuite : public GdiplusSuite {
protected:
    static void TearDownTestSuite() {
        ClearTabbyTextures();
        ReleaseKeyboardCache();
        GdiplusSuite::TearDownTestSuite();
    }
};

// Premultiplied ARGB pixels of one frame.
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    CanvasStats stats;
    std::int32_t status = 0;

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    // The pixel under a Stage point.
    std::uint32_t AtStage(float x, float y) const {
        return At(static_cast<int>(x * width / 360.0f), static_cast<int>(y * height / 320.0f));
    }
};

inline Frame RenderFrameOf(const PetState& pet, const Settings& settings, const CatSkin& skin,
                           bool green = false) {
    Frame frame;
    frame.width = static_cast<int>(settings.Scale * 360.0f + 0.5f);
    frame.height = static_cast<int>(settings.Scale * 320.0f + 0.5f);
    DibSurface surface;
    if (surface.Create(frame.width, frame.height)) {
        {
            Gdiplus::Bitmap target(frame.width, frame.height, frame.width * 4,
                                   PixelFormat32bppPARGB, static_cast<BYTE*>(surface.bits));
            Gdiplus::Graphics graphics(&target);
            frame.status = ComposeFrame(graphics, frame.width, frame.height, green, pet, settings,
                                        skin, WornKeyboardSkin(settings, nullptr), &frame.stats);
        }
        GdiFlush();
        const auto* p = static_cast<const std::uint32_t*>(surface.bits);
        frame.pixels.assign(p, p + static_cast<std::size_t>(frame.width) * frame.height);
    }
    return frame;
}

// Opaque-enough pixels: their count, centre of mass and bounds, in pixels.
struct Coverage {
    double count = 0;
    double meanX = 0;
    double meanY = 0;
    int minX = 1 << 30, maxX = -1, minY = 1 << 30, maxY = -1;
};

inline Coverage CoverageOf(const Frame& frame) {
    Coverage c;
    double sx = 0;
    double sy = 0;
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            if ((frame.At(x, y) >> 24) < 128) continue;
            c.count += 1;
            sx += x;
            sy += y;
            c.minX = std::min(c.minX, x);
            c.maxX = std::max(c.maxX, x);
            c.minY = std::min(c.minY, y);
            c.maxY = std::max(c.maxY, y);
        }
    }
    if (c.count > 0) {
        c.meanX = sx / c.count;
        c.meanY = sy / c.count;
    }
    return c;
}
