#include "pet/tail_curve.h"

#include <gtest/gtest.h>

#include <cmath>

#include "pet/pet_state.h"
#include "skins/cat_skin.h"

namespace {

TEST(TailCurveTest, BodyWidthShiftsTheWholeTailAndLengthScalesIt) {
    PetState pet;
    CatSkin plain;
    const TailCurve base = ComputeTailCurve(184.0f, 226.0f, pet, plain);
    EXPECT_FLOAT_EQ(base.p[0].x, 218.0f);
    EXPECT_FLOAT_EQ(base.p[0].y, 220.0f);

    CatSkin wide;
    wide.shape.bodyWidth = 1.35f;
    const TailCurve shifted = ComputeTailCurve(184.0f, 226.0f, pet, wide);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(shifted.p[i].x - base.p[i].x, 11.9f, 1e-4f) << i;
        EXPECT_FLOAT_EQ(shifted.p[i].y, base.p[i].y) << i;
    }

    CatSkin longTail;
    longTail.shape.tailLength = 1.3f;
    longTail.shape.tailThickness = 1.4f;
    const TailCurve longer = ComputeTailCurve(184.0f, 226.0f, pet, longTail);
    EXPECT_FLOAT_EQ(longer.p[0].x, base.p[0].x);
    const float baseReach = std::hypot(base.p[3].x - base.p[0].x, base.p[3].y - base.p[0].y);
    const float longReach =
        std::hypot(longer.p[3].x - longer.p[0].x, longer.p[3].y - longer.p[0].y);
    EXPECT_NEAR(longReach / baseReach, 1.3f, 1e-4f);
    EXPECT_FLOAT_EQ(longer.thickness, 1.4f);
}

TEST(TailCurveTest, AsleepTheTailCurlsUnderTheBodyWhateverElse) {
    CatSkin skin;
    skin.shape.tailLength = 1.3f;
    skin.shape.bodyWidth = 1.2f;
    PetState pet;
    pet.sleep.value = 1.0f;
    pet.tailOnKey.value = 1.0f;
    pet.tailTipX.value = 120.0f;
    pet.tailFlickX.value = 30.0f;
    pet.tailFlickY.value = -40.0f;
    for (float phase : {0.0f, 1.0f, 2.6f}) {
        pet.tailPhase = phase;
        const TailCurve c = ComputeTailCurve(190.0f, 236.0f, pet, skin);
        EXPECT_NEAR(c.p[3].x, 190.0f - 28.0f, 1e-3f);
        EXPECT_NEAR(c.p[3].y, 236.0f + 8.0f + 2.0f * std::sin(0.6f * phase), 1e-3f);
    }
}

TEST(TailCurveTest, ParkedOnAKeyTheTipIsTheTailTarget) {
    CatSkin skin;
    PetState pet;
    pet.tailOnKey.value = 1.0f;
    pet.tailTipX.value = 140.0f;
    pet.tailTipY.value = 250.0f;
    pet.tailFlickX.value = 30.0f;  // ignored while parked
    const TailCurve c = ComputeTailCurve(184.0f, 226.0f, pet, skin);
    EXPECT_FLOAT_EQ(c.p[3].x, 140.0f);
    EXPECT_FLOAT_EQ(c.p[3].y, 250.0f);
    const Vec2 end = TailCurveAt(c, 1.0f);
    EXPECT_FLOAT_EQ(end.x, 140.0f);
    EXPECT_FLOAT_EQ(end.y, 250.0f);
}

}  // namespace
