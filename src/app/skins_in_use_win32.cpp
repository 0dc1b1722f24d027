#include "app/skins_in_use_win32.h"

#include "desk/keyboard_themes.h"
#include "render/coat_themes.h"

const CatSkin& CurrentCatSkin(const PetApp& app) {
    // Imported skins join the lookup with the skin folders.
    return WornCatSkin(app.settings, nullptr);
}

const KeyboardSkin& CurrentKeyboardSkin(const PetApp& app) {
    // Imported keyboard skins join the lookup with the skin folders.
    return WornKeyboardSkin(app.settings, nullptr);
}
