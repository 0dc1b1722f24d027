#pragma once

#include "app/pet_app_win32.h"
#include "skins/cat_skin.h"
#include "skins/keyboard_skin.h"

// The skins worn now, looked up on every use: a menu command may change them at any time.
const CatSkin& CurrentCatSkin(const PetApp& app);
const KeyboardSkin& CurrentKeyboardSkin(const PetApp& app);
