#include "call_times.h"

namespace compat::physx
{

void MeasureCallTimes(bool on)
{
    callTiming.Measure(on);
}

CallTimes TakeCallTimes()
{
    return callTiming.Take();
}

} // namespace compat::physx
