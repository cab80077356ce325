#include "call_times.h"

#include "backend.h"

namespace compat::d3d9
{
namespace
{

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

} // namespace

void TimedCall::Start(CallTime CallTimes::*kind, DeviceBackend* backend)
{
    kind_ = kind;
    backend_ = backend;
    start_ = Clock::now();
}

void TimedCall::Finish()
{
    const Clock::time_point end = Clock::now();
    CallTime& total = callTiming.totals.*kind_;
    total.call += Milliseconds(end - start_);
    if (callTiming.waitForGpu && backend_ != nullptr)
    {
        backend_->WaitForGpu();
        total.gpu += Milliseconds(Clock::now() - end);
    }
}

void MeasureCallTimes(bool on, bool waitForGpu)
{
    callTiming = CallTiming{on, waitForGpu, CallTimes{}};
}

CallTimes TakeCallTimes()
{
    const CallTimes taken = callTiming.totals;
    callTiming.totals = CallTimes{};
    return taken;
}

} // namespace compat::d3d9
