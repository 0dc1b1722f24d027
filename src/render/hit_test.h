#pragma once

#include <cstdint>

#include "base/geometry.h"

struct CatSkin;
struct PetState;
struct Settings;

// What lies under a Stage point.
enum class PetHit : std::int32_t { Nothing = 0, Head = 1, Body = 2 };

// 0 nothing (clicks pass through), 1 the head (petting), 2 the rest of the
// cat or its desk. The head is where the renderer draws it this frame,
// including the sleep droop and the dizzy fall.
PetHit HitTestPet(Vec2 stagePoint, const PetState& pet, const CatSkin& skin);

// The Stage point under a screen cursor for the window rectangle: the
// inverse of the renderer's rotation (with its shrink) and mirror.
Vec2 ScreenToStage(std::int32_t cursorX, std::int32_t cursorY, const ScreenRect& window,
                   const Settings& settings);
