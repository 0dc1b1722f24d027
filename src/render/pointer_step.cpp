#include "render/pointer_step.h"

#include "pet/pet_touch.h"
#include "render/hit_test.h"
#include "settings/settings.h"

namespace {

bool Contains(const ScreenRect& r, ScreenPoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

PointerOutcome StepPointer(const PointerFrame& frame, const Settings& settings, PetState& pet,
                           const CatSkin& skin, HeadHover& hover) {
    if (frame.busy || !frame.cursor) return PointerOutcome{};
    const ScreenPoint cursor = *frame.cursor;
    if (!Contains(frame.window, cursor)) {
        hover.hovering = false;
        return PointerOutcome{true, true};
    }
    if (settings.editMode) {
        hover.hovering = false;
        return PointerOutcome{true, false};
    }
    const Vec2 point = ScreenToStage(cursor.x, cursor.y, frame.window, settings);
    const PetHit hit = HitTestPet(point, pet, skin);
    TouchTail(pet, point, skin);
    if (hit == PetHit::Head) {
        StrokeHead(pet, point, hover, settings, frame.douniRender, frame.now);
    } else {
        hover.hovering = false;
    }
    const bool passThrough =
        hit == PetHit::Nothing || (settings.FullClickThrough && !frame.altHeld);
    return PointerOutcome{true, passThrough};
}
