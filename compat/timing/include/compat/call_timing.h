// What the stand-ins share to total the time spent inside their calls, for
// the benchmarks that split the program's frame or start-up by what it asked
// of each API: a switch and a set of totals, and the scope that adds one
// call's time to one of them. While measuring is off a call pays one test of
// a flag and reads no clock; measuring never allocates.
#pragma once

#include <chrono>

namespace compat
{

// Whether a stand-in measures, and its totals so far: `Totals` is a struct
// of the stand-in's kinds of call.
template <class Totals> struct CallTiming
{
    bool on = false;
    Totals totals{};

    // Starts totalling from zero, or stops.
    void Measure(bool measure)
    {
        on = measure;
        totals = Totals{};
    }
    // The totals so far; totalling starts again from zero.
    Totals Take()
    {
        const Totals taken = totals;
        totals = Totals{};
        return taken;
    }
};

// Made first in a call: adds the milliseconds from then to the end of the
// call to `*total`; does nothing when `total` is null (measuring is off).
class ScopedMilliseconds
{
public:
    using Clock = std::chrono::steady_clock;

    explicit ScopedMilliseconds(double* total) : total_(total)
    {
        if (total_ != nullptr) [[unlikely]]
            start_ = Clock::now();
    }
    ~ScopedMilliseconds()
    {
        if (total_ != nullptr) [[unlikely]]
            *total_ += Since(start_);
    }
    ScopedMilliseconds(const ScopedMilliseconds&) = delete;
    ScopedMilliseconds& operator=(const ScopedMilliseconds&) = delete;

    static double Since(Clock::time_point start)
    {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }

private:
    double* total_;
    Clock::time_point start_;
};

// The scope for a stand-in whose totals are plain milliseconds by kind:
// `TimedCall<timing> timed(&CallTimes::step);`.
template <auto& timing> class TimedCall : ScopedMilliseconds
{
public:
    template <class Totals>
    explicit TimedCall(double Totals::*kind)
        : ScopedMilliseconds(timing.on ? &(timing.totals.*kind) : nullptr)
    {
    }
};

} // namespace compat
