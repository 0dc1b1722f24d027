#include "render/template_marks_win32.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "base/small_math.h"
#include "pet/pet_state.h"
#include "render/coat_themes.h"
#include "skins/cat_skin.h"

namespace {

constexpr std::uint32_t kWhiteRgb = 0xF2EEE4u;

std::uint32_t RgbOf(const SkinColor& c) {
    return ColorToArgb(c) & 0x00FFFFFFu;
}

bool IsFaceTemplate(const SkinMark& m) {
    if (m.space != RegionSpace::Head || RgbOf(m.color) != kWhiteRgb) return false;
    for (const SkinPoint& p : m.points)
        if (std::fabs(p.x) > 46.0f) return true;
    return false;
}

struct TemplateMapper {
    float bodyX, bodyY;
    Vec2 head;
    float yaw, pitch, roll, lean, widen, crouch, bibTurn;
    bool silver;

    Vec2 Map(const SkinMark& m, SkinPoint point, bool squeeze) const {
        float x = point.x;
        float y = point.y;
        if (squeeze) {
            const float w = Clamp01((y - 20.0f) / 6.0f);
            x *= 1.0f - 0.5f * w * (1.0f - bibTurn);
            if (y > 20.0f) y = 20.0f + (0.75f + 0.25f * bibTurn) * (y - 20.0f);
        }
        if (m.space == RegionSpace::Body) {
            return RotateAround({bodyX + widen * x, bodyY + crouch * y}, {bodyX, bodyY}, lean);
        }
        Vec2 q{x, y};
        if (m.space == RegionSpace::Head) {
            float z = 27.5f;
            if (!silver) {
                const float d = std::max(0.0f, 1.0f - x * x / 2116.0f - y * y / 1600.0f);
                z = RgbOf(m.color) == kWhiteRgb ? 29.6f * Smooth(d) : 29.6f * std::sqrt(d);
            }
            q = ProjectOnHead(x, y, z, yaw * 0.5f, pitch * 0.36f);
        }
        const Vec2 turned = RotateAround(q, {0.0f, 0.0f}, roll);
        return {turned.x + head.x, turned.y + head.y};
    }
};

}  // namespace

void DrawTemplateMarks(Canvas& canvas, float bodyX, float bodyY, Vec2 headCentre,
                       const PetState& pet, const CatSkin& coat) {
    const bool silver = IsBuiltinCoat(coat, BuiltinCoat::SilverTabby);
    if (!silver && !IsBuiltinCoat(coat, BuiltinCoat::OrangeWhite)) return;
    const SkinMark* face = nullptr;
    for (const SkinMark& m : coat.marks) {
        if (IsFaceTemplate(m)) {
            face = &m;
            break;
        }
    }
    const float turn = std::min(1.0f, std::fabs(pet.gazeX.value) * std::max(pet.gazeY.value, 0.0f));
    const float droop = Smooth(Clamp01(pet.sleep.value));
    const float stretch = pet.bodyStretch.value;
    const TemplateMapper mapper{bodyX,
                                bodyY,
                                headCentre,
                                pet.gazeX.value,
                                pet.gazeY.value,
                                pet.headRoll.value,
                                pet.bodyLean.value,
                                ((1.0f - stretch) * 0.55f + 1.0f) * (0.03f * droop + 1.0f),
                                (1.0f - 0.42f * droop) * stretch,
                                Smooth(turn),
                                silver};
    std::vector<Vec2> points;
    for (const SkinMark& m : coat.marks) {
        if (m.space == RegionSpace::Tail || m.space == RegionSpace::LeftEar ||
            m.space == RegionSpace::RightEar) {
            continue;
        }
        if (m.clipToBib && mapper.bibTurn == 0.0f) continue;
        if (m.points.empty()) continue;
        const SavedState saved(canvas);
        if (m.clipToBib && face != nullptr) {
            points.clear();
            for (const SkinPoint& p : face->points) points.push_back(mapper.Map(*face, p, false));
            PathBuilder clip(canvas);
            clip.Polygon(points.data(), static_cast<int>(points.size()));
            ClipToPath(canvas, clip);
        }
        points.clear();
        for (const SkinPoint& p : m.points) points.push_back(mapper.Map(m, p, m.clipToBib));
        const Argb colour =
            (RgbOf(m.color)) |
            (static_cast<Argb>(Clamp01(static_cast<float>(m.color.a)) * 255.0f) << 24);
        PathBuilder path(canvas);
        if (m.isStroke) {
            path.Lines(points.data(), static_cast<int>(points.size()));
            auto pen = MakeRoundPen(canvas, colour, m.width);
            StrokePath(canvas, *pen, path);
        } else {
            path.Polygon(points.data(), static_cast<int>(points.size()));
            FillPathSolid(canvas, colour, path);
        }
    }
}
