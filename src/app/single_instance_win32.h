#pragma once

#include <cstdint>

#include "base/handles_win32.h"

enum class InstanceOutcome {
    Run,   // this process is the one instance now
    Exit,  // another instance stays; this process ends with 0
};

// Settles who runs: a second start of an older-or-equal version shows the running one, a
// newer version (or --takeover) makes the running one quit and waits for it to go.
InstanceOutcome ClaimSingleInstance(NamedMutex& mutex, int32_t ourVersion, bool takeover);
