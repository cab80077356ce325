#include "parts/Measurements.h"

#include <cmath>

namespace yak52
{

Pose PropellerPlace()
{
    return Pose::At({0.0, 0.33, 2.19});
}
Pose AileronPlace(double side)
{
    return Pose::At({3.3133 * side, 0.03, -0.45}).After(Pose::Turn({0, 1, 0}, -4.0 * side));
}
Pose BrakeFlapPlace(double side)
{
    return Pose::At({1.19 * side, -0.07, -0.67})
        .After(Pose::Turn({0, 1, 0}, -5.0 * side).After(Pose::Turn({0, 0, 1}, 2.0 * side)));
}
Pose ElevatorPlace()
{
    return Pose::At({0.0, 0.72, -4.25});
}
Pose RudderPlace()
{
    return Pose::At({0.0, 1.138, -4.41});
}
Pose FrontCanopyPlace()
{
    return Pose::At({0.0, 0.92, 0.1});
}
Pose RearCanopyPlace()
{
    return Pose::At({0.0, 0.91, -1.08});
}

// The leading edge is nearly straight; the trailing edge tapers forward at
// 4 degrees, parallel to the aileron hinge, and passes 0.27 m behind it.
double WingPlan::LeadingEdge(double s)
{
    return 0.90 - 0.03 * s;
}
double WingPlan::TrailingEdge(double s)
{
    return -0.72 + std::tan(Radians(4.0)) * (s - 3.3133);
}
double WingPlan::ChordPlane(double s)
{
    return -0.085 + std::tan(Radians(2.0)) * s;
}
double WingPlan::Thickness(double s)
{
    return 0.145 - 0.055 * s / kStraightHalfSpan;
}

double TailPlan::TailplaneLeadingEdge(double s)
{
    return -3.92 - 0.10 * s / kTailplaneHalfSpan;
}
double TailPlan::TailplaneTrailingEdge(double s)
{
    return -4.86 + 0.24 * s / kTailplaneHalfSpan;
}
double TailPlan::FinLeadingEdge(double y)
{
    return -3.47 - 0.52 * (y - kFinBottom);
}
double TailPlan::FinTrailingEdge(double y)
{
    return -5.06 + 0.19 * (y - kFinBottom);
}
double TailPlan::FinThickness(double y)
{
    return 0.09 - 0.01 * (y - kFinBottom) / (kFinTop - kFinBottom);
}

double AerofoilHalfThickness(double x)
{
    return 5.0 * (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
                  0.1036 * x * x * x * x);
}

} // namespace yak52
