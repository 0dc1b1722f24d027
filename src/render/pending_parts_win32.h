#pragma once

// Parts of the cat and its effects that DrawScene calls in their places but
// that are not drawn yet: each entry point below draws nothing until its
// drawer is written. Keeping the calls in place fixes the layer order now.
// The desk's are in desk/desk_pending_win32.h. An `outline` argument is the
// scene's WhiteOutline: limbs, resting paws, the carried pose and the douni
// parts draw their own white rim.

#include <cstdint>

#include "draw/canvas_win32.h"
#include "skins/cat_skin.h"

struct KeyboardSkin;
struct PetState;

// Cat parts.
void DrawDecorationsPending(Canvas& canvas, Vec2 headCentre, float bodyX, float bodyY,
                            const PetState& pet, const CatSkin& skin);
// Painted regions and marks of one space, drawn inside the caller's clip.
void DrawSkinRegionsPending(Canvas& canvas, RegionSpace space, const PetState& pet,
                            const CatSkin& skin);
void DrawSkinMarksPending(Canvas& canvas, RegionSpace space, const PetState& pet,
                          const CatSkin& skin);

// Effects and other poses.
void DrawDouniScenePending(Canvas& canvas, const PetState& pet, const CatSkin& skin,
                           const KeyboardSkin& keyboardSkin, std::int32_t eyeTheme, bool marquee,
                           bool outline);
