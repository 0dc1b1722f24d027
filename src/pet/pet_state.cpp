#include "pet/pet_state.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr float kStageWidth = 360.0f;
constexpr float kMinPixelsPerUnit = 0.2f;
constexpr float kInsaneMagnitude = 1000000.0f;

// The springs whose values the sanity check watches; the clock is checked
// separately since it may legitimately run past the magnitude bound.
constexpr std::array kWatchedSprings = {
    &PetState::rightPawX,      &PetState::rightPawY,     &PetState::leftPawX,
    &PetState::leftPawY,       &PetState::footX,         &PetState::footY,
    &PetState::bodyShiftX,     &PetState::bodyLean,      &PetState::bodyStretch,
    &PetState::headRoll,       &PetState::gazeX,         &PetState::gazeY,
    &PetState::headDrop,       &PetState::pupilX,        &PetState::pupilY,
    &PetState::eyeScale,       &PetState::alert,         &PetState::held,
    &PetState::dragSwayX,      &PetState::dragSwayY,     &PetState::dragTwist,
    &PetState::douniRightLift, &PetState::douniLeftLift, &PetState::douniRightPawX,
    &PetState::douniRightPawY, &PetState::douniLeftPawX, &PetState::douniLeftPawY,
    &PetState::douniPenPose,   &PetState::douniContent,  &PetState::douniBounce,
    &PetState::douniSway,      &PetState::mouseShiftX,   &PetState::mouseShiftY,
};

bool Sane(float v) {
    return std::isfinite(v) && std::fabs(v) <= kInsaneMagnitude;
}

}  // namespace

float PixelsPerStageUnit(int windowWidth) {
    return std::max(kMinPixelsPerUnit, static_cast<float>(std::max(1, windowWidth)) / kStageWidth);
}

Vec2 DragStepInPetFrame(float dxPixels, float dyPixels, float rotationDegrees, bool flipped) {
    const double theta = static_cast<double>(rotationDegrees) * kPiDouble / 180.0;
    const double dx = dxPixels;
    const double dy = dyPixels;
    double x = dx * std::cos(theta) + dy * std::sin(theta);
    const double y = -dx * std::sin(theta) + dy * std::cos(theta);
    if (flipped) x = -x;
    return {static_cast<float>(x), static_cast<float>(y)};
}

void SetHeld(PetState& pet, bool on, float dxPixels, float dyPixels, float pixelsPerUnit) {
    if (on) {
        if (!pet.isHeld) {
            pet.heldTime = 0.0f;
            pet.releaseTimer = 0.0f;
            pet.dragDelta[0] = pet.dragDelta[1] = 0.0f;
        }
        // The swing is tuned in Stage units; a window step in pixels would
        // swing a scaled-up pet harder for the same motion.
        const float ppu = std::isfinite(pixelsPerUnit) && pixelsPerUnit >= kMinPixelsPerUnit
                              ? pixelsPerUnit
                              : kMinPixelsPerUnit;
        pet.drowsiness = 0.0f;
        pet.alertDuration = 0.0f;
        pet.dragDelta[0] += dxPixels / ppu;
        pet.dragDelta[1] += dyPixels / ppu;
        pet.isHeld = true;
        return;
    }
    pet.dragVelocity[0] = pet.dragVelocity[1] = 0.0f;
    pet.dragDelta[0] = pet.dragDelta[1] = 0.0f;
    if (pet.isHeld) pet.releaseTimer = 0.16f;
    pet.bodyStretch.velocity -= 2.4f;
    pet.headDrop.velocity += 78.0f;
    pet.isHeld = false;
}

bool ResetPetStateIfInsane(PetState& pet) {
    bool sane = std::isfinite(pet.clock);
    for (Spring PetState::*member : kWatchedSprings) sane = sane && Sane((pet.*member).value);
    if (sane) return false;
    const std::int32_t petCount = pet.petCount;
    pet = PetState{};
    pet.petCount = petCount;
    return true;
}
