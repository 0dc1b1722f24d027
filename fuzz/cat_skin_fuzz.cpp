// libFuzzer target: the cat skin reader on arbitrary bytes.
#include <cstdint>
#include <string>

#include "fuzz_checks.h"
#include "skins/cat_skin_reader.h"
#include "skins/skin_id.h"

namespace {

bool Within(float v, float lo, float hi) {
    return v >= lo && v <= hi;
}

void CheckSkin(const CatSkin& skin, std::string_view bytes) {
    FuzzCheck(skin.id == SkinIdOf(bytes) && skin.id.size() == 16, "id");
    FuzzCheck(!skin.name.empty() && skin.name.size() <= 160 && IsWholeUtf8(skin.name), "name");
    FuzzCheck(skin.author.size() <= 160 && IsWholeUtf8(skin.author), "author");
    FuzzCheck(!skin.isBuiltin, "not built in");
    for (const CoatPaletteSlot& slot : kCoatPaletteSlots) {
        const SkinColor& c = skin.palette.*slot.member;
        FuzzCheck(c.r >= 0 && c.r <= 1 && c.g >= 0 && c.g <= 1 && c.b >= 0 && c.b <= 1 &&
                      c.a >= 0 && c.a <= 1,
                  "colour range");
    }
    FuzzCheck(skin.palette.body.set && skin.palette.legs.set && skin.palette.paws.set &&
                  skin.palette.tail.set && skin.palette.whiskers.set && skin.palette.crease.set,
              "derived slots set");
    FuzzCheck(
        Within(skin.shape.bodyWidth, 0.85f, 1.35f) && Within(skin.shape.pawStagger, 0.0f, 1.0f),
        "shape");
    FuzzCheck(skin.regions.size() <= 64 && skin.marks.size() <= 256 && skin.decorations.size() <= 8,
              "counts");
    for (const SkinRegion& region : skin.regions) {
        FuzzCheck(region.anchors.size() >= 2 && region.anchors.size() <= 128, "anchor count");
        FuzzCheck(region.outlinePoints.size() == region.anchors.size() * 16, "outline points");
        for (const SkinPoint& p : region.outlinePoints) {
            FuzzCheck(Within(p.x, -400.0f, 400.0f) && Within(p.y, -400.0f, 400.0f),
                      "outline inside range");
        }
    }
    for (const SkinMark& mark : skin.marks) {
        FuzzCheck(mark.points.size() >= (mark.isStroke ? 2u : 3u) && mark.points.size() <= 512,
                  "mark points");
        FuzzCheck(mark.isStroke ? Within(mark.width, 0.2f, 24.0f) : mark.width == 0.0f,
                  "mark width");
        FuzzCheck(mark.color.set, "mark colour");
    }
    for (const SkinDecoration& sticker : skin.decorations) {
        FuzzCheck(sticker.png.size() > 32 && sticker.png.size() <= 1048576, "sticker size");
        FuzzCheck(sticker.pixelWidth >= 1 && sticker.pixelWidth <= 1024 &&
                      sticker.pixelHeight >= 1 && sticker.pixelHeight <= 1024,
                  "sticker pixels");
        FuzzCheck(Within(sticker.scale, 0.05f, 4.0f) && Within(sticker.rotation, -180.0f, 180.0f),
                  "sticker");
    }
    FuzzCheck(skin.previewPng.size() <= 524288, "preview size");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CatSkin skin;
    std::string error;
    const bool ok = ReadCatSkin(bytes, skin, error);
    FuzzCheck(ok == error.empty(), "error set exactly on failure");
    if (ok) {
        CheckSkin(skin, bytes);
    } else {
        FuzzCheck(IsWholeUtf8(error), "message is whole UTF-8");
    }
    return 0;
}
