#include "render/body_geometry.h"

#include <cmath>

#include "pet/pet_state.h"
#include "render/build_geometry.h"
#include "skins/cat_skin.h"

BodyFrame MakeBodyFrame(Vec2 body, Vec2 head, const PetState& pet, const CatSkin& skin) {
    BodyFrame f;
    f.body = body;
    f.head = head;
    f.lean = pet.bodyLean.value;
    f.roll = pet.headRoll.value;
    f.headScale = skin.shape.headScale;
    f.bodyWidth = skin.shape.bodyWidth;
    const float droop = Smooth(Clamp01(pet.sleep.value));
    const float posture = pet.bodyStretch.value;
    f.crouch = (1.0f - 0.42f * droop) * posture;
    f.widen = ((1.0f - posture) * 0.55f + 1.0f) * (0.03f * droop + 1.0f);
    return f;
}

Vec2 HeadToStage(const BodyFrame& f, Vec2 p) {
    const float c = std::cos(f.roll);
    const float s = std::sin(f.roll);
    return {f.head.x + f.headScale * (p.x * c - p.y * s),
            f.head.y + f.headScale * (p.x * s + p.y * c)};
}

Vec2 BodyToStage(const BodyFrame& f, Vec2 p) {
    const float x = p.x * f.bodyWidth * f.widen;
    const float y = p.y * f.crouch;
    const float c = std::cos(f.lean);
    const float s = std::sin(f.lean);
    return {f.body.x + x * c - y * s, f.body.y + x * s + y * c};
}

Silhouette ComputeSilhouette(const BodyFrame& f, float breath, const PetState& pet,
                             const CatSkin& skin) {
    const BuildGeometry& e = BuildGeometryFor(skin.shape.build);
    const float gx = pet.gazeX.value;
    const float gy = pet.gazeY.value;
    const float cheek = skin.shape.cheekFullness * e.cheekHalfWidth;
    const float kr = 1.2f * gx + cheek;
    const float kl = 1.2f * gx - cheek;
    const float crownY = e.crownY + 2.0f * gy;
    const float shoulderY = e.shoulderControlY + 0.5f * breath;
    auto H = [&](float x, float y) { return HeadToStage(f, {x, y}); };
    auto B = [&](float x, float y) { return BodyToStage(f, {x, y}); };

    Silhouette s;
    s.start = H(0.6f * gx, crownY);
    s.right[0] = {H(e.crownControlX + 0.9f * gx, crownY), H(kr + 1.5f, e.aboveCheekControlY),
                  H(kr, e.cheekY)};
    s.right[1] = {H(kr - e.neckControlInset, e.neckControlY), B(e.shoulderControlX, shoulderY),
                  B(e.shoulderHalfWidth, -14.0f)};
    s.right[2] = {B(e.upperFlankControlX, 5.0f), B(e.lowerFlankControlX, 12.0f),
                  B(e.baseHalfWidth, 12.0f)};
    s.baseLeft = B(-e.baseHalfWidth, 12.0f);
    s.left[0] = {B(-e.lowerFlankControlX, 12.0f), B(-e.upperFlankControlX, 5.0f),
                 B(-e.shoulderHalfWidth, -14.0f)};
    s.left[1] = {B(-e.shoulderControlX, shoulderY), H(kl + e.neckControlInset, e.neckControlY),
                 H(kl, e.cheekY)};
    s.left[2] = {H(kl - 1.5f, e.aboveCheekControlY), H(0.9f * gx - e.crownControlX, crownY),
                 H(0.6f * gx, crownY)};
    return s;
}

HindFeet ComputeHindFeet(const PetState& pet, const CatSkin& skin) {
    const BuildGeometry& e = BuildGeometryFor(skin.shape.build);
    const float stagger = skin.shape.pawStagger;
    HindFeet feet;
    feet.first = {e.firstFootX, e.footY, e.footWidth, e.footHeight};
    feet.second = {e.secondFootX, e.footY + (e.staggeredFootY - e.footY) * stagger, e.footWidth,
                   e.footHeight + (e.staggeredFootHeight - e.footHeight) * stagger};
    const float width = skin.shape.bodyWidth;
    if (width != 1.0f) {
        // The feet move apart with the body but keep their size.
        feet.first.x = (feet.first.x + e.footWidth / 2.0f) * width - e.footWidth / 2.0f;
        feet.second.x = (feet.second.x + e.footWidth / 2.0f) * width - e.footWidth / 2.0f;
    }
    feet.secondShown = pet.footOut.value < 0.35f;
    return feet;
}

EarShape ComputeEar(int side, const PetState& pet, const CatSkin& skin) {
    const BuildGeometry& e = BuildGeometryFor(skin.shape.build);
    const float s = static_cast<float>(side);
    const float yaw = pet.gazeX.value * 0.5f;
    const float pitch = pet.gazeY.value * 0.36f;
    const float flick = (side < 0 ? 0.045f : -0.045f) * pet.earFlick.value;
    const float tilt = (pet.earDroop.value * 0.34f + e.earTipTilt) * s + flick;

    EarShape ear;
    ear.a = ProjectOnHead(s * e.earOuterBaseX, e.earOuterBaseY, 0.0f, yaw, pitch);
    ear.b = ProjectOnHead(s * e.earInnerBaseX, e.earInnerBaseY, -2.0f, yaw, pitch);
    ear.t = ProjectOnHead(s * e.earPivotX + std::sin(tilt) * e.earLength,
                          e.earPivotY - std::cos(tilt) * e.earLength, -3.0f, yaw, pitch);
    const float size = skin.shape.earSize;
    if (size != 1.0f) {
        const Vec2 mid{(ear.a.x + ear.b.x) / 2.0f, (ear.a.y + ear.b.y) / 2.0f};
        auto grow = [&](Vec2 p) {
            return Vec2{mid.x + (p.x - mid.x) * size, mid.y + (p.y - mid.y) * size};
        };
        ear.a = grow(ear.a);
        ear.b = grow(ear.b);
        ear.t = grow(ear.t);
    }
    const float p = skin.shape.earPointiness > 0.01f ? skin.shape.earPointiness : 0.01f;
    ear.t1 = {ear.t.x - s * e.earTipHalfSplit / p, ear.t.y + 2.8f};
    ear.t2 = {ear.t.x + s * e.earTipHalfSplit / p, ear.t.y + 3.2f};

    const Vec2 A = ear.a;
    const Vec2 Bp = ear.b;
    const Vec2 T = ear.t;
    ear.inner1 = {A.x + 0.24f * (T.x - A.x) + 3.0f * s, A.y + 0.16f * (T.y - A.y)};
    ear.inner2 = {0.16f * (A.x + Bp.x) + 0.68f * T.x, 0.14f * (A.y + Bp.y) + 0.72f * T.y + 2.5f};
    ear.inner3 = {Bp.x + 0.2f * (T.x - Bp.x) - 3.8f * s, Bp.y + 0.18f * (T.y - Bp.y)};
    return ear;
}
