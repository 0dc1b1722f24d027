#include "render/part_paint.h"

bool HasLayerIn(const CatSkin& skin, std::initializer_list<RegionSpace> spaces) {
    auto inSpaces = [&](RegionSpace s) {
        for (RegionSpace t : spaces)
            if (s == t) return true;
        return false;
    };
    for (const SkinRegion& r : skin.regions)
        if (inSpaces(r.space)) return true;
    for (const SkinMark& m : skin.marks)
        if (inSpaces(m.space)) return true;
    return false;
}
