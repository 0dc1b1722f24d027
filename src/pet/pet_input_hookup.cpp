#include "pet/pet_input_hookup.h"

#include <utility>

#include "input/input_monitor.h"
#include "pet/pet_reactions.h"
#include "skins/cat_skin.h"

PetSkinStyle SkinStyleOf(const CatSkin* skin) {
    if (skin == nullptr) return {};
    return {skin->typingStyle == TypingStyle::Douni, skin->renderStyle == RenderStyle::Douni};
}

void ConnectPetToInput(InputMonitor& input, PetState& pet, const Settings& settings,
                       std::function<PetSkinStyle()> currentStyle) {
    const auto now = [&input] { return input.system.now ? input.system.now() : 0.0; };
    const auto styleNow = [style = std::move(currentStyle)] {
        return style ? style() : PetSkinStyle{};
    };
    input.onKeyDown = [&pet, &settings, now, styleNow](PhysicalKey key) {
        StrikeKey(pet, key, settings, styleNow().douniTyping, now());
    };
    input.onMouseButton = [&pet, &settings, now, styleNow](int button, bool down) {
        PressMouseButton(pet, button, down, settings, styleNow().douniRender, now());
    };
}
