#pragma once

#include <vector>

#include "skins/cat_skin.h"

// The marks of built-in coat `index` (the tabby pattern, bib, muzzle and
// patches of the light coats, and their tail rings); empty for the others.
std::vector<SkinMark> BuiltinCoatMarks(int index);
