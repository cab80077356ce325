// Builders of the aircraft's parts. Each returns a closed solid (or several)
// about the part's own origin, as the program draws or places it.
#pragma once

#include "geometry/TriangleList.h"

namespace yak52
{

// Pieces of the static airframe, in the airframe's frame.
TriangleList BuildFuselageBody();  // fuselage and engine cowling
TriangleList BuildSpinner();       // about the propeller's hub
TriangleList BuildCanopyFairing(); // the closed canopy with windscreen and bows
TriangleList BuildWing();          // both halves with ailerons and flaps in place
TriangleList BuildTailplane();     // with the elevator in place
TriangleList BuildFin();           // with the rudder in place

// The whole static airframe: everything above, put together.
TriangleList BuildAirframe();

// Moving parts, each about its hinge (side -1 left, +1 right).
TriangleList BuildPropeller();
TriangleList BuildAileron(double side);
TriangleList BuildBrakeFlap(double side);
TriangleList BuildElevator();
TriangleList BuildRudder();
TriangleList BuildCanopyFrame();
TriangleList BuildCanopyGlass();

// Undercarriage, about the wheel centres and the strut origins.
enum class WheelKind
{
    Nose,
    Left, // the main wheel at +x, its hub cap outboard
    Right,
};
TriangleList BuildWheel(WheelKind kind);
TriangleList BuildNoseStrut();
TriangleList BuildMainStrut();

} // namespace yak52
