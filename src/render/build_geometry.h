#pragma once

#include <array>

#include "skins/cat_skin.h"

// Per-build measurements of the seated cat: silhouette, ears, tail width,
// hind feet and front paws. Stage units unless marked; "head frame" and
// "body frame" points are placed by HeadToStage and BodyToStage.
struct BuildGeometry {
    float headOffsetY;  // head centre y offset, also the front paws' y
    // Silhouette.
    float cheekHalfWidth;      // before cheekFullness (also the carried pose)
    float crownControlX;       // head frame x of the crown's control points
    float crownY;              // head frame y of the crown and its control points
    float cheekY;              // head frame y of the two cheek points
    float aboveCheekControlY;  // head frame y of the control points above the cheeks
    float neckControlInset;    // inward offset of the neck control points from the cheeks
    float neckControlY;        // head frame y of the neck control points
    float shoulderHalfWidth;   // body frame
    float shoulderControlX;    // body frame
    float shoulderControlY;    // body frame
    float upperFlankControlX;  // body frame
    float lowerFlankControlX;  // body frame
    float baseHalfWidth;       // body frame
    // Ears.
    float earTipTilt;  // radians
    float earLength;   // from the tip pivot to the tip
    float earOuterBaseX;
    float earOuterBaseY;
    float earInnerBaseX;
    float earInnerBaseY;
    float earPivotX;
    float earPivotY;
    float earTipHalfSplit;  // before earPointiness
    // Tail.
    float tailWidth;  // before tailThickness
    // Hind feet, boxes in the body frame.
    float firstFootX;
    float footWidth;  // both feet
    float secondFootX;
    float footY;       // the first foot, and the second at pawStagger 0
    float footHeight;  // the first foot, and the second at pawStagger 0
    float staggeredFootY;
    float staggeredFootHeight;  // the second foot at pawStagger 1
    // Front paws.
    float restingPawTopHeight;  // of the resting paws' upper end above the body anchor
    float restingPawTopX;       // x offset of the resting paws' upper end
    float restingPawBottomX;    // x offset of the resting paws' lower end
    float frontShoulderX;       // shoulder x offset
    float limbShoulderWidth;
    float limbPawWidth;
};

// clang-format off
inline constexpr std::array<BuildGeometry, 2> kBuildGeometry{{
    {.headOffsetY = 0.0f, .cheekHalfWidth = 42.5f, .crownControlX = 26.0f, .crownY = -30.0f,
     .cheekY = 5.0f, .aboveCheekControlY = -14.0f, .neckControlInset = 2.5f,
     .neckControlY = 24.0f, .shoulderHalfWidth = 49.0f, .shoulderControlX = 51.5f,
     .shoulderControlY = -48.0f, .upperFlankControlX = 47.0f, .lowerFlankControlX = 36.0f,
     .baseHalfWidth = 24.0f,
     .earTipTilt = 0.06f, .earLength = 32.0f, .earOuterBaseX = 9.0f, .earOuterBaseY = -16.0f,
     .earInnerBaseX = 35.0f, .earInnerBaseY = -5.0f, .earPivotX = 24.5f, .earPivotY = -20.0f,
     .earTipHalfSplit = 3.8f,
     .tailWidth = 11.0f,
     .firstFootX = -35.0f, .footWidth = 17.0f, .secondFootX = 18.0f, .footY = 3.0f,
     .footHeight = 11.0f, .staggeredFootY = 4.5f, .staggeredFootHeight = 12.5f,
     .restingPawTopHeight = 30.0f, .restingPawTopX = 18.0f, .restingPawBottomX = 16.0f,
     .frontShoulderX = 20.0f, .limbShoulderWidth = 19.0f, .limbPawWidth = 13.5f},
    {.headOffsetY = -3.0f, .cheekHalfWidth = 42.5f, .crownControlX = 25.0f, .crownY = -29.5f,
     .cheekY = 6.5f, .aboveCheekControlY = -13.0f, .neckControlInset = 6.5f,
     .neckControlY = 27.5f, .shoulderHalfWidth = 44.5f, .shoulderControlX = 41.0f,
     .shoulderControlY = -50.0f, .upperFlankControlX = 42.0f, .lowerFlankControlX = 32.0f,
     .baseHalfWidth = 22.0f,
     .earTipTilt = 0.14f, .earLength = 29.5f, .earOuterBaseX = 10.0f, .earOuterBaseY = -16.5f,
     .earInnerBaseX = 35.5f, .earInnerBaseY = -4.5f, .earPivotX = 25.0f, .earPivotY = -18.5f,
     .earTipHalfSplit = 4.2f,
     .tailWidth = 9.5f,
     .firstFootX = -31.0f, .footWidth = 15.5f, .secondFootX = 15.5f, .footY = 3.5f,
     .footHeight = 12.0f, .staggeredFootY = 4.5f, .staggeredFootHeight = 12.5f,
     .restingPawTopHeight = 31.0f, .restingPawTopX = 16.5f, .restingPawBottomX = 15.0f,
     .frontShoulderX = 18.5f, .limbShoulderWidth = 17.0f, .limbPawWidth = 12.5f},
}};
// clang-format on

inline const BuildGeometry& BuildGeometryFor(CatBuild build) {
    return kBuildGeometry[build == CatBuild::Sleek ? 1 : 0];
}
