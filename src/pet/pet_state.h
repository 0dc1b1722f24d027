#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/geometry.h"
#include "base/small_math.h"
#include "keys/physical_key.h"
#include "pet/spring.h"

// A text badge floating up from a struck key or clicked button.
struct KeyBadge {
    std::wstring text;
    float x = 0.0f;
    float y = 0.0f;
    float vx = 0.0f;
    float vy = 0.0f;
    float age = 0.0f;
    float life = 0.0f;
    float rotation = 0.0f;
};

enum class ParticleKind : std::uint8_t { PurrSparkle = 0, SleepZ = 1 };

struct Particle {
    float x = 0.0f;
    float y = 0.0f;
    float vx = 0.0f;
    float vy = 0.0f;
    float age = 0.0f;
    float life = 0.0f;
    ParticleKind kind = ParticleKind::PurrSparkle;
};

struct InkPoint {
    float x = 0.0f;
    float y = 0.0f;
    float age = 0.0f;
};

// Period by which tailPhase wraps: a whole number of periods of every sine
// taken of it (sin d, cos 1.3d, sin 0.6d), so wrapping never jumps the tail.
inline constexpr double kTailPhasePeriod = 20.0 * kPiDouble;

// Everything about the pet that moves. Positions are Stage units, angles
// radians; times stored as double are monotonic seconds (0 = never).
struct PetState {
    Spring rightPawX = SpringAt(164.0f);
    Spring rightPawY = SpringAt(235.0f);
    Spring leftPawX = SpringAt(204.0f);
    Spring leftPawY = SpringAt(235.0f);
    Spring footX = SpringAt(214.0f);
    Spring footY = SpringAt(234.0f);
    Spring footOut;
    Spring tailTipX = SpringAt(275.0f);
    Spring tailTipY = SpringAt(196.0f);
    Spring tailOnKey;
    Spring tailFlickX;
    Spring tailFlickY;
    Spring tailFlickCurl;
    Spring tailTouched;
    float tailTouchHold = 0.0f;
    float tailFlickCooldown = 0.0f;
    float marqueePhase = 0.0f;
    Spring marqueeLevel;
    Spring bodyShiftX;
    Spring bodyLean;
    Spring bodyStretch = SpringAt(1.0f);
    Spring headRoll;
    Spring gazeX;
    Spring gazeY;
    Spring headDrop;
    Spring earDroop;
    Spring earFlick;
    Spring pupilX;
    Spring pupilY;
    Spring eyeScale = SpringAt(1.0f);
    Spring alert;
    Spring held;
    Spring dragSwayX;
    Spring dragSwayY;
    Spring dragTwist;
    Spring sleep;
    Spring anger;
    Spring dizzy;
    float dizzySpin = 0.0f;
    bool isHeld = false;
    float dragVelocity[2] = {0.0f, 0.0f};
    float dragDelta[2] = {0.0f, 0.0f};  // Stage units
    float alertDuration = 0.0f;
    float dizzyTimer = 0.0f;
    Spring mouseShiftX;
    Spring mouseShiftY;
    Spring leftButtonPress;
    Spring otherButtonPress;
    bool tabletActive = false;
    Spring penX = SpringAt(60.0f);
    Spring penY = SpringAt(261.0f);
    Spring penDown;
    Spring penTilt;
    std::vector<InkPoint> inkTrail;
    bool rightPawOnMouse = false;
    bool rightPawOnKey = false;
    bool leftPawOnKey = false;
    std::int32_t douniStrikeSide = 0;
    float douniStrikeTimer = 0.0f;
    double douniRightStrikeTime = -10.0;
    double douniLeftStrikeTime = -10.0;
    Spring douniRightLift;
    Spring douniLeftLift;
    Spring douniRightPawX = SpringAt(318.0f);
    Spring douniRightPawY = SpringAt(422.0f);
    Spring douniLeftPawX = SpringAt(512.0f);
    Spring douniLeftPawY = SpringAt(462.0f);
    Spring douniPenPose;
    Spring douniContent;
    float heldTime = 0.0f;
    float releaseTimer = 0.0f;
    Spring douniBounce;
    Spring douniSway;
    float douniStrikeFlash = 0.0f;
    PhysicalKey douniLastKey = PhysicalKey::None;
    std::unordered_map<std::int32_t, float> keyGlow;  // layout slot -> glow
    std::vector<KeyBadge> badges;                     // oldest first
    std::vector<Particle> particles;                  // oldest first
    // Double, not float: a float clock stops advancing by 1/60 s steps
    // after a few days and blinking would stop with it.
    double clock = 0.0;
    float tailPhase = 0.0f;  // kept in [0, kTailPhasePeriod)
    float purr = 0.0f;
    float contentment = 0.0f;
    std::int32_t petCount = 0;
    float drowsiness = 0.0f;
    float yawn = 0.0f;
    float yawnTime = 0.0f;
    bool yawning = false;
    bool yawnedThisIdle = false;
    double nextBlinkAt = 3.2;  // on the clock's scale, hence double too
    float blink = 0.0f;
    bool blinking = false;
    float blinkTime = 0.0f;
    float strokeDistance = 0.0f;
    double lastStrokeTime = 0.0;
    bool strokeCounted = false;
    float sparkleTimer = 0.0f;
    float zzzTimer = 0.0f;
    PhysicalKey rightPawLastKey = PhysicalKey::None;
    double rightPawLastKeyTime = 0.0;
    PhysicalKey leftPawLastKey = PhysicalKey::None;
    double leftPawLastKeyTime = 0.0;
    bool lookAtKey = false;
    float lookAtX = 184.0f;
    float lookAtY = 260.0f;
    std::int32_t badgeSlot = 0;
    double lastBadgeTime = 0.0;
};

// Drag of the pet window. dxPixels/dyPixels is the window step in screen
// pixels (already un-rotated and un-mirrored); pixelsPerUnit is the window
// width over the Stage width, so the carried swing does not depend on the
// pet's scale.
void SetHeld(PetState& pet, bool on, float dxPixels, float dyPixels, float pixelsPerUnit);

// A step of the dragged window, in screen pixels, turned into the pet's own
// frame: the window's rotation undone, then its mirror, so a drag to the
// right swings the drawn cat the way it moves on the screen.
Vec2 DragStepInPetFrame(float dxPixels, float dyPixels, float rotationDegrees, bool flipped);

// Screen pixels per Stage unit for a window of this width (never below 0.2).
float PixelsPerStageUnit(int windowWidth);

// Replaces the record by a new one (keeping petCount) when any watched value
// is not finite or absurdly large. Returns true when it did.
bool ResetPetStateIfInsane(PetState& pet);
