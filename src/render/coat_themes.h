#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "draw/color.h"
#include "draw/eye_themes.h"
#include "render/builtin_coat.h"
#include "settings/settings.h"
#include "skins/cat_skin.h"

// The six built-in coats, built on first use and kept for the whole run.
const std::array<CatSkin, kBuiltinCoatCount>& BuiltinCoats();
// The built-in coat of a CoatTheme number, clamped to 0..5.
const CatSkin& BuiltinCoatSkin(std::int32_t coatTheme);
const CatSkin& BuiltinCoatSkin(BuiltinCoat coat);

// The worn cat skin: the imported skin named by CustomSkin when the caller
// found it in the library (`imported`, may be null), else the built-in coat.
const CatSkin& WornCatSkin(const Settings& settings, const CatSkin* imported);

// Iris colour of a skin: its own iris slot when set, else the eye theme's.
Argb IrisColor(const CatSkin& skin, std::int32_t eyeTheme);

// True for a built-in record whose id is exactly "builtin:N" of that coat.
// Imported skins never pass, whatever their id text.
bool IsBuiltinCoat(const CatSkin& skin, BuiltinCoat coat);

// The dark coats whose arms, carried pose and alternative parts get a
// lighter rim.
bool IsPlainDarkCoat(const CatSkin& skin);
