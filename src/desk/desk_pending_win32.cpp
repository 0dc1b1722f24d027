#include "desk/desk_pending_win32.h"

// Empty until their drawers exist; see the header.

void DrawTabletPending(Canvas&, const PetState&, std::int32_t, std::int32_t) {}
void DrawLooseStylusPending(Canvas&, const PetState&, std::int32_t, std::int32_t) {}
void DrawMousePending(Canvas&, const PetState&, const KeyboardSkin&) {}
void DrawKeyboardPending(Canvas&, const PetState&, const KeyboardSkin&, std::int32_t, bool, bool) {}
void DrawHeldStylusPending(Canvas&, float, std::int32_t, std::int32_t, float) {}
void DrawBadgesPending(Canvas&, const PetState&) {}
void DrawResizeFramePending(Canvas&, float, float, bool) {}
