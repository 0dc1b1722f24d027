#include "render/hit_test.h"

#include <cmath>

#include "base/small_math.h"
#include "pet/pet_state.h"
#include "render/coat_themes.h"
#include "render/scene_frame.h"
#include "settings/settings.h"
#include "skins/cat_skin.h"

namespace {

bool InEllipse(Vec2 p, Vec2 centre, float rx, float ry) {
    if (rx <= 0.0f || ry <= 0.0f) return false;
    const float dx = (p.x - centre.x) / rx;
    const float dy = (p.y - centre.y) / ry;
    return dx * dx + dy * dy <= 1.0f;
}

PetHit HitTestDouni(Vec2 p, const PetState& pet) {
    if (Clamp01(pet.held.value) > 0.25f) {
        return InEllipse(p, {178.0f, 165.0f}, 118.0f, 96.0f) ? PetHit::Body : PetHit::Nothing;
    }
    const float g = Clamp01(pet.douniContent.value);
    const float s = Smooth(g);
    if (InEllipse(p, {248.0f - 86.0f * s, 124.0f + 64.0f * s}, 76.0f + 16.0f * s, 56.0f))
        return PetHit::Head;
    if ((g > 0.03f || pet.purr > 0.05f) && g < 0.9f &&
        InEllipse(p, {248.0f, 124.0f}, 76.0f, 56.0f)) {
        return PetHit::Head;
    }
    if (s > 0.55f)
        return InEllipse(p, {196.0f, 196.0f}, 118.0f, 68.0f) ? PetHit::Body : PetHit::Nothing;
    const bool inBox = p.x >= 24.0f && p.x <= 336.0f && p.y >= 120.0f && p.y <= 278.0f;
    return inBox ? PetHit::Body : PetHit::Nothing;
}

}  // namespace

PetHit HitTestPet(Vec2 p, const PetState& pet, const CatSkin& skin) {
    if (skin.renderStyle == RenderStyle::Douni) return HitTestDouni(p, pet);

    const SceneFrame frame = ComputeSceneFrame(pet, skin);
    // The cat group is drawn under the dizzy sway; test its parts in their
    // own frame.
    const Vec2 q = UnswayPoint(frame, p);

    const bool dazed = IsBuiltinCoat(skin, BuiltinCoat::Dazed);
    const float scale = skin.shape.headScale;
    const float ry = (dazed ? 40.0f : 38.0f) * scale;
    const float rx = (dazed ? 47.0f : 44.0f) * scale * skin.shape.cheekFullness;
    const Vec2 head{frame.head.x, frame.head.y + (dazed ? 3.0f : 0.0f)};
    if (InEllipse(q, head, rx, ry)) return PetHit::Head;

    // The trunk ellipse follows the body anchor (196 when seated upright).
    if (InEllipse(q, {frame.bodyX, frame.bodyY - 30.0f}, 58.0f * skin.shape.bodyWidth, 56.0f))
        return PetHit::Body;

    if (p.x >= 58.0f && p.x <= 294.0f && p.y >= 232.0f && p.y <= 296.0f) return PetHit::Body;
    return PetHit::Nothing;
}

Vec2 ScreenToStage(std::int32_t cursorX, std::int32_t cursorY, const ScreenRect& window,
                   const Settings& settings) {
    float w = static_cast<float>(window.right - window.left);
    float h = static_cast<float>(window.bottom - window.top);
    if (w < 2.0f) w = 1.0f;
    if (h < 2.0f) h = 1.0f;
    float x = static_cast<float>(cursorX - window.left) / w * kStageWidth;
    float y = static_cast<float>(cursorY - window.top) / h * kStageHeight;
    if (RotationApplies(settings.RotationDegrees)) {
        const float theta = settings.RotationDegrees * kRadiansPerDegree;
        const float s = RotationShrink(settings.RotationDegrees);
        const float a = (x - kStageCentreX) / s;
        const float b = (y - kStageCentreY) / s;
        x = kStageCentreX + a * std::cos(theta) + b * std::sin(theta);
        y = kStageCentreY - a * std::sin(theta) + b * std::cos(theta);
    }
    if (settings.FlipHorizontal) x = kStageWidth - x;
    return {x, y};
}
