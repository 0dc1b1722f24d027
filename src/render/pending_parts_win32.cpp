#include "render/pending_parts_win32.h"

// Empty until their drawers exist; see the header.

void DrawTailPending(Canvas&, float, float, const PetState&, const CatSkin&, bool) {}
void DrawHindLegPending(Canvas&, Vec2, Vec2, Vec2, float, const CatSkin&, bool) {}
void DrawFacePending(Canvas&, Vec2, const PetState&, std::int32_t, const CatSkin&, float, float) {}
void DrawDecorationsPending(Canvas&, Vec2, float, float, const PetState&, const CatSkin&) {}
void DrawFrontPawsPending(Canvas&, float, float, float, const PetState&, const CatSkin&, bool) {}
void DrawSkinRegionsPending(Canvas&, RegionSpace, const PetState&, const CatSkin&) {}
void DrawSkinMarksPending(Canvas&, RegionSpace, const PetState&, const CatSkin&) {}
void DrawDazedFacePending(Canvas&, const PetState&, std::int32_t, const CatSkin&) {}
void DrawDizzyStarsPending(Canvas&, Vec2, float, float) {}
void DrawParticlesPending(Canvas&, const PetState&, std::int32_t) {}
void DrawCarriedCatPending(Canvas&, const PetState&, const CatSkin&, std::int32_t, float, bool) {}
void DrawDouniScenePending(Canvas&, const PetState&, const CatSkin&, const KeyboardSkin&,
                           std::int32_t, bool, bool) {}
