// libFuzzer target: the keyboard skin reader on arbitrary bytes.
#include <cstdint>
#include <string>

#include "fuzz_checks.h"
#include "skins/keyboard_skin_reader.h"
#include "skins/skin_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    KeyboardSkin skin;
    std::string error;
    const bool ok = ReadKeyboardSkin(bytes, skin, error);
    FuzzCheck(ok == error.empty(), "error set exactly on failure");
    if (!ok) {
        FuzzCheck(IsWholeUtf8(error), "message is whole UTF-8");
        return 0;
    }
    FuzzCheck(IsKeyboardSkinDocument(bytes), "a keyboard skin is recognised as one");
    FuzzCheck(!skin.name.empty() && skin.name.size() <= 96 && skin.author.size() <= 96, "texts");
    for (const SkinColor* c : {&skin.mouseBody, &skin.mouseBorder, &skin.wheel, &skin.base,
                               &skin.deck, &skin.key, &skin.keyBorder, &skin.accent}) {
        FuzzCheck(c->set && c->r >= 0 && c->r <= 1 && c->a >= 0 && c->a <= 1,
                  "colours set and in range");
    }
    return 0;
}
