#include "app/dpi_awareness_win32.h"

#include <windows.h>

namespace {

// The newer functions are looked up at run time so the program still starts on older systems.
template <typename Function>
Function LookUp(HMODULE module, const char* name) {
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

void MakeProcessDpiAware() {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    using SetContext = BOOL(WINAPI*)(HANDLE);
    if (auto setContext = LookUp<SetContext>(user32, "SetProcessDpiAwarenessContext")) {
        // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
        if (setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)))) return;
    }
    if (HMODULE shcore = LoadLibraryW(L"shcore.dll")) {
        using SetAwareness = HRESULT(WINAPI*)(int);
        auto setAwareness = LookUp<SetAwareness>(shcore, "SetProcessDpiAwareness");
        const bool done = setAwareness != nullptr && SUCCEEDED(setAwareness(2));  // per monitor
        FreeLibrary(shcore);
        if (done) return;
    }
    using SetAware = BOOL(WINAPI*)();
    if (auto setAware = LookUp<SetAware>(user32, "SetProcessDPIAware")) setAware();
}
