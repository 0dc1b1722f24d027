#include "draw/dib_surface_win32.h"

bool DibSurface::Create(int w, int h) {
    Free();
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (dc == nullptr) return false;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) {
        Free();
        return false;
    }
    previous = SelectObject(dc, bitmap);
    width = w;
    height = h;
    return true;
}

void DibSurface::Free() {
    if (dc != nullptr && previous != nullptr) SelectObject(dc, previous);
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (dc != nullptr) DeleteDC(dc);
    dc = nullptr;
    bitmap = nullptr;
    previous = nullptr;
    bits = nullptr;
    width = 0;
    height = 0;
}
