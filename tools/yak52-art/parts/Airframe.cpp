// The static airframe: the one mesh the program draws for the fuselage body,
// so it carries everything that does not move on its own: fuselage and
// cowling with the spinner, canopy, wing, tailplane and fin, the control
// surfaces in their neutral places.
#include "parts/Parts.h"

namespace yak52
{

TriangleList BuildAirframe()
{
    TriangleList airframe = BuildFuselageBody();
    airframe.Append(BuildSpinner());
    airframe.Append(BuildCanopyFairing());
    airframe.Append(BuildWing());
    airframe.Append(BuildTailplane());
    airframe.Append(BuildFin());
    return airframe;
}

} // namespace yak52
