// Closed solids built on the grid: surfaces of revolution (spinners, wheels,
// strut legs), tubes between two points, boxes, lofts of cross-sections
// along an axis, and a profile swept along a planar path (canopy bows).
#pragma once

#include "geometry/Profile.h"
#include "geometry/TriangleList.h"
#include "geometry/Vec3.h"

#include <vector>

namespace yak52
{

// One point of a revolved outline: `axial` along the axis, `radius` from it.
// A radius of 0 closes the solid there with a pole; `crease` makes a sharp
// edge around that circle.
struct RevolvePoint
{
    double axial = 0.0;
    double radius = 0.0;
    bool crease = false;
};

// The outline turned about the axis through `origin` along `axis`, with
// `segments` points around. The outline must start and end on the axis.
TriangleList Revolve(const std::vector<RevolvePoint>& outline, Vec3 origin, Vec3 axis,
                     int segments);

// A round bar from a to b with flat, sharp-edged ends.
TriangleList Tube(Vec3 a, Vec3 b, double radius, int segments);

// An axis-aligned box.
TriangleList Box(Vec3 centre, Vec3 halfExtents);

// A profile carried along an open planar path lying in the plane with normal
// `planeNormal`: the profile's u runs across the path within the plane, its
// v along the plane normal. Both ends are closed flat.
TriangleList Sweep(const std::vector<Vec3>& path, const Profile& profile, Vec3 planeNormal);

// One cross-section of a loft: the profile's (u, v) placed at `axial` along
// the loft's axis.
struct LoftSection
{
    double axial = 0.0;
    Profile profile;
};

// Cross-sections with the same point count joined along the axis through
// `origin`; u runs along `across`, v along `up`. The ends are closed with
// flat, sharp-edged caps.
TriangleList Loft(const std::vector<LoftSection>& sections, Vec3 origin, Vec3 axis, Vec3 across,
                  Vec3 up);

// A unit vector at right angles to `v`.
Vec3 Perpendicular(Vec3 v);

} // namespace yak52
