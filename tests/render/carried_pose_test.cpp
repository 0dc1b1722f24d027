#include "render/carried_pose.h"

#include "pet/pet_state.h"
#include "skins/cat_skin.h"

#include <gtest/gtest.h>

namespace {

// The flinch over a whole drag: full at the grab, gone while hanging, back
// briefly at the release, and never again while the pose fades out.
TEST(CarriedPoseTest, FlinchesAtGrabAndReleaseOnly) {
    PetState pet;
    pet.isHeld = true;
    const struct {
        float heldTime;
        float pulse;
    } held[] = {{0.0f, 1.0f}, {0.13f, 1.0f}, {0.18f, 0.5f}, {0.22f, 0.0f}, {3.0f, 0.0f}};
    for (const auto& c : held) {
        pet.heldTime = c.heldTime;
        EXPECT_NEAR(GrabPulse(pet), c.pulse, 1e-4f) << "held for " << c.heldTime;
    }
    pet.isHeld = false;
    const struct {
        float releaseTimer;
        float pulse;
    } released[] = {
        {0.2f, 1.0f}, {0.06f, 0.5f}, {0.011f, 0.011f / 0.12f}, {0.01f, 0.0f}, {0.0f, 0.0f}};
    for (const auto& c : released) {
        pet.releaseTimer = c.releaseTimer;
        EXPECT_NEAR(GrabPulse(pet), c.pulse, 1e-4f) << "release timer " << c.releaseTimer;
    }
}

TEST(CarriedPoseTest, FlinchLowersTheHeadAndFastDragShiftsTheCatLeft) {
    PetState pet;
    CatSkin skin;
    pet.isHeld = true;
    pet.heldTime = 0.0f;
    const CarriedPose flinch = ComputeCarriedPose(pet, skin, 1.0f);
    pet.heldTime = 1.0f;
    const CarriedPose loose = ComputeCarriedPose(pet, skin, 1.0f);
    EXPECT_GT(flinch.head.y - loose.head.y, 18.0f);
    pet.dragSwayX = SpringAt(2.0f);  // clamped to 0.95
    const CarriedPose fast = ComputeCarriedPose(pet, skin, 1.0f);
    EXPECT_NEAR(fast.originX, -10.45f, 1e-4f);
}

}  // namespace
