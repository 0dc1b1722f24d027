#include "render/compose_frame_win32.h"

#include "desk/keyboard_win32.h"
#include "render/scene_win32.h"
#include "render/tabby_texture_win32.h"

std::int32_t ComposeFrame(Gdiplus::Graphics& graphics, int width, int height, bool greenScreen,
                          const PetState& pet, const Settings& settings, const CatSkin& catSkin,
                          const KeyboardSkin& keyboardSkin, CanvasStats* stats) {
    Canvas canvas{&graphics, 0, stats};
    Note(canvas, graphics.Clear(ToColor(greenScreen ? kGreenScreen : 0u)));
    Note(canvas, graphics.ResetTransform());
    const float w = static_cast<float>(width < 1 ? 1 : width);
    const float h = static_cast<float>(height < 1 ? 1 : height);
    Scale(canvas, w / kStageWidth, h / kStageHeight);
    DrawScene(canvas, pet, settings, catSkin, keyboardSkin);
    return canvas.lastStatus;
}

void ReleaseRenderCaches() {
    ClearTabbyTextures();
    ReleaseKeyboardCache();
}
