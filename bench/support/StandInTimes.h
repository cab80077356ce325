// The time the stand-ins measured inside their own calls (windows, the
// Direct3D device and its drawing, the physics), taken together: what splits
// the program's real AppInit and AppFrame without repeating their lines.
#pragma once

#include <compat/d3d9.h>
#include <compat/physx.h>
#include <compat/win32.h>

namespace bench
{

struct StandInTimes
{
    compat::win32::CallTimes win32;
    compat::d3d9::CallTimes d3d9;
    compat::physx::CallTimes physx;

    // Clear, the texts and the draws: the frame's drawing calls.
    compat::d3d9::CallTime DrawingCalls() const;
};

// Starts every stand-in's totals from zero, or stops them all; waitForGpu as
// in compat::d3d9::MeasureCallTimes.
void MeasureStandIns(bool on, bool waitForGpu = false);

// The totals since measuring started or since the last take, which starts
// them again from zero.
StandInTimes TakeStandInTimes();

} // namespace bench
