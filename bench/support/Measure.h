// Timing helpers shared by the benchmarks that time frames and start-up.
#pragma once

#include "VirtualClock.h"

#include <chrono>
#include <vector>

namespace bench
{

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start);

// Milliseconds from the process's start (as the kernel recorded it, to its
// 10 ms clock tick) to now; negative when it cannot be read.
double MillisecondsSinceProcessStart();

// The median, 95th percentile and mean of a list of durations in
// milliseconds.
struct Summary
{
    double median = 0;
    double p95 = 0;
    double mean = 0;
};
Summary Summarise(std::vector<double> milliseconds);

// Sets up the stand-ins as the capture tool does (host::Headless): OpenGL on
// SDL's offscreen driver (unless SDL_VIDEODRIVER names another), a 1920×1080
// virtual screen (or ZARV_BENCH_SCREEN=WxH), a virtual clock, a scripted
// keyboard. Call before any SDL call; changes to the executable's folder so
// the art is found.
bool PrepareRun();

using host::kFrameTicks;
using host::kTicksPerSecond;

} // namespace bench
