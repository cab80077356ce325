// The totals behind compat::win32::MeasureCallTimes and TakeCallTimes, and
// TimedCall, the scope a timed call begins with:
// `const TimedCall timed(&CallTimes::kind);`.
#pragma once

#include <compat/win32.h>
#include <compat/call_timing.h>

namespace compat::win32
{

inline CallTiming<CallTimes> callTiming;
using TimedCall = compat::TimedCall<callTiming>;

} // namespace compat::win32
