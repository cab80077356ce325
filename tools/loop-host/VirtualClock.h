// The virtual clock that the programs running the loop themselves put the
// program on (the capture tool, the page's test runs, the benchmarks): its
// ticks per second, and one frame of 1/60 s in them.
#pragma once

namespace host
{

inline constexpr long long kTicksPerSecond = 1'000'000'000;
inline constexpr long long kFrameTicks = kTicksPerSecond / 60;

} // namespace host
