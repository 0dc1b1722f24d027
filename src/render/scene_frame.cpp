#include "render/scene_frame.h"

#include <cmath>

#include "base/small_math.h"
#include "pet/pet_state.h"
#include "render/build_geometry.h"
#include "skins/cat_skin.h"

SceneFrame ComputeSceneFrame(const PetState& pet, const CatSkin& skin) {
    SceneFrame f;
    f.breath = static_cast<float>(std::sin(pet.clock * 2.1)) * 1.6f;
    f.carry = Clamp01(pet.held.value);
    f.sleepRaw = Clamp01(pet.sleep.value);
    f.droop = Smooth(f.sleepRaw);
    f.dizzy = Clamp01(pet.dizzy.value);
    f.fall = Smooth(Clamp01((f.dizzy - 0.5f) * 2.0f));
    f.wobble = (1.0f - f.fall) * Clamp01((f.dizzy - 0.12f) / 0.38f);
    f.swayAngle = static_cast<float>(std::sin(pet.clock * 9.5)) * 0.16f * f.wobble - 1.46f * f.fall;
    f.swayShift = {56.0f * f.fall, 20.0f * f.fall};
    f.bodyX = 184.0f + pet.bodyShiftX.value;
    f.bodyY = 226.0f - 22.0f * f.carry + 10.0f * f.droop;
    const float headOffsetY = BuildGeometryFor(skin.shape.build).headOffsetY;
    f.head.x = f.bodyX + 36.0f * pet.bodyLean.value + 7.5f * pet.gazeX.value - 4.0f * f.droop;
    f.head.y = headOffsetY + 126.0f + pet.headDrop.value + 4.8f * pet.gazeY.value +
               1.1f * f.breath - 22.0f * f.carry + 60.0f * f.droop;
    f.hip = {f.bodyX + 26.0f * skin.shape.bodyWidth, f.bodyY + 2.0f};
    return f;
}

bool SwayApplies(const SceneFrame& frame) {
    return frame.dizzy > 0.01f;
}

Vec2 SwayPoint(const SceneFrame& frame, Vec2 p) {
    if (!SwayApplies(frame)) return p;
    const Vec2 turned = RotateAround(p, {frame.bodyX, frame.bodyY}, frame.swayAngle);
    return {turned.x + frame.swayShift.x, turned.y + frame.swayShift.y};
}

Vec2 UnswayPoint(const SceneFrame& frame, Vec2 p) {
    if (!SwayApplies(frame)) return p;
    const Vec2 back{p.x - frame.swayShift.x, p.y - frame.swayShift.y};
    return RotateAround(back, {frame.bodyX, frame.bodyY}, -frame.swayAngle);
}

Vec2 DrawnHeadCentre(const SceneFrame& frame) {
    return SwayPoint(frame, frame.head);
}

bool RotationApplies(float degrees) {
    return std::fabs(degrees) > 0.01f;
}

float RotationShrink(float degrees) {
    if (!RotationApplies(degrees)) return 1.0f;
    return 1.0f - std::fabs(std::sin(degrees * kPi / 180.0f)) * 0.14f;
}
