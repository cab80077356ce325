// Counts what a test program allocates through the global operator new.
// Linking the support library replaces every form of new and delete (plain,
// array, nothrow, sized, aligned) with ones that count and go to malloc, so
// the counts see the standard library's allocations as well as the code's.
#pragma once

#include <cstddef>

namespace test
{

// Allocations made since the program started.
std::size_t AllocationCount();

// The largest single allocation (in bytes) since the last ResetAllocationPeak().
std::size_t AllocationPeak();
void ResetAllocationPeak();

} // namespace test
