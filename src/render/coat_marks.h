#pragma once

#include <vector>

#include "render/builtin_coat.h"
#include "skins/cat_skin.h"

// The marks of a built-in coat (the tabby pattern, bib, muzzle and patches of
// the light coats, and their tail rings); empty for the others.
std::vector<SkinMark> BuiltinCoatMarks(BuiltinCoat coat);
