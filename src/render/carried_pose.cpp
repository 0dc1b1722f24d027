#include "render/carried_pose.h"

#include <algorithm>
#include <cmath>

#include "pet/pet_state.h"
#include "render/build_geometry.h"
#include "skins/cat_skin.h"

namespace {

constexpr float kFlinchHold = 0.14f;     // seconds of full flinch after a grab
constexpr float kFlinchEase = 0.08f;     // seconds it takes to let go of it
constexpr float kReleaseFlinch = 0.12f;  // seconds of the release flinch
constexpr float kReleaseDone = 0.01f;

}  // namespace

float GrabPulse(const PetState& pet) {
    if (pet.isHeld) {
        if (pet.heldTime < kFlinchHold) return 1.0f;
        return std::max(0.0f, 1.0f - (pet.heldTime - kFlinchHold) / kFlinchEase);
    }
    // Once the release timer has run out the pose is fading away; flinching
    // again at full strength then would be a second jerk.
    if (pet.releaseTimer > kReleaseDone) return std::min(1.0f, pet.releaseTimer / kReleaseFlinch);
    return 0.0f;
}

float CarriedOpacity(float carry) {
    return Smooth(std::min(1.0f, Clamp01(carry) / 0.22f));
}

CarriedPose ComputeCarriedPose(const PetState& pet, const CatSkin& skin, float carry) {
    CarriedPose p;
    const float c = Clamp01(carry);
    const float r = GrabPulse(pet);
    p.pulse = r;
    p.swingX = std::clamp(pet.dragSwayX.value, -0.95f, 0.95f);
    p.swingY = std::clamp(pet.dragSwayY.value, -0.8f, 0.8f);
    p.twist = std::clamp(pet.dragTwist.value, -1.25f, 1.25f);
    p.idleSway = static_cast<float>(std::sin(pet.clock * 4.2)) * 0.045f * (1.0f - r);
    p.sway = p.idleSway + p.swingX * (1.0f - 0.32f * r);
    p.lift = std::max(0.0f, -p.swingY);
    p.originX = pet.bodyShiftX.value - 11.0f * p.swingX;
    p.originY = 7.5f * p.swingY - 12.0f * Smooth(c) +
                2.0f * (1.0f - r) * static_cast<float>(std::sin(pet.clock * 3.8));
    p.head = {p.originX + 112.0f, p.originY + 140.0f + 20.0f * r};
    p.headScale = skin.shape.headScale;
    p.cheek =
        skin.shape.cheekFullness * BuildGeometryFor(skin.shape.build).cheekHalfWidth * p.headScale;
    return p;
}
