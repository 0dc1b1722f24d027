#include "draw/dib_surface_win32.h"

bool DibSurface::Create(int w, int h) {
    Free();
    {
        const WindowDC screen(nullptr);
        dc.Reset(CreateCompatibleDC(screen.Get()));
    }
    if (!dc) return false;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap.Reset(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) {
        Free();
        return false;
    }
    selection = SelectedObject(dc.Get(), bitmap.Get());
    width = w;
    height = h;
    return true;
}

void DibSurface::Free() {
    selection.Reset();
    bitmap.Reset();
    dc.Reset();
    bits = nullptr;
    width = 0;
    height = 0;
}
