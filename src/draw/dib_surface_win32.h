#pragma once

#include "base/handles_win32.h"

// A 32-bit top-down DIB section selected into a memory DC: the pixels a GDI+ bitmap draws into
// and UpdateLayeredWindow presents, with no copy in between.
struct DibSurface {
    // Declared in the order they are made; Free undoes them backwards: the selection, then the
    // bitmap, then the DC.
    MemoryDC dc;
    GdiObject<HBITMAP> bitmap;
    SelectedObject selection;
    void* bits = nullptr;
    int width = 0;
    int height = 0;

    DibSurface() = default;
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;
    ~DibSurface() { Free(); }

    // False (and nothing held) when the system refuses; the caller tries again later.
    bool Create(int w, int h);
    void Free();
    bool Ready() const { return dc && bits != nullptr; }
};
