// Reads from the running program the poses that go into the poses CSV
// (PoseLog.h): the four physics bodies, and the world poses of the part
// tree's root and of the active camera viewpoint.
#pragma once

#include "PoseLog.h"

#include <array>
#include <string_view>

class CWorld;

namespace host
{

struct BodyPose
{
    std::string_view body;
    Pose pose;
};

// fuselage, front_wheel, left_wheel, right_wheel, root, camera, in that order.
inline constexpr std::size_t kRecordedBodies = 6;
std::array<BodyPose, kRecordedBodies> ReadPoses(const CWorld& world);

} // namespace host
