// The measurements every part is built from, in metres, in the airframe's
// frame: origin at the fuselage body's centre, nose towards +z, up +y, the
// pilot's left towards -x. Positions the program fixes elsewhere (wheel
// centres, strut offsets and axes, the places of the moving parts) are
// repeated here, since the meshes must fit them.
#pragma once

#include "geometry/Pose.h"
#include "geometry/Vec3.h"

namespace yak52
{

// Wheels: centres relative to the fuselage body, and the tyre radius that puts
// the aircraft on the ground when the wheel bodies rest on it.
inline constexpr Vec3 kNoseWheelCentre{0.0, -1.00, 1.50};
inline constexpr Vec3 kMainWheelCentre{1.41, -0.90, -0.25}; // mirrored for the other side
inline constexpr double kTyreRadius = 0.35;

// Struts: where the drawing puts each strut relative to its wheel centre, and
// the axis along which the wheel travels.
inline constexpr Vec3 kNoseStrutOffset{0.0, 0.21, -0.05};
inline constexpr Vec3 kMainStrutOffset{0.125, 0.13, 0.015}; // x negated on the other side
inline constexpr Vec3 kNoseStrutAxis{0.0, 0.79, -0.21};
inline constexpr Vec3 kMainStrutAxis{0.0, 0.95, -0.05};

// Places of the moving parts (hinge lines run along each part's local x, the
// rudder's along its local y, the propeller turns about its local z).
Pose PropellerPlace();
Pose AileronPlace(double side);   // side -1: left wing (x < 0), +1: right wing
Pose BrakeFlapPlace(double side); // as for the ailerons
Pose ElevatorPlace();
Pose RudderPlace();
Pose FrontCanopyPlace();
Pose RearCanopyPlace();

// The wing, as functions of the distance |x| from the centre line.
struct WingPlan
{
    static constexpr double kStraightHalfSpan = 4.20; // where the tip rounding starts
    static constexpr double kTipRadius = 0.45;        // so the span is 9.3
    static constexpr double kCamber = 0.02;

    static double LeadingEdge(double halfSpan);  // z of the leading edge
    static double TrailingEdge(double halfSpan); // z of the trailing edge
    static double ChordPlane(double halfSpan);   // y of the chord line (2 degrees of dihedral)
    static double Thickness(double halfSpan);    // thickness / chord
};

// The tailplane (with its elevator) and the fin (with its rudder).
struct TailPlan
{
    static constexpr double kTailplaneHalfSpan = 1.45;
    static constexpr double kTailplaneTipRadius = 0.20;
    static constexpr double kTailplaneHeight = 0.72;
    static constexpr double kTailplaneThickness = 0.10;
    static double TailplaneLeadingEdge(double halfSpan);
    static double TailplaneTrailingEdge(double halfSpan);

    static constexpr double kFinBottom = 0.45;
    static constexpr double kFinTop = 1.70; // where the rounding of the top starts
    static constexpr double kFinTipRadius = 0.11;
    static double FinLeadingEdge(double height);
    static double FinTrailingEdge(double height);
    static double FinThickness(double height);
};

// Half thickness of a symmetric four-digit aerofoil of unit chord and unit
// thickness at chord fraction x: the nose radius of a control surface hinged there.
double AerofoilHalfThickness(double x);

} // namespace yak52
