#include "WorldProbe.h"

#include "scene/PoseNode.h"
#include "world/WorldInspector.h"
#include "world/WorldGlobals.h"

namespace host
{
namespace
{

Pose ActorPose(const NxActor& actor)
{
    const NxVec3 p = actor.getGlobalPosition();
    const NxQuat q = actor.getGlobalOrientationQuat();
    return {p.x, p.y, p.z, q.x, q.y, q.z, q.w};
}

Pose NodePose(const CPoseNode& node)
{
    const D3DXVECTOR3 p = node.GetWorldPosition(false);
    const D3DXQUATERNION q = node.GetWorldOrientation(false);
    return {p.x, p.y, p.z, q.x, q.y, q.z, q.w};
}

} // namespace

std::array<BodyPose, kRecordedBodies> ReadPoses(const CWorld& world)
{
    return {{
        {"fuselage", ActorPose(*g_fuselageActor)},
        {"front_wheel", ActorPose(*g_frontWheelActor)},
        {"left_wheel", ActorPose(*g_leftWheelActor)},
        {"right_wheel", ActorPose(*g_rightWheelActor)},
        {"root", NodePose(*CWorldInspector(world).Root())},
        {"camera", NodePose(*CWorldInspector(world).ActiveViewpoint())},
    }};
}

} // namespace host
