#pragma once

#include <windows.h>

#include <cstdint>

// The single-instance mutex handle; closed when this goes.
struct InstanceMutex {
    HANDLE handle = nullptr;

    InstanceMutex() = default;
    InstanceMutex(const InstanceMutex&) = delete;
    InstanceMutex& operator=(const InstanceMutex&) = delete;
    ~InstanceMutex() { Close(); }
    void Create();
    void Close();
};

enum class InstanceOutcome {
    Run,   // this process is the one instance now
    Exit,  // another instance stays; this process ends with 0
};

// Settles who runs: a second start of an older-or-equal version shows the running one, a
// newer version (or --takeover) makes the running one quit and waits for it to go.
InstanceOutcome ClaimSingleInstance(InstanceMutex& mutex, int32_t ourVersion, bool takeover);
