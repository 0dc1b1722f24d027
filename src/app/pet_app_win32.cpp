#include "app/pet_app_win32.h"

#include "app/version.h"

PetApp* theApp = nullptr;

int32_t ProgramVersion() {
    return NumericVersion(kVersionText);
}
