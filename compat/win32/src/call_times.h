// The totals behind MeasureCallTimes and TakeCallTimes, and TimedCall, the
// scope that adds the time of the call it is made in to one kind of them.
#pragma once

#include <compat/win32.h>

#include <chrono>

namespace compat::win32
{

struct CallTiming
{
    bool on = false;
    CallTimes totals;
};
inline CallTiming callTiming;

// Made first in a call: from then to its end the call's time goes to `kind`.
// While measuring is off it reads the clock not at all.
class TimedCall
{
public:
    explicit TimedCall(double CallTimes::*kind)
    {
        if (callTiming.on) [[unlikely]]
        {
            kind_ = kind;
            start_ = std::chrono::steady_clock::now();
        }
    }
    ~TimedCall()
    {
        if (kind_ != nullptr) [[unlikely]]
            callTiming.totals.*kind_ +=
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_)
                    .count();
    }
    TimedCall(const TimedCall&) = delete;
    TimedCall& operator=(const TimedCall&) = delete;

private:
    double CallTimes::*kind_ = nullptr;
    std::chrono::steady_clock::time_point start_;
};

} // namespace compat::win32
