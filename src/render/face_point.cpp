#include "render/face_point.h"

#include "pet/pet_state.h"
#include "skins/cat_skin.h"

Vec2 FacePoint(Vec2 p, bool flat, const CatSkin& skin, Vec2 headCentre, const PetState& pet,
               bool smoothDepth) {
    HeadPose pose;
    pose.centre = headCentre;
    pose.yaw = pet.gazeX.value;
    pose.pitch = pet.gazeY.value;
    pose.roll = pet.headRoll.value;
    pose.scale = skin.shape.headScale;
    pose.planeSurface = skin.headSurface == HeadSurface::Plane;
    return FacePointOnPose(p, flat, pose, smoothDepth);
}
