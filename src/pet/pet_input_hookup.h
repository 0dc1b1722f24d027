#pragma once

#include <functional>

struct CatSkin;
struct InputMonitor;
struct PetState;
struct Settings;

// The two style flags of a cat skin that change how the pet reacts.
struct PetSkinStyle {
    bool douniTyping = false;  // typingStyle "douni"
    bool douniRender = false;  // renderStyle "douni"
};

// The style of a skin; a missing skin has the default style.
PetSkinStyle SkinStyleOf(const CatSkin* skin);

// Key-down strikes the pet's key, mouse buttons squeeze its mouse, each with
// the style of the skin worn at that moment. The key-up callback is left
// alone. Times come from the monitor's own clock. All four objects must
// outlive the monitor's callbacks.
void ConnectPetToInput(InputMonitor& input, PetState& pet, const Settings& settings,
                       std::function<PetSkinStyle()> currentStyle);
