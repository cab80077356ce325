#include "StandInTimes.h"

namespace bench
{

compat::d3d9::CallTime StandInTimes::DrawingCalls() const
{
    const compat::d3d9::CallTime parts[] = {d3d9.clear, d3d9.text, d3d9.draws};
    compat::d3d9::CallTime sum;
    for (const compat::d3d9::CallTime& part : parts)
    {
        sum.call += part.call;
        sum.gpu += part.gpu;
    }
    return sum;
}

void MeasureStandIns(bool on, bool waitForGpu)
{
    compat::win32::MeasureCallTimes(on);
    compat::d3d9::MeasureCallTimes(on, waitForGpu);
    compat::physx::MeasureCallTimes(on);
}

StandInTimes TakeStandInTimes()
{
    return {compat::win32::TakeCallTimes(), compat::d3d9::TakeCallTimes(),
            compat::physx::TakeCallTimes()};
}

} // namespace bench
