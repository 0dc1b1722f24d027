#include "app/pet_app_win32.h"

PetApp* theApp = nullptr;
