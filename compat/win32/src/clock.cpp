// The performance counter: SDL's, or a virtual one that moves only when told.
#include "last_error.h"

#include <compat/win32.h>

#include <SDL.h>

#include <cstdio>

namespace compat::win32
{
namespace
{

struct VirtualClock
{
    bool active = false;
    int64_t frequency = 0;
    int64_t now = 0;
};

VirtualClock virtualClock;

} // namespace

void UseVirtualClock(int64_t frequency)
{
    if (frequency <= 0)
    {
        std::fprintf(stderr,
                     "win32: UseVirtualClock: frequency %lld is not positive; "
                     "the clock is unchanged\n",
                     static_cast<long long>(frequency));
        return;
    }
    virtualClock = {true, frequency, 0};
}

void AdvanceVirtualClock(int64_t ticks)
{
    if (!virtualClock.active || ticks < 0)
    {
        std::fprintf(
            stderr, "win32: AdvanceVirtualClock(%lld): %s\n", static_cast<long long>(ticks),
            virtualClock.active ? "a counter never goes back" : "the virtual virtualClock is off");
        return;
    }
    virtualClock.now += ticks;
}

void UseRealClock()
{
    virtualClock = VirtualClock{};
}

} // namespace compat::win32

using namespace compat::win32;

BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* lpPerformanceCount)
{
    if (lpPerformanceCount == nullptr)
    {
        Fail(ERROR_INVALID_PARAMETER, "QueryPerformanceCounter needs a LARGE_INTEGER");
        return FALSE;
    }
    lpPerformanceCount->QuadPart =
        virtualClock.active ? virtualClock.now : static_cast<int64_t>(SDL_GetPerformanceCounter());
    return TRUE;
}

BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* lpFrequency)
{
    if (lpFrequency == nullptr)
    {
        Fail(ERROR_INVALID_PARAMETER, "QueryPerformanceFrequency needs a LARGE_INTEGER");
        return FALSE;
    }
    lpFrequency->QuadPart = virtualClock.active
                                ? virtualClock.frequency
                                : static_cast<int64_t>(SDL_GetPerformanceFrequency());
    return TRUE;
}
