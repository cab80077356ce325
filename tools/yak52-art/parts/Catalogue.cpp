#include "parts/Catalogue.h"

#include "parts/Parts.h"

namespace yak52
{

const std::vector<PartFile>& Catalogue()
{
    static const std::vector<PartFile> files{
        {"i_stokF.txt", BuildNoseStrut},
        {"i_lstok.txt", BuildMainStrut},
        {"i_brakeflapr.txt", [] { return BuildBrakeFlap(1.0); }},
        {"i_brakeflapl.txt", [] { return BuildBrakeFlap(-1.0); }},
        {"i_pereplet.txt", BuildCanopyFrame},
        {"i_glass.txt", BuildCanopyGlass},
        {"i_fuselag.txt", BuildAirframe},
        {"i_eleron_l.txt", [] { return BuildAileron(-1.0); }},
        {"i_eleron_r.txt", [] { return BuildAileron(1.0); }},
        {"i_elevator.txt", BuildElevator},
        {"i_propeller.txt", BuildPropeller},
        {"i_vrudder.txt", BuildRudder},
        {"i_Wheel_front.txt", [] { return BuildWheel(WheelKind::Nose); }},
        {"i_Wheel_right.txt", [] { return BuildWheel(WheelKind::Right); }},
        {"i_Wheel_left.txt", [] { return BuildWheel(WheelKind::Left); }},
    };
    return files;
}

} // namespace yak52
