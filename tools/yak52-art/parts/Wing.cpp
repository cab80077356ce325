// The wing from tip to tip with its ailerons and flaps in place, and the
// moving surfaces on their own: ailerons and the brake flaps under the
// wing's root, each about its hinge.
#include "geometry/Curve.h"
#include "geometry/LiftingSurface.h"
#include "parts/Measurements.h"
#include "parts/Parts.h"

#include <cmath>

namespace yak52
{

namespace
{
// The aileron runs 0.88 m either side of its hinge's middle.
constexpr double kAileronHalfSpan = 0.88;
constexpr double kAileronChord = 0.27;
// The brake flap hangs under the wing from its hinge to the trailing edge.
constexpr double kBrakeFlapHalfSpan = 0.64;
constexpr double kBrakeFlapChord = 0.20;
constexpr double kBrakeFlapNose = 0.012;
} // namespace

TriangleList BuildWing()
{
    std::vector<SurfaceStation> stations;
    for (double x : Steps(-WingPlan::kStraightHalfSpan, WingPlan::kStraightHalfSpan, 36))
    {
        const double s = std::fabs(x);
        const double lead = WingPlan::LeadingEdge(s);
        const double chord = lead - WingPlan::TrailingEdge(s);
        stations.push_back({x, PlacedAerofoil(-lead, WingPlan::ChordPlane(s), chord,
                                              WingPlan::Thickness(s), WingPlan::kCamber, 0.0, 20)});
    }
    // Chord along -z (leading edge forward), thickness up.
    const SurfaceFrame frame{{}, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}};
    return LiftingSurface(stations, frame, {WingPlan::kTipRadius, WingPlan::kTipRadius, 5});
}

TriangleList BuildAileron(double side)
{
    // Built for the right wing and mirrored for the left one. Local x runs
    // outboard along the hinge; the wing is thinner outboard.
    std::vector<SurfaceStation> stations;
    const double hingeFromTrailingEdge = kAileronChord;
    for (double x : Steps(-kAileronHalfSpan, kAileronHalfSpan, 8))
    {
        const double s = 3.3133 + x;
        const double lead = WingPlan::LeadingEdge(s);
        const double chord = lead - WingPlan::TrailingEdge(s);
        const double hingeFraction = 1.0 - hingeFromTrailingEdge / chord;
        const double nose = WingPlan::Thickness(s) * chord * AerofoilHalfThickness(hingeFraction);
        stations.push_back({x, HingedSection(nose, kAileronChord, 12)});
    }
    const SurfaceFrame frame{{}, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}};
    const TriangleList right = LiftingSurface(stations, frame, {});
    return side > 0 ? right : right.MirroredX();
}

TriangleList BuildBrakeFlap(double side)
{
    std::vector<SurfaceStation> stations;
    for (double x : Steps(-kBrakeFlapHalfSpan, kBrakeFlapHalfSpan, 4))
        stations.push_back({x, HingedSection(kBrakeFlapNose, kBrakeFlapChord, 8)});
    const SurfaceFrame frame{{}, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}};
    const TriangleList right = LiftingSurface(stations, frame, {});
    return side > 0 ? right : right.MirroredX();
}

} // namespace yak52
