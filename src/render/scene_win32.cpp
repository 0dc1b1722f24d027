#include "render/scene_win32.h"

#include <cmath>

#include "base/small_math.h"
#include "desk/badges_win32.h"
#include "desk/desk_win32.h"
#include "desk/tablet_win32.h"
#include "draw/group_opacity_win32.h"
#include "pet/pet_state.h"
#include "render/body_win32.h"
#include "render/carried_cat_win32.h"
#include "render/ears_win32.h"
#include "render/coat_themes.h"
#include "render/dazed_coat_win32.h"
#include "render/effects_win32.h"
#include "render/face_win32.h"
#include "render/limbs_win32.h"
#include "render/pending_parts_win32.h"
#include "render/scene_frame.h"
#include "render/tail_win32.h"
#include "settings/settings.h"
#include "skins/cat_skin.h"
#include "skins/keyboard_skin.h"

namespace {

constexpr float kHindLegHipWidth = 15.0f;
constexpr float kHindLegFootWidth = 12.0f;

bool StylusInPaw(const PetState& pet, const SceneFrame& f) {
    return pet.rightPawOnMouse && f.carry <= 0.25f && f.dizzy <= 0.35f && f.sleepRaw <= 0.45f;
}

void DrawSeatedCat(Canvas& canvas, const PetState& pet, const Settings& settings,
                   const CatSkin& skin, const SceneFrame& f, bool stylusHeld) {
    const SavedState catSave(canvas);
    if (SwayApplies(f)) {
        Translate(canvas, f.bodyX + f.swayShift.x, f.bodyY + f.swayShift.y);
        Rotate(canvas, f.swayAngle * kDegreesPerRadian);
        Translate(canvas, -f.bodyX, -f.bodyY);
    }
    if (IsBuiltinCoat(skin, BuiltinCoat::Dazed)) DrawKnifeProp(canvas, f.bodyX, f.bodyY, pet);
    const bool tailFront = pet.tailOnKey.value >= 0.5f || f.droop >= 0.45f;
    const bool outline = settings.WhiteOutline;
    if (outline) {
        DrawTail(canvas, f.bodyX, f.bodyY, pet, skin, true);
        DrawEars(canvas, f.head, pet, skin, true);
        DrawBody(canvas, f.bodyX, f.bodyY, f.head, f.breath, pet, skin, true);
    }
    if (!tailFront) DrawTail(canvas, f.bodyX, f.bodyY, pet, skin, false);
    DrawEars(canvas, f.head, pet, skin, false);
    DrawBody(canvas, f.bodyX, f.bodyY, f.head, f.breath, pet, skin, false);
    if (pet.footOut.value > 0.03f) {
        const Vec2 foot{pet.footX.value, pet.footY.value};
        const Vec2 control{(foot.x + f.hip.x) / 2.0f + 10.0f, (foot.y + f.hip.y) / 2.0f - 8.0f};
        LimbSpec leg;
        leg.shoulder = f.hip;
        leg.control = control;
        leg.paw = foot;
        leg.shoulderWidth = kHindLegHipWidth;
        leg.pawWidth = kHindLegFootWidth;
        leg.opacity = 0.85f * pet.footOut.value;
        leg.frontLimb = false;
        DrawLimb(canvas, leg, skin, outline);
    }
    DrawFace(canvas, f.head, pet, settings.EyeTheme, skin, 0.0f, 0.0f);
    if (!skin.decorations.empty())
        DrawDecorationsPending(canvas, f.head, f.bodyX, f.bodyY, pet, skin);
    DrawFrontPaws(canvas, f.bodyX, f.bodyY, f.breath, pet, skin, outline);
    if (pet.tabletActive && stylusHeld) {
        const SavedState stylusSave(canvas);
        const float lift = Clamp01(pet.penDown.value);
        Translate(canvas, pet.rightPawX.value - 5.5f, pet.rightPawY.value + 7.0f + 1.4f * lift);
        Rotate(canvas, (pet.penTilt.value - 2.18f) * kDegreesPerRadian);
        DrawStylus(canvas, 35.0f, settings.KeyboardTheme, settings.EyeTheme, lift);
    }
    if (tailFront) DrawTail(canvas, f.bodyX, f.bodyY, pet, skin, false);
}

void DrawSeatedBranch(Canvas& canvas, const PetState& pet, const Settings& settings,
                      const CatSkin& skin, const KeyboardSkin& keyboardSkin, const SceneFrame& f) {
    const bool stylusHeld = StylusInPaw(pet, f);
    DrawDesk(canvas, pet, settings, keyboardSkin, stylusHeld);
    DrawSeatedCat(canvas, pet, settings, skin, f, stylusHeld);
    if (f.dizzy > 0.1f) {
        const Vec2 head = DrawnHeadCentre(f);
        DrawDizzyStars(canvas, {head.x, head.y - (10.0f * f.fall + 42.0f)}, f.dizzy, pet.dizzySpin);
    }
    if (!pet.badges.empty()) DrawBadges(canvas, pet);
    DrawParticles(canvas, pet, settings.EyeTheme);
}

}  // namespace

void DrawScene(Canvas& canvas, const PetState& pet, const Settings& settings,
               const CatSkin& catSkin, const KeyboardSkin& keyboardSkin) {
    ApplyPetRenderingHints(canvas);
    {
        const SavedState outer(canvas);
        const float rotation = settings.RotationDegrees;
        if (RotationApplies(rotation)) {
            const float s = RotationShrink(rotation);
            Translate(canvas, kStageCentreX, kStageCentreY);
            Rotate(canvas, rotation);
            Scale(canvas, s, s);
            Translate(canvas, -kStageCentreX, -kStageCentreY);
        }
        if (settings.FlipHorizontal) {
            Translate(canvas, kStageWidth, 0.0f);
            Scale(canvas, -1.0f, 1.0f);
        }
        const SceneFrame frame = ComputeSceneFrame(pet, catSkin);
        if (catSkin.renderStyle == RenderStyle::Douni) {
            DrawDouniScenePending(canvas, pet, catSkin, keyboardSkin, settings.EyeTheme,
                                  settings.KeyboardMarquee, settings.WhiteOutline);
            if (!pet.badges.empty()) DrawBadges(canvas, pet);
        } else if (frame.carry > 0.005f) {
            const float deskAlpha = Clamp01(1.0f - 2.6f * frame.carry);
            if (deskAlpha > 0.01f) {
                DrawWithOpacity(
                    canvas, 0.0f, 0.0f, kStageWidth, kStageHeight, deskAlpha,
                    [&](Canvas& target) { DrawDesk(target, pet, settings, keyboardSkin); });
            }
            DrawCarriedCat(canvas, pet, catSkin, settings.EyeTheme, frame.carry,
                           settings.WhiteOutline);
            if (!pet.badges.empty()) DrawBadges(canvas, pet);
        } else {
            DrawSeatedBranch(canvas, pet, settings, catSkin, keyboardSkin, frame);
        }
    }
    if (settings.editMode) {
        DrawTransformOverlay(canvas, settings.Scale, settings.RotationDegrees,
                             settings.FlipHorizontal);
    }
}
