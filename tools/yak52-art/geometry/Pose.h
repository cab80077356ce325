// A rigid placement: rows of a rotation matrix (row-vector convention, as the
// program's own transforms) and a translation. A point p in the local frame
// lands at p * rotation + origin in the parent frame.
#pragma once

#include "geometry/Vec3.h"

namespace yak52
{

struct Pose
{
    Vec3 row0{1.0, 0.0, 0.0};
    Vec3 row1{0.0, 1.0, 0.0};
    Vec3 row2{0.0, 0.0, 1.0};
    Vec3 origin{};

    Vec3 Rotate(Vec3 v) const { return row0 * v.x + row1 * v.y + row2 * v.z; }
    Vec3 Apply(Vec3 p) const { return Rotate(p) + origin; }

    // The placement whose frame sits at `position` without turning.
    static Pose At(Vec3 position)
    {
        Pose pose;
        pose.origin = position;
        return pose;
    }
    // A turn about a unit axis of the local frame, by degrees, with the sign
    // convention of the program's node rotations (a left-handed frame).
    static Pose Turn(Vec3 axis, double degrees);

    // This placement applied after `inner`: points of inner's frame go
    // through inner first, then through this one.
    Pose After(const Pose& inner) const;
};

} // namespace yak52
