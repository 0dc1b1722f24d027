#include "render/body_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "pet/pet_state.h"
#include "render/coat_themes.h"
#include "skins/cat_skin.h"

namespace {

constexpr float kEps = 1e-3f;
const Vec2 kBody{184.0f, 226.0f};
const Vec2 kHead{184.0f, 126.0f};

void ExpectPoint(Vec2 actual, float x, float y, float eps = kEps) {
    EXPECT_NEAR(actual.x, x, eps);
    EXPECT_NEAR(actual.y, y, eps);
}

TEST(SilhouetteTest, RestingOutlineOfTheStandardBuild) {
    PetState pet;
    const CatSkin& skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    const BodyFrame frame = MakeBodyFrame(kBody, kHead, pet, skin);
    const Silhouette s = ComputeSilhouette(frame, 0.0f, pet, skin);
    ExpectPoint(s.start, 184.0f, 96.0f);                  // crown
    ExpectPoint(s.right[0].end, 184.0f + 42.5f, 131.0f);  // cheek
    ExpectPoint(s.right[1].end, 184.0f + 49.0f, 212.0f);  // shoulder
    ExpectPoint(s.right[2].end, 184.0f + 24.0f, 238.0f);  // base corner
    ExpectPoint(s.baseLeft, 184.0f - 24.0f, 238.0f);
    ExpectPoint(s.left[0].end, 184.0f - 49.0f, 212.0f);
    ExpectPoint(s.left[1].end, 184.0f - 42.5f, 131.0f);
    ExpectPoint(s.left[2].end, s.start.x, s.start.y);  // closed at the crown
}

TEST(SilhouetteTest, BodyWidthWidensOnlyTheTrunk) {
    PetState pet;
    CatSkin skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    skin.shape.bodyWidth = 1.35f;
    const Silhouette s = ComputeSilhouette(MakeBodyFrame(kBody, kHead, pet, skin), 0.0f, pet, skin);
    ExpectPoint(s.right[0].end, 184.0f + 42.5f, 131.0f);  // cheek unchanged
    ExpectPoint(s.right[1].end, 184.0f + 49.0f * 1.35f, 212.0f);
    ExpectPoint(s.right[2].end, 184.0f + 24.0f * 1.35f, 238.0f);
}

TEST(SilhouetteTest, SleepCrouchesBreathAndHeadFollow) {
    PetState pet;
    pet.sleep = SpringAt(1.0f);
    const CatSkin& skin = BuiltinCoatSkin(BuiltinCoat::Siamese);  // sleek
    const BodyFrame frame = MakeBodyFrame(kBody, kHead, pet, skin);
    EXPECT_NEAR(frame.crouch, 0.58f, kEps);
    EXPECT_NEAR(frame.widen, 1.03f, kEps);
    const Silhouette calm = ComputeSilhouette(frame, 0.0f, pet, skin);
    const Silhouette breathing = ComputeSilhouette(frame, 1.6f, pet, skin);
    // Breath lowers only the shoulder controls, by half its amount, crouched.
    EXPECT_NEAR(breathing.right[1].c2.y - calm.right[1].c2.y, 0.8f * 0.58f, kEps);
    ExpectPoint(breathing.right[1].end, calm.right[1].end.x, calm.right[1].end.y);
    // Sleek shoulders, crouched.
    ExpectPoint(calm.right[1].end, 184.0f + 44.5f * 1.03f, 226.0f - 14.0f * 0.58f);
}

TEST(SilhouetteTest, HeadRollAndScaleTurnTheHeadPoints) {
    PetState pet;
    pet.headRoll = SpringAt(1.5707963f);
    CatSkin skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    skin.shape.headScale = 1.1f;
    const Silhouette s = ComputeSilhouette(MakeBodyFrame(kBody, kHead, pet, skin), 0.0f, pet, skin);
    // The crown (0, -30) rolled a quarter turn lies to the right of centre.
    ExpectPoint(s.start, 184.0f + 33.0f, 126.0f);
}

TEST(HindFeetTest, StaggerWidthAndTheLiftedFoot) {
    struct Case {
        int coat;
        float bodyWidth;
        float footOut;
        Box first;
        Box second;
        bool secondShown;
    };
    const Case cases[] = {
        {0, 1.0f, 0.0f, {-35.0f, 3.0f, 17.0f, 11.0f}, {18.0f, 4.5f, 17.0f, 12.5f}, true},
        // Stagger 0: both feet level.
        {2, 1.0f, 0.0f, {-35.0f, 3.0f, 17.0f, 11.0f}, {18.0f, 3.0f, 17.0f, 11.0f}, true},
        {0, 1.0f, 0.35f, {-35.0f, 3.0f, 17.0f, 11.0f}, {18.0f, 4.5f, 17.0f, 12.5f}, false},
        // Centres move with the width; sizes stay.
        {0, 1.2f, 0.0f, {-40.3f, 3.0f, 17.0f, 11.0f}, {23.3f, 4.5f, 17.0f, 12.5f}, true},
        {1, 1.0f, 0.0f, {-31.0f, 3.5f, 15.5f, 12.0f}, {15.5f, 4.5f, 15.5f, 12.5f}, true},
    };
    for (const Case& c : cases) {
        PetState pet;
        pet.footOut = SpringAt(c.footOut);
        CatSkin skin = BuiltinCoatSkin(c.coat);
        skin.shape.bodyWidth = c.bodyWidth;
        const HindFeet feet = ComputeHindFeet(pet, skin);
        for (const auto& [box, want] : {std::pair{feet.first, c.first}, {feet.second, c.second}}) {
            EXPECT_NEAR(box.x, want.x, kEps) << c.coat;
            EXPECT_NEAR(box.y, want.y, kEps) << c.coat;
            EXPECT_NEAR(box.w, want.w, kEps) << c.coat;
            EXPECT_NEAR(box.h, want.h, kEps) << c.coat;
        }
        EXPECT_EQ(feet.secondShown, c.secondShown);
    }
}

TEST(EarTest, RestingEarsOfTheStandardBuild) {
    PetState pet;
    const CatSkin& skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    const EarShape right = ComputeEar(1, pet, skin);
    ExpectPoint(right.a, 9.0f, -16.0f);
    ExpectPoint(right.b, 35.0f, -5.0f);
    ExpectPoint(right.t, 24.5f + 32.0f * std::sin(0.06f), -20.0f - 32.0f * std::cos(0.06f));
    EXPECT_NEAR(right.t.x, 26.4f, 0.05f);
    EXPECT_NEAR(right.t.y, -51.9f, 0.05f);
    ExpectPoint(right.t1, right.t.x - 3.8f, right.t.y + 2.8f);
    ExpectPoint(right.t2, right.t.x + 3.8f, right.t.y + 3.2f);
    const EarShape left = ComputeEar(-1, pet, skin);
    ExpectPoint(left.a, -9.0f, -16.0f);
    ExpectPoint(left.t, -right.t.x, right.t.y);
}

TEST(EarTest, DroopFlickSizeAndPointiness) {
    PetState pet;
    pet.earDroop = SpringAt(1.0f);
    pet.earFlick = SpringAt(1.0f);
    CatSkin skin = BuiltinCoatSkin(BuiltinCoat::ClassicBlack);
    const EarShape rest = ComputeEar(1, PetState{}, skin);
    const EarShape droop = ComputeEar(1, pet, skin);
    // The right ear tilts outward with the droop, the flick pulls it back a
    // little (right ear takes -0.045).
    const float tilt = 0.34f + 0.06f - 0.045f;
    ExpectPoint(droop.t, 24.5f + 32.0f * std::sin(tilt), -20.0f - 32.0f * std::cos(tilt));
    EXPECT_GT(droop.t.x, rest.t.x);

    skin.shape.earSize = 1.2f;
    skin.shape.earPointiness = 1.5f;
    const EarShape big = ComputeEar(1, PetState{}, skin);
    const Vec2 mid{(9.0f + 35.0f) / 2.0f, (-16.0f - 5.0f) / 2.0f};
    ExpectPoint(big.a, mid.x + (9.0f - mid.x) * 1.2f, mid.y + (-16.0f - mid.y) * 1.2f);
    ExpectPoint(big.t, mid.x + (rest.t.x - mid.x) * 1.2f, mid.y + (rest.t.y - mid.y) * 1.2f);
    EXPECT_NEAR(big.t2.x - big.t1.x, 2.0f * 3.8f / 1.5f, kEps);
}

TEST(EarTest, HeadTurnMovesTheFarEarBehind) {
    PetState pet;
    pet.gazeX = SpringAt(1.0f);  // yaw' 0.5
    const EarShape right = ComputeEar(1, pet, BuiltinCoatSkin(BuiltinCoat::ClassicBlack));
    // Points behind the face plane (z < 0) move left as the head turns right.
    EXPECT_NEAR(right.b.x, 35.0f * std::cos(0.5f) - 2.0f * std::sin(0.5f), kEps);
}

}  // namespace
