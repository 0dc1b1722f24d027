#pragma once

// Owners of the Windows handles the program holds, one short class each. They move and never
// copy; a moved-from owner holds nothing and frees nothing.

#include <memory>
#include <utility>

#include "base/gdiplus_include_win32.h"

// A handle freed by one call of `FreeFunction`, when the owner goes or is reset.
template <typename Handle, auto FreeFunction>
class UniqueHandle {
public:
    // What the owner frees with, for code that must hand the call on (a hook's release).
    static constexpr auto Free = FreeFunction;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    // For calls that return a new handle through a pointer; frees the one held first.
    Handle* Out() {
        Reset();
        return &handle_;
    }
    // Gives the handle up unfreed.
    Handle Release() { return std::exchange(handle_, Handle{}); }
    // Frees the handle held, if any (no call at all when empty, so GetLastError survives).
    void Reset(Handle handle = Handle{}) {
        const Handle old = std::exchange(handle_, handle);
        if (old != Handle{}) Free(old);
    }

private:
    Handle handle_{};
};

// A kernel object: process, token, event, mutex; CloseHandle.
using KernelHandle = UniqueHandle<HANDLE, CloseHandle>;

// A menu; DestroyMenu.
using MenuHandle = UniqueHandle<HMENU, DestroyMenu>;

// A hook set with SetWindowsHookEx (the low-level keyboard hook); UnhookWindowsHookEx.
using WindowsHook = UniqueHandle<HHOOK, UnhookWindowsHookEx>;

// A hook set with SetWinEventHook; UnhookWinEvent.
using WinEventHook = UniqueHandle<HWINEVENTHOOK, UnhookWinEvent>;

// An icon made or loaded for the program alone; DestroyIcon.
using IconHandle = UniqueHandle<HICON, DestroyIcon>;

// A pen, brush, font, region or bitmap (a DIB section too); DeleteObject. It must no longer be
// selected into a DC when it goes.
template <typename T>
using GdiObject = UniqueHandle<T, DeleteObject>;

// A DC from CreateCompatibleDC; DeleteDC.
using MemoryDC = UniqueHandle<HDC, DeleteDC>;

// A registry key; RegCloseKey. Close also reports RegCloseKey's status.
class RegistryKey : public UniqueHandle<HKEY, RegCloseKey> {
public:
    using UniqueHandle::UniqueHandle;
    LSTATUS Close() { return *this ? RegCloseKey(Release()) : ERROR_SUCCESS; }
};

// A named mutex, held from Create to Close; CloseHandle. Holding it says an instance runs.
class NamedMutex {
public:
    // Opens or creates the mutex unless one is held; GetLastError then tells
    // ERROR_ALREADY_EXISTS, or ERROR_ACCESS_DENIED with nothing held.
    void Create(const wchar_t* name) {
        if (!handle_) handle_.Reset(CreateMutexW(nullptr, FALSE, name));
    }
    void Close() { handle_.Reset(); }
    HANDLE Get() const { return handle_.Get(); }

private:
    KernelHandle handle_;
};

// A window's DC, the screen's for a null window, from GetDC; ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(WindowDC&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDC& operator=(WindowDC&& other) noexcept {
        if (this != &other) {
            Reset();
            window_ = other.window_;
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() { Reset(); }

    HDC Get() const { return dc_; }
    void Reset() {
        if (dc_ != nullptr) ReleaseDC(window_, std::exchange(dc_, nullptr));
    }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// An object selected into a DC; SelectObject puts the DC's previous object back, so the object
// can then be deleted.
class SelectedObject {
public:
    SelectedObject() = default;
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(SelectedObject&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)),
          previous_(std::exchange(other.previous_, nullptr)) {}
    SelectedObject& operator=(SelectedObject&& other) noexcept {
        if (this != &other) {
            Reset();
            dc_ = std::exchange(other.dc_, nullptr);
            previous_ = std::exchange(other.previous_, nullptr);
        }
        return *this;
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { Reset(); }

    void Reset() {
        if (dc_ != nullptr && previous_ != nullptr) SelectObject(dc_, previous_);
        dc_ = nullptr;
        previous_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// One reference to a COM object; Release.
struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename T>
using ComReference = std::unique_ptr<T, ComRelease>;

// GDI+ from construction to destruction; GdiplusShutdown. Everything holding GDI+ objects must
// go first, so it neither copies nor moves: where it is declared fixes that order.
class GdiplusSession {
public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    ~GdiplusSession() {
        if (started_) Gdiplus::GdiplusShutdown(token_);
    }

    bool Started() const { return started_; }

private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};
