// The propeller: a pointed spinner over the hub and two twisted blades with
// rounded tips, about the hub, turning about z.
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
constexpr double kSpinnerBase = -0.21; // behind the hub, in the cowling's recess
constexpr double kSpinnerLength = 0.56;
constexpr double kSpinnerRadius = 0.20;
constexpr double kBladeRoot = 0.10; // inside the spinner
constexpr double kBladeStraight = 1.10;
constexpr double kBladeTipRadius = 0.10; // so the disc is 2.4 m across
constexpr double kPitch = 1.7;           // metres advanced per turn at the design point

TriangleList SpinnerAboutHub()
{
    std::vector<RevolvePoint> outline{{kSpinnerBase, 0.0}, {kSpinnerBase, kSpinnerRadius, true}};
    for (double t : Steps(0.0, 1.0, 14))
        if (t > 0.0 && t < 1.0)
            outline.push_back(
                {kSpinnerBase + kSpinnerLength * t, kSpinnerRadius * std::pow(1.0 - t * t, 0.6)});
    outline.push_back({kSpinnerBase + kSpinnerLength, 0.0});
    return Revolve(outline, {}, {0, 0, 1}, 32);
}

TriangleList Blade()
{
    const Curve chord({{0.1, 0.15}, {0.5, 0.20}, {0.9, 0.17}, {1.1, 0.13}});
    const Curve thickness({{0.1, 0.22}, {0.5, 0.10}, {1.1, 0.07}});
    std::vector<SurfaceStation> stations;
    for (double r : Steps(kBladeRoot, kBladeStraight, 12))
    {
        const double pitchAngle = std::atan(kPitch / (2.0 * kPi * r)) * 180.0 / kPi;
        const double c = chord(r);
        stations.push_back(
            {r, PlacedAerofoil(-0.25 * c, 0.0, c, thickness(r), 0.03, pitchAngle, 10)});
    }
    // Span outward along y, chord across the disc along x, thickness along z.
    const SurfaceFrame frame{{}, {0, 1, 0}, {1, 0, 0}, {0, 0, 1}};
    return LiftingSurface(stations, frame, {0.0, kBladeTipRadius, 4});
}
} // namespace

TriangleList BuildSpinner()
{
    return SpinnerAboutHub().Placed(PropellerPlace());
}

TriangleList BuildPropeller()
{
    TriangleList propeller = SpinnerAboutHub();
    const TriangleList blade = Blade();
    propeller.Append(blade);
    propeller.Append(blade.Placed(Pose::Turn({0, 0, 1}, 180.0)));
    return propeller;
}

} // namespace yak52
