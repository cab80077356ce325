// The tail: tailplane and fin with their control surfaces in place, and the
// elevator and rudder on their own about their hinges.
#include "geometry/Curve.h"
#include "geometry/LiftingSurface.h"
#include "geometry/Solids.h"
#include "parts/Measurements.h"
#include "parts/Parts.h"

#include <cmath>

namespace yak52
{

namespace
{
constexpr double kElevatorGap = 0.08; // either side of the rudder
constexpr double kElevatorOuter = 1.50;
constexpr double kTorqueTubeRadius = 0.02;

double ElevatorHinge()
{
    return ElevatorPlace().origin.z;
}
double RudderHinge()
{
    return RudderPlace().origin.z;
}

// The elevator half on the right, from the gap to its tip, about the hinge.
TriangleList ElevatorHalf()
{
    std::vector<SurfaceStation> stations;
    for (double x : Steps(kElevatorGap, kElevatorOuter, 8))
    {
        const double lead = TailPlan::TailplaneLeadingEdge(x);
        const double trail = TailPlan::TailplaneTrailingEdge(x);
        const double chord = lead - trail;
        const double fraction = (lead - ElevatorHinge()) / chord;
        const double nose = TailPlan::kTailplaneThickness * chord * AerofoilHalfThickness(fraction);
        stations.push_back({x, HingedSection(nose, ElevatorHinge() - trail, 12)});
    }
    const SurfaceFrame frame{{}, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}};
    return LiftingSurface(stations, frame, {});
}
} // namespace

TriangleList BuildTailplane()
{
    std::vector<SurfaceStation> stations;
    const double half = TailPlan::kTailplaneHalfSpan;
    for (double x : Steps(-half, half, 16))
    {
        const double s = std::fabs(x);
        const double lead = TailPlan::TailplaneLeadingEdge(s);
        const double chord = lead - TailPlan::TailplaneTrailingEdge(s);
        stations.push_back({x, PlacedAerofoil(-lead, TailPlan::kTailplaneHeight, chord,
                                              TailPlan::kTailplaneThickness, 0.0, 0.0, 14)});
    }
    const SurfaceFrame frame{{}, {1, 0, 0}, {0, 0, -1}, {0, 1, 0}};
    return LiftingSurface(stations, frame,
                          {TailPlan::kTailplaneTipRadius, TailPlan::kTailplaneTipRadius, 4});
}

TriangleList BuildFin()
{
    std::vector<SurfaceStation> stations;
    for (double y : Steps(TailPlan::kFinBottom, TailPlan::kFinTop, 12))
    {
        const double lead = TailPlan::FinLeadingEdge(y);
        const double chord = lead - TailPlan::FinTrailingEdge(y);
        stations.push_back(
            {y, PlacedAerofoil(-lead, 0.0, chord, TailPlan::FinThickness(y), 0.0, 0.0, 14)});
    }
    // Span up, chord along -z, thickness across x.
    const SurfaceFrame frame{{}, {0, 1, 0}, {0, 0, -1}, {1, 0, 0}};
    return LiftingSurface(stations, frame, {0.0, TailPlan::kFinTipRadius, 4});
}

TriangleList BuildElevator()
{
    // Two halves either side of the rudder, joined by the torque tube on the hinge.
    const TriangleList right = ElevatorHalf();
    TriangleList elevator = right;
    elevator.Append(right.MirroredX());
    const double reach = kElevatorGap + 0.05;
    elevator.Append(Tube({-reach, 0, 0}, {reach, 0, 0}, kTorqueTubeRadius, 12));
    return elevator;
}

TriangleList BuildRudder()
{
    const Pose hinge = RudderPlace();
    std::vector<SurfaceStation> stations;
    for (double y : Steps(TailPlan::kFinBottom, TailPlan::kFinTop, 10))
    {
        const double lead = TailPlan::FinLeadingEdge(y);
        const double trail = TailPlan::FinTrailingEdge(y);
        const double chord = lead - trail;
        const double fraction = (lead - RudderHinge()) / chord;
        const double nose = TailPlan::FinThickness(y) * chord * AerofoilHalfThickness(fraction);
        stations.push_back({y - hinge.origin.y, HingedSection(nose, RudderHinge() - trail, 12)});
    }
    const SurfaceFrame frame{{}, {0, 1, 0}, {0, 0, -1}, {1, 0, 0}};
    return LiftingSurface(stations, frame, {});
}

} // namespace yak52
