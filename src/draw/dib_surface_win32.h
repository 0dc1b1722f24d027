#pragma once

#include <windows.h>

// A 32-bit top-down DIB section selected into a memory DC: the pixels a GDI+ bitmap draws into
// and UpdateLayeredWindow presents, with no copy in between.
struct DibSurface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
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
    bool Ready() const { return dc != nullptr && bits != nullptr; }
};
