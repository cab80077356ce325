#include "geometry/Pose.h"

#include <cmath>

namespace yak52
{

Pose Pose::Turn(Vec3 axis, double degrees)
{
    // Rows of the rotation matrix of the quaternion (n sin(a/2), cos(a/2)),
    // written out as the program's quaternion-to-matrix conversion does.
    const Vec3 n = Normalize(axis);
    const double half = Radians(degrees) / 2.0;
    const double s = std::sin(half);
    const double x = n.x * s, y = n.y * s, z = n.z * s, w = std::cos(half);
    Pose pose;
    pose.row0 = {1 - 2 * (y * y + z * z), 2 * (x * y + z * w), 2 * (x * z - y * w)};
    pose.row1 = {2 * (x * y - z * w), 1 - 2 * (x * x + z * z), 2 * (y * z + x * w)};
    pose.row2 = {2 * (x * z + y * w), 2 * (y * z - x * w), 1 - 2 * (x * x + y * y)};
    return pose;
}

Pose Pose::After(const Pose& inner) const
{
    Pose result;
    result.row0 = Rotate(inner.row0);
    result.row1 = Rotate(inner.row1);
    result.row2 = Rotate(inner.row2);
    result.origin = Apply(inner.origin);
    return result;
}

} // namespace yak52
