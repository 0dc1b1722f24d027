#include "render/face_point.h"

#include "pet/pet_state.h"
#include "skins/cat_skin.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kEps = 1e-4f;

TEST(FacePointTest, ReducesTurnAndAppliesScaleRollAndCentre) {
    HeadPose pose;
    pose.centre = {184.0f, 126.0f};
    pose.yaw = 1.0f;
    pose.pitch = 0.0f;
    // The centre of a dome sits 29.6 in front; only half the yaw turns it.
    Vec2 p = FacePointOnPose({0.0f, 0.0f}, false, pose, false);
    EXPECT_NEAR(p.x, 184.0f + 29.6f * std::sin(0.5f), kEps);
    EXPECT_NEAR(p.y, 126.0f, kEps);
    // A plane face keeps a depth of 27.5 even at its edge.
    pose.planeSurface = true;
    p = FacePointOnPose({46.0f, 0.0f}, false, pose, false);
    EXPECT_NEAR(p.x, 184.0f + 46.0f * std::cos(0.5f) + 27.5f * std::sin(0.5f), kEps);
    // Flat points ignore the turn; scale then roll.
    pose.scale = 2.0f;
    pose.roll = 1.5707963f;
    p = FacePointOnPose({10.0f, 0.0f}, true, pose, false);
    EXPECT_NEAR(p.x, 184.0f, kEps);
    EXPECT_NEAR(p.y, 146.0f, kEps);
}

TEST(FacePointTest, SmoothDepthFlattensTheRimMoreThanTheRoot) {
    HeadPose pose;
    pose.yaw = 2.0f;  // yaw' = 1
    const Vec2 root = FacePointOnPose({0.0f, 30.0f}, false, pose, false);
    const Vec2 smooth = FacePointOnPose({0.0f, 30.0f}, false, pose, true);
    const float d = 1.0f - 900.0f / 1600.0f;
    EXPECT_NEAR(root.x, 29.6f * std::sqrt(d) * std::sin(1.0f), kEps);
    EXPECT_NEAR(smooth.x, 29.6f * d * d * (3.0f - 2.0f * d) * std::sin(1.0f), kEps);
}

TEST(FacePointTest, TakesThePoseFromThePetAndTheSkin) {
    PetState pet;
    pet.gazeX = SpringAt(0.8f);
    pet.gazeY = SpringAt(-0.5f);
    pet.headRoll = SpringAt(0.2f);
    CatSkin skin;
    skin.shape.headScale = 1.15f;
    skin.headSurface = HeadSurface::Plane;
    HeadPose pose;
    pose.centre = {190.0f, 120.0f};
    pose.yaw = 0.8f;
    pose.pitch = -0.5f;
    pose.roll = 0.2f;
    pose.scale = 1.15f;
    pose.planeSurface = true;
    for (bool flat : {false, true}) {
        for (bool smooth : {false, true}) {
            const Vec2 a = FacePoint({12.0f, -7.0f}, flat, skin, pose.centre, pet, smooth);
            const Vec2 b = FacePointOnPose({12.0f, -7.0f}, flat, pose, smooth);
            EXPECT_FLOAT_EQ(a.x, b.x);
            EXPECT_FLOAT_EQ(a.y, b.y);
        }
    }
    // Pitching the head down moves a plane face's centre down by its depth.
    const Vec2 down = FacePoint({0.0f, 0.0f}, false, skin, {0.0f, 0.0f}, PetState{}, false);
    EXPECT_NEAR(down.y, 0.0f, kEps);
    pet = PetState{};
    pet.gazeY = SpringAt(1.0f);
    EXPECT_NEAR(FacePoint({0.0f, 0.0f}, false, skin, {0.0f, 0.0f}, pet, false).y,
                1.15f * 27.5f * std::sin(0.36f), kEps);
}

}  // namespace
