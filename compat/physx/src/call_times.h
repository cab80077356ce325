// The totals behind compat::physx::MeasureCallTimes and TakeCallTimes, and
// TimedCall, the scope a timed call begins with:
// `const TimedCall timed(&CallTimes::kind);`.
#pragma once

#include <compat/physx.h>
#include <compat/call_timing.h>

namespace compat::physx
{

inline CallTiming<CallTimes> callTiming;
using TimedCall = compat::TimedCall<callTiming>;

} // namespace compat::physx
