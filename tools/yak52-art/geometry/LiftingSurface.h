// Wings, tail surfaces, control surfaces and propeller blades: sections laid
// out along a span axis and joined into one closed solid. Each end is either
// cut square (a flat, sharp-edged end, as at a control surface's side) or
// rounded: the last section shrinks along a quarter ellipse of the given
// radius to a point, as at a wing tip seen from above.
#pragma once

#include "geometry/Profile.h"
#include "geometry/TriangleList.h"
#include "geometry/Vec3.h"

#include <vector>

namespace yak52
{

// Where the surface lies: a section's u runs along `chord` (leading edge to
// trailing edge), its v along `normal`; sections stand at distances along `span`.
struct SurfaceFrame
{
    Vec3 origin;
    Vec3 span;
    Vec3 chord;
    Vec3 normal;
};

// One section in metres, already placed within its plane (leading-edge
// position, dihedral offset and twist included).
struct SurfaceStation
{
    double span = 0.0;
    Profile section;
};

// An aerofoil of the given chord and thickness with its leading edge at
// (leadingEdge, offset), turned by `twistDegrees` about its quarter chord
// (positive turns the leading edge towards +v).
Profile PlacedAerofoil(double leadingEdge, double offset, double chord, double thickness,
                       double camber, double twistDegrees, int perSide);

// `tipRadius` 0 cuts that end square; otherwise it is rounded over that
// distance beyond its last section, in `tipRows` rows.
struct SurfaceEnds
{
    double startTipRadius = 0.0;
    double endTipRadius = 0.0;
    int tipRows = 5;
};

TriangleList LiftingSurface(const std::vector<SurfaceStation>& stations, const SurfaceFrame& frame,
                            const SurfaceEnds& ends);

} // namespace yak52
