// Wheels and struts. A wheel is a tyre on a rim with a hub, turned about its
// axle (x); the struts are oleo legs reaching from their origin beside the
// wheel up into the airframe along their axes, the nose one with a fork.
#include "geometry/Solids.h"
#include "parts/Measurements.h"
#include "parts/Parts.h"

#include <cmath>

namespace yak52
{

namespace
{
constexpr double kTyreHalfWidth = 0.08;
constexpr double kTyreCentre = 0.265; // radius of the tyre section's middle
constexpr double kBeadRadius = 0.195;
constexpr double kRimHalfWidth = 0.058;

// One side of the wheel from the tyre's bead inwards to the axle, at
// axial sign `side`; `domed` gives it a rounded hub cap.
void AddWheelSide(std::vector<RevolvePoint>& outline, double side, bool domed)
{
    std::vector<RevolvePoint> sidePoints{
        {kRimHalfWidth, kBeadRadius, true},
        {kRimHalfWidth, 0.165, true},
        {0.070, 0.110},
        {0.075, 0.060, true},
    };
    if (domed)
        for (double a : {30.0, 60.0})
            sidePoints.push_back(
                {0.075 + 0.025 * std::sin(Radians(a)), 0.060 * std::cos(Radians(a))});
    sidePoints.push_back({domed ? 0.100 : 0.075, 0.0, !domed});
    for (RevolvePoint& p : sidePoints)
        p.axial *= side;
    if (side > 0)
        outline.insert(outline.begin(), sidePoints.rbegin(), sidePoints.rend());
    else
        outline.insert(outline.end(), sidePoints.begin(), sidePoints.end());
}

// The strut's reach from its origin along its axis to the given height.
double ReachToHeight(Vec3 origin, Vec3 axis, double height)
{
    return (height - origin.y) / Normalize(axis).y;
}
} // namespace

TriangleList BuildWheel(WheelKind kind)
{
    // The tyre: an oval section from bead to bead over the tread.
    std::vector<RevolvePoint> outline;
    const double start = -55.0, end = 235.0;
    const int steps = 28;
    for (int k = 0; k <= steps; ++k)
    {
        const double a = Radians(start + (end - start) * k / steps);
        outline.push_back({kTyreHalfWidth * std::cos(a),
                           kTyreCentre + (kTyreRadius - kTyreCentre) * std::sin(a),
                           k == 0 || k == steps});
    }
    const bool outboardDome = kind != WheelKind::Nose;
    AddWheelSide(outline, 1.0, outboardDome);
    AddWheelSide(outline, -1.0, false);
    const TriangleList wheel = Revolve(outline, {}, {1, 0, 0}, 40);
    // The left wheel stands at +x, so its outboard side is +x; the right one mirrors it.
    return kind == WheelKind::Right ? wheel.MirroredX() : wheel;
}

TriangleList BuildMainStrut()
{
    const Vec3 axis = Normalize(kMainStrutAxis);
    const Vec3 origin = kMainWheelCentre + kMainStrutOffset;
    // Up into the middle of the wing's thickness above the strut.
    const double top = ReachToHeight(origin, axis, WingPlan::ChordPlane(origin.x)) + 0.02;
    const double bottom = -0.16, joint = 0.30;
    TriangleList strut = Revolve({{bottom, 0.0},
                                  {bottom, 0.028, true},
                                  {joint, 0.028, true},
                                  {joint, 0.040, true},
                                  {top, 0.040, true},
                                  {top, 0.0}},
                                 {}, axis, 20);
    // The axle boss at the wheel centre's height, long enough to reach into
    // the hub on either side, since the one strut serves both wheels.
    const Vec3 axle = -kMainStrutOffset;
    strut.Append(Tube({-0.14, axle.y, axle.z}, {0.14, axle.y, axle.z}, 0.03, 16));
    return strut;
}

TriangleList BuildNoseStrut()
{
    const Vec3 axis = Normalize(kNoseStrutAxis);
    const Vec3 origin = kNoseWheelCentre + kNoseStrutOffset;
    // Up into the cowling's underside.
    const double top = ReachToHeight(origin, axis, -0.05);
    const double joint = 0.30;
    TriangleList strut = Revolve({{-0.02, 0.0},
                                  {-0.02, 0.030, true},
                                  {joint, 0.030, true},
                                  {joint, 0.042, true},
                                  {top, 0.042, true},
                                  {top, 0.0}},
                                 {}, axis, 20);
    // The fork: a crown across the top, two legs down to the axle through the hub.
    const Vec3 axle = -kNoseStrutOffset;
    const double legX = kTyreHalfWidth + 0.045;
    strut.Append(Box({}, {legX + 0.02, 0.025, 0.035}));
    for (double side : {-1.0, 1.0})
        strut.Append(
            Tube({side * legX, 0.0, 0.0}, {side * legX, axle.y - 0.02, axle.z + 0.005}, 0.02, 12));
    strut.Append(Tube({-legX - 0.02, axle.y, axle.z}, {legX + 0.02, axle.y, axle.z}, 0.018, 12));
    return strut;
}

} // namespace yak52
