#include "app/single_instance_win32.h"

#include "app/pet_app_win32.h"

namespace {

constexpr DWORD kTakeoverWaitMs = 6000;
constexpr DWORD kPollMs = 100;
constexpr int kOverlayWaitPolls = 50;

bool OtherInstanceRunning(const NamedMutex& mutex, DWORD createError) {
    if (mutex.Get() != nullptr) return createError == ERROR_ALREADY_EXISTS;
    return createError == ERROR_ACCESS_DENIED;
}

// Asks the old instance to quit and waits for it; false when it is still there.
bool TakeOver(HWND oldOwner) {
    DWORD processId = 0;
    GetWindowThreadProcessId(oldOwner, &processId);
    KernelHandle process;
    if (processId != 0) process.Reset(OpenProcess(SYNCHRONIZE, FALSE, processId));

    PostMessageW(oldOwner, WM_PET_TAKEOVER, 0, 0);
    if (HWND oldOverlay = FindWindowW(kOverlayClassName, nullptr)) {
        PostMessageW(oldOverlay, WM_CLOSE, 0, 0);
    }

    if (process) {
        return WaitForSingleObject(process.Get(), kTakeoverWaitMs) == WAIT_OBJECT_0;
    }
    for (DWORD waited = 0; waited <= kTakeoverWaitMs; waited += kPollMs) {
        if (!IsWindow(oldOwner) && FindWindowW(kOverlayClassName, nullptr) == nullptr) return true;
        Sleep(kPollMs);
    }
    return !IsWindow(oldOwner) && FindWindowW(kOverlayClassName, nullptr) == nullptr;
}

}  // namespace

InstanceOutcome ClaimSingleInstance(NamedMutex& mutex, int32_t ourVersion, bool takeover) {
    SetLastError(ERROR_SUCCESS);
    mutex.Create(kSingleInstanceMutex);
    const DWORD createError = GetLastError();
    if (!OtherInstanceRunning(mutex, createError)) return InstanceOutcome::Run;

    if (HWND owner = FindWindowW(kTrayOwnerClassName, nullptr)) {
        const auto theirVersion =
            static_cast<int32_t>(reinterpret_cast<INT_PTR>(GetPropW(owner, kVersionProperty)));
        if (!takeover && theirVersion >= ourVersion) {
            PostMessageW(owner, WM_PET_SHOW, 0, 0);
            mutex.Close();
            return InstanceOutcome::Exit;
        }
        if (!TakeOver(owner)) {
            // The old instance would not go: let it show itself and leave it be.
            if (IsWindow(owner)) PostMessageW(owner, WM_PET_SHOW, 0, 0);
            mutex.Close();
            return InstanceOutcome::Exit;
        }
    } else {
        if (!takeover) {
            mutex.Close();
            return InstanceOutcome::Exit;
        }
        for (int i = 0; i < kOverlayWaitPolls && FindWindowW(kOverlayClassName, nullptr); ++i) {
            Sleep(kPollMs);
        }
    }
    mutex.Create(kSingleInstanceMutex);
    return InstanceOutcome::Run;
}
