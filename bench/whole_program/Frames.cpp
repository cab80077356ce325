#include "Frames.h"

#include "StandInTimes.h"

#include "app/App.h"

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
    MeasureStandIns(true);
    for (int frame = 0; frame < count; ++frame)
    {
        compat::win32::AdvanceVirtualClock(kFrameTicks);
        const auto start = Clock::now();
        AppFrame();
        const double whole = MillisecondsSince(start);
        const StandInTimes inside = TakeStandInTimes();
        frames.push_back(whole);
        physics.push_back(inside.physx.step);
        drawing.push_back(inside.DrawingCalls().Total());
        present.push_back(inside.d3d9.present.Total());
        rest.push_back(whole - physics.back() - drawing.back() - present.back());
    }
    MeasureStandIns(false);
    return {Summarise(frames), Summarise(physics), Summarise(drawing), Summarise(present),
            Summarise(rest)};
}

} // namespace bench
