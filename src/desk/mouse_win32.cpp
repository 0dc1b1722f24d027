#include "desk/mouse_win32.h"

#include <algorithm>

#include "desk/keyboard_themes.h"
#include "pet/pet_state.h"
#include "skins/keyboard_skin.h"

namespace {

constexpr Vec2 kMouseRest{78.0f, 258.0f};
constexpr float kMouseTurn = 12.605072f;
constexpr float kPressDip = 1.6f;
constexpr float kLightFrom = 0.05f;
constexpr std::uint32_t kDividerAlpha = 0x52;

void FillButtonLight(Canvas& canvas, float x, float press) {
    if (!(press > kLightFrom)) return;
    const Gdiplus::SolidBrush brush(
        ToColor(WithAlphaByte(kButtonFlashRgb, static_cast<std::uint32_t>(96.0f * press))));
    Note(canvas, brush.GetLastStatus());
    Note(canvas, canvas.graphics->FillRectangle(&brush, x, 0.0f, 14.0f, 17.0f));
}

}  // namespace

void DrawMouse(Canvas& canvas, const PetState& pet, const KeyboardSkin& skin) {
    const Argb body = ColorToArgb(skin.mouseBody);
    const Argb border = ColorToArgb(skin.mouseBorder);
    const Argb wheel = ColorToArgb(skin.wheel);
    const float left = pet.leftButtonPress.value;
    const float other = pet.otherButtonPress.value;
    const float press = std::max(left, other);

    const SavedState save(canvas);
    Translate(canvas, kMouseRest.x + pet.mouseShiftX.value,
              kMouseRest.y + pet.mouseShiftY.value + kPressDip * press);
    Rotate(canvas, kMouseTurn);
    FillEllipseSolid(canvas, kMouseShadow, -13.5f, -9.5f, 27.0f, 31.0f);
    PathBuilder shell(canvas);
    shell.Ellipse(-13.5f, -16.5f, 27.0f, 33.0f);
    FillPathSolid(canvas, body, shell);
    if (left > kLightFrom || other > kLightFrom) {
        const SavedState clip(canvas);
        ClipToPath(canvas, shell);
        FillButtonLight(canvas, 0.0f, left);  // the cat's left button: the viewer's right
        FillButtonLight(canvas, -14.0f, other);
    }
    const auto divider = MakeRoundPen(canvas, WithAlphaByte(border, kDividerAlpha), 1.05f);
    Note(canvas, canvas.graphics->DrawLine(divider.get(), 0.0f, 16.0f, 0.0f, 1.5f));
    PathBuilder wheelPath(canvas);
    AddRoundedRect(wheelPath, -1.9f, 2.5f, 3.8f, 8.5f, 1.9f);
    FillPathSolid(canvas, wheel, wheelPath);
    StrokePath(canvas, *MakeRoundPen(canvas, border, 1.7f), shell);
}
