// The totals behind MeasureCallTimes and TakeCallTimes, and TimedCall, the
// scope that adds the time of the call it is made in to one kind of them.
#pragma once

#include <compat/d3d9.h>

#include <chrono>

namespace compat::d3d9
{

class DeviceBackend;

struct CallTiming
{
    bool on = false;
    bool waitForGpu = false;
    CallTimes totals;
};
inline CallTiming callTiming;

// Made first in a call: from then to its end the call's time goes to `kind`,
// and with waitForGpu the end waits for `backend` (null: nothing to wait
// for). While measuring is off it reads the clock not at all.
class TimedCall
{
public:
    explicit TimedCall(CallTime CallTimes::*kind, DeviceBackend* backend = nullptr)
    {
        if (callTiming.on) [[unlikely]]
            Start(kind, backend);
    }
    ~TimedCall()
    {
        if (kind_ != nullptr) [[unlikely]]
            Finish();
    }
    TimedCall(const TimedCall&) = delete;
    TimedCall& operator=(const TimedCall&) = delete;

private:
    void Start(CallTime CallTimes::*kind, DeviceBackend* backend);
    void Finish();

    CallTime CallTimes::*kind_ = nullptr;
    DeviceBackend* backend_ = nullptr;
    std::chrono::steady_clock::time_point start_;
};

} // namespace compat::d3d9
