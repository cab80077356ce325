#include "buffer_storage.h"

#include <algorithm>
#include <cstring>

namespace compat::d3d9
{

uint32_t BufferStorage::IndexAt(uint64_t i) const
{
    if (IndexSize() == 4)
    {
        uint32_t value;
        std::memcpy(&value, bytes.data() + i * 4, 4);
        return value;
    }
    uint16_t value;
    std::memcpy(&value, bytes.data() + i * 2, 2);
    return value;
}

void BufferStorage::MeasureIndices(UINT offset, UINT size)
{
    const UINT indexSize = IndexSize();
    // The indices the written bytes touch, whole or in part.
    const uint64_t first = offset / indexSize;
    const uint64_t end = std::min<uint64_t>((uint64_t{offset} + size + indexSize - 1) / indexSize,
                                            bytes.size() / indexSize);
    if (first >= end)
        return;
    const bool whole = first == 0 && end == bytes.size() / indexSize;
    uint32_t lowest = whole ? UINT32_MAX : lowestIndex;
    uint32_t highest = whole ? 0 : highestIndex;
    for (uint64_t i = first; i < end; ++i)
    {
        const uint32_t index = IndexAt(i);
        lowest = std::min(lowest, index);
        highest = std::max(highest, index);
    }
    lowestIndex = lowest;
    highestIndex = highest;
}

} // namespace compat::d3d9
