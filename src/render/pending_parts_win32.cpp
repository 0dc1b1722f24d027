#include "render/pending_parts_win32.h"

// Empty until their drawers exist; see the header.

void DrawDecorationsPending(Canvas&, Vec2, float, float, const PetState&, const CatSkin&) {}
void DrawSkinRegionsPending(Canvas&, RegionSpace, const PetState&, const CatSkin&) {}
void DrawSkinMarksPending(Canvas&, RegionSpace, const PetState&, const CatSkin&) {}
void DrawDouniScenePending(Canvas&, const PetState&, const CatSkin&, const KeyboardSkin&,
                           std::int32_t, bool, bool) {}
