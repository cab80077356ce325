// The totals behind compat::d3d9::MeasureCallTimes and TakeCallTimes, and
// TimedCall, the scope a timed call begins with: it adds the call's time to
// one kind of call and, when asked, then waits for the backend to finish
// what the call queued, counted apart as the kind's GPU time.
#pragma once

#include <compat/call_timing.h>
#include <compat/d3d9.h>

namespace compat::d3d9
{

class DeviceBackend;

inline CallTiming<CallTimes> callTiming;
inline bool waitForGpu = false;

class TimedCall
{
public:
    // `backend`: what to wait for; null when there is nothing to wait for.
    explicit TimedCall(CallTime CallTimes::*kind, DeviceBackend* backend = nullptr)
    {
        if (callTiming.on) [[unlikely]]
        {
            total_ = &(callTiming.totals.*kind);
            backend_ = backend;
            start_ = ScopedMilliseconds::Clock::now();
        }
    }
    ~TimedCall()
    {
        if (total_ != nullptr) [[unlikely]]
            Finish();
    }
    TimedCall(const TimedCall&) = delete;
    TimedCall& operator=(const TimedCall&) = delete;

private:
    void Finish();

    CallTime* total_ = nullptr;
    DeviceBackend* backend_ = nullptr;
    ScopedMilliseconds::Clock::time_point start_;
};

} // namespace compat::d3d9
