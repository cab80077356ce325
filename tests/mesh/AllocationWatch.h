// Watches the allocations of this test program through its own global
// operator new: the largest single one since the last Reset().
#pragma once

#include <cstddef>

namespace allocation_watch
{
void Reset();
std::size_t Largest();
} // namespace allocation_watch
