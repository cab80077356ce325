#include "call_times.h"

namespace compat::win32
{

void MeasureCallTimes(bool on)
{
    callTiming.Measure(on);
}

CallTimes TakeCallTimes()
{
    return callTiming.Take();
}

} // namespace compat::win32
