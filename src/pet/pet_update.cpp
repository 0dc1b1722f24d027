#include "pet/pet_update.h"

#include <algorithm>
#include <cmath>

#include "base/small_math.h"
#include "input/input_monitor.h"
#include "keys/key_layout.h"
#include "pet/pet_limbs.h"
#include "pet/random_range.h"
#include "settings/settings.h"

namespace {

constexpr float kMaxStep = 0.04f;
constexpr float kHeadRestX = 184.0f;
constexpr float kHeadRestY = 124.0f;

void FallToZero(float& v, float rate) {
    v = std::max(0.0f, v - rate);
}

bool Recently(double now, double time, double window) {
    return time > 0.0 && now - time < window;
}

void AfterglowAndSparkles(PetState& pet, float dt, double now) {
    if (now - pet.lastStrokeTime > 0.28) {
        FallToZero(pet.purr, 1.4f * dt);
        FallToZero(pet.contentment, 1.2f * dt);
        if (pet.purr < 0.05f && pet.contentment < 0.05f) {
            pet.strokeCounted = false;
            pet.strokeDistance = 0.0f;
        }
        return;
    }
    if (pet.purr <= 0.55f && pet.contentment <= 0.55f) return;
    pet.sparkleTimer -= dt;
    if (pet.sparkleTimer > 0.0f) return;
    pet.sparkleTimer = 0.42f;
    Particle sparkle;
    sparkle.x = 184.0f + RandomRange(-44.0f, 44.0f);
    sparkle.y = 88.0f + RandomRange(-14.0f, 18.0f);
    sparkle.vx = RandomRange(-10.0f, 10.0f);
    sparkle.vy = -24.0f;
    sparkle.life = 0.9f;
    sparkle.kind = ParticleKind::PurrSparkle;
    pet.particles.push_back(sparkle);
}

double IdleSeconds(const PetState& pet, const InputMonitor& input, double now) {
    const double latest =
        std::max({pet.lastStrokeTime, input.lastInputTime, input.lastKeyDownTime});
    return latest > 0.0 ? now - latest : 0.0;
}

void Yawn(PetState& pet, float dt, double idle, bool keyHeld) {
    if (!keyHeld && idle > 42.0 && !pet.yawning && !pet.yawnedThisIdle) {
        pet.yawning = pet.yawnedThisIdle = true;
        pet.yawnTime = 0.0f;
    }
    if (keyHeld || idle < 5.0) {
        pet.yawning = pet.yawnedThisIdle = false;
        FallToZero(pet.yawn, 6.0f * dt);
    } else if (pet.yawning) {
        pet.yawnTime += dt;
        const float t = pet.yawnTime;
        if (t < 0.65f) {
            pet.yawn = Smooth(t / 0.65f);
        } else if (t < 1.55f) {
            pet.yawn = 1.0f;
        } else if (t < 2.35f) {
            pet.yawn = Smooth((2.35f - t) / 0.8f);
        } else {
            pet.yawning = false;
            pet.yawn = 0.0f;
        }
    } else {
        FallToZero(pet.yawn, 4.0f * dt);
    }
}

void Drowse(PetState& pet, float dt, double idle, bool keyHeld) {
    if (keyHeld || idle <= 45.0) {
        FallToZero(pet.drowsiness, 5.0f * dt);
        return;
    }
    const float goal = static_cast<float>(std::min(1.0, (idle - 45.0) / 35.0));
    pet.drowsiness += (goal - pet.drowsiness) * 1.5f * dt;
    if (pet.drowsiness <= 0.8f) return;
    pet.zzzTimer -= dt;
    if (pet.zzzTimer > 0.0f) return;
    pet.zzzTimer = 2.6f;
    Particle z;
    z.x = 226.0f;
    z.y = 100.0f;
    z.vx = 12.0f;
    z.vy = -18.0f;
    z.life = 1.1f;
    z.kind = ParticleKind::SleepZ;
    pet.particles.push_back(z);
}

float Alert(PetState& pet, float dt, const InputMonitor& input) {
    const float speed = std::hypot(input.cursorVelocity.x, input.cursorVelocity.y);
    if (!pet.isHeld && pet.dizzyTimer <= 0.0f && speed > 1500.0f && pet.purr < 0.25f &&
        pet.contentment < 0.25f) {
        pet.drowsiness = 0.0f;
        const float rise = std::min(1.0f, (speed - 1500.0f) / 1800.0f) * 1.25f + 0.4f;
        pet.alert.target = std::min(1.0f, pet.alert.target + rise * dt);
    } else {
        pet.alert.target = std::max(0.0f, pet.alert.target - 1.15f * dt);
    }
    StepSpring(pet.alert, dt, 85.0f, 16.0f);
    return SpringLevel(pet.alert);
}

float Dizziness(PetState& pet, float dt, float alertLevel) {
    if (!pet.isHeld && pet.dizzyTimer <= 0.0f && alertLevel > 0.42f) {
        pet.alertDuration += dt;
        if (pet.alertDuration >= 10.0f) {
            pet.dizzyTimer = 6.0f;
            pet.alertDuration = 0.0f;
            pet.alert.target = 0.0f;
            pet.drowsiness = 0.0f;
        }
    } else if (pet.dizzyTimer <= 0.0f) {
        FallToZero(pet.alertDuration, 1.5f * dt);
    }
    if (pet.dizzyTimer > 0.0f) {
        pet.dizzyTimer = std::max(0.0f, pet.dizzyTimer - dt);
        pet.dizzySpin += 7.5f * dt;
        pet.dizzy.target = 1.0f;
    } else {
        pet.dizzy.target = 0.0f;
        if (pet.alertDuration > 6.8f) {
            pet.dizzySpin += 7.5f * dt;
            pet.dizzy.target = std::min(1.0f, (pet.alertDuration - 6.8f) / 3.2f) * 0.48f;
        }
    }
    StepSpring(pet.dizzy, dt, 75.0f, 14.0f);
    return SpringLevel(pet.dizzy);
}

float Carried(PetState& pet, float dt) {
    if (pet.isHeld) {
        pet.heldTime += dt;
        pet.releaseTimer = 0.0f;
        const float dx = pet.dragDelta[0];
        const float dy = pet.dragDelta[1];
        pet.dragDelta[0] = pet.dragDelta[1] = 0.0f;
        const float k = (1.0f / 60.0f) / std::max(1.0f / 120.0f, dt);
        pet.dragVelocity[0] = pet.dragVelocity[0] * 0.52f + dx * k * 0.85f;
        pet.dragVelocity[1] = pet.dragVelocity[1] * 0.52f + dy * k * 0.85f;
        const float vx = pet.dragVelocity[0];
        const float vy = pet.dragVelocity[1];
        pet.held.target = 1.0f;
        pet.dragSwayX.target = std::tanh(vx / 18.0f) * 0.92f;
        pet.dragSwayY.target = std::tanh(-vy / 18.0f) * 0.78f;
        pet.dragTwist.target = std::tanh(vx * 0.0625f) * 1.22f;
    } else {
        pet.releaseTimer = std::max(0.0f, pet.releaseTimer - dt);
        if (pet.held.value < 0.02f) pet.heldTime = 0.0f;
        for (float& v : pet.dragVelocity) v = std::fabs(v) < 1e-6f ? 0.0f : v * 0.8f;
        pet.held.target = pet.dragSwayX.target = pet.dragSwayY.target = pet.dragTwist.target = 0.0f;
    }
    StepSpring(pet.held, dt, 190.0f, 17.0f);
    StepSpring(pet.dragSwayX, dt, 92.0f, 7.4f);
    StepSpring(pet.dragSwayY, dt, 108.0f, 8.4f);
    StepSpring(pet.dragTwist, dt, 58.0f, 5.2f);
    return SpringLevel(pet.held);
}

float Sleep(PetState& pet, float dt) {
    const bool sleepy = !pet.isHeld && pet.dizzyTimer <= 0.0f && pet.drowsiness > 0.65f;
    pet.sleep.target = sleepy ? std::min(1.0f, (pet.drowsiness - 0.65f) / 0.3f) : 0.0f;
    StepSpring(pet.sleep, dt, 55.0f, 14.0f);
    return SpringLevel(pet.sleep);
}

float Anger(PetState& pet, float dt, int kpm, const Settings& settings) {
    const bool angry = settings.EnableAnger && !pet.isHeld && pet.dizzyTimer <= 0.0f && kpm >= 240;
    pet.anger.target = angry ? std::min(1.0f, static_cast<float>(kpm - 240) / 140.0f) : 0.0f;
    StepSpring(pet.anger, dt, 70.0f, 14.0f);
    return SpringLevel(pet.anger);
}

struct Levels {
    float alert = 0.0f;
    float dizzy = 0.0f;
    float held = 0.0f;
    float sleep = 0.0f;
    float anger = 0.0f;
};

void HeadAndBody(PetState& pet, float dt, const Levels& levels) {
    float shift = 0.0f;
    float tilt = 0.0f;
    if (pet.rightPawOnMouse) {
        if (pet.leftPawOnKey) {
            shift = -3.0f;
            tilt = (pet.leftPawX.value - 196.0f) * 0.0008f;
        } else {
            shift = -10.0f;
            tilt = -0.075f;
        }
    } else if (pet.rightPawOnKey || pet.leftPawOnKey) {
        const float m =
            pet.rightPawOnKey
                ? (pet.rightPawX.value + (pet.leftPawOnKey ? pet.leftPawX.value : 184.0f)) / 2.0f -
                      184.0f
                : (pet.leftPawX.value + 184.0f) / 2.0f - 184.0f;
        shift = 0.14f * m;
        tilt = 0.0011f * m;
    }
    pet.bodyShiftX.target = std::clamp(shift, -16.0f, 16.0f);
    pet.bodyLean.target = levels.held * pet.dragSwayX.value + std::clamp(tilt, -0.12f, 0.12f);
    pet.bodyStretch.target = 1.0f - 0.11f * levels.alert + 0.16f * levels.held;
    const bool pawOnKey = pet.rightPawOnKey || pet.leftPawOnKey;
    pet.headDrop.target =
        (pawOnKey ? 3.5f : 5.0f * pet.drowsiness + 10.5f * levels.alert) - 10.0f * levels.held;
    pet.earDroop.target = std::max(0.45f * pet.contentment, 0.7f * pet.purr) +
                          0.25f * pet.drowsiness - 0.18f * levels.alert + 0.35f * levels.held +
                          0.45f * levels.anger + 0.35f * levels.dizzy;
    pet.earFlick.target = 0.0f;
    StepSpring(pet.bodyShiftX, dt, 140.0f, 18.0f);
    StepSpring(pet.bodyLean, dt, 140.0f, 18.0f);
    StepSpring(pet.bodyStretch, dt, 280.0f, 18.0f);
    StepSpring(pet.headDrop, dt, 180.0f, 19.0f);
    StepSpring(pet.earDroop, dt, 120.0f, 16.0f);
    StepSpring(pet.earFlick, dt, 320.0f, 16.0f);
}

// Gaze, head roll and pupils.
void GazeAndEyes(PetState& pet, float dt, double now, const ScreenRect& window,
                 const InputMonitor& input, float alertLevel, float sleepLevel) {
    const bool typing = !input.heldKeys.empty() || Recently(now, input.lastKeyDownTime, 0.65);
    const float p = PixelsPerStageUnit(window.right - window.left);
    const float hx = kHeadRestX + pet.bodyShiftX.value;
    const float hy = kHeadRestY + pet.headDrop.value;
    const float dx =
        (static_cast<float>(input.cursor.x) - (static_cast<float>(window.left) + p * hx)) / 290.0f;
    const float dy =
        (static_cast<float>(input.cursor.y) - (static_cast<float>(window.top) + p * hy)) / 260.0f;
    const float length = std::hypot(dx, dy);
    float gx = 0.0f;
    float gy = 0.0f;
    if (length > 0.001f) {
        gx = dx / length * std::min(length, 1.0f);
        gy = dy / length * std::min(length, 1.0f);
    }
    if (typing && pet.lookAtKey) {
        const float keyX = std::clamp((pet.lookAtX - hx) / 95.0f, -0.85f, 0.85f);
        if (now - input.lastInputTime < 1.2) {
            gx = 0.28f * keyX + 0.72f * gx;
            gy = 0.72f * gy + 0.25f;
        } else {
            gx = keyX;
            gy = std::clamp((pet.lookAtY - hy) / 125.0f, -0.3f, 0.92f);
        }
    }
    if (pet.drowsiness > 0.45f) {
        pet.gazeX.target = 0.0f;
        pet.gazeY.target = 0.45f * pet.drowsiness;
    } else {
        pet.gazeX.target = std::clamp(gx, -1.0f, 1.0f);
        pet.gazeY.target = std::clamp(gy, -1.0f, 1.0f);
    }
    const float gazeK = 88.0f + 75.0f * alertLevel;
    const float gazeD = 14.5f + 4.5f * alertLevel;
    StepSpring(pet.gazeX, dt, gazeK, gazeD);
    StepSpring(pet.gazeY, dt, gazeK, gazeD);

    // While a stroke is going on, petting owns the roll target.
    if (now - pet.lastStrokeTime > 0.28) {
        pet.headRoll.target = (0.11f + 0.05f * alertLevel) * pet.gazeX.value +
                              0.45f * pet.bodyLean.target -
                              0.04f * pet.gazeX.value * pet.gazeY.value + 0.12f * sleepLevel;
    }
    StepSpring(pet.headRoll, dt, 130.0f, 16.0f);

    pet.pupilX.target = 0.88f * gx;
    pet.pupilY.target = 0.85f * gy;
    const float pupilK = 210.0f + 80.0f * alertLevel;
    StepSpring(pet.pupilX, dt, pupilK, 21.0f);
    StepSpring(pet.pupilY, dt, pupilK, 21.0f);
}

void EyeSize(PetState& pet, float dt, double now, const InputMonitor& input) {
    if (pet.footOut.value > 0.3f) {
        pet.eyeScale.target = 1.24f;
    } else if (now - input.lastKeyDownTime > 0.45 && now - input.lastButtonDownTime > 0.45) {
        pet.eyeScale.target = 1.0f;
    }
    StepSpring(pet.eyeScale, dt, 150.0f, 18.0f);
}

void Blink(PetState& pet, float dt, float alertLevel) {
    if (pet.blinking) {
        pet.blinkTime += dt;
        pet.blink = std::sin(kPi * pet.blinkTime / 0.14f);
        if (pet.blinkTime >= 0.14f) {
            pet.blinking = false;
            pet.blink = 0.0f;
            pet.nextBlinkAt = pet.clock + RandomRange(2.6f, 5.6f);
        }
    }
    if (!pet.blinking && pet.clock >= pet.nextBlinkAt && pet.drowsiness < 0.5f && pet.purr < 0.3f &&
        alertLevel < 0.35f) {
        pet.blinking = true;
        pet.blinkTime = 0.0f;
    }
}

void SwishTail(PetState& pet, float dt, int kpm, const Levels& levels) {
    const float rate = 1.4f * std::max(pet.contentment, pet.purr) +
                       std::min(static_cast<float>(kpm) / 160.0f, 2.4f) + 1.85f +
                       2.8f * levels.alert + 3.5f * levels.anger +
                       3.2f * SpringLevel(pet.tailTouched) - 1.1f * pet.drowsiness;
    // Wrapped by a common period of its sines, so the phase keeps full
    // precision however long the pet runs and the tail never jumps.
    const double phase =
        std::fmod(static_cast<double>(pet.tailPhase) + rate * dt, kTailPhasePeriod);
    pet.tailPhase = static_cast<float>(phase < 0.0 ? phase + kTailPhasePeriod : phase);
}

void GlowKeys(PetState& pet, float dt, const InputMonitor& input) {
    const auto slotOf = [](PhysicalKey key) { return static_cast<std::int32_t>(KeyAlias(key)); };
    for (auto it = pet.keyGlow.begin(); it != pet.keyGlow.end();) {
        bool heldSlot = false;
        for (PhysicalKey key : input.heldOrder) heldSlot = heldSlot || slotOf(key) == it->first;
        if (!heldSlot) {
            it->second -= 4.5f * dt;
            if (it->second <= 0.01f) {
                it = pet.keyGlow.erase(it);
                continue;
            }
        } else {
            it->second = 1.0f;
        }
        ++it;
    }
    for (PhysicalKey key : input.heldKeys) pet.keyGlow[slotOf(key)] = 1.0f;
}

void AgeBadgesAndParticles(PetState& pet, float dt) {
    for (KeyBadge& b : pet.badges) {
        b.age += dt;
        b.x += b.vx * dt;
        b.y += b.vy * dt;
        b.vx *= 1.0f - 2.4f * dt;
        b.vy *= 1.0f - 1.6f * dt;
    }
    std::erase_if(pet.badges, [](const KeyBadge& b) { return b.age >= b.life; });
    for (Particle& p : pet.particles) {
        p.age += dt;
        p.x += p.vx * dt;
        p.y += p.vy * dt;
    }
    std::erase_if(pet.particles, [](const Particle& p) { return p.age >= p.life; });
}

}  // namespace

void UpdatePetState(PetState& pet, const PetFrameContext& frame, InputMonitor& input,
                    const Settings& settings) {
    float dt = static_cast<float>(std::min(static_cast<double>(kMaxStep), frame.frameDelta));
    if (!(dt > 0.0f)) dt = 0.0f;  // a negative or NaN delta must not run time backwards
    const double now = frame.now;

    pet.clock += dt;
    FrameStep(input, dt);
    const bool keyHeld = !input.heldKeys.empty();
    const int kpm = KeysPerMinute(input);

    AfterglowAndSparkles(pet, dt, now);
    const double idle = IdleSeconds(pet, input, now);
    Yawn(pet, dt, idle, keyHeld);
    Drowse(pet, dt, idle, keyHeld);

    Levels levels;
    levels.alert = Alert(pet, dt, input);
    levels.dizzy = Dizziness(pet, dt, levels.alert);
    levels.held = Carried(pet, dt);
    levels.sleep = Sleep(pet, dt);
    levels.anger = Anger(pet, dt, kpm, settings);

    const bool buttonDown = input.leftButtonDown || input.rightButtonDown;
    LimbFrame limbs;
    limbs.dt = dt;
    limbs.now = now;
    limbs.heldLevel = levels.held;
    limbs.dizzyLevel = levels.dizzy;
    limbs.sleepLevel = levels.sleep;
    limbs.alertLevel = levels.alert;
    limbs.recent = Recently(now, input.lastInputTime, 2.2) || buttonDown;
    limbs.veryRecent = Recently(now, input.lastInputTime, 0.75) || buttonDown;
    limbs.cursorScreen = frame.cursorScreen;
    limbs.douniTyping = frame.douniTyping;
    limbs.douniRender = frame.douniRender;
    UpdateLimbs(pet, limbs, input, settings);

    HeadAndBody(pet, dt, levels);
    GazeAndEyes(pet, dt, now, frame.window, input, levels.alert, levels.sleep);
    EyeSize(pet, dt, now, input);
    Blink(pet, dt, levels.alert);
    SwishTail(pet, dt, kpm, levels);
    GlowKeys(pet, dt, input);
    AgeBadgesAndParticles(pet, dt);
    ResetPetStateIfInsane(pet);
}
