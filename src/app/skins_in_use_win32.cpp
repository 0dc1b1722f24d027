#include "app/skins_in_use_win32.h"

#include "render/coat_themes.h"

const CatSkin& CurrentCatSkin(const PetApp& app) {
    // Imported skins join the lookup with the skin folders.
    return WornCatSkin(app.settings, nullptr);
}

const KeyboardSkin& CurrentKeyboardSkin(const PetApp&) {
    // The built-in keyboard themes and imported keyboard skins come with the keyboard drawing.
    static const KeyboardSkin plain;
    return plain;
}
