#include "call_times.h"

namespace compat::win32
{

void MeasureCallTimes(bool on)
{
    callTiming = CallTiming{on, CallTimes{}};
}

CallTimes TakeCallTimes()
{
    const CallTimes taken = callTiming.totals;
    callTiming.totals = CallTimes{};
    return taken;
}

} // namespace compat::win32
