#include "pet/pet_limbs.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/small_math.h"
#include "input/input_monitor.h"
#include "keys/key_layout.h"
#include "pet/key_halves.h"
#include "settings/settings.h"

namespace {

constexpr Vec2 kRightPawRest{164.0f, 235.0f};
constexpr Vec2 kLeftPawRest{204.0f, 235.0f};
constexpr Vec2 kFootRest{214.0f, 234.0f};
constexpr Vec2 kTailRest{275.0f, 196.0f};
constexpr float kShortHold = 0.14f;
constexpr std::size_t kMaxInkPoints = 28;
constexpr float kInkSpacing = 1.8f;
constexpr float kInkLife = 0.72f;

struct LimbKeys {
    PhysicalKey right = PhysicalKey::None;
    PhysicalKey left = PhysicalKey::None;
    PhysicalKey foot = PhysicalKey::None;
};

Vec2 Center(PhysicalKey key) {
    const Vec2 p = KeyCenter(key);
    return {p.x, p.y};
}

void Aim(Spring& x, Spring& y, Vec2 p) {
    x.target = p.x;
    y.target = p.y;
}

// Who takes which held key: the newest key of each half goes to that half's
// paw; a paw with nothing to do may help the other half; the foot takes an
// older key.
LimbKeys ChooseKeys(const PetState& pet, const LimbFrame& frame, const InputMonitor& input,
                    const Settings& settings) {
    std::vector<PhysicalKey> leftList;
    std::vector<PhysicalKey> rightList;
    for (PhysicalKey key : input.heldOrder)
        (IsRightHalfKey(key) ? rightList : leftList).push_back(key);
    LimbKeys keys;
    if (!rightList.empty()) keys.right = rightList.back();
    if (!leftList.empty()) keys.left = leftList.back();

    const auto spreadOver = [&keys](std::vector<PhysicalKey> list) {
        std::stable_sort(list.begin(), list.end(), [](PhysicalKey a, PhysicalKey b) {
            return KeyCenter(a).x < KeyCenter(b).x;
        });
        keys.right = list.front();  // the right paw is the one on the screen's left
        keys.left = list.back();
    };
    // The mouse paw only helps out with left-half keys once the pointer has
    // rested; it may be about to go back to the mouse.
    if (keys.right == PhysicalKey::None && leftList.size() >= 2 && !frame.veryRecent) {
        spreadOver(leftList);
    } else if (keys.left == PhysicalKey::None && rightList.size() >= 2) {
        spreadOver(rightList);
    }

    if (settings.FootEasterEgg) {
        if (input.heldKeys.size() >= 3) {
            for (PhysicalKey key : input.heldOrder) {
                if (key != keys.right && key != keys.left) {
                    keys.foot = key;
                    break;
                }
            }
        } else if (frame.veryRecent && keys.right == PhysicalKey::None && leftList.size() >= 2) {
            for (PhysicalKey key : leftList) {
                if (key != keys.left) {
                    keys.foot = key;
                    break;
                }
            }
        }
    }

    // A quick tap keeps its paw on the key for a moment.
    if (keys.right == PhysicalKey::None && pet.rightPawLastKey != PhysicalKey::None &&
        frame.now - pet.rightPawLastKeyTime < kShortHold) {
        keys.right = pet.rightPawLastKey;
    }
    if (keys.left == PhysicalKey::None && pet.leftPawLastKey != PhysicalKey::None &&
        frame.now - pet.leftPawLastKeyTime < kShortHold) {
        keys.left = pet.leftPawLastKey;
    }
    return keys;
}

void MoveMouse(PetState& pet, float dt, const InputMonitor& input) {
    pet.mouseShiftX.target = std::clamp(0.0045f * input.cursorVelocity.x, -5.5f, 5.5f);
    pet.mouseShiftY.target = std::clamp(0.0045f * input.cursorVelocity.y, -4.5f, 4.5f);
    StepSpring(pet.mouseShiftX, dt, 120.0f, 16.0f);
    StepSpring(pet.mouseShiftY, dt, 120.0f, 16.0f);
    StepSpring(pet.leftButtonPress, dt, 400.0f, 24.0f);
    StepSpring(pet.otherButtonPress, dt, 400.0f, 24.0f);
}

bool TabletShown(const LimbFrame& frame, const InputMonitor& input, const Settings& settings) {
    if (settings.TabletMode == 1) return true;
    if (settings.TabletMode == 2) return false;
    // A pen that never reported (time 0) is not a pen used recently.
    const bool penRecently =
        input.lastPenInputTime > 0.0 && frame.now - input.lastPenInputTime < 600.0;
    return input.tabletPresent || penRecently;
}

void MoveStylus(PetState& pet, const LimbFrame& frame, const InputMonitor& input,
                const Settings& settings) {
    const float dt = frame.dt;
    if (!TabletShown(frame, input, settings)) {
        pet.tabletActive = false;
        pet.penDown.target = 0.0f;
        StepSpring(pet.penDown, dt, 300.0f, 22.0f);
        return;
    }
    pet.tabletActive = true;
    const ScreenRect& screen = frame.cursorScreen;
    const float width = static_cast<float>(std::max(1, screen.right - screen.left));
    const float height = static_cast<float>(std::max(1, screen.bottom - screen.top));
    const float u =
        Clamp01(static_cast<float>(input.cursor.x - screen.left) / width) * 0.64f + 0.25f;
    const float v =
        Clamp01(static_cast<float>(input.cursor.y - screen.top) / height) * 0.68f + 0.16f;
    pet.penX.target = (76.0f * u + 18.0f) + ((78.0f * u + 13.0f) - (76.0f * u + 18.0f)) * v;
    pet.penY.target = (5.0f * u + 235.0f) + 49.0f * v;
    StepSpring(pet.penX, dt, 240.0f, 20.0f);
    StepSpring(pet.penY, dt, 240.0f, 20.0f);
    pet.penDown.target = input.leftButtonDown ? 0.88f : 0.0f;
    StepSpring(pet.penDown, dt, 360.0f, 22.0f);
    pet.penTilt.target = std::clamp(0.00018f * input.cursorVelocity.x, -0.22f, 0.22f);
    StepSpring(pet.penTilt, dt, 120.0f, 14.0f);
}

void AgeInk(PetState& pet, float dt) {
    for (InkPoint& point : pet.inkTrail) point.age += dt;
    std::erase_if(pet.inkTrail, [](const InkPoint& p) { return p.age >= kInkLife; });
}

void AddInkPoint(PetState& pet) {
    const InkPoint point{pet.penX.value, pet.penY.value, 0.0f};
    if (!pet.inkTrail.empty()) {
        const InkPoint& newest = pet.inkTrail.back();
        if (std::hypot(point.x - newest.x, point.y - newest.y) < kInkSpacing) return;
    }
    pet.inkTrail.push_back(point);
    if (pet.inkTrail.size() > kMaxInkPoints) pet.inkTrail.erase(pet.inkTrail.begin());
}

void DouniTyping(PetState& pet, const LimbFrame& frame, const InputMonitor& input) {
    const float dt = frame.dt;
    if (!frame.douniTyping) {
        pet.douniStrikeTimer = 0.0f;
        pet.douniRightLift.target = pet.douniLeftLift.target = 0.0f;
        pet.douniBounce.value = pet.douniSway.value = 0.0f;
        pet.douniStrikeFlash = 0.0f;
        return;
    }
    pet.douniStrikeTimer = std::max(0.0f, pet.douniStrikeTimer - dt);
    bool rightHeld = false;
    bool leftHeld = false;
    for (PhysicalKey key : input.heldOrder) (IsRightHalfKey(key) ? rightHeld : leftHeld) = true;
    if (pet.douniStrikeTimer <= 0.08f) {
        const auto settle = [](Spring& lift, bool held) {
            if (!held) {
                lift.target = 0.0f;
            } else if (lift.target > 0.2f) {
                lift.target = -0.85f;
            }
        };
        settle(pet.douniRightLift, rightHeld);
        settle(pet.douniLeftLift, leftHeld);
    }
    StepSpring(pet.douniRightLift, dt, 680.0f, 25.0f);
    StepSpring(pet.douniLeftLift, dt, 680.0f, 25.0f);
    StepSpring(pet.douniRightPawX, dt, 820.0f, 28.0f);
    StepSpring(pet.douniRightPawY, dt, 820.0f, 28.0f);
    StepSpring(pet.douniLeftPawX, dt, 820.0f, 28.0f);
    StepSpring(pet.douniLeftPawY, dt, 820.0f, 28.0f);
    pet.douniBounce.target = pet.douniSway.target = 0.0f;
    StepSpring(pet.douniBounce, dt, 560.0f, 16.0f);
    StepSpring(pet.douniSway, dt, 500.0f, 14.0f);
    pet.douniStrikeFlash = std::max(0.0f, pet.douniStrikeFlash - dt);
}

void DouniRender(PetState& pet, const LimbFrame& frame, const InputMonitor& input) {
    if (!frame.douniRender) {
        pet.douniPenPose.value = pet.douniPenPose.target = 0.0f;
        pet.douniContent.value = pet.douniContent.target = 0.0f;
        return;
    }
    const float dt = frame.dt;
    const bool content =
        !pet.isHeld && frame.heldLevel < 0.08f && frame.dizzyLevel < 0.15f &&
        frame.alertLevel < 0.22f &&
        (pet.purr > 0.3f || pet.strokeCounted || pet.contentment > 0.35f || pet.drowsiness > 0.48f);
    pet.douniContent.target = content ? 1.0f : 0.0f;
    StepSpring(pet.douniContent, dt, 52.0f, 13.5f);
    const bool typingNow = pet.douniStrikeTimer > 0.04f || !input.heldKeys.empty();
    const bool penPose = !content && !typingNow && !pet.isHeld &&
                         (frame.veryRecent || (pet.tabletActive && input.leftButtonDown));
    if (penPose) {
        pet.douniPenPose.target = 1.0f;
        StepSpring(pet.douniPenPose, dt, 280.0f, 22.0f);
    } else {
        pet.douniPenPose.target = 0.0f;
        StepSpring(pet.douniPenPose, dt, 460.0f, 28.0f);
    }
    if (pet.tabletActive && penPose && input.leftButtonDown) AddInkPoint(pet);
}

void FootAtRest(PetState& pet) {
    Aim(pet.footX, pet.footY, kFootRest);
    pet.footOut.target = 0.0f;
}

void FootOnKey(PetState& pet, PhysicalKey footKey) {
    if (footKey == PhysicalKey::None) {
        FootAtRest(pet);
        return;
    }
    Aim(pet.footX, pet.footY, Center(footKey));
    pet.footOut.target = 1.0f;
}

void AimPawsAndFoot(PetState& pet, const LimbFrame& frame, const InputMonitor& input,
                    const LimbKeys& keys) {
    const float hx = 184.0f + pet.bodyShiftX.value;
    if (frame.heldLevel > 0.24f) {
        // Carried: the paws dangle and sway with the body.
        const float w = static_cast<float>(7.6 * pet.clock);
        const float s = Smooth(frame.heldLevel);
        const float sway = 24.0f * pet.dragSwayX.value;
        Aim(pet.rightPawX, pet.rightPawY,
            {hx - 20.0f + sway + 3.0f * std::sin(w), 250.0f - 44.0f * s + 2.2f * std::cos(w)});
        Aim(pet.leftPawX, pet.leftPawY,
            {hx + 16.0f + sway + 3.0f * std::sin(w + 2.1f),
             250.0f - 44.0f * s + 2.2f * std::cos(w + 2.1f)});
        pet.rightPawOnMouse = false;
        pet.rightPawOnKey = pet.leftPawOnKey = true;
        FootAtRest(pet);
        return;
    }
    if (frame.dizzyLevel > 0.35f || frame.sleepLevel > 0.45f) {
        Aim(pet.rightPawX, pet.rightPawY, kRightPawRest);
        Aim(pet.leftPawX, pet.leftPawY, kLeftPawRest);
        pet.rightPawOnMouse = pet.rightPawOnKey = pet.leftPawOnKey = false;
        FootAtRest(pet);
        return;
    }
    const bool douniActive =
        frame.douniTyping && (pet.douniStrikeTimer > 0.01f || !input.heldKeys.empty());
    if (douniActive) {
        const float lr = std::clamp(pet.douniRightLift.value, 0.0f, 1.18f);
        const float ll = std::clamp(pet.douniLeftLift.value, 0.0f, 1.18f);
        const Vec2 rightBase =
            keys.right != PhysicalKey::None ? Center(keys.right) : Vec2{hx - 44.0f, 246.0f};
        const Vec2 leftBase =
            keys.left != PhysicalKey::None ? Center(keys.left) : Vec2{hx + 22.0f, 246.0f};
        const Vec2 rightUp{hx - 84.0f, 156.0f};
        const Vec2 leftUp{hx - 8.0f, 158.0f};
        Aim(pet.rightPawX, pet.rightPawY,
            {rightBase.x + (rightUp.x - rightBase.x) * lr,
             rightBase.y + (rightUp.y - rightBase.y) * lr});
        Aim(pet.leftPawX, pet.leftPawY,
            {leftBase.x + (leftUp.x - leftBase.x) * ll, leftBase.y + (leftUp.y - leftBase.y) * ll});
        pet.rightPawOnMouse = false;
        pet.rightPawOnKey = pet.leftPawOnKey = true;
        FootOnKey(pet, keys.foot);
        return;
    }

    pet.rightPawOnMouse = pet.rightPawOnKey = false;
    if (keys.right != PhysicalKey::None) {
        Aim(pet.rightPawX, pet.rightPawY, Center(keys.right));
        pet.rightPawOnKey = true;
    } else if (frame.recent && pet.drowsiness < 0.3f) {
        pet.rightPawOnMouse = true;
        if (pet.tabletActive) {
            Aim(pet.rightPawX, pet.rightPawY, {pet.penX.value + 6.0f, pet.penY.value - 7.0f});
            if (input.leftButtonDown) AddInkPoint(pet);
        } else {
            Aim(pet.rightPawX, pet.rightPawY,
                {pet.mouseShiftX.value + 80.0f, pet.mouseShiftY.value + 255.0f});
        }
    } else {
        Aim(pet.rightPawX, pet.rightPawY, kRightPawRest);
    }
    pet.leftPawOnKey = keys.left != PhysicalKey::None;
    Aim(pet.leftPawX, pet.leftPawY, pet.leftPawOnKey ? Center(keys.left) : kLeftPawRest);
    FootOnKey(pet, keys.foot);
}

void Marquee(PetState& pet, float dt, const InputMonitor& input, const Settings& settings) {
    if (!settings.KeyboardMarquee) return;
    const float heldCount = static_cast<float>(input.heldKeys.size());
    pet.marqueeLevel.target = Clamp01((heldCount - 2.0f) / 5.0f);
    StepSpring(pet.marqueeLevel, dt, 90.0f, 20.0f);
    const float phase = pet.marqueePhase + (pet.marqueeLevel.value * 0.4f + 0.42f) * dt;
    pet.marqueePhase = phase - std::floor(phase);
}

void Tail(PetState& pet, const LimbFrame& frame, const InputMonitor& input,
          const Settings& settings, const LimbKeys& keys) {
    const float dt = frame.dt;
    pet.tailOnKey.target = settings.TailEasterEgg && input.heldKeys.size() == 4 ? 1.0f : 0.0f;
    StepSpring(pet.tailOnKey, dt, 180.0f, 24.0f);
    Marquee(pet, dt, input, settings);

    Vec2 tip = kTailRest;
    if (pet.tailOnKey.target > 0.0f) {
        for (PhysicalKey key : input.heldOrder) {
            if (key != keys.right && key != keys.left && key != keys.foot) {
                tip = Center(key);
                break;
            }
        }
    }
    pet.tailTipX.target = tip.x;
    const float wiggle = static_cast<float>(std::sin(18.0 * pet.clock)) + 1.0f;
    pet.tailTipY.target = tip.y - 3.0f * wiggle * pet.tailOnKey.target;
    StepSpring(pet.tailTipX, dt, 280.0f, 26.0f);
    StepSpring(pet.tailTipY, dt, 280.0f, 26.0f);

    pet.tailTouchHold = std::max(0.0f, pet.tailTouchHold - dt);
    pet.tailFlickCooldown = std::max(0.0f, pet.tailFlickCooldown - dt);
    if (pet.tailTouchHold <= 0.0f) {
        pet.tailFlickX.target = pet.tailFlickY.target = pet.tailFlickCurl.target = 0.0f;
        pet.tailTouched.target = 0.0f;
    }
    StepSpring(pet.tailFlickX, dt, 150.0f, 12.0f);
    StepSpring(pet.tailFlickY, dt, 150.0f, 12.0f);
    StepSpring(pet.tailFlickCurl, dt, 135.0f, 10.5f);
    StepSpring(pet.tailTouched, dt, 40.0f, 10.0f);
}

}  // namespace

void UpdateLimbs(PetState& pet, const LimbFrame& frame, const InputMonitor& input,
                 const Settings& settings) {
    const LimbKeys keys = ChooseKeys(pet, frame, input, settings);
    MoveMouse(pet, frame.dt, input);
    MoveStylus(pet, frame, input, settings);
    AgeInk(pet, frame.dt);
    DouniTyping(pet, frame, input);
    DouniRender(pet, frame, input);
    AimPawsAndFoot(pet, frame, input, keys);
    Tail(pet, frame, input, settings, keys);

    const float dt = frame.dt;
    StepSpring(pet.rightPawX, dt, 360.0f, 24.0f);
    StepSpring(pet.rightPawY, dt, 360.0f, 24.0f);
    StepSpring(pet.leftPawX, dt, 360.0f, 24.0f);
    StepSpring(pet.leftPawY, dt, 360.0f, 24.0f);
    StepSpring(pet.footX, dt, 320.0f, 22.0f);
    StepSpring(pet.footY, dt, 320.0f, 22.0f);
    StepSpring(pet.footOut, dt, 260.0f, 22.0f);
}
