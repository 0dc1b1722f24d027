#include "pet/pet_touch.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/small_math.h"
#include "pet/tail_curve.h"
#include "settings/settings.h"
#include "skins/cat_skin.h"

namespace {

constexpr float kMinStroke = 1.2f;   // jitter below this is not a stroke
constexpr float kMaxStroke = 80.0f;  // a jump this far is the pointer arriving
constexpr float kSessionDistance = 45.0f;
constexpr float kTailReach = 24.0f;
constexpr float kFlickCooldown = 0.16f;
constexpr std::array<float, 4> kTailSamples{0.35f, 0.58f, 0.8f, 1.0f};

}  // namespace

void StrokeHead(PetState& pet, Vec2 point, HeadHover& hover, const Settings& settings,
                bool douniRender, double now) {
    const bool measured = hover.hovering && (!douniRender || SpringLevel(pet.alert) <= 0.2f);
    if (measured) {
        const float d =
            std::hypot(point.x - hover.lastHoverPoint.x, point.y - hover.lastHoverPoint.y);
        if (d > kMinStroke && d < kMaxStroke && settings.PetInteraction) {
            pet.lastStrokeTime = now;
            pet.drowsiness = 0.0f;
            pet.purr = std::min(1.0f, pet.purr + std::min(0.35f, d / 26.0f) + 0.08f);
            pet.contentment = std::max(pet.contentment, 0.6f * pet.purr);
            pet.strokeDistance += d;
            if (!pet.strokeCounted && pet.strokeDistance > kSessionDistance) {
                pet.strokeCounted = true;
                pet.petCount += 1;
            }
            pet.headRoll.target = std::clamp((point.x - 184.0f) / 60.0f * 0.16f, -0.18f, 0.18f);
            pet.headDrop.velocity += 18.0f;
        }
    }
    hover.lastHoverPoint = point;
    hover.hovering = true;
}

void TouchTail(PetState& pet, Vec2 point, const CatSkin& skin) {
    if (SpringLevel(pet.tailOnKey) >= 0.25f) return;  // parked on a key

    // The tail where it is drawn, with the skin's root shift and length.
    const float carry = SpringLevel(pet.held);
    const float droop = Smooth(SpringLevel(pet.sleep));
    const float bodyX = 184.0f + pet.bodyShiftX.value;
    const float bodyY = 226.0f - 22.0f * carry + 10.0f * droop;
    const TailCurve curve = ComputeTailCurve(bodyX, bodyY, pet, skin);

    Vec2 nearest{};
    float best = 0.0f;
    for (std::size_t i = 0; i < kTailSamples.size(); ++i) {
        const Vec2 s = TailCurveAt(curve, kTailSamples[i]);
        const float d = std::hypot(s.x - point.x, s.y - point.y);
        if (i == 0 || d < best) {
            best = d;
            nearest = s;
        }
    }
    if (!(best < kTailReach)) return;

    float ux = 0.35f;
    float uy = -0.94f;
    if (best >= 1.0f) {
        ux = (nearest.x - point.x) / best;
        uy = (nearest.y - point.y) / best;
    }
    pet.tailFlickX.target = std::clamp(32.0f * ux + (ux >= 0.0f ? 6.0f : -4.0f), -24.0f, 36.0f);
    pet.tailFlickY.target = std::clamp(40.0f * uy + (uy < 0.0f ? -8.0f : 6.0f), -44.0f, 38.0f);
    pet.tailFlickCurl.target = uy >= 0.0f ? -18.0f : 20.0f;
    if (pet.tailFlickCooldown <= 0.0f) {
        pet.tailFlickX.velocity += 240.0f * ux;
        pet.tailFlickY.velocity += 280.0f * uy;
        pet.tailFlickCurl.velocity += uy >= 0.0f ? -150.0f : 170.0f;
        pet.earFlick.velocity += 1.4f;
        pet.tailFlickCooldown = kFlickCooldown;
    }
    pet.tailTouchHold = 0.3f;
    pet.tailTouched.target = 1.0f;
    pet.drowsiness = std::max(0.0f, pet.drowsiness - 0.15f);
}
