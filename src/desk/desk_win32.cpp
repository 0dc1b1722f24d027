#include "desk/desk_win32.h"

#include "desk/keyboard_win32.h"
#include "desk/tablet_win32.h"
#include "pet/pet_state.h"
#include "settings/settings.h"

void DrawDesk(Canvas& canvas, const PetState& pet, const Settings& settings,
              const KeyboardSkin& keyboardSkin, bool stylusInPaw) {
    if (!pet.tabletActive) {
        DrawMouseAndKeyboard(canvas, pet, keyboardSkin, settings.EyeTheme, settings.ShowKeyLegends,
                             settings.KeyboardMarquee);
        return;
    }
    DrawTablet(canvas, pet, settings.KeyboardTheme, settings.EyeTheme);
    if (!stylusInPaw) DrawRestingStylus(canvas, settings.KeyboardTheme, settings.EyeTheme);
    DrawKeyboard(canvas, pet, keyboardSkin, settings.EyeTheme, settings.ShowKeyLegends,
                 settings.KeyboardMarquee);
}
