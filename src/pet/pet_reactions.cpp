#include "pet/pet_reactions.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

#include "base/small_math.h"
#include "keys/key_layout.h"
#include "pet/key_halves.h"
#include "pet/random_range.h"
#include "settings/settings.h"

namespace {

constexpr std::array<float, 6> kBadgeSlotOffsets{-10.0f, 14.0f, -22.0f, 26.0f, 2.0f, 36.0f};
constexpr double kBadgeBurstGap = 0.38;
constexpr std::size_t kMouseButtonCount = 3;

struct MouseBadgeText {
    std::wstring_view english;
    std::wstring_view chinese;
};

constexpr std::array<MouseBadgeText, kMouseButtonCount> kMouseBadgeTexts{{
    {L"LMB", L"\u5DE6\u952E"},
    {L"RMB", L"\u53F3\u952E"},
    {L"MMB", L"\u4E2D\u952E"},
}};

float SpringDirection(bool rightHalf) {
    return rightHalf ? -1.0f : 1.0f;
}

void DouniStrike(PetState& pet, PhysicalKey key, PhysicalKey slot, bool rightHalf, double now,
                 float anger) {
    const Vec2 d = DouniKeyPoint(key);
    pet.douniStrikeSide = rightHalf ? 0 : 1;
    pet.douniStrikeTimer = 0.28f;
    pet.douniPenPose.target = 0.0f;
    if (pet.douniPenPose.value > 0.05f) {
        pet.douniPenPose.velocity = std::min(-14.0f, pet.douniPenPose.velocity);
    }
    pet.douniContent.target = 0.0f;
    const float a = 1.0f + 0.35f * anger;

    Spring& lift = rightHalf ? pet.douniRightLift : pet.douniLeftLift;
    Spring& otherLift = rightHalf ? pet.douniLeftLift : pet.douniRightLift;
    double& strikeTime = rightHalf ? pet.douniRightStrikeTime : pet.douniLeftStrikeTime;
    const double otherStrikeTime = rightHalf ? pet.douniLeftStrikeTime : pet.douniRightStrikeTime;
    strikeTime = now;
    (rightHalf ? pet.douniRightPawX : pet.douniLeftPawX).target = d.x;
    (rightHalf ? pet.douniRightPawY : pet.douniLeftPawY).target = d.y;
    float kick = -22.0f;
    if (lift.value < -0.15f) {
        // Already pressing: lift a little first so the new strike reads.
        lift.value = 0.5f;
        kick = -15.5f;
    }
    lift.velocity = kick * a;
    lift.target = -1.0f;
    if (now - otherStrikeTime >= 0.035) {
        otherLift.target = 1.02f;
        otherLift.velocity = std::max(17.0f * a, otherLift.velocity + 6.0f);
    }
    (rightHalf ? pet.rightPawY : pet.leftPawY).velocity += 220.0f;

    const float dir = SpringDirection(rightHalf);
    pet.douniBounce.velocity += 24.0f * a;
    pet.douniSway.velocity += 10.5f * dir * a;
    pet.douniStrikeFlash = 0.14f;
    pet.douniLastKey = slot;

    pet.bodyStretch.velocity -= 2.2f;
    pet.headDrop.velocity += 44.0f;
    pet.eyeScale.target = 1.24f;
    pet.headRoll.velocity += 2.8f * dir;
    pet.earFlick.velocity += 6.5f * dir;
}

}  // namespace

void StrikeKey(PetState& pet, PhysicalKey key, const Settings& settings, bool douniTyping,
               double now) {
    const PhysicalKey slot = KeyAlias(key);
    pet.keyGlow[static_cast<std::int32_t>(slot)] = 1.0f;
    const Vec2 center = KeyCenter(key);
    const Vec2 p{center.x, center.y};
    pet.lookAtKey = true;
    pet.lookAtX = p.x;
    pet.lookAtY = p.y;

    const bool rightHalf = IsRightHalfKey(key);
    if (rightHalf) {
        pet.rightPawLastKey = slot;
        pet.rightPawLastKeyTime = now;
        pet.rightPawY.velocity -= 180.0f;
    } else {
        pet.leftPawLastKey = slot;
        pet.leftPawLastKeyTime = now;
        pet.leftPawY.velocity -= 180.0f;
    }

    if (douniTyping) {
        DouniStrike(pet, key, slot, rightHalf, now, SpringLevel(pet.anger));
    } else {
        const float dir = SpringDirection(rightHalf);
        pet.bodyStretch.velocity -= 1.3f;
        pet.eyeScale.target = 1.16f;
        pet.headRoll.velocity += 1.4f * dir;
        pet.earFlick.velocity += 3.8f * dir;
    }
    pet.drowsiness = 0.0f;
    if (settings.ShowKeyBadges) SpawnBadge(pet, KeyBadgeLabel(key), p, now);
}

void PressMouseButton(PetState& pet, int button, bool down, const Settings& settings,
                      bool douniRender, double now) {
    if (button < 0 || button >= static_cast<int>(kMouseButtonCount)) return;
    pet.drowsiness = 0.0f;
    if (!down) {
        (button == 0 ? pet.leftButtonPress : pet.otherButtonPress).target = 0.0f;
        return;
    }
    if (douniRender) {
        pet.douniStrikeTimer = 0.0f;
        pet.douniRightLift.target = pet.douniLeftLift.target = 0.0f;
        pet.douniContent.target = 0.0f;
        pet.douniPenPose.target = 1.0f;
    }
    if (button == 0) {
        pet.leftButtonPress.target = 1.0f;
        pet.rightPawY.velocity += 130.0f;
    } else {
        pet.otherButtonPress.target = 1.0f;
        pet.rightPawY.velocity += 110.0f;
    }
    pet.eyeScale.target = 1.12f;
    pet.earFlick.velocity -= 2.2f;
    if (settings.ShowKeyBadges) {
        const MouseBadgeText& text = kMouseBadgeTexts[static_cast<std::size_t>(button)];
        SpawnBadge(pet, settings.LanguageEnglish ? text.english : text.chinese,
                   {pet.mouseShiftX.value + 78.0f, pet.mouseShiftY.value + 252.0f}, now);
    }
}

void SpawnBadge(PetState& pet, std::wstring_view text, Vec2 point, double now) {
    if (text.empty()) return;
    const std::int32_t slot =
        now - pet.lastBadgeTime < kBadgeBurstGap ? (pet.badgeSlot + 1) % 6 : 0;
    pet.badgeSlot = slot;
    pet.lastBadgeTime = now;
    const float jitter = RandomRange(-3.0f, 3.0f);
    const float o = jitter + kBadgeSlotOffsets[static_cast<std::size_t>(slot)];
    KeyBadge badge;
    badge.text = std::wstring(text);
    badge.x = std::clamp(point.x + 0.45f * o, 55.0f, 315.0f);
    badge.y = point.y - 26.0f - 8.0f * static_cast<float>(slot % 2);
    badge.vx = 0.65f * o;
    badge.vy = -36.0f - RandomRange(0.0f, 14.0f);
    badge.life = 1.25f;
    badge.rotation = RandomRange(-0.07f, 0.07f);
    pet.badges.push_back(std::move(badge));
    if (pet.badges.size() > kMaxBadges) {
        pet.badges.erase(
            pet.badges.begin(),
            pet.badges.begin() + static_cast<std::ptrdiff_t>(pet.badges.size() - kMaxBadges));
    }
}

Vec2 DouniKeyPoint(PhysicalKey key) {
    const PhysicalKey alias = KeyAlias(key);
    if (alias == PhysicalKey::Space) return {424.162f, 503.477f};
    const KeySlot* slot = FindKeySlot(alias);
    if (slot == nullptr) return {479.799f, 450.370f};
    const float c = Clamp01(1.0f - (slot->x + slot->width / 2.0f));
    const int column = std::clamp(static_cast<int>(7.99f * c), 0, 7);
    int row = std::clamp(slot->row, 0, 3);
    if ((slot->row == 3 || slot->row == 4) && column >= 2 && column <= 5) row = 2;
    const float h = 0.31f + 0.64f * (static_cast<float>(column) + 0.5f) / 8.0f;
    const float l = 0.11f + 0.76f * (static_cast<float>(row) + 0.5f) / 4.0f;
    const float x0 = 540.0f * h + 242.0f;
    const float x1 = 556.0f * h + 28.0f;
    const float y0 = 110.0f * h + 336.0f;
    const float y1 = 146.0f * h + 440.0f;
    return {x0 + (x1 - x0) * l, y0 + (y1 - y0) * l};
}
