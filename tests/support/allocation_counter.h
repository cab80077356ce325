// Counts the allocations made through the global operator new in this test
// program (replaced in allocation_counter.cpp).
#pragma once

#include <cstddef>

namespace test
{

std::size_t AllocationCount();

} // namespace test
