#pragma once

#include "draw/gdiplus_include_win32.h"

// GDI+ from construction to destruction; everything holding GDI+ objects must go first.
struct GdiplusSession {
    ULONG_PTR token = 0;
    bool started = false;

    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        started = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    ~GdiplusSession() {
        if (started) Gdiplus::GdiplusShutdown(token);
    }
};
