// Closed 2D outlines that the solids are built from: cross-sections of the
// fuselage and canopy, aerofoils, and the round-nosed section of a hinged
// control surface. Each outline is a loop; `creases` marks the points where
// the outline has a corner (a trailing edge, the foot of a canopy).
#pragma once

#include <vector>

namespace yak52
{

struct Point2
{
    double u = 0.0;
    double v = 0.0;
};

struct Profile
{
    std::vector<Point2> points;
    std::vector<bool> creases;

    // Centre of the enclosed area: a point every outline here can be fanned from.
    Point2 Centroid() const;
};

// A superellipse from v = bottom to v = top and u = -halfWidth to +halfWidth;
// exponent 2 is an ellipse, larger values square it off. `count` points,
// starting at the top and running towards +u.
Profile SuperEllipse(double halfWidth, double bottom, double top, double exponent, int count);

// The upper part of a superellipse standing on a flat base at v = 0: an arch
// of `arcCount` points from (+halfWidth, 0) over the top to (-halfWidth, 0),
// closed along the base, with corners where arch and base meet.
Profile Dome(double halfWidth, double height, double exponent, int arcCount);

// An aerofoil of unit chord (u from 0 at the leading edge to 1 at the sharp
// trailing edge), with the given thickness and camber as fractions of the
// chord: 2 * perSide points, starting at the trailing edge, over the upper
// surface and back along the lower one.
Profile Aerofoil(double thickness, double camber, int perSide);

// The section of a hinged control surface: a round nose of `noseRadius`
// centred on the hinge (u = 0), tapering straight to a sharp trailing edge
// at u = chord.
Profile HingedSection(double noseRadius, double chord, int arcCount);

// A rectangle centred on the origin with its four corners creased.
Profile Rectangle(double halfU, double halfV);

} // namespace yak52
