#include "Frames.h"

#include "app/App.h"

#include <compat/call_timing.h>
#include <compat/win32.h>

namespace bench
{

Summary MeasureFrames(int count)
{
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(count));
    for (int frame = 0; frame < count; ++frame)
    {
        compat::win32::AdvanceVirtualClock(kFrameTicks);
        const auto start = Clock::now();
        AppFrame();
        times.push_back(MillisecondsSince(start));
    }
    return Summarise(times);
}

FrameSplit MeasureFrameSplit(int count)
{
    const auto size = static_cast<std::size_t>(count);
    std::vector<double> frames, physics, drawing, present, rest;
    for (std::vector<double>* list : {&frames, &physics, &drawing, &present, &rest})
        list->reserve(size);
    using compat::timing::Call;
    compat::timing::Measure(true);
    for (int frame = 0; frame < count; ++frame)
    {
        compat::win32::AdvanceVirtualClock(kFrameTicks);
        const auto start = Clock::now();
        AppFrame();
        const double whole = MillisecondsSince(start);
        const compat::timing::Times inside = compat::timing::Take();
        frames.push_back(whole);
        physics.push_back(inside[Call::physicsStep].Total());
        drawing.push_back(inside.Sum({Call::clear, Call::text, Call::draws}).Total());
        present.push_back(inside[Call::present].Total());
        rest.push_back(whole - physics.back() - drawing.back() - present.back());
    }
    compat::timing::Measure(false);
    return {Summarise(frames), Summarise(physics), Summarise(drawing), Summarise(present),
            Summarise(rest)};
}

} // namespace bench
