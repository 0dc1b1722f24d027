#include "pet/tail_curve.h"

#include <algorithm>
#include <cmath>

#include "base/small_math.h"
#include "pet/pet_state.h"
#include "skins/cat_skin.h"

TailCurve ComputeTailCurve(float bodyX, float bodyY, const PetState& pet, const CatSkin& skin) {
    const float e = Clamp01(pet.alert.value);
    const float g = Clamp01(pet.tailTouched.value);
    const float d = pet.tailPhase;
    const float h = std::sin(d) * (8.0f + 5.5f * e + 4.0f * g);
    const float l = std::cos(1.3f * d) * (6.0f + 4.5f * e + 3.5f * g);
    const float u = 34.0f * skin.shape.bodyWidth - 34.0f;
    const float droop = Smooth(Clamp01(pet.sleep.value));
    const float onKey = Clamp01(pet.tailOnKey.value);
    // Asleep or parked on a key, the flick must not bend the tail.
    const float k = (1.0f - droop) * (1.0f - onKey);
    const float m1 = pet.tailFlickX.value * k;
    const float m2 = pet.tailFlickY.value * k;
    const float m3 = pet.tailFlickCurl.value * k;

    TailCurve c;
    c.p[0] = {bodyX + 34.0f + u, bodyY - 6.0f};
    c.p[1] = {bodyX + 64.0f + u + 0.25f * m1,
              bodyY + 2.0f + 0.35f * h + 5.6f * e + 0.22f * m2 + 0.35f * m3};
    c.p[2] = {bodyX + 66.0f + u + 0.4f * l + 0.65f * m1 - 0.45f * m3,
              bodyY - 26.0f + 0.7f * h + 14.0f * e + 0.6f * m2 - 0.55f * m3};
    c.p[3] = {bodyX + 91.0f + u + 0.5f * l + m1, bodyY - 30.0f + 0.85f * h + 14.0f * e + m2};

    const float length = skin.shape.tailLength;
    if (length != 1.0f) {
        for (int i = 1; i < 4; ++i) {
            c.p[i] = {c.p[0].x + (c.p[i].x - c.p[0].x) * length,
                      c.p[0].y + (c.p[i].y - c.p[0].y) * length};
        }
    }

    if (onKey > 0.0f) {
        const float tipX = pet.tailTipX.value;
        const float tipY = pet.tailTipY.value;
        c.p[2] = Lerp(c.p[2], {tipX + 24.0f, tipY - 30.0f}, onKey);
        c.p[3] = Lerp(c.p[3], {tipX, tipY}, onKey);
        c.p[1] = {c.p[1].x + 12.0f * onKey, c.p[1].y - 18.0f * onKey};
    }

    if (droop > 0.0f) {
        c.p[0] = Lerp(c.p[0], {bodyX + 40.0f + u, bodyY - 2.0f}, droop);
        c.p[1] = Lerp(c.p[1], {bodyX + 54.0f + u, bodyY + 13.0f}, droop);
        c.p[2] = Lerp(c.p[2], {bodyX + 14.0f, bodyY + 17.0f}, droop);
        c.p[3] = Lerp(c.p[3], {bodyX - 28.0f, bodyY + 8.0f + 2.0f * std::sin(0.6f * d)}, droop);
    }

    c.thickness = skin.shape.tailThickness;
    return c;
}

Vec2 TailCurveAt(const TailCurve& curve, float t) {
    const float s = 1.0f - t;
    const float a = s * s * s;
    const float b = 3.0f * s * s * t;
    const float c = 3.0f * s * t * t;
    const float d = t * t * t;
    return {a * curve.p[0].x + b * curve.p[1].x + c * curve.p[2].x + d * curve.p[3].x,
            a * curve.p[0].y + b * curve.p[1].y + c * curve.p[2].y + d * curve.p[3].y};
}
