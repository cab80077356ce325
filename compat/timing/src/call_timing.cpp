#include <compat/call_timing.h>

namespace compat::timing
{
namespace
{

double MillisecondsSince(TimedCall::Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(TimedCall::Clock::now() - start).count();
}

} // namespace

Time Times::Sum(std::initializer_list<Call> kinds) const
{
    Time sum;
    for (const Call kind : kinds)
    {
        sum.call += (*this)[kind].call;
        sum.gpu += (*this)[kind].gpu;
    }
    return sum;
}

void Measure(bool on, bool waitForGpu)
{
    detail::registry = {on, on && waitForGpu, Times{}};
}

Times Take()
{
    const Times taken = detail::registry.totals;
    detail::registry.totals = Times{};
    return taken;
}

void TimedCall::Finish()
{
    total_->call += MillisecondsSince(start_);
    if (detail::registry.waitForGpu && queue_ != nullptr)
    {
        const Clock::time_point waitStart = Clock::now();
        queue_->WaitForGpu();
        total_->gpu += MillisecondsSince(waitStart);
    }
}

} // namespace compat::timing
