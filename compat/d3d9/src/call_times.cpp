#include "call_times.h"

#include "backend.h"

namespace compat::d3d9
{

void TimedCall::Finish()
{
    total_->call += ScopedMilliseconds::Since(start_);
    if (waitForGpu && backend_ != nullptr)
    {
        const auto waitStart = ScopedMilliseconds::Clock::now();
        backend_->WaitForGpu();
        total_->gpu += ScopedMilliseconds::Since(waitStart);
    }
}

void MeasureCallTimes(bool on, bool waitForGpuToo)
{
    callTiming.Measure(on);
    waitForGpu = on && waitForGpuToo;
}

CallTimes TakeCallTimes()
{
    return callTiming.Take();
}

} // namespace compat::d3d9
